#pragma once

#include "IZAM_DispoServer.h"

class TZAM_Datenbank;

// The dispositions in zam_bne (typ 45) and their positions in zam_bnep: one row per position and
// size, menge planned, erhalten received.
class TZAM_DispoServerSql : public IZAM_DispoServer
{
public:
    explicit TZAM_DispoServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QList<TZAM_DispoSatz> Offene_4_AuftragsNr(const TIntPair& AAuftragsNr, qint16 AAuftrFiliale) override;
    QList<TZAM_DispoSatz> Offene_4_VorgId(const TIntTrio& AVorgId, qint16 AAuftrFiliale) override;
    qint16 AuftrFiliale_4_IdUndAnFil(const TIntTrio& AVorgId, qint16 AAnFiliale) override;
    QList<TZAM_DispoSchluessel> Offene_4_Produkt(const TInt32Trio& AProduktId, int AVonGr, int ABisGr,
                                                 qint16 AAuftrFiliale) override;
    bool Lesen(const TIntTrio& AVorgId, TZAM_DispoSatz& ASatz) override;
    QList<TZAM_DispoSatz> NichtGeschlossene_4_Produkt(const TInt32Trio& AProduktId) override;
    TIntPair AuftragsNr_4_EigeneAuftragsNr(const QString& AEigeneNr) override;

private:
    QList<TZAM_DispoSatz> Offene(const QString& ABedingung, QVariantList AWerte, qint16 AAuftrFiliale);
    // Every disposition that meets the condition on zam_bne b, closed or not, with all its rows.
    QList<TZAM_DispoSatz> Saetze(const QString& ABedingung, const QVariantList& AWerte);

    TZAM_Datenbank& FDb;
};
