#pragma once

#include "IZAM_Server.h"
#include "TIntQuad.h"
#include "TOrgeIdKompl.h"
#include "TZAM_Auslieferung.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QDateTime>
#include <QList>

// A position of a customer-order document as its reservation document shows it.
struct TZAM_ReservierungsPosition
{
    int ArtNr = 0;
    QString HerstellerArtNr;
    QString Groesse; // the long size name; empty for an article without that size
    int Menge = 0;
};

// What the reservation document of a customer-order document shows.
struct TZAM_ReservierungsDaten
{
    TIntTrio BelegId;
    QString BelegNr; // the formatted document number
    QDateTime Datum;
    TIntPair Kunde;                               // the customer's business-partner key
    QString KundeName;                            // empty when the key names no business partner
    qint16 LieferFiliale = -1;                    // the branch the goods go to; -1 none
    QList<TZAM_ReservierungsPosition> Positionen; // not cancelled, in position order
};

// The customer-order documents (an optional module: registered with Glob_ServerFactoryClass).
// One document is loaded at a time.
class IZAM_BelegEditServer : public IZAM_Server
{
public:
    // The document a reference of kind 1 names; null when none.
    virtual TIntTrio BelegId_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis) = 0;
    // False when there is no such document. AKomplett also reads what already reached branches.
    virtual bool Beleg_Laden(const TIntTrio& ABelegId, bool AKomplett) = 0;
    // Of the loaded document: the articles ordered (positions not cancelled), those already in
    // the target branch, the formatted number and the date.
    virtual int ArtikelAnzahl() = 0;
    virtual int ArtikelInZielFiliale(qint16 AZielFiliale) = 0;
    virtual QString BelegNrFormatiert() = 0;
    virtual QDateTime BelegDatum() = 0;
    // The loaded document may be sent (see IstBezahlt_Erw).
    virtual bool IstBezahlt() = 0;
    // The document of a customer-order position (QuadAusTrio of the reference id and number);
    // false (key null) when there is none. The zeros are unused.
    virtual bool BelegId_4_Position(const TIntQuad& APosition, int ANull, TIntTrio& ABelegId, int ANull2) = 0;
    // Of the loaded document: its delivery.
    virtual TZAM_Auslieferung Auslieferung() = 0;
    // A position's own delivery branch; -1 when it names none or is unknown.
    virtual qint16 Position_AuslieferFiliale(const TIntQuad& APosition) = 0;
    // Origin mark and booking branch of a document; false when unknown.
    virtual bool Herkunft_4_Beleg(const TIntTrio& ABelegId, QChar& AHerkunft, TOrgeIdKompl& ABuchFiliale) = 0;
    // The reservation document's data of a document (id (id1, id2, 0)); false (ADaten empty)
    // for an unknown document. Does not touch the loaded document.
    virtual bool Reservierung_Lesen(const TIntTrio& ABelegId, TZAM_ReservierungsDaten& ADaten) = 0;
};

// The extended is-paid check of a document header: paid when no position is unpaid; an order on
// account (payment kind "R") or one collected and paid in the branch (delivery type "A") may go
// before it is paid.
inline bool IstBezahlt_Erw(QChar AAuslieferungTyp, QChar AZahlungsart, bool AKeineUnbezahltenPos)
{
    return AKeineUnbezahltenPos || AZahlungsart == QLatin1Char('R') || AAuslieferungTyp == QLatin1Char('A');
}
