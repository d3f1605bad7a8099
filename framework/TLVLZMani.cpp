#include "TLVLZMani.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_BelegEditServer.h"
#include "IZAM_LVLZServer.h"
#include "IZAM_LagerEditServer.h"
#include "TIntQuad.h"
#include "ZAMInfoKoords.h"

TLVLZMani::TLVLZMani() = default;
TLVLZMani::~TLVLZMani() = default;

IZAM_LVLZServer& TLVLZMani::Server()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_LVLZServer>();
    return *FServer;
}

IZAM_BelegEditServer& TLVLZMani::BelegServer()
{
    // The documents are an optional module: without it a lookup cannot answer at all.
    if (!FBelegServer && Glob_ServerFactoryClass().Verfuegbar<IZAM_BelegEditServer>())
        FBelegServer = Glob_ServerFactoryClass().Create<IZAM_BelegEditServer>();
    if (!FBelegServer)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("BelegEditServer"),
                             QStringLiteral("TLVLZMani.BelegServer"));
    return *FBelegServer;
}

IZAM_LagerEditServer& TLVLZMani::LagerServer()
{
    if (!FLagerServer)
        FLagerServer = Glob_WWSServerFactoryClass().Create<IZAM_LagerEditServer>();
    return *FLagerServer;
}

TIntTrio TLVLZMani::BelegId_4_Verweis(const TZAM_PersArt_ExtVerweis& AVerweis)
{
    TIntTrio beleg;
    if (AVerweis.Kennung != CZAM_PersArtExt_KuBe || AVerweis.Id.IsNull())
        return beleg;
    if (!BelegServer().BelegId_4_Position(QuadAusTrio(AVerweis.Id, AVerweis.Nummer), 0, beleg, 0))
        beleg = TIntTrio();
    return beleg;
}

bool TLVLZMani::ExtVerweis_u_VerfKombiId_4_Lagerort(TZAM_PersArt_ExtVerweis& AVerweis, TIntTrio& AVerfKombiId,
                                                    int& AAuftragsTyp, int& AStatus, const TIntTrio& ALagerort)
{
    AVerweis.Clear();
    AVerfKombiId = TIntTrio();
    AAuftragsTyp = AStatus = 0;
    TZAM_LVLZ_Zuordnung z;
    if (ALagerort.IsNull() || !Server().Zuordnung_Lesen(ALagerort, z))
        return false;
    AVerweis = z.Verweis;
    AVerfKombiId = z.VerfKombiId;
    AAuftragsTyp = z.AuftragsTyp;
    AStatus = z.Status;
    return true;
}

void TLVLZMani::Lagerort_Verweis_Loeschen(const TIntTrio& ALagerort)
{
    if (!ALagerort.IsNull())
        Server().Zuordnung_Loeschen(ALagerort);
}

TQIV_Behaelter_Status TLVLZMani::Lagerort_Status_Ermitteln(const TIntTrio& ALagerort)
{
    TZAM_LVLZ_Zuordnung z;
    if (ALagerort.IsNull() || !Server().Zuordnung_Lesen(ALagerort, z))
        return bhsUnbekannt;
    return TQIV_Behaelter_Status(z.Status);
}

bool TLVLZMani::Behaelter_Fertig_Setzten(const TIntTrio& ABehaelter)
{
    TZAM_LVLZ_Zuordnung z;
    if (ABehaelter.IsNull() || !Server().Zuordnung_Lesen(ABehaelter, z))
        return false;
    z.Status = bhsFertig;
    Server().Zuordnung_Schreiben(ABehaelter, z);
    return true;
}

bool TLVLZMani::BelegDaten_4_Lagerort(QString& ABelegNr, QString& AVerfKombiText, int& AAuftragsTyp,
                                      QString& ADatumText, const TIntTrio& ALagerort)
{
    ABelegNr.clear();
    AVerfKombiText.clear();
    ADatumText.clear();
    AAuftragsTyp = 0;
    TZAM_LVLZ_BelegDaten d;
    if (ALagerort.IsNull() || !Server().BelegDaten_Lesen(ALagerort, d))
        return false;
    ABelegNr = d.BelegNr;
    AVerfKombiText = d.VerfKombiName;
    AAuftragsTyp = d.AuftragsTyp;
    ADatumText = d.Datum.date().toString(QStringLiteral("dd.MM.yyyy"));
    return true;
}

bool TLVLZMani::Behaelter_ZuordnenZu_Beleg(const TIntTrio& ALagerort, const TIntTrio& ABelegId,
                                           const TIntTrio& AVerfKombiId, int AAuftragsTyp, int AStatus)
{
    if (ALagerort.IsNull() || ABelegId.IsNull())
        return false;
    Server().Zuordnung_Schreiben(ALagerort, {TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, ABelegId, 0),
                                             AVerfKombiId, AAuftragsTyp, AStatus});
    return true;
}

