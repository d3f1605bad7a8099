#include "TState_Filiale.h"

#include "IZAM_AbarbEditServer.h"
#include "IZAM_CommonLock.h"
#include "TDM_Torvik.h"
#include "TQIV_AbsortSperre.h"
#include "TQIV_Wartemaske.h"
#include "TState_Aufgabe.h"
#include "TState_BelegHerkunft.h"
#include "TState_Kommissionierbehaelter.h"
#include "TState_Laufwege.h"
#include "TState_NachsortAuswahl.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"

#include <QPushButton>

namespace {
// A button that stands for a branch and a breakdown category (its tag carries both).
constexpr int CKnopfGesondert = 1;

QString ErsteZeile(const QString& AText)
{
    return QString(AText).replace(QLatin1String("\r\n"), QLatin1String("\n")).section(u'\n', 0, 0);
}
} // namespace

bool TState_Filiale::Gesondert() const
{
    return FMaske->Datentraeger_Get().Nachsort.TypenGesondert != 0;
}

QString TState_Filiale::GetKennung(int AGeschaeftsvorfall, int AKategorie, bool AGesondert) const
{
    const QString art = FMaske->FModus == CZPMDEM_KuBe ? QStringLiteral("K") : QStringLiteral("F");
    return art + (AGesondert ? CZAM_Aufgabe_AufgliederungLager_2_Kuerzel(AKategorie)
                             : CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(AGeschaeftsvorfall));
}

void TState_Filiale::StateAnfangVariablenClear()
{
    TZAM_Hausregel::OhneBusy("TState_Filiale.StateAnfangVariablenClear", [&] {
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        if (!FGesperrteKennung.isEmpty()) {
            const QString kennung = FGesperrteKennung;
            FGesperrteKennung.clear();
            CommonLock().UnlockAbsort(FGesperrteFiliale, kennung, DM_Torvik->FBenutzer);
        }
        static_cast<TState_Kommissionierbehaelter*>(FMaske->GiveState(StateKlasse<TState_Kommissionierbehaelter>()))
            ->Eigenen_Kommissionierbehaelter_entsperren();
        d.Nachsort.FilNummer = -1;
        d.Nachsort.LagNummer = -1;
        d.Nachsort.TypenGewaehlt = 0;
        d.Nachsort.TypenGesondert = 0;
        d.Nachsort.FilNummerFilter = -1;
        d.KommBehWahl.ZuordnenVerboten = false;
        static_cast<TState_Aufgabe*>(FMaske->GiveState(StateKlasse<TState_Aufgabe>()))->LetzteDatenLeeren();
    });
}

void TState_Filiale::StateAnfangMaskeMalen()
{
    FilialenFuerAbsortierungErmitteln_NeueLogik();
}

void TState_Filiale::ButtonsSchalten_Speziell()
{
    FMaske->btnSuchen->setVisible(true);
}

QString TState_Filiale::Caption_Get()
{
    return FMaske->FModus == CZPMDEM_KuBe ? QStringLiteral("Kundenbestellungen")
                                          : QStringLiteral("Filialnachsortierung");
}

QString TState_Filiale::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte wählen Sie eine Filiale!");
}

QString TState_Filiale::KnopfCaption(int ANummer, const QString& AName, const QString& AKategorieText, bool AGesondert,
                                     int ARechtsLaenge, bool AMitKuerzel)
{
    const QString nummer = QString::number(ANummer);
    const QString trenner = AGesondert ? QStringLiteral("-") : QStringLiteral(" - ");
    const QString zusatz = AGesondert ? u'/' + AKategorieText.left(11) : QString();
    QString name = AName;
    if (AGesondert)
        name.truncate(qMax(0, 29 - int(nummer.size() + trenner.size() + zusatz.size()) - ARechtsLaenge));
    QString links = (nummer + trenner + name + zusatz).left(qMax(0, 30 - ARechtsLaenge));
    links.replace(u'&', QLatin1String("&&"));
    return AMitKuerzel ? u'&' + links : links;
}

