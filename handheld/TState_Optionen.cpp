#include "TState_Optionen.h"

#include "TDM_Torvik.h"
#include "TFilialTabelle.h"
#include "TQIV_OptionenSeiten.h"
#include "TState_Menue.h"
#include "TZAM_CheckListe.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

namespace {
using S = TQIV_OptionenSeiten;

S::TEintraege Eintraege(const QList<QPair<int, QString>>& ASpalten)
{
    S::TEintraege e;
    for (const auto& [wert, text] : ASpalten)
        e << qMakePair(text, QVariant(wert));
    return e;
}

const S::TEintraege& JaNeinFragen()
{
    static const S::TEintraege e = {
        {QStringLiteral("Ja"), QChar(u'J')}, {QStringLiteral("Nein"), QChar(u'N')}, {QStringLiteral("Fragen"), QChar(u'F')}};
    return e;
}
} // namespace

TState_Optionen::~TState_Optionen()
{
    TZAM_Hausregel::Zerstoeren("TState_Optionen.destroy", [&] {
        if (FMaske->OptionenSeiten())
            Seiten().Leeren();
    });
}

TQIV_OptionenSeiten& TState_Optionen::Seiten() const
{
    return *FMaske->OptionenSeiten();
}

void TState_Optionen::StateAnfangMaskeMalen()
{
    Maske_Vorbereiten();
    Optionen_2_Maske(FMaske->FOptionen);
    if (Seiten().cmbAktLager->currentIndex() < 0) {
        Seiten().bgcOptionen->setCurrentWidget(Seiten().Seite(QStringLiteral("Allgemein")));
        FussTipSet(QStringLiteral("Es muss ein Lager ausgewählt werden"), true, true);
    }
}

void TState_Optionen::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(true);
}

QString TState_Optionen::Caption_Get()
{
    return QStringLiteral("Optionen");
}

QWidget* TState_Optionen::ActivePanel()
{
    return FMaske->pnlConfig;
}

QString TState_Optionen::FussTip(bool& ALang)
{
    ALang = false;
    return {};
}

void TState_Optionen::Maske_Vorbereiten()
{
    S& s = Seiten();
    TZAM_Hausregel::OhneBusy(
        "Maske_Fuellen_Lager",
        [&] {
            s.cmbAktLager->clear();
            if (IZAM_LagerEditServer* server = DM_Torvik->LagerEditServer_GoC())
                TFilialTabelle::Lager_Combo_fuellen(s.cmbAktLager, *server);
        },
        false);
    for (QComboBox* c : {s.cmbDruckerWBS, s.cmbDruckerWBSAuto, s.cmbDruckerLZV})
        S::DruckerCombo_fuellen(c, false);
    for (QComboBox* c : {s.cmbDruckerARE, s.cmbDruckerRetScheine, s.cmbResBelDrucker})
        S::DruckerCombo_fuellen(c, true);
    S::FensterGroesseCombo_fuellen(s.cmbGroesse);
    S::PraefixCombo_fuellen(s.cmbPraefix);
    S::StringIntCombo_Fuellen(s.cmbWPGeoUnsort, {{QStringLiteral("Fragen"), int(wpvFragen)},
                                                 {QStringLiteral("wie bei \"Geordnet\""), int(wpvGeordnet)},
                                                 {QStringLiteral("wie bei \"Unsortiert\""), int(wpvUnsortiert)}});
    S::StringIntCombo_Fuellen(s.cmbWPWeiterGeo,
                              {{QStringLiteral("Fragen"), int(wpwFragen)},
                               {QStringLiteral("wie bei \"Teilsortimente\""), int(wpwTeilsortimente)},
                               {QStringLiteral("wie bei \"Einzelartikel\""), int(wpwEinzelartikel)}});
    S::StringIntCombo_Fuellen(s.cmbWPArtOhneDispo, {{QStringLiteral("Fragen"), int(aodFragen)},
                                                    {QStringLiteral("Immer einlagern"), int(aodImmerEinlagern)},
                                                    {QStringLiteral("Nie annehmen"), int(aodNieAnnehmen)}});
    const S::TEintraege etikett = {{QStringLiteral("Standard (s. WG/Artikel)"), int(wpeStandard)},
                                   {QStringLiteral("Immer"), int(wpeImmer)},
                                   {QStringLiteral("Nie"), int(wpeNie)}};
    S::StringIntCombo_Fuellen(s.cmbEtikDruck[0], etikett);
    for (int i = 1; i < 6; ++i)
        S::StringIntCombo_Fuellen(s.cmbEtikDruck[i],
                                  S::TEintraege{{QStringLiteral("wie \"Allgemein\""), int(wpeAllgemein)}} + etikett);
    TZAM_CheckListe::Fuellen(s.clbSpaltenAbsort, S::AufgabenlisteSpalten(false));
    S::AufgabenlisteSortierungCombo_fuellen(s.cmbSortierung);
    const S::TEintraege details = Eintraege(S::AufgabenlisteSpalten(false));
    for (QComboBox* c : s.cmbDetails)
        S::StringIntCombo_Fuellen(c, details);
    S::StringIntCombo_Fuellen(s.cmbPaketversand, JaNeinFragen());
    S::StringIntCombo_Fuellen(s.cmbWBSGesEinlagerung, JaNeinFragen());
    TZAM_CheckListe::Fuellen(s.clbSpaltenLagerinfoLO, S::LagerinfoSpalten(false));
    TZAM_CheckListe::Fuellen(s.clbSpaltenLagerinfoArt, S::LagerinfoSpalten(true));
    S::LagerinfoSortierungCombo_fuellen(s.cmbSortierungArt);
    S::HinweisCombo_fuellen(s.cmbHinweisZeigen);
}

