#include "TSCANNMani.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_ScannServer.h"
#include "TVRList.h"
#include "TZAM_Intv100_IndErw.h"
#include "ZAMFehler.h"
#include "ZAMInfoKoords.h"

#include <limits>

namespace {

void Abweisen(const QString& AText)
{
    FehlerRaise(QStringLiteral("TSCANNMani.BuchenSingle"), CZAM_Info_Fehler_Standard_IllegalerParameter, AText);
}

void Zeile(TVRList& AListe, const TZAM_ScanSatz& AS)
{
    const TScanCode& c = AS.Satz;
    TVRArray z = AListe.VRArray_ForRowAdd_Generate();
    z[cslProdukt].Setzen(vrtInt32Trio, c.ProduktId);
    z[cslGrIdx].Setzen(vrtInteger, c.GrIdx);
    z[cslDispoId].Setzen(vrtIntTrio, c.DispoId);
    z[cslAnFiliale].Setzen(vrtInteger, int(AS.LagerFiliale));
    z[cslExtKuerzel].Setzen(vrtString, CZAM_PersArtExtKennung_2_Kuerzel(c.ExtVerweis.Kennung));
    z[cslExtId].Setzen(vrtIntTrio, c.ExtVerweis.Id);
    z[cslExtNummer].Setzen(vrtInteger, int(c.ExtVerweis.Nummer));
    z[cslMenge].Setzen(vrtInteger, c.Menge);
    z[cslLagerort].Setzen(vrtIntTrio, c.Lagerort);
    z[cslScanIdent].Setzen(vrtIntTrio, TSCANNMani::Ident_4_Id(AS.Id));
    z[cslAuftragsNr].Setzen(vrtString, c.AuftragsNr);
    z[cslLieferschein].Setzen(vrtString, c.LieferscheinNr);
    AListe.RowAdd(std::move(z));
}

} // namespace

TIntTrio TSCANNMani::Ident_4_Id(qint64 AId)
{
    if (AId <= 0 || AId > std::numeric_limits<qint32>::max())
        FehlerRaise(QStringLiteral("TSCANNMani.BuchenSingle"), CZAM_Info_Fehler_Standard_UnmoeglicherZustand,
                    QStringLiteral("Scansatz-Schlüssel %1").arg(AId));
    return TIntTrio(1, 0, qint32(AId));
}

qint64 TSCANNMani::Id_4_Ident(const TIntTrio& AIdent)
{
    return AIdent.Id1 == 1 && AIdent.Id2 == 0 && AIdent.Id3 > 0 ? AIdent.Id3 : 0;
}

TSCANNMani::TSCANNMani() : FListe(std::make_unique<TVRList>())
{
    const std::pair<const char*, TVRValueType> spalten[cslAnzahl] = {
        {"Produkt", vrtInt32Trio},     {"Größe", vrtInteger},     {"Dispo", vrtIntTrio},
        {"An-Filiale", vrtInteger},    {"Verweisart", vrtString}, {"Verweis", vrtIntTrio},
        {"Verweisnummer", vrtInteger}, {"Menge", vrtInteger},     {"Lagerort", vrtIntTrio},
        {"Scan-Ident", vrtIntTrio},    {"Auftrag", vrtString},    {"Lieferschein", vrtString}};
    for (const auto& [name, typ] : spalten)
        FListe->ColumnAdd(QString::fromUtf8(name), typ);
}

TSCANNMani::~TSCANNMani() = default;

IZAM_ScannServer& TSCANNMani::Server()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_ScannServer>();
    return *FServer;
}

void TSCANNMani::ListeLeeren()
{
    FListe->RowsClear();
    FAuswahl.Clear();
    FHatAuswahl = false;
}

TIntTrio TSCANNMani::BuchenSingle(int ATyp, const TScanCode& ARec, const TIntPair& ALieferant, qint16 ALagerFiliale)
{
    if (ARec.MitaGepNr.IsNull())
        Abweisen(QStringLiteral("Scansatz ohne Benutzernummer"));
    if (ARec.Menge < 0)
        Abweisen(QStringLiteral("Scansatz mit negativer Menge %1").arg(ARec.Menge));
    if (!zam_Intv100_IstGroesse(ARec.GrIdx))
        Abweisen(QStringLiteral("Scansatz mit Größenindex %1 außerhalb 0 bis 99").arg(ARec.GrIdx));
    // The list no longer shows what is stored, whatever the store answers.
    ListeLeeren();
    const qint64 id = Server().Einfuegen(ATyp, ARec, ALieferant, ALagerFiliale);
    if (id == 0)
        Abweisen(QStringLiteral("Scansatz für Produkt %1 ohne Artikel").arg(ARec.ProduktId.ToText()));
    return Ident_4_Id(id);
}

void TSCANNMani::SelectAndAdd(const TSCANSelectRec& AAuswahl, int)
{
    ListeLeeren();
    QList<TZAM_ScanSatz> saetze;
    if (!AAuswahl.Ident.IsNull()) {
        TZAM_ScanSatz s;
        if (const qint64 id = Id_4_Ident(AAuswahl.Ident); id > 0 && Server().Lesen_4_Id(id, s))
            saetze.append(s);
    } else if (!AAuswahl.MitaGepNr.IsNull()) {
        saetze = Server().Lesen(AAuswahl.Typ, AAuswahl.MitaGepNr, AAuswahl.NurOffene == 1);
    }
    FListe->RowsReserve(int(saetze.size()));
    for (const TZAM_ScanSatz& s : saetze)
        Zeile(*FListe, s);
    FAuswahl = AAuswahl;
    FHatAuswahl = true;
}

bool TSCANNMani::WEPlusExists(const TIntPair& AMitaGepNr)
{
    return !AMitaGepNr.IsNull() && Server().OffeneVorhanden(CSCAN_Typ_WEPlus, AMitaGepNr);
}

void TSCANNMani::WEPLusLoeschen(const TIntPair& AMitaGepNr)
{
    ListeLeeren();
    if (!AMitaGepNr.IsNull())
        Server().OffeneLoeschen(CSCAN_Typ_WEPlus, AMitaGepNr);
}

TVRList& TSCANNMani::Liste()
{
    return *FListe;
}

bool TSCANNMani::ListeAuswahl(TSCANSelectRec& AAuswahl) const
{
    AAuswahl = FAuswahl;
    return FHatAuswahl;
}