void TState_Filiale::KnopfHinzu(int AFiliale, int AKategorie, int AAnzahl)
{
    TZAM_Hausregel::OhneBusy("KnopfHinzu", [&] {
        if (AAnzahl <= 0)
            return;
        const bool gesondert = AKategorie >= 0;
        const int kategorie = qMax(AKategorie, 0);
        TZAM_BtnMenu* menu = btnmButtons();
        const int tag = gesondert ? AFiliale + 10000 * kategorie : AFiliale;
        for (int i = 0; i < menu->Count(); ++i)
            if (menu->Item(i).Tag == tag && menu->Item(i).Data == (gesondert ? CKnopfGesondert : 0))
                return; // a branch the template names twice
        QString name;
        int nummer = AFiliale;
        if (AFiliale == 0) {
            nummer = DM_Torvik->FAktLager;
            name = QStringLiteral("Versandbereitstellung");
        } else if (IZAM_FilialTabelle* tabelle = DM_Torvik->FilialTabelle_GoC()) {
            TZAM_Filiale f;
            if (tabelle->Filiale(AFiliale, f))
                name = f.Name;
        }
        TZAM_BtnMenuItem item;
        item.ButtonType = 1;
        item.Tag = tag;
        item.Data = gesondert ? CKnopfGesondert : 0;
        item.RightCaption = QString::number(AAnzahl);
        const QString kategorieText =
            kategorie == 0 ? QStringLiteral("Sonstige") : CZAM_Aufgabe_AufgliederungLager_2_KurzText(kategorie);
        item.LeftCaption = KnopfCaption(nummer, name, kategorieText, gesondert, int(item.RightCaption.size()),
                                        AFiliale >= 1 && AFiliale <= 9);

        const int gv = CZAM_Aufgabe_AufgliederungLager_2_Geschaeftsvorfall(kategorie);
        TQIV_AbsortSperre::FremdeBearbeiterMarkieren(item, AFiliale, GetKennung(gv, kategorie, gesondert));
        menu->Add(item);
    });
}

