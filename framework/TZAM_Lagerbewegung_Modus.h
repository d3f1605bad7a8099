#pragma once

#include <QString>
#include <QtGlobal>
#include <iterator>

// The movement a worker books by hand on the handheld. The manual-movement menu offers 1, 2, 3,
// 4 and 10; parcel shipping runs as 8; 5 to 7 and 9 are kept for movements that other workflows
// start (7 is treated like 1 by the article states).
enum TZAM_Lagerbewegung_Modus : quint8
{
    CZAM_LB_Modus_Keiner = 0,
    CZAM_LB_Modus_UmlagerungArtikel = 1,
    CZAM_LB_Modus_Lagerzugang = 2,
    CZAM_LB_Modus_Lagerabgang = 3,
    CZAM_LB_Modus_UmlagerungBehaelter = 4,
    CZAM_LB_Modus_WechselBearbSchritt = 5,
    CZAM_LB_Modus_Inventur = 6,
    CZAM_LB_Modus_UmlagerungAuftrag = 7,
    CZAM_LB_Modus_Paketversand = 8,
    CZAM_LB_Modus_Inbetriebnahme = 9,
    CZAM_LB_Modus_GesamtesFach = 10
};

// The display text of every mode, indexed by the mode.
inline constexpr const char* CZAM_Lagerbewegung_Modus_Text[] = {
    "",
    "Umlagerung Artikel",
    "Lagerzugang",
    "Lagerabgang",
    "Umlagerung Behälter",
    "Wechsel Bearbeitungs-Schritt",
    "Inventur",
    "Umlagerung Auftrag",
    "Paketversand",
    "Inbetriebnahme",
    "Gesamtes Fach umlagern",
};

inline QString Lagerbewegung_Modus_Text(quint8 AModus)
{
    return AModus < std::size(CZAM_Lagerbewegung_Modus_Text) ? QString::fromUtf8(CZAM_Lagerbewegung_Modus_Text[AModus])
                                                             : QString::number(AModus);
}