void TState_Optionen::btnZurueckClick()
{
    // Nothing is stored. Without a warehouse the screen comes back here, so the user may end the
    // program instead: the menu and its end cannot be reached.
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Optionen.btnZurueckClick", [&] {
        if (FMaske->FOptionen.Allgemein.AktLager > 0) {
            ChangeState(StateKlasse<TState_Menue>());
            return;
        }
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Ohne Lager kann das Kommissioniergerät nicht arbeiten.\r\nProgramm beenden?"),
            [this](TZAM_TriState_Enum AAntwort, bool) {
                if (AAntwort == tsTrue)
                    FMaske->Schliessen(1);
                else
                    ChangeState(StateKlasse<TState_Menue>());
            }));
    });
}

void TState_Optionen::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Optionen.btnBuchenClick", [&] {
        TQIV_Optionen_OBMDE optionen = FMaske->FOptionen;
        if (!Optionen_Auslesen(optionen) || !FMaske->Optionen_Uebernehmen_u_Buchen(optionen))
            return;
        const bool geaendert = FMaske->FensterGroesseEinstellen();
        if (!FMaske->GrosseButtonsSchalten(geaendert))
            ChangeState(StateKlasse<TState_Menue>());
    });
}

void TState_Optionen::cmbGroesseChange()
{
    S& s = Seiten();
    const TQIV_FensterGroesse_Erw groesse = S::FensterGroesse_Combo_auslesen(s.cmbGroesse);
    const bool eigene = groesse == fgrIndividuell;
    if (!eigene) {
        s.edtBreite->clear();
        s.edtHoehe->clear();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{s.edtBreite, s.edtHoehe, s.lblBreite, s.lblHoehe})
        w->setEnabled(eigene);
    if (groesse != FMaske->FOptionen.Fenster.FensterGroesse) {
        s.edtRandOben->clear();
        s.edtRandUnten->clear();
    }
}

bool TState_Optionen::Warnung(QWidget* AControl, const QString& AText)
{
    Seiten().Fokussieren(AControl);
    FussTipSet(AText, true, true);
    return false;
}
