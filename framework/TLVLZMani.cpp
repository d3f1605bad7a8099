#include "TLVLZMani.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_LVLZServer.h"

TLVLZMani::TLVLZMani() = default;
TLVLZMani::~TLVLZMani() = default;

IZAM_LVLZServer& TLVLZMani::Server()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_LVLZServer>();
    return *FServer;
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
