#include "TState_AufgabenDatum.h"
#include "TQIV_AufgabenLagerListe.h"

#include "TDM_Torvik.h"
#include "TQIV_NachsortFilter.h"
#include "TQIV_VonBisDatum.h"
#include "TState_AufgPosAnzahl.h"
#include "TState_BelegHerkunft.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

#include <QLineEdit>
#include <array>

namespace L = TQIV_AufgabenLagerListe;

namespace {
const QString CDatumFormat = QStringLiteral("dd.MM.yyyy");

enum TTag
{
    tgAlle,
    tgHeute,
    tgGestern,
    tgVorgestern,
    tgAelter,
    tgEigeneAuswahl
};

// The day buttons' group of a task date: 0 today, 1 yesterday, 2 the day before, 3 older; -1 for
// a date after today or none, which only "Alle" reaches.
int Gruppe(const QDate& ADatum, const QDate& AHeute)
{
    if (!ADatum.isValid())
        return -1;
    const qint64 tage = ADatum.daysTo(AHeute);
    return tage < 0 ? -1 : int(qMin<qint64>(tage, 3));
}

QDate DatumLesen(const QString& AText)
{
    const QString t = AText.trimmed();
    for (const QString& format : {CDatumFormat, QStringLiteral("d.M.yyyy")}) {
        const QDate d = QDate::fromString(t, format);
        if (d.isValid())
            return d;
    }
    return QDate();
}

// MINUS and PLUS of the date panel move the typed date by a day.
void DatumVerschieben(TfrmMDE* AMaske, int ATage)
{
    TZAM_Hausregel::OhneBusy("TState_AufgabenDatum.DatumVerschieben", [&] {
        auto* feld = AMaske->findChild<QLineEdit*>(QStringLiteral("edtEingabe"));
        if (!feld)
            return;
        const QDate d = DatumLesen(feld->text());
        if (d.isValid())
            feld->setText(d.addDays(ATage).toString(CDatumFormat));
        feld->setFocus(Qt::OtherFocusReason);
    });
}
} // namespace

void TState_AufgabenDatum::Vor_Anfang(bool& AWeiter)
{
    TAbstractBTNListState::Vor_Anfang(AWeiter);
    if (FMaske->FOptionen.NachsortKube.DatumFiltern)
        return;
    AWeiter = false;
    TZAM_Hausregel::OhneBusy("TState_AufgabenDatum.Vor_Anfang", [&] {
        // Without the filter no range of an earlier run may narrow the tasks.
        BereichSetzen(QDate(), QDate());
        if (FMaske->Zurueck_Get())
            ChangeState(StateKlasse<TState_BelegHerkunft>());
        else
            ChangeState(StateKlasse<TState_AufgPosAnzahl>());
    });
}

void TState_AufgabenDatum::StateAnfangVariablenClear()
{
    BereichSetzen(QDate(), QDate());
}

void TState_AufgabenDatum::StateAnfangMaskeMalen()
{
    TQIV_NachsortFilter::KundenfilterMalen(*FMaske, "TState_AufgabenDatum.StateAnfangMaskeMalen",
                                           QStringLiteral("Daten werden ermittelt."), [&] { KnoepfeMalen(); });
}

void TState_AufgabenDatum::KnoepfeMalen()
{
    TQIV_Aufgaben_Suchkriterien_Options o = TQIV_NachsortFilter::Optionen(*FMaske, TQIV_NachsortFilter::fsHerkunft);
    o.BNEVorgTypSet = TQIV_NachsortFilter::VorgangsTypen(*FMaske, false);
    TZAM_Aufgaben_Suchkriterien k;
    Aufgaben_Suchkriterien_Get(o, k);
    IZAM_AufgabenEditServer* server = DM_Torvik->AufgabenEditServer_GoC();
    if (!server)
        return;
    const auto& ids = FMaske->Datentraeger_Get().Kundenbestellung.ZulaessigeAufgabenIds;
    bool geladen = false;
    if (TQIV_NachsortFilter::WhitelistAktiv(*FMaske))
        geladen = DM_Torvik->Aufgabenliste_Laden_MitWhitelist(server, k, ids ? *ids : TIntTrioList(), false, false,
                                                              false, false, false);
    else
        geladen = server->Aufgabenliste_Laden(k, false, false, false, false, false);
    if (!geladen)
        return;

    const QDate heute = QDate::currentDate();
    const TVRList& liste = server->AufgabenVRListe();
    std::array<int, 4> anzahl{};
    int sonstige = 0;
    for (int r = 0; r < liste.GetRowCount(); ++r) {
        const int g = Gruppe(liste.GetCellValueAsDate(r, L::CDatum), heute);
        if (g < 0)
            ++sonstige;
        else
            ++anzahl[g];
    }
    int gruppen = sonstige > 0 ? 1 : 0;
    for (int n : anzahl)
        gruppen += n > 0 ? 1 : 0;

    TZAM_BtnMenu* menu = btnmButtons();
    menu->BeginUpdate();
    auto knopf = [menu](const QString& ACaption, int ATag, const QString& ARechts) {
        TZAM_BtnMenuItem item;
        item.LeftCaption = ACaption;
        item.RightCaption = ARechts;
        item.Tag = ATag;
        menu->Add(item);
    };
    // Tasks no day button reaches (dated after today) are offered through "Alle" as well.
    if (gruppen > 1 || sonstige > 0)
        knopf(QStringLiteral("&1 - Alle"), tgAlle, QString::number(liste.GetRowCount()));
    const QString tage[] = {QStringLiteral("&2 - Heute"), QStringLiteral("&3 - Gestern"),
                            QStringLiteral("&4 - Vorgestern"), QStringLiteral("&5 - Älter als Vorgestern")};
    for (int g = 0; g < 4; ++g)
        if (anzahl[g] > 0)
            knopf(tage[g], tgHeute + g, QString::number(anzahl[g]));
    knopf(QStringLiteral("&6 - Eigene Auswahl"), tgEigeneAuswahl, QString());
    menu->EndUpdate();
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    menu->setFocus();
}

