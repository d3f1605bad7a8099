#include "TZAM_LagerBewegungEditServerSql.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Lagerort_Info.h"
#include "ZAMBestandsarten.h"
#include "ZAMInfoKoords.h"

namespace {

QVariantList Werte(const TIntTrio& AId)
{
    return {AId.Id1, AId.Id2, AId.Id3};
}

const QString CIdGleich = QStringLiteral("id1 = ? AND id2 = ? AND id3 = ?");

} // namespace

bool TZAM_LagerBewegungEditServerSql::Lagerbewegung_Buchen(TZAM_Lager_BEW&, bool, TZAM_InfoMeldungListe*)
{
    throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert,
                         QStringLiteral("TZAM_LagerBewegungEditServerSql.Lagerbewegung_Buchen"));
}

bool TZAM_LagerBewegungEditServerSql::UmlagerBewegung_Buchen(TZAM_Lager_BEW&, TZAM_Lager_BNE_Korrektur&, int, int, int,
                                                             bool, TZAM_InfoMeldungListe*)
{
    throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert,
                         QStringLiteral("TZAM_LagerBewegungEditServerSql.UmlagerBewegung_Buchen"));
}

bool TZAM_LagerBewegungEditServerSql::Bestandskorrektur_Buchen(TZAM_Lager_BEW&, TZAM_Lager_BNE_Korrektur&, bool,
                                                               TZAM_InfoMeldungListe*)
{
    throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert,
                         QStringLiteral("TZAM_LagerBewegungEditServerSql.Bestandskorrektur_Buchen"));
}

bool TZAM_LagerBewegungEditServerSql::Behaelter_Zuordnung_Loeschen(const TIntTrio& ABehaelter, bool ABuchen)
{
    if (!ABuchen)
        return FDb.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_behaelter WHERE ") + CIdGleich,
                             Werte(ABehaelter), 0)
                   .toInt() > 0;
    // The single-use flag belongs to the container, not to its assignment.
    return FDb.Schreiben(QStringLiteral("UPDATE zam_behaelter SET filiale = -1, lager = -1, wbs_gedruckt = 0, "
                                        "wbs_liste1 = 0, wbs_liste2 = 0, auf_transport = 0 WHERE ") +
                             CIdGleich,
                         Werte(ABehaelter)) > 0;
}
