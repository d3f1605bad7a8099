#pragma once

#include "TAbstractState_ReineLagerBewegung.h"
#include "TInt32Trio.h"
#include "TIntPair.h"
#include "TVRList.h"

#include <QList>

class IZAM_ListDruckEditServer;

// Parcel shipping (mode 8): the goods of a picking container or a shipping staging place are
// scanned article by article into a parcel container. The slip button books, in one booking, the
// relocation, the parcel's goods onto transport and its goods slip; the slip and the shipping
// papers are printed afterwards. A booking that fails leaves nothing booked and the list as it
// was. The source stays for the next parcel; the parcel, now on transport, does not.
class TState_PaketVersand : public TAbstractState_ReineLagerBewegung
{
public:
    static constexpr const char* CKlassenName = "TState_PaketVersand";
    static constexpr int COperationsArt = 135;
    using TAbstractState_ReineLagerBewegung::TAbstractState_ReineLagerBewegung;

    const TStateKlasse* EigeneStateKlasse() const override;
    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override;
    void Nach_Anfang() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnZurueckClick() override;
    // The parcel is booked only with its slip: the post key prints as well.
    void btnBuchenClick() override { btnWBSDruckClick(); }
    void btnWBSDruckClick() override;

protected:
    const TStateKlasse* VerlassenZiel() const override;

private:
    // What the slip print of a parcel hands back for the prints after the booking.
    struct TWBS
    {
        QString Drucker;
        QString Job, Job2;
        qint16 VonFiliale = -1, AnFiliale = -1;
        TIntPair ListenNr;
    };

    void WBSDruck();
    // Locks the listed products against other slip prints; AKonsistenz gets those to be tested
    // after the booking. False with the footer (nothing stays locked then).
    bool ArtikelSperren_u_KonsistenzTesten(IZAM_ListDruckEditServer& AServer, QList<TInt32Trio>& AGesperrt,
                                           QList<TInt32Trio>& AKonsistenz);
    void ProdukteEntsperren(IZAM_ListDruckEditServer& AServer, QList<TInt32Trio>& AGesperrt);
    // The booking bracket of the parcel; raises on every failure.
    void Paket_Buchen(const QList<TInt32Trio>& AKonsistenz, TWBS& AWBS);
    // The branch the parcel goes to; raises when the source names none.
    int VonLagerort_FilialZuordnung_Ermitteln();
    bool AnLagerort_WBS_Drucken(int AZielFiliale, QString& AFehler, TWBS& AWBS);
    // After the booking: the slip and the shipping papers, and the source when it is empty.
    void Nach_Buchung(const TWBS& AWBS);
    void Zurueck_Nach_Frage();

    // The article rows as they were before the slip button: a failed booking puts them back.
    TVRList FVRListeMerk;
};
