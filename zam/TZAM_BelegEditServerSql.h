#pragma once

#include "IZAM_BelegEditServer.h"

#include <QHash>

class TZAM_Datenbank;

// The customer-order documents: a header (zam_atk (id1, id2), document id (id1, id2, 0)), its
// positions (zam_atpk) and their states (zam_atpb, found by the position link and number). A
// position in state "T" is cancelled and counts nowhere; one without a state row counts as
// ordered and is neither paid nor unpaid.
class TZAM_BelegEditServerSql : public IZAM_BelegEditServer
{
public:
    explicit TZAM_BelegEditServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    TIntTrio BelegId_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis) override;
    bool Beleg_Laden(const TIntTrio& ABelegId, bool AKomplett) override;
    int ArtikelAnzahl() override { return FArtikelAnzahl; }
    int ArtikelInZielFiliale(qint16 AZielFiliale) override { return FInFiliale.value(AZielFiliale); }
    QString BelegNrFormatiert() override { return FBelegNr; }
    QDateTime BelegDatum() override { return FDatum; }
    bool IstBezahlt() override;
    bool Herkunft_4_Beleg(const TIntTrio& ABelegId, QChar& AHerkunft, TOrgeIdKompl& ABuchFiliale) override;
    bool BelegId_4_Position(const TIntQuad& APosition, int ANull, TIntTrio& ABelegId, int ANull2) override;
    TZAM_Auslieferung Auslieferung() override { return FAuslieferung; }
    qint16 Position_AuslieferFiliale(const TIntQuad& APosition) override;
    bool Reservierung_Lesen(const TIntTrio& ABelegId, TZAM_ReservierungsDaten& ADaten) override;

private:
    void Leeren();

    TZAM_Datenbank& FDb;
    bool FGeladen = false;
    QString FBelegNr;
    QDateTime FDatum;
    QChar FAuslieferungTyp, FZahlungsart;
    TZAM_Auslieferung FAuslieferung;
    int FArtikelAnzahl = 0;
    bool FUnbezahltePos = false;
    // Reserved pieces (type 11) of the positions per branch; read only for a complete load.
    QHash<int, int> FInFiliale;
};