void TState_Filiale::FilialenFuerAbsortierungErmitteln_NeueLogik()
{
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    TZAM_BtnMenu* menu = btnmButtons();
    menu->BeginUpdate();
    menu->Clear();
    TZAM_Hausregel::OhneBusy("TState_Filiale.FilialenFuerAbsortierungErmitteln_NeueLogik", [&] {
        const TQIV_Wartemaske warten(FMaske, QStringLiteral("Filialen für Absortierung ermitteln (NL)."));
        const bool kube = FMaske->FModus == CZPMDEM_KuBe;

        TZAM_Abarbeitung abarbeitung;
        bool mitVorlage = false;
        d.Nachsort.TypenGesondert = 0;
        if (IZAM_AbarbEditServer* abarb = DM_Torvik->AbarbEditServer_GoC())
            mitVorlage = abarb->AktuelleAbarbeitung(DM_Torvik->FAktLager, abarbeitung);
        if (mitVorlage && abarbeitung.Gesondert != 1) // only category 0 shows nothing separately
            d.Nachsort.TypenGesondert = abarbeitung.Gesondert;

        TZAM_Int_Int_Array anzahlen;
        TQIV_Aufgaben_Suchkriterien_Options o;
        Aufgaben_Suchkriterien_Options_Init(o, kube ? CZAM_Kundenbestellung : CZAM_Filialnachsortierung);
        o.FilNr = d.Nachsort.FilNummer;
        o.GeschaeftsvorSet = d.Nachsort.TypenGewaehlt;
        TZAM_Aufgaben_Suchkriterien k;
        if (kube) {
            o.KubeNurBezahlte = FMaske->FOptionen.NachsortKube.NurWennBezahlt ? tsTrue : tsFalse;
            Aufgaben_Suchkriterien_Get(o, k);
            DM_Torvik->AufgabenFuerFilErmitteln(anzahlen, k, d.Nachsort.TypenGesondert);
        } else {
            if (o.GeschaeftsvorSet == 0)
                o.GeschaeftsvorSet =
                    CZAM_Aufgabe_Geschaeftsvorfall_Alle &
                    ~(ZAMSetBit(CZAM_Aufgabe_GV_Kundenbestellung) | ZAMSetBit(CZAM_Aufgabe_GV_KundenbestellungVersand));
            Aufgaben_Suchkriterien_Get(o, k);
            IZAM_AufgabenEditServer* server = DM_Torvik->AufgabenEditServer_GoC();
            server->Aufgabenliste_Laden(k, false, false, false, false, false);
            DM_Torvik->AufgabenFuerFilErmitteln(anzahlen, server->AufgabenVRListe(), d.Nachsort.TypenGesondert);
        }
        // Element 0..3 a category's count, 4 the branch's total.
        auto anzahl = [&](int AFiliale, int AElement) {
            if (AFiliale < 0 || AFiliale >= anzahlen.size())
                return 0;
            return anzahlen[AFiliale].value(qBound(0, AElement, CZAM_Zaehlung_Summe));
        };
        const int filter = d.Nachsort.FilNummerFilter;
        auto passt = [filter](int AFiliale) { return filter == -1 || filter == AFiliale; };
        IZAM_FilialTabelle* tabelle = DM_Torvik->FilialTabelle_GoC();

        if (!mitVorlage) {
            if (kube) {
                int lager = anzahl(0, CZAM_Zaehlung_Summe);
                if (FMaske->FOptionen.NachsortKube.NurWennKomplettImLag)
                    lager = d.Kundenbestellung.ZulaessigeAufgabenIds
                                ? int(d.Kundenbestellung.ZulaessigeAufgabenIds->size())
                                : 0;
                KnopfHinzu(0, -1, lager);
            }
            for (const TZAM_Filiale& f : tabelle ? tabelle->Filialen() : QList<TZAM_Filiale>())
                if (f.Nummer > 0 && passt(f.Nummer))
                    KnopfHinzu(f.Nummer, -1, anzahl(f.Nummer, CZAM_Zaehlung_Summe));
        } else if (kube) {
            const QList<int>& eigene = DM_Torvik->GetAktLagerFilialen();
            for (const TZAM_AbarbVorlageEintrag& e : abarbeitung.Vorlage) {
                if (eigene.contains(e.Filiale)) {
                    if (e.Art == 3) {
                        int lager = anzahl(0, CZAM_Zaehlung_Summe);
                        if (FMaske->FOptionen.NachsortKube.NurWennKomplettImLag)
                            lager = d.Kundenbestellung.ZulaessigeAufgabenIds
                                        ? int(d.Kundenbestellung.ZulaessigeAufgabenIds->size())
                                        : 0;
                        KnopfHinzu(0, -1, lager);
                    }
                } else if (passt(e.Filiale))
                    KnopfHinzu(e.Filiale, -1, anzahl(e.Filiale, CZAM_Zaehlung_Summe));
            }
        } else {
            const bool gesondert = Gesondert();
            for (const TZAM_AbarbVorlageEintrag& e : abarbeitung.Vorlage)
                if (passt(e.Filiale))
                    KnopfHinzu(e.Filiale, gesondert ? e.Art : -1,
                               anzahl(e.Filiale, gesondert ? e.Art : CZAM_Zaehlung_Summe));
        }
    });
    menu->EndUpdate();
    SchriftgroesseEinstellen();
    FMaske->btnSuchen->setVisible(true);
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    if (menu->Count() == 0)
        FussTipSet(QStringLiteral("Keine Aufgaben gefunden."), false, false);
    else {
        bool lang = false;
        FussTipSet(FussTip(lang), lang, false);
    }
    menu->setFocus();
}

