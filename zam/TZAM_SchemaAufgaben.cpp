#include "TZAM_Datenbank.h"
#include "TZAM_Schema.h"
#include "ZAMAufgabenCodes.h"

#include <QDateTime>

namespace {
QVariant Zeitpunkt(const QVariant& ADatum)
{
    return ADatum.isNull() ? QVariant() : QVariant(QDateTime(ADatum.toDate(), QTime(0, 0)));
}
} // namespace

void TZAM_Schema::AufgabenUmziehen(TZAM_Datenbank& ADb)
{
    const TZAM_Zeilen alt = ADb.Lesen(QStringLiteral(
        "SELECT id1, id2, id3, art, status, lager, quell_filiale, ziel_filiale, geschaeftsvorfall, ext_kennung, "
        "ext_id1, ext_id2, ext_id3, ext_nummer, teamsport, bearbeitung, erstellt, prod_id1, prod_id2, prod_id3, "
        "groesse, ziel_lo_id1, ziel_lo_id2, ziel_lo_id3, vorgangstyp, menge, grund_id1, grund_id2, grund_id3, "
        "beleg_id1, beleg_id2, beleg_id3 FROM zam_aufgabe"));
    for (const QVariantList& z : alt.Zeilen()) {
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_auko (id1, id2, id3, art, status, lager, gv, ext_kennung, ext_id1, "
                                     "ext_id2, ext_id3, ext_nummer, teamsport, bearbeitung, erstellt, prod_id1, "
                                     "prod_id2, prod_id3, groesse, ziel_lo_id1, ziel_lo_id2, ziel_lo_id3, grund_id1, "
                                     "grund_id2, grund_id3) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                     "?, ?, ?, ?, ?, ?, ?, ?)"),
                      {z[0], z[1], z[2], CZAM_Aufgabe_Art_2_Kuerzel(z[3].toInt()),
                       QString(CZAM_Aufgabe_Status_2_Char(z[4].toInt())), z[5],
                       CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(z[8].toInt()), z[9], z[10], z[11], z[12], z[13], z[14],
                       Zeitpunkt(z[15]), Zeitpunkt(z[16]), z[17], z[18], z[19], z[20], z[21], z[22], z[23], z[26],
                       z[27], z[28]});
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_auae (auf_id1, auf_id2, auf_id3, quell_filiale, ziel_filiale, "
                                     "menge, bne_typ, kube_id1, kube_id2, kube_id3, kube_nr) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {z[0], z[1], z[2], z[6], z[7], z[25], z[24], z[29], z[30], z[31], z[13]});
    }
    ADb.Schreiben(QStringLiteral("DROP TABLE zam_aufgabe"));
}
