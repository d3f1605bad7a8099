// Parcel shipping: the slip button. Relocation, slip and consistency in one booking, the product
// locks around it, the prints after it.
#include "TState_PaketVersand.h"

#include "EZAM_Exception.h"
#include "IZAM_Buchung.h"
#include "IZAM_ListDruckEditServer.h"
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TQIV_WWSDrucker.h"
#include "TQIV_Wartemaske.h"
#include "TVTVRListUpdate.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TZAM_LVLB_BF_Tester.h"
#include "TdmBeli.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

namespace {
const QString CKlammer = QStringLiteral("TState_PaketVersand.btnWBSDruckClick");
const QString CWarten = QStringLiteral("Druck für Paket...");
} // namespace

void TState_PaketVersand::btnWBSDruckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_PaketVersand.btnWBSDruckClick", [&] { WBSDruck(); });
}

void TState_PaketVersand::WBSDruck()
{
    if (!EingabePruefen())
        return;
    IZAM_ListDruckEditServer* server = DM_Torvik->ListDruckEditServer_GoC();
    if (!server)
        return;
    FVRListeMerk = ZeilenListe();
    QList<TInt32Trio> gesperrt, konsistenz;
    if (!ArtikelSperren_u_KonsistenzTesten(*server, gesperrt, konsistenz))
        return;
    TWBS wbs;
    bool gebucht = false;
    {
        const TQIV_Wartemaske warten(FMaske, CWarten);
        gebucht =
            TZAM_Hausregel::OhneBusy("TState_PaketVersand.btnWBSDruckClick", [&] { Paket_Buchen(konsistenz, wbs); });
    }
    // Whatever became of the booking, no product stays locked.
    ProdukteEntsperren(*server, gesperrt);
    if (!gebucht) {
        // The booking was dropped as a whole, rows booked before the failure included.
        {
            const TVTVRListUpdate update(FMaske->vtVRList);
            ZeilenListe() = FVRListeMerk;
        }
        Summieren();
        return;
    }
    Nach_Buchung(wbs);
}

bool TState_PaketVersand::ArtikelSperren_u_KonsistenzTesten(IZAM_ListDruckEditServer& AServer,
                                                            QList<TInt32Trio>& AGesperrt,
                                                            QList<TInt32Trio>& AKonsistenz)
{
    bool ok = false;
    TZAM_Hausregel::OhneBusy("ArtikelSperren_u_KonsistenzTesten", [&] {
        const TVRList& zeilen = ZeilenListe();
        for (int z = 0; z < zeilen.GetRowCount(); ++z) {
            const TInt32Trio produkt = zeilen.GetCellValueAsInt32Trio(z, CProduktId);
            if (AGesperrt.contains(produkt))
                continue;
            bool testen = false;
            if (!AServer.Produkt_Sperren(produkt, testen)) {
                FussTipSet(QStringLiteral("Artikel ") + TArtikelTools::ProduktID_2_ArtNr_Formatted(produkt) +
                               QStringLiteral(" konnte nicht gesperrt werden!"),
                           true, true);
                return;
            }
            AGesperrt.append(produkt);
            if (testen)
                AKonsistenz.append(produkt);
        }
        ok = true;
    });
    if (!ok)
        ProdukteEntsperren(AServer, AGesperrt);
    return ok;
}

void TState_PaketVersand::ProdukteEntsperren(IZAM_ListDruckEditServer& AServer, QList<TInt32Trio>& AGesperrt)
{
    // Each lock on its own: one that cannot be given back does not keep the others.
    while (!AGesperrt.isEmpty()) {
        const TInt32Trio produkt = AGesperrt.takeLast();
        TZAM_Hausregel::OhneBusy("TState_PaketVersand.ProdukteEntsperren",
                                 [&] { AServer.Produkt_Entsperren(produkt); });
    }
}

void TState_PaketVersand::Paket_Buchen(const QList<TInt32Trio>& AKonsistenz, TWBS& AWBS)
{
    const int zielFiliale = VonLagerort_FilialZuordnung_Ermitteln();
    IZAM_Buchung& buchung = ZAMBuchung();
    buchung.Oeffnen(COperationsArt, CKlammer);

    QString meldung;
    // The parcel takes the reservations of its branch's goods along.
    if (!Umlagerung_Buchen(true, false, meldung))
        throw EZAM_Exception(CZAM_Info_Fehler_Datei_Schreiben,
                             meldung.isEmpty() ? TZAM_Hausregel::LetzterFehler() : meldung, CKlammer);
    // The relocation's own wait window is gone with it.
    FMaske->Wartemaske_Show({}, CWarten);

    QString fehler;
    if (!AnLagerort_WBS_Drucken(zielFiliale, fehler, AWBS))
        throw EZAM_Exception(CZAM_Info_Fehler_Datei_Schreiben, fehler.isEmpty() ? FAnLagerort.AnzeigeName() : fehler,
                             CKlammer);

    IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
    for (const TInt32Trio& produkt : AKonsistenz)
        if (!TZAM_LVLB_BF_Tester::KonsistenzTest(produkt, &bewegung))
            throw EZAM_Exception(CZAM_Info_Warnung_LagerZuBFDefekt, TArtikelTools::ProduktID_2_ArtNr_Formatted(produkt),
                                 CKlammer);
    // Everything in the parcel travels on its slip.
    if (bewegung.Lagerort_HatBestand(FAnLagerort.LagerortId))
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_LeseFehler,
                             FAnLagerort.AnzeigeName() + QStringLiteral(" ist nicht leer."), CKlammer);
    buchung.Schliessen(CKlammer);
}

