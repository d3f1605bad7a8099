#pragma once

#include "IZAM_AuftragsDateien.h"

class TZAM_Datenbank;

// The order files: order lines (zam_bne) with their positions (zam_bnep) and the reservations of
// branch stock (zam_bfp). A position keeps its reference in ext_kennung/ext_id/ext_nummer; one
// written without it names its order by kennung and auftrag_id/auftrag_nr, as the task statement
// reads it (an external order when zam_exbi knows that source and order, else a customer order).
class TZAM_AuftragsDateienSql : public IZAM_AuftragsDateien
{
public:
    explicit TZAM_AuftragsDateienSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    bool BNE_Datum(const TIntTrio& AVorgang, QDateTime& ADatum) override;
    bool BNEP_ExtVerweis(const TIntTrio& AVorgang, qint16 AZielFiliale, int AMenge,
                         TZAM_PersArt_ExtVerweis& AVerweis) override;
    int BFP_Summe(const TZAM_PersArt_ExtVerweis& AVerweis, int AFiliale, const QString& ABestandsartCode) override;
    int BNEP_Summe(const TZAM_PersArt_ExtVerweis& AVerweis, int AZielFiliale, int AQuellFiliale, int ABewTyp) override;
    int BNEP_Menge(const TIntTrio& AVorgang, int AZielFiliale, int AQuellFiliale, int ABewTyp,
                   const TZAM_PersArt_ExtVerweis& AVerweis) override;

private:
    TZAM_Datenbank& FDb;
};
