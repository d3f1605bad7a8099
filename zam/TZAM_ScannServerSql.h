#pragma once

#include "IZAM_ScannServer.h"

class TZAM_Datenbank;

// The scan records in zam_scansatz: one row per record, its serial id the record's key.
class TZAM_ScannServerSql : public IZAM_ScannServer
{
public:
    explicit TZAM_ScannServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    qint64 Einfuegen(int ATyp, const TScanCode& ASatz, const TIntPair& ALieferant, qint16 ALagerFiliale) override;
    bool Lesen_4_Id(qint64 AId, TZAM_ScanSatz& ASatz) override;
    QList<TZAM_ScanSatz> Lesen(int ATyp, const TIntPair& AMitaGepNr, bool ANurOffene) override;
    bool OffeneVorhanden(int ATyp, const TIntPair& AMitaGepNr) override;
    int OffeneLoeschen(int ATyp, const TIntPair& AMitaGepNr) override;

private:
    TZAM_Datenbank& FDb;
};
