#pragma once

#include "IZAM_ListDruckEditServer.h"

#include <QSet>
#include <memory>

class TZAM_Datenbank;

// The list-print service on SQL: the prepared list lives in the service (one per data module);
// product locks are rows of the common lock table; the print books through the movement service
// (correction 70) and stores the slip in the incoming-document store, numbered by the number
// range (table kind 70, the from-branch) in the caller's bracket.
class TZAM_ListDruckEditServerSql : public IZAM_ListDruckEditServer
{
public:
    explicit TZAM_ListDruckEditServerSql(TZAM_Datenbank& ADb);
    ~TZAM_ListDruckEditServerSql() override;

    bool Produkt_Sperren(const TInt32Trio& AProdukt, bool& AKonsistenzTest) override;
    void Produkt_Entsperren(const TInt32Trio& AProdukt) override;
    bool KannProLagerortVorbereiten() override { return true; }
    bool WBS_Vorbereiten(const TIntTrio& ALagerort, int AZielFiliale, int ABuchungsFiliale, bool& AEtwasZuTun) override;
    bool WBS_VorbereitenNachLagerort(const TIntTrio& ALagerort, int AFiliale, int ALager, TInt32Trio& AFremdProdukt,
                                     TInt32Trio& AGesperrtProdukt) override;
    TVRList& ListDruckListe() override { return *FListe; }
    bool WBS_Drucken(int AArt, int AOptionen, TIntPair& AListenNr, qint16& AVonFiliale, qint16& AAnFiliale,
                     QString& ABoutName, QString& ABoulName, TZAM_InfoMeldungListe& AMeldungen) override;

private:
    // Books one slip: the rows of the list with the same place and branches.
    bool Slip_Buchen(const QList<int>& AZeilen, TIntPair& AListenNr, TZAM_InfoMeldungListe& AMeldungen);
    int VonFiliale(int ALager, int ABuchungsFiliale);

    TZAM_Datenbank& FDb;
    std::unique_ptr<TVRList> FListe;
};
