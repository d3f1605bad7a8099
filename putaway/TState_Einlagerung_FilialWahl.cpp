#include "TState_Einlagerung_FilialWahl.h"

#include "IZAM_FilialTabelle.h"
#include "TDM_Torvik.h"
#include "TQIV_Einlagerung.h"
#include "TQIV_Meldung_Options.h"
#include "TQIV_SicherheitsAbfrage_Options.h"
#include "TQIV_Wartemaske.h"
#include "TState_ArtikelWahl.h"
#include "TState_EingangsBelegWahl.h"
#include "TState_GesamtEinlagerung_LagerortScan.h"
#include "TState_ZielWahl.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

#include <QPushButton>

namespace E = TQIV_Einlagerung;

int TState_Einlagerung_FilialWahl::Schriftgroesse(int ALaengsteCaption)
{
    if (ALaengsteCaption >= 28)
        return 10;
    return ALaengsteCaption < 26 ? 12 : 11;
}

void TState_Einlagerung_FilialWahl::Vor_Anfang(bool& AWeiter)
{
    TAbstractBTNListState::Vor_Anfang(AWeiter);
    enum
    {
        Zeigen,
        Zurueck,
        Artikel,
        Entscheiden
    } weiter = Zeigen;
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Einlagerung_FilialWahl.Vor_Anfang", [&] {
        auto& d = FMaske->Datentraeger_Get();
        auto& e = d.Einlagerung;
        e.ZielFilialeGewaehlt = -1;
        if (!E::AusWEPlatz(d) && e.Ziel == bmzFAFuerKube) {
            if (FMaske->Zurueck_Get())
                static_cast<TState_ZielWahl*>(FMaske->GiveState(StateKlasse<TState_ZielWahl>()))->Ziele_Ermitteln(8);
            if (!e.ZielFilialenAlle.isEmpty())
                return;
        }
        if (FMaske->Zurueck_Get())
            weiter = Zurueck;
        else
            weiter = e.WEAVID.Defined() ? Artikel : Entscheiden;
    });
    if (weiter == Zeigen)
        return;
    AWeiter = false;
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Einlagerung_FilialWahl.Vor_Anfang", [&] {
        if (weiter == Zurueck)
            ChangeState(E::AusWEPlatz(FMaske->Datentraeger_Get()) ? StateKlasse<TState_EingangsBelegWahl>()
                                                                  : StateKlasse<TState_ZielWahl>());
        else if (weiter == Artikel)
            ChangeState(StateKlasse<TState_ArtikelWahl>());
        else
            EntscheidungKlassischeEinlagerungVsGesamtEinlagerung();
    });
}

void TState_Einlagerung_FilialWahl::StateAnfangMaskeMalen()
{
    TZAM_BtnMenu* menu = btnmButtons();
    menu->BeginUpdate();
    menu->Clear();
    TZAM_Hausregel::OhneBusy("TState_Einlagerung_FilialWahl.StateAnfangMaskeMalen", [&] {
        const auto& e = FMaske->Datentraeger_Get().Einlagerung;
        IZAM_FilialTabelle* tabelle = DM_Torvik->FilialTabelle_GoC();
        int laengste = 0;
        for (auto it = e.ZielFilialenAlle.cbegin(); it != e.ZielFilialenAlle.cend(); ++it) {
            if (e.ZielFilialeGewaehlt >= 0 && it.key() != e.ZielFilialeGewaehlt)
                continue;
            TZAM_Filiale f;
            const QString name = tabelle && tabelle->Filiale(it.key(), f) ? f.Name : QString();
            TZAM_BtnMenuItem item;
            item.ButtonType = 1;
            item.Tag = it.key();
            item.LeftCaption = u'&' + QString::number(it.key()) + QStringLiteral(" - ") +
                               QString(name).replace(u'&', QLatin1String("&&"));
            item.RightCaption = QString::number(it.value());
            laengste = qMax(laengste, int(item.LeftCaption.size()));
            menu->Add(item);
        }
        menu->Schriftgroesse_Set(Schriftgroesse(laengste));
    });
    menu->EndUpdate();
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    menu->setFocus();
}

void TState_Einlagerung_FilialWahl::ButtonsSchalten_Speziell()
{
    FMaske->btnSuchen->setVisible(true);
}

