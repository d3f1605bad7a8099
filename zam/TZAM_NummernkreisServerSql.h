#pragma once

#include "IZAM_NummernkreisServer.h"

class TZAM_Datenbank;

// Number ranges in zam_nummernkreis, object record types in zam_objekt_satztyp.
class TZAM_NummernkreisServerSql : public IZAM_NummernkreisServer
{
public:
    explicit TZAM_NummernkreisServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QList<TZAM_Nummernkreis> Kreise(int ATabellenArt) override;
    bool ObjektSatzTypExist(const QString& AObjekt, int ASatzTyp) override;
    int NaechsteNummer(int ATabellenArt, int ANummer, int AMindestens) override;

private:
    TZAM_Datenbank& FDb;
};
