#include "TQIV_WEPlus_PruefeLagerort.h"

#include "TDM_Torvik.h"
#include "TQIV_Optionen_OBMDE.h"
#include "TZAM_Hausregel.h"
#include "ZAMFehler.h"
#include "ZAMInfoKoords.h"

bool Pruefe_Lagerort(const TZAM_Lagerort_Info& AInfo, const TQIV_Optionen_OBMDE& AOptionen,
                     TQIV_ZPMDE_Datentraeger::TWEPlus& AWEPlus, QString& AMeldung, QString& ALagerplatzBez,
                     TIntTrio& ALagerplatzID, qint16 AFiliale, const TIntTrio& AVerfKombiId,
                     const TZAM_PersArt_ExtVerweis& AVerweis, TQIV_ZPMDE_Ziel AZielTyp, bool ABuchenSichtbar)
{
    AMeldung.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("Pruefe_Lagerort", false, [&] {
        if (ALagerplatzID.IsNull()) {
            if (ABuchenSichtbar) {
                AMeldung = QStringLiteral("Fehler: Kein Lagerort vorgegeben aber Buchen-Knopf sichtbar.");
                return false;
            }
        } else if (ALagerplatzID == AInfo.LagerortId) {
            return true;
        } else if (ALagerplatzID != AWEPlus.LOEinlagerungId) {
            AMeldung = QStringLiteral("Bitte scannen Sie ") + ALagerplatzBez + QStringLiteral("!");
            return false;
        }

        bool geeignet = false;
        if (AZielTyp == bmzEinlagerung)
            geeignet = DM_Torvik->LOOK_4_Einlagerung_beiWEPlus(AInfo);
        else if ((AZielTyp == bmzBearbeitung || AZielTyp == bmzBearbeitungNurWarten) &&
                 AOptionen.WEPlus.BearbDirektInEW)
            geeignet = DM_Torvik->LOOK_4_Bearbeitung(AInfo, AFiliale, AMeldung);
        else
            FehlerRaise(QStringLiteral("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Gescannt_Lagerort"),
                        CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("Zieltyp %1").arg(int(AZielTyp)));
        if (!geeignet) {
            if (AMeldung.isEmpty())
                AMeldung = QStringLiteral("Keine Einlagerung auf ") + AInfo.Name + QStringLiteral(" möglich!");
            return false;
        }

        if (AZielTyp == bmzEinlagerung) {
            AWEPlus.LOEinlagerungId = AInfo.LagerortId;
            AWEPlus.LOEinlagerungBez = AInfo.Name;
        } else {
            TIntTrio beleg;
            if (!DM_Torvik->Behaelter_ZuordnenZu_ExtVerweis(AInfo.LagerortId, AVerweis, AVerfKombiId, AFiliale,
                                                            beleg)) {
                AMeldung = QStringLiteral("Zuorden ") + AInfo.Name + QStringLiteral(" zu ") + beleg.ToText() +
                           QStringLiteral(" fehlgeschlaten!");
                return false;
            }
        }
        ALagerplatzID = AInfo.LagerortId;
        ALagerplatzBez = AInfo.Name;
        return true;
    });
}