QString TState_AufgabenDatum::Caption_Get()
{
    return QStringLiteral("Aufgabendatum");
}

QString TState_AufgabenDatum::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte schränken Sie das Datum ein!");
}

void TState_AufgabenDatum::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_AufgabenDatum.btnmButtonsClick", [&] {
        const int tag = btnmButtons()->Item(AButtonIndex).Tag;
        const QDate heute = QDate::currentDate();
        switch (tag) {
        case tgAlle:
            BereichSetzen(QDate(), QDate());
            break;
        case tgHeute:
        case tgGestern:
        case tgVorgestern:
            BereichSetzen(heute.addDays(1 - tag), heute.addDays(1 - tag));
            break;
        case tgAelter:
            BereichSetzen(QDate(), heute.addDays(-3));
            break;
        case tgEigeneAuswahl:
            EigeneAuswahl();
            return;
        default:
            FussTipSet(QStringLiteral("Diese Funktion ist nicht implementiert"), false, true);
            return;
        }
        Weiter();
    });
}

void TState_AufgabenDatum::EigeneAuswahl()
{
    TQIV_MDE_ButtonProperties minus;
    minus.Visible = true;
    minus.GlyphName = QStringLiteral("MINUS");
    minus.OnClick = [this] { DatumVerschieben(FMaske, -1); };
    TQIV_MDE_ButtonProperties plus;
    plus.Visible = true;
    plus.GlyphName = QStringLiteral("PLUS");
    plus.OnClick = [this] { DatumVerschieben(FMaske, 1); };
    TQIV_MDE_ComboboxProperties vergleich;
    vergleich.Visible = true;
    vergleich.ItemsCommatext = QStringLiteral("<,=,>");
    vergleich.DefaultText = QStringLiteral("=");
    FMaske->EingabeAn(
        3, 10, QStringLiteral("Bitte geben Sie\r\nein Datum ein\r\nund wählen Sie\r\n<, = oder > aus."),
        [this](TZAM_TriState_Enum AAntwort, const QString& AText, const QString& AAuswahl) {
            if (AAntwort != tsTrue)
                return;
            TZAM_Hausregel::Ausfuehren(FBusy, "TState_AufgabenDatum.EigeneAuswahlCallback",
                                       [&] { EigeneAuswahlUebernehmen(AText, AAuswahl); });
        },
        minus, plus, vergleich, QDate::currentDate().addDays(-3).toString(CDatumFormat), 12);
}

void TState_AufgabenDatum::EigeneAuswahlUebernehmen(const QString& ADatum, const QString& AVergleich)
{
    const QDate datum = DatumLesen(ADatum);
    if (!datum.isValid()) {
        FussTipSet(QStringLiteral("Kein gültiges Datum: ") + ADatum.trimmed(), false, true);
        return;
    }
    const QString v = AVergleich.trimmed();
    if (v == QLatin1String("<"))
        BereichSetzen(QDate(), datum.addDays(-1));
    else if (v == QLatin1String(">"))
        BereichSetzen(datum.addDays(1), TQIV_VonBisDatum::Offen());
    else
        BereichSetzen(datum, datum);
    Weiter();
}

void TState_AufgabenDatum::BereichSetzen(const QDate& AVon, const QDate& ABis)
{
    auto& kb = FMaske->Datentraeger_Get().Kundenbestellung;
    kb.AufgabenDatumVon = AVon;
    kb.AufgabenDatumBis = ABis;
}

void TState_AufgabenDatum::Weiter()
{
    ChangeState(StateKlasse<TState_AufgPosAnzahl>());
}

void TState_AufgabenDatum::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_AufgabenDatum.btnZurueckClick", [&] {
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_BelegHerkunft>());
        FMaske->Zurueck_Set(false);
    });
}
