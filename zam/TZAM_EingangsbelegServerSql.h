#pragma once

#include "IZAM_EingangsbelegServer.h"

#include <functional>

class TZAM_Datenbank;

// The incoming documents on SQL (zam_wbs, zam_weav, zam_fremdbeleg) with their movements as
// order lines of kind 70: one line (zam_bne, key (70, n, 0)) per document and product, one
// position (zam_bnep) per size, branches, reference and place. The writes are in
// TZAM_EingangsbelegServerSql.cpp, the reads in _Lesen.cpp.
class TZAM_EingangsbelegServerSql : public IZAM_EingangsbelegServer
{
public:
    explicit TZAM_EingangsbelegServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    void WBS_Anlegen(const TZAM_Eingangsbeleg& ABeleg, const QList<TZAM_Eingangsbewegung>& ABewegungen,
                     bool ATransportbestand) override;
    void WEAvis_Anlegen(const TZAM_Eingangsbeleg& ABeleg, const QList<TZAM_Eingangsbewegung>& ABewegungen,
                        bool ABestandBuchen) override;
    void Fremdbeleg_Anlegen(const TZAM_Eingangsbeleg& ABeleg, const QList<TZAM_Eingangsbewegung>& ABewegungen) override;

    QList<TZAM_Eingangsbeleg_Produkt> WBS_4_Filiale(qint16 AFiliale, const TInt32Trio& AProdukt) override;
    QList<TZAM_Eingangsbeleg_Produkt> Belege_4_Lager(int ALager, const TInt32Trio& AProdukt) override;
    QList<TZAM_Eingangsbeleg_Produkt> Produkte_4_Lagerort(const TIntTrio& ALagerort,
                                                          const TInt32Trio& AProdukt) override;
    QList<TZAM_Eingangsbewegung> Bewegungen_4_WBS(const TIntPair& AWBS) override;
    QList<TZAM_Eingangsbewegung> Bewegungen_4_WEAvis(const TIntTrio& AWEAvis, qint16 AFiliale) override;
    QList<TZAM_Eingangsbewegung> Bewegungen_4_Fremdnummer(const QString& AFremdnummer) override;

    // The same without a bracket of its own, in the caller's transaction (the demo site).
    // AMitBestand: a slip's transport stock, a notice's place stock; an external-number document
    // books none.
    void Schreiben(const TZAM_Eingangsbeleg& ABeleg, const QList<TZAM_Eingangsbewegung>& ABewegungen, bool AMitBestand);

    // An order line keeps what its positions leave open (zam_bne.offen) and in how many sizes
    // (offen_groessen), a document the sums of its lines (zam_eingang_offen), so a document list
    // reads one row per document. Whoever changes the positions' pieces brings the lines that AWo
    // selects (a condition on zam_bne) and their documents up to date.
    static QStringList OffenFortschreibenSql(const QString& AWo);
    static void OffenFortschreiben(TZAM_Datenbank& ADb, const QString& AWo, const QVariantList& AWerte);

private:
    void InKlammer(const QString& AName, const std::function<void()>& ARumpf);
    // The document made ready to be written: kind checked, warehouse and date filled, its
    // movements with their branches, customer-order documents and places; raises when refused.
    TZAM_Eingangsbeleg Pruefen(const TZAM_Eingangsbeleg& ABeleg, QList<TZAM_Eingangsbewegung>& ABewegungen,
                               bool AMitBestand);
    void Bestand_Pruefen(const TZAM_Eingangsbeleg& ABeleg, const TZAM_Eingangsbewegung& ABewegung);
    void Kopf_Schreiben(const TZAM_Eingangsbeleg& ABeleg);
    void BF_Zubuchen(const TInt32Trio& AProdukt, int AFiliale, int ABestandsart, int AGrIdx, int AMenge);
    QList<TZAM_Eingangsbewegung> Bewegungen(const QString& ABedingung, const QVariantList& AWerte);
    QList<TZAM_Eingangsbeleg_Produkt> Belege(const QString& ASql, const QVariantList& AWerte,
                                             TZAM_Eingangsbeleg_Art AArt);

    TZAM_Datenbank& FDb;
};
