// Goods slips: a place's list prepared, its products locked, booked onto transport and printed.
#include "TDM_Torvik.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_Buchung.h"
#include "IZAM_Druck.h"
#include "IZAM_Info.h"
#include "IZAM_LagerEditServer.h"
#include "IZAM_ListDruckEditServer.h"
#include "TBedarfeDataModule.h"
#include "TVRList.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Lagerort_Info.h"
#include "TdmBeli.h"
#include "ZAMGlobal.h"

namespace {

const TInfoKoord CZAM_Info_Zephran_KeinWBS{QStringLiteral("ZEPHRAN"), 1014};
const TInfoKoord CZAM_Info_Zephran_ProduktVorgemerkt{QStringLiteral("ZEPHRAN"), 1016};
constexpr int COperationsArtWBS = 69;
const QString CKlammer = QStringLiteral("TDM_Torvik.WarenbegleitscheinDrucken");

QString ArtikelText(const TVRList& AListe, const TInt32Trio& AProdukt)
{
    for (int i = 0; i < AListe.GetRowCount(); ++i)
        if (AListe.GetCellValueAsInt32Trio(i, cldProdukt) == AProdukt && AListe.GetCellValueAsInteger(i, cldArtNr) > 0)
            return QString::number(AListe.GetCellValueAsInteger(i, cldArtNr));
    return AProdukt.ToText();
}

} // namespace

bool TDM_Torvik::TestWBSDruckMoeglich(const QString& ADrucker)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.TestWBSDruckMoeglich", false, [&] {
        return Glob_WWSServerFactoryClass().Create<IZAM_Druck>()->DruckMoeglich(ADrucker);
    });
}

bool TDM_Torvik::WarenbegleitscheinVorbereiten(bool& AEtwasZuTun, const TIntTrio& ALagerort, int AZielFiliale)
{
    AEtwasZuTun = false;
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.WarenbegleitscheinVorbereiten", false, [&] {
        IZAM_ListDruckEditServer* s = ListDruckEditServer_GoC();
        return s && s->WBS_Vorbereiten(ALagerort, AZielFiliale, FAktBewFiliale, AEtwasZuTun);
    });
}

bool TDM_Torvik::WarenbegleitscheinDrucken(QString& AFehler, QString& ABoutName, QString& ABoulName,
                                           qint16& AVonFiliale, qint16& AAnFiliale, TIntPair& AListenNr,
                                           const QString& ADrucker, const TIntTrio& ALagerort, bool AInBuchung)
{
    AFehler.clear();
    ABoutName.clear();
    ABoulName.clear();
    AVonFiliale = AAnFiliale = -1;
    AListenNr = TIntPair();
    QList<TInt32Trio> gesperrt;
    IZAM_ListDruckEditServer* s = nullptr;
    const bool ok = TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.WarenbegleitscheinDrucken", false, [&] {
        IZAM_Buchung& buchung = ZAMBuchung();
        // Callers inside a booking of their own print from it; only a print of its own must start
        // and end without an open bracket.
        if (!AInBuchung && buchung.IstOffen())
            throw EZAM_Exception::Text(CKlammer + QStringLiteral(": Buchung schon offen."));
        if (!TestWBSDruckMoeglich(ADrucker)) {
            AFehler = QStringLiteral("Drucker nicht gefunden!");
            return false;
        }
        s = ListDruckEditServer_GoC();
        if (!s)
            return false;
        TVRList& liste = s->ListDruckListe();
        for (int i = 0; i < liste.GetRowCount(); ++i) {
            const TInt32Trio p = liste.GetCellValueAsInt32Trio(i, cldProdukt);
            if (gesperrt.contains(p))
                continue;
            bool test = false;
            if (!s->Produkt_Sperren(p, test)) {
                AFehler = ArtikelText(liste, p) + QStringLiteral(" konnte nicht gesperrt werden!");
                return false;
            }
            gesperrt.append(p);
        }

        TZAM_InfoMeldungListe meldungen;
        const int tiefe = buchung.Tiefe();
        buchung.Oeffnen(COperationsArtWBS, CKlammer);
        bool gebucht = false;
        try {
            gebucht = s->WBS_Drucken(CZAM_ListDruck_WBS, CZAM_ListDruck_WBSOptionen, AListenNr, AVonFiliale, AAnFiliale,
                                     ABoutName, ABoulName, meldungen);
        } catch (...) {
            buchung.Aufgeben(tiefe);
            throw;
        }
        if (!gebucht || ABoutName.isEmpty()) {
            buchung.Abbrechen();
            if (!gebucht) {
                meldungen.ShowMeldung();
                AFehler = meldungen.Meldungen_AlsText();
                return false;
            }
            QString name;
            if (ALagerort.Defined()) {
                TZAM_Lagerort_Info info;
                if (IZAM_LagerEditServer* l = LagerEditServer_GoC())
                    if (l->LagerortInfo_Lesen(ALagerort, info, TQIV_Lagerort_Info_Optionen::Defaults()))
                        name = info.Name;
            }
            ZAMInfo().ShowMeldung(0, CZAM_Info_Zephran_KeinWBS.Nummer, CZAM_Info_Zephran_KeinWBS.Gruppe,
                                  {name.isEmpty() ? QStringLiteral("Dieser Lagerort") : name});
            return false;
        }
        buchung.Schliessen(CKlammer);

        for (const TInt32Trio& p : gesperrt)
            s->Produkt_Entsperren(p);
        gesperrt.clear();
        if (!AInBuchung)
            TdmBeli::WBSDrucken(ABoutName, ABoulName, 0, ADrucker);
        return true;
    });
    // No product stays locked, whatever ended the print.
    if (s)
        TZAM_Hausregel::OhneBusy(
            "TDM_Torvik.WarenbegleitscheinDrucken",
            [&] {
                for (const TInt32Trio& p : gesperrt)
                    s->Produkt_Entsperren(p);
            },
            false);
    if (ok && !AInBuchung && ZAMBuchung().IstOffen()) {
        TZAM_Hausregel::OhneBusy(
            "TDM_Torvik.WarenbegleitscheinDrucken",
            [&] { throw EZAM_Exception::Text(CKlammer + QStringLiteral(": Buchung noch offen.")); }, false);
        return false;
    }
    return ok;
}