bool TLVLZMani::Behaelter_Exists_4_ExtVerweis_u_VerfKombiId(TZAM_Behaelter& ABehaelter, TIntTrio& ABehaelterId,
                                                            TQIV_Behaelter_Status AStatus, const TIntTrio& AVerfKombiId,
                                                            const TZAM_PersArt_ExtVerweis& AVerweis)
{
    ABehaelter = TZAM_Behaelter();
    ABehaelterId = TIntTrio();
    const TIntTrio beleg = BelegId_4_Verweis(AVerweis);
    if (beleg.IsNull())
        return false;
    TIntTrio id;
    if (!Server().Behaelter_4_Verweis(TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, beleg, 0), AVerfKombiId,
                                      int(AStatus), id))
        return false;
    // The record as the master data hold it; a place without container record still has its
    // key and name.
    TZAM_Lagerort_Info info;
    if (LagerServer().LagerortInfo_Lesen(id, info, TQIV_Lagerort_Info_Optionen::Defaults()) &&
        !LagerServer().Behaelter_Lesen(info, ABehaelter)) {
        ABehaelter.Id = id;
        ABehaelter.Name = info.Name;
    }
    if (ABehaelter.Id.IsNull())
        ABehaelter.Id = id;
    ABehaelterId = id;
    return true;
}

bool TLVLZMani::Behaelter_ZuordnenZu_KubeBelegId_u_VerfKombiId(const TZAM_PersArt_ExtVerweis& AVerweis,
                                                               bool AVerweisPruefen, const TIntTrio& ABehaelter,
                                                               const TIntTrio& ABelegId, const TIntTrio& AVerfKombiId,
                                                               int AAuftragsTyp, bool AOffen)
{
    if (ABehaelter.IsNull() || ABelegId.IsNull())
        return false;
    if (AVerweisPruefen && BelegId_4_Verweis(AVerweis) != ABelegId)
        return false;
    return Server().Zuordnung_Anlegen(ABehaelter,
                                      {TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, ABelegId, 0),
                                       AVerfKombiId, AAuftragsTyp, int(AOffen ? bhsOffen : bhsUnbekannt)});
}

bool TLVLZMani::KundenVBS_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis, int ALager, int AAuftragsTyp,
                                       TZAM_Lagervorrichtung& AKundenVBS, TIntTrio& ABelegId, bool& AErsterArtikel)
{
    AKundenVBS.Clear();
    AErsterArtikel = false;
    ABelegId = BelegId_4_Verweis(AVerweis);
    if (ABelegId.IsNull())
        return false;
    if (Server().KundenVBS_4_Beleg(ALager, ABelegId, AKundenVBS))
        return true;
    const TZAM_LVLZ_Zuordnung zuordnung{TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, ABelegId, 0),
                                        TIntTrio(), AAuftragsTyp, 0};
    for (const TZAM_Lagervorrichtung& platz : Server().KundenVBS_Freie(ALager, 0)) {
        if (Server().KundenVBS_Zuordnen(platz.Id, zuordnung, true)) {
            AKundenVBS = platz;
            AErsterArtikel = true;
            return true;
        }
        // Another device was faster; it may have given this very order a place.
        if (Server().KundenVBS_4_Beleg(ALager, ABelegId, AKundenVBS))
            return true;
    }
    return false;
}

bool TLVLZMani::KundenVBS_FreieVorhanden(int ALager)
{
    return !Server().KundenVBS_Freie(ALager, 1).isEmpty();
}

bool TLVLZMani::KundenVBS_ZuordnenZu_KubeBelegId(const TZAM_PersArt_ExtVerweis& AVerweis, int AAuftragsTyp,
                                                 const TIntTrio& ABelegId, const TIntTrio& ALagerort)
{
    if (ALagerort.IsNull() || ABelegId.IsNull())
        return false;
    if (AVerweis.Defined() && BelegId_4_Verweis(AVerweis) != ABelegId)
        return false;
    return Server().KundenVBS_Zuordnen(
        ALagerort, {TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, ABelegId, 0), TIntTrio(), AAuftragsTyp, 0},
        false);
}

bool TLVLZMani::Bestand_Komplett_Auf_KundenVBS(TIntTrio& ABelegId, const TIntTrio& AKubeBelegId,
                                               const TIntTrio& ALagerort)
{
    ABelegId = TIntTrio();
    if (AKubeBelegId.IsNull() || ALagerort.IsNull() ||
        Server().Beleg_Fehlmenge_Auf_Lagerort(AKubeBelegId, ALagerort) != 0)
        return false;
    ABelegId = AKubeBelegId;
    return true;
}