QString TState_Einlagerung_FilialWahl::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte wählen Sie eine Filiale!");
}

void TState_Einlagerung_FilialWahl::btnBtnMenuSuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Einlagerung_FilialWahl.btnBtnMenuSuchenClick", [&] {
        FMaske->EingabeAn(
            6, 4, QStringLiteral("Bitte geben Sie\r\ndie Filialnummer ein!"),
            [this](TZAM_TriState_Enum AAntwort, const QString& AText, const QString&) {
                TZAM_Hausregel::Ausfuehren(FBusy, "TState_Einlagerung_FilialWahl.btnBtnMenuSuchenClick", [&] {
                    bool ok = false;
                    const int nummer = AText.trimmed().toInt(&ok);
                    FMaske->Datentraeger_Get().Einlagerung.ZielFilialeGewaehlt =
                        AAntwort == tsTrue && ok ? qint16(nummer) : qint16(-1);
                    StateAnfangMaskeMalen();
                });
            },
            {}, {}, {}, QString(), 16);
    });
}

void TState_Einlagerung_FilialWahl::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Einlagerung_FilialWahl.btnmButtonsClick", [&] {
        auto& e = FMaske->Datentraeger_Get().Einlagerung;
        e.ZielFilialeGewaehlt = qint16(btnmButtons()->Item(AButtonIndex).Tag);
        if (e.WEAVID.Defined())
            ChangeState(StateKlasse<TState_ArtikelWahl>());
        else
            EntscheidungKlassischeEinlagerungVsGesamtEinlagerung();
    });
}

void TState_Einlagerung_FilialWahl::EntscheidungKlassischeEinlagerungVsGesamtEinlagerung()
{
    const auto& e = FMaske->Datentraeger_Get().Einlagerung;
    bool gemischt =
        (e.WBSEnthaeltPerso && e.WBSEnthaeltNichtPerso) || (!e.ZielFilialenAlle.isEmpty() && e.Ziel != bmzBearbeitung);
    if (e.Ziel == bmzBearbeitung && !gemischt) {
        const TQIV_Wartemaske warten(FMaske, QStringLiteral("Bewegungen werden analysiert."));
        gemischt = DM_Torvik->Bewegungsliste_Enthält_MehrereBelOderVerfkombis();
    }
    const QChar option = FMaske->FOptionen.Einlagerung.WBSGesEinlagerung;
    if (gemischt) {
        if (option == u'N') {
            ChangeState(StateKlasse<TState_ArtikelWahl>());
            return;
        }
        FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
            QStringLiteral("Der WBS enthält\r\n- Artikel für Kunden und\r\n- Artikel ohne Kunden.\r\n\r\n"
                           "Einlagern ohne scannen\r\ndaher nicht möglich."),
            false, [this](TZAM_TriState_Enum, bool) {
                TZAM_Hausregel::OhneBusy(
                    "TState_Einlagerung_FilialWahl.EntscheidungKlassischeEinlagerungVsGesamtEinlagerung",
                    [&] { ChangeState(StateKlasse<TState_ArtikelWahl>()); });
            }));
        return;
    }
    if (option == u'J') {
        ChangeState(StateKlasse<TState_GesamtEinlagerung_LagerortScan>());
    } else if (option == u'F') {
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Soll die gesamte Ware des Warenbegleitscheins auf einen Lagerort eingelagert werden, "
                           "ohne die einzelnen Artikel zu scannen?"),
            [this](TZAM_TriState_Enum AAntwort, bool) {
                TZAM_Hausregel::OhneBusy(
                    "TState_Einlagerung_FilialWahl.EntscheidungKlassischeEinlagerungVsGesamtEinlagerung", [&] {
                        ChangeState(AAntwort == tsTrue ? StateKlasse<TState_GesamtEinlagerung_LagerortScan>()
                                                       : StateKlasse<TState_ArtikelWahl>());
                    });
            }));
    } else {
        ChangeState(StateKlasse<TState_ArtikelWahl>());
    }
}

void TState_Einlagerung_FilialWahl::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Einlagerung_FilialWahl.btnZurueckClick", [&] {
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_ZielWahl>());
        FMaske->Zurueck_Set(false);
    });
}