bool TDM_Torvik::WarenbegleitscheinDrucken(QString& AFehler, const QString& ADrucker, const TIntTrio& ALagerort)
{
    QString job, job2;
    qint16 von = -1, an = -1;
    TIntPair nr;
    return WarenbegleitscheinDrucken(AFehler, job, job2, von, an, nr, ADrucker, ALagerort, false);
}

bool TDM_Torvik::WarenbegleitscheinFuerLagerorteDrucken(QString& AFehler, QString& ABoutName, QString& ABoulName,
                                                        qint16& AVonFiliale, qint16& AAnFiliale, TIntPair& AListenNr,
                                                        const TIntTrio& ALagerort, int AZielFil,
                                                        const QString& ADrucker, bool AOhneWarteMaske, bool AInBuchung)
{
    AFehler.clear();
    if (!AOhneWarteMaske)
        Wartemaske_Zeigen(nullptr, QString(), QStringLiteral("WBS wird gedruckt."));
    const bool ok = TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.WarenbegleitscheinFuerLagerorteDrucken", false, [&] {
        IZAM_ListDruckEditServer* s = ListDruckEditServer_GoC();
        if (!s)
            return false;
        if (ALagerort.Defined() && AZielFil >= 0) {
            TInt32Trio fremd, gesperrt;
            const bool vorbereitet = s->WBS_VorbereitenNachLagerort(ALagerort, AZielFil, FAktLager, fremd, gesperrt);
            if (fremd.Defined())
                ZAMInfo().ShowMeldung(0, CZAM_Info_Zephran_ProduktVorgemerkt.Nummer,
                                      CZAM_Info_Zephran_ProduktVorgemerkt.Gruppe,
                                      {ArtikelText(s->ListDruckListe(), fremd)});
            if (gesperrt.Defined()) {
                AFehler = gesperrt.ToText() + QStringLiteral(" konnte nicht gesperrt werden!");
                return false;
            }
            if (!vorbereitet)
                return false;
        }
        return WarenbegleitscheinDrucken(AFehler, ABoutName, ABoulName, AVonFiliale, AAnFiliale, AListenNr, ADrucker,
                                         ALagerort, AInBuchung);
    });
    if (!AOhneWarteMaske)
        Wartemaske_Verstecken(nullptr);
    return ok;
}

bool TDM_Torvik::WarenbegleitscheinFuerLagerorteDrucken(QString& AFehler, const TIntTrio& ALagerort, int AZielFil,
                                                        const QString& ADrucker)
{
    QString job, job2;
    qint16 von = -1, an = -1;
    TIntPair nr;
    return WarenbegleitscheinFuerLagerorteDrucken(AFehler, job, job2, von, an, nr, ALagerort, AZielFil, ADrucker, false,
                                                  false);
}

bool TDM_Torvik::VersPapFuerWBSErstellen(int AVonFiliale, int AAnFiliale, const TIntPair& AListenNr)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.VersPapFuerWBSErstellen", false, [&] {
        TBedarfeDataModule::VersPapFuerWBSErstellen(AVonFiliale, AAnFiliale, AListenNr);
        return true;
    });
}