void TState_Filiale::SchriftgroesseEinstellen()
{
    TZAM_BtnMenu* menu = btnmButtons();
    int laengste = 0;
    for (int i = 0; i < menu->Count(); ++i)
        laengste = qMax(laengste, int(ErsteZeile(menu->LeftCaptionAnzeige(i)).size() +
                                      ErsteZeile(menu->RightCaptionAnzeige(i)).size()));
    QFont f = menu->font();
    f.setPointSize(laengste >= 28 ? 10 : laengste < 26 ? 12 : 11);
    menu->setFont(f);
}

void TState_Filiale::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Filiale.btnmButtonsClick", [&] {
        const TZAM_BtnMenuItem& item = btnmButtons()->Item(AButtonIndex);
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        const bool gesondert = item.Data == CKnopfGesondert;
        const int kategorie = gesondert ? item.Tag / 10000 : 0;
        const int filiale = gesondert ? item.Tag % 10000 : item.Tag;
        const bool kube = FMaske->FModus == CZPMDEM_KuBe;
        const int gv = CZAM_Aufgabe_AufgliederungLager_2_Geschaeftsvorfall(kategorie);
        TZAM_Aufgabe_GeschaeftsvorfallSet gewaehlt = 0;
        if (kategorie == CZAM_Aufgabe_AufgliederungLager_Alle)
            gewaehlt = 0;
        else if (gv != 0)
            gewaehlt = ZAMSetBit(gv);
        else if (kube)
            gewaehlt = ZAMSetBit(CZAM_Aufgabe_GV_Kundenbestellung) | ZAMSetBit(CZAM_Aufgabe_GV_KundenbestellungVersand);
        else {
            for (int g = 0; g <= CZAM_Aufgabe_Geschaeftsvorfall_Max; ++g) {
                const int kat = CZAM_Aufgabe_Geschaeftsvorfall_2_AufgliederungLager(g);
                if (!(d.Nachsort.TypenGesondert & ZAMSetBit(kat)) && g != CZAM_Aufgabe_GV_Kundenbestellung &&
                    g != CZAM_Aufgabe_GV_KundenbestellungVersand)
                    gewaehlt |= ZAMSetBit(g);
            }
        }
        const QString kennung = GetKennung(gv, kategorie, gesondert);
        // Shared: other handhelds may work the same branch; they only see who does.
        CommonLock().LockAbsort(filiale, kennung, DM_Torvik->FBenutzer);
        FGesperrteFiliale = filiale;
        FGesperrteKennung = kennung;
        d.Nachsort.FilNummer = qint16(filiale);
        d.Nachsort.LagNummer = filiale == 0 ? DM_Torvik->FAktLager : 0;
        d.Nachsort.TypAusKnopf = gv;
        d.Nachsort.TypenGewaehlt = gewaehlt;
        if (kube)
            ChangeState(StateKlasse<TState_BelegHerkunft>());
        else
            ChangeState(StateKlasse<TState_Laufwege>());
    });
}

void TState_Filiale::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Filiale.btnZurueckClick", [&] {
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        if (d.Nachsort.FilNummerFilter != -1) {
            d.Nachsort.FilNummerFilter = -1;
            FilialenFuerAbsortierungErmitteln_NeueLogik();
            return;
        }
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_NachsortAuswahl>());
        FMaske->Zurueck_Set(false);
    });
}

void TState_Filiale::btnBtnMenuSuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Filiale.btnBtnMenuSuchenClick", [&] {
        FMaske->EingabeAn(
            6, 4, QStringLiteral("Bitte geben Sie\r\ndie Filialnummer ein!"),
            [this](TZAM_TriState_Enum AAntwort, const QString& AText, const QString&) {
                TZAM_Hausregel::Ausfuehren(FBusy, "TState_Filiale.btnBtnMenuSuchenClick", [&] {
                    bool ok = false;
                    const int nummer = AText.trimmed().toInt(&ok);
                    FMaske->Datentraeger_Get().Nachsort.FilNummerFilter =
                        AAntwort == tsTrue && ok ? qint16(nummer) : qint16(-1);
                    FilialenFuerAbsortierungErmitteln_NeueLogik();
                });
            },
            {}, {}, {}, QString(), 14);
    });
}
