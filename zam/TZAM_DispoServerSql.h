#pragma once

#include "IZAM_DispoServer.h"

class TZAM_Datenbank;

// The dispositions in zam_bne (typ 45) and their positions in zam_bnep: one row per position and
// size, menge planned, erhalten received.
class TZAM_DispoServerSql : public IZAM_DispoServer
{
public:
    explicit TZAM_DispoServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QList<TZAM_DispoSatz> Offene_4_Schluessel(const TIntPairList& AAuftragsNrN, const TIntTrioList& AVorgIds,
                                              const QList<int>& AAuftrFilialen, const TInt32Trio& AProduktId) override;
    qint16 AuftrFiliale_4_IdUndAnFil(const TIntTrio& AVorgId, qint16 AAnFiliale) override;
    QList<TZAM_DispoSchluessel> Offene_4_Produkt(const TInt32Trio& AProduktId, int AVonGr, int ABisGr,
                                                 qint16 AAuftrFiliale) override;
    bool Lesen(const TIntTrio& AVorgId, TZAM_DispoSatz& ASatz) override;
    QList<TZAM_DispoSatz> NichtGeschlossene_4_Produkt(const TInt32Trio& AProduktId) override;
    TIntPair AuftragsNr_4_EigeneAuftragsNr(const QString& AEigeneNr) override;

private:
    // The open dispositions joined to a key table (its columns column1, ...), with AFilter on b and p.
    void Offene(const QString& AJoin, const QString& AFilter, const QVariantList& AWerte, QList<TZAM_DispoSatz>& AListe);
    // Every disposition that meets the condition on zam_bne b, closed or not, with all its rows.
    QList<TZAM_DispoSatz> Saetze(const QString& ABedingung, const QVariantList& AWerte);

    TZAM_Datenbank& FDb;
};