int TState_PaketVersand::VonLagerort_FilialZuordnung_Ermitteln()
{
    int filiale = TZAM_BewegungsDienste::Bewegung(*DM_Torvik).FilialZuordnung_Lesen(FVonLagerort.LagerortId, 0);
    if (filiale <= 0) {
        const TOrgeIdKompl orge =
            TZAM_BewegungsDienste::Lager(*DM_Torvik).Strukturelement_Orge(FVonLagerort.LagerortId, 8);
        if (!orge.IsNull())
            filiale = DM_Torvik->OrgeID2Filiale(orge);
    }
    if (filiale <= 0) {
        FussTipSet(QStringLiteral("Filialzuodnung unbekannt"), true, true);
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_LeseFehler,
                             QStringLiteral("Filialzuordnung = ") + QString::number(filiale),
                             QStringLiteral("TState_PaketVersand.VonLagerort_FilialZuordnung_Ermitteln"));
    }
    return filiale;
}

bool TState_PaketVersand::AnLagerort_WBS_Drucken(int AZielFiliale, QString& AFehler, TWBS& AWBS)
{
    const auto& o = FMaske->FOptionen.Allgemein;
    // Parcels in containers may go to a printer of their own.
    AWBS.Drucker = TQIV_WWSDrucker::AltDruckerDefiniert(o.DruckerWBSAuto, o.DruckerWBS) &&
                           FAnLagerort.Art == CZAM_LagerortArt_Behaelter
                       ? o.DruckerWBSAuto
                       : o.DruckerWBS;
    IZAM_ListDruckEditServer* server = DM_Torvik->ListDruckEditServer_GoC();
    if (!server)
        return false;
    if (!server->KannProLagerortVorbereiten())
        return DM_Torvik->WarenbegleitscheinFuerLagerorteDrucken(AFehler, AWBS.Job, AWBS.Job2, AWBS.VonFiliale,
                                                                 AWBS.AnFiliale, AWBS.ListenNr, FAnLagerort.LagerortId,
                                                                 AZielFiliale, AWBS.Drucker, true, true);
    bool etwasZuTun = false;
    if (!DM_Torvik->WarenbegleitscheinVorbereiten(etwasZuTun, FAnLagerort.LagerortId, AZielFiliale))
        return false;
    return !etwasZuTun ||
           DM_Torvik->WarenbegleitscheinDrucken(AFehler, AWBS.Job, AWBS.Job2, AWBS.VonFiliale, AWBS.AnFiliale,
                                                AWBS.ListenNr, AWBS.Drucker, TIntTrio(), true);
}

void TState_PaketVersand::Nach_Buchung(const TWBS& AWBS)
{
    // The parcel is on transport now: the next parcel is scanned anew.
    Lagerort_Info_Init(FAnLagerort);
    FFilZuordAn = -1;
    FLagZuordAn = -1;
    KopfAktualisieren();
    if (!AWBS.Job.isEmpty())
        TZAM_Hausregel::OhneBusy("TState_PaketVersand.WBSDrucken",
                                 [&] { TdmBeli::WBSDrucken(AWBS.Job, AWBS.Job2, 0, AWBS.Drucker); });
    if (AWBS.ListenNr.Defined())
        DM_Torvik->VersPapFuerWBSErstellen(AWBS.VonFiliale, AWBS.AnFiliale, AWBS.ListenNr);
    if (TZAM_BewegungsDienste::Bewegung(*DM_Torvik).Lagerort_HatBestand(FVonLagerort.LagerortId))
        return;
    const QString name = FVonLagerort.AnzeigeName();
    VonLagerortEntsperren();
    Lagerort_Info_Init(FVonLagerort);
    FFilZuordVon = -1;
    FLagZuordVon = -1;
    KopfAktualisieren();
    FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
        QStringLiteral("Die gesamte Ware von\r\n%1\r\nwurde in Pakete umgelagert!\r\n\r\nBitte scannen Sie einen "
                       "anderen\r\nKommissionierbehälter\r\noder eine andere VBS.")
            .arg(name)));
}
