#include "TState_Preispruefung.h"

#include "TDM_Torvik.h"
#include "TQIV_AufgabenLagerListe.h"
#include "TSimplePriceReader.h"
#include "TState_Aufgabe.h"
#include "TState_MengeEingeben.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

#include <QDate>

namespace L = TQIV_AufgabenLagerListe;

QString TState_Preispruefung::PreisText(double APreis)
{
    return QString::number(APreis, 'f', 2).replace(u'.', u',') + QStringLiteral("€");
}

void TState_Preispruefung::Vor_Anfang(bool& AWeiter)
{
    TAbstractDetailState::Vor_Anfang(AWeiter);
    bool weiter = false;
    TZAM_Hausregel::OhneBusy("TState_Preispruefung.Vor_Anfang", [&] {
        TState_Aufgabe* a = StateAufgabe();
        FSollPreis = a->GiveDouble(L::CPreis);
        FAktLager = DM_Torvik->FAktLager;
        const QList<int> filialen = DM_Torvik->GetAktLagerFilialen();
        FAnzFilInLager = int(filialen.size());
        if (FAnzFilInLager <= 1)
            return;
        TSimplePriceReader* leser = DM_Torvik->SimplePriceReader_GoC();
        if (!leser)
            return;
        const TInt32Trio produkt = a->GiveInt32Trio(L::CProduktId);
        const int grInd = a->GiveInt(L::CGrInd);
        leser->SetProdId(produkt);
        leser->SetDatum(QDate::currentDate());
        leser->SetSelekted(true);
        double referenz = 0;
        for (int f : filialen) {
            // A branch without price does not count.
            const double preis = leser->SVK_Orig_4_Art_Dat_Fil_GrInd(produkt, QDate::currentDate(), f, grInd);
            if (preis == 0)
                continue;
            if (referenz == 0)
                referenz = preis;
            else if (qRound64(preis * 100) != qRound64(referenz * 100)) {
                weiter = true;
                break;
            }
        }
        leser->SetSelekted(false);
    });
    if (weiter)
        return;
    AWeiter = false;
    ChangeState(StateKlasse<TState_MengeEingeben>());
}

void TState_Preispruefung::Nach_Anfang()
{
    TZAM_Hausregel::OhneBusy("TState_Preispruefung.Nach_Anfang", [&] {
        const QString preis = PreisText(FSollPreis);
        TQIV_SicherheitsAbfrage_Options o = TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Der Artikel hat in Filialen des Lagers unterschiedliche Preise.\r\nBitte nehmen Sie einen "
                           "Artikel mit Preis %1.\r\n\r\nHat Ihr Artikel den Preis %2?")
                .arg(preis, preis),
            [this](TZAM_TriState_Enum AAntwort, bool) {
                TZAM_Hausregel::OhneBusy("TState_Preispruefung.PreisCallback", [&] {
                    if (AAntwort == tsTrue) {
                        ChangeState(StateKlasse<TState_MengeEingeben>());
                        return;
                    }
                    FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
                        QStringLiteral("Der Artikel hat nicht den richtigen Preis.\r\n\r\nBitte legen Sie den Artikel "
                                       "zurück auf den Lagerplatz %1.")
                            .arg(QuelleText()),
                        false, [this](TZAM_TriState_Enum, bool) {
                            TZAM_Hausregel::OhneBusy("TState_Preispruefung.FalscherPreisCallback", [&] {
                                TState_Aufgabe* a = StateAufgabe();
                                a->LWVerbotDict_AktDatenHinzu();
                                a->NichtErledigteAufaben_NeuLaden(true);
                            });
                        }));
                });
            });
        o.FontSize = 15;
        FMaske->SicherheitsAbfrageAn(o);
    });
}

QString TState_Preispruefung::FussTip(bool& ALang)
{
    ALang = false;
    return {};
}
