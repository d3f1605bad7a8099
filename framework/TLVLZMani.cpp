#include "TLVLZMani.h"

#include "IZAM_LVLZServer.h"

TLVLZMani::TLVLZMani() = default;
TLVLZMani::~TLVLZMani() = default;

bool TLVLZMani::ExtVerweis_u_VerfKombiId_4_Lagerort(TZAM_PersArt_ExtVerweis& AVerweis, TIntTrio& AVerfKombiId,
                                                    int& AAuftragsTyp, int& AStatus, const TIntTrio&)
{
    AVerweis.Clear();
    AVerfKombiId = TIntTrio();
    AAuftragsTyp = AStatus = 0;
    return false;
}

void TLVLZMani::Lagerort_Verweis_Loeschen(const TIntTrio&) {}

bool TLVLZMani::BelegDaten_4_Lagerort(QString& ABelegNr, QString& AVerfKombiText, int& AAuftragsTyp,
                                      QString& ADatumText, const TIntTrio&)
{
    ABelegNr.clear();
    AVerfKombiText.clear();
    ADatumText.clear();
    AAuftragsTyp = 0;
    return false;
}
