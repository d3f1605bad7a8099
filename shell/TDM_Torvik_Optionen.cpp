// The terminal options of the data module: loading, storing and their text forms.
#include "TDM_Torvik.h"

#include "EZAM_Exception.h"
#include "TQIV_WWSDrucker.h"
#include "TZAMFormStore.h"
#include "TZAM_Hausregel.h"
#include "ZAMFormStoreListe.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

namespace {

const QString CTrenner = QStringLiteral("#&");

QString Text(const QStringList& AListe, const QString& AKey, bool* AGefunden = nullptr)
{
    QString t;
    const bool gefunden = FormStoreStringListAuslesen(AListe, AKey, t);
    if (AGefunden)
        *AGefunden = gefunden;
    return t;
}

int Zahl(const QString& AText, int ADefault)
{
    bool ok = false;
    const int i = AText.trimmed().toInt(&ok);
    return ok ? i : ADefault;
}

// A garbled display text is registered and keeps its fields at none; the other options are
// still read.
void AnzeigeLesen(const QString& AText, TQIV_AnzeigeInfosNachsortfrm& AInfo)
{
    TZAM_Hausregel::OhneBusy(
        "String_2_NachSortAnzInfo_Einzeln", [&] { TDM_Torvik::String_2_NachSortAnzInfo(AText, AInfo); }, false);
}

} // namespace

TZAMFormStore* TDM_Torvik::FormStore_CIN()
{
    if (!FFormStore) {
        FFormStore = new TZAMFormStore(this);
        FFormStore->SetFormName(
            TZAM_FormName{QStringLiteral("CONFIG"), QStringLiteral("VELTOB"), QStringLiteral("DEU")});
        FFormStore->SetIndexName(QStringLiteral("0"));
        FFormStore->SetGespeicherteListe(&Fstrlvconfig);
        FFormStore->OnRestoreEnd = [this](QObject*) { Stringlist_2_Optionen(); };
        FFormStore->OnStoreStart = [this](QObject*) { Optionen_2_StringList(); };
    }
    return FFormStore;
}

void TDM_Torvik::Optionen_laden()
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Optionen_laden",
        [&] {
            FOptionen = TQIV_VELTOB_Optionen();
            TZAMFormStore* store = FormStore_CIN();
            const QString terminal = ZAMInfoTerminalID();
            if (store->Vorhanden(terminal, QStringLiteral("0")))
                store->Restore(terminal, QStringLiteral("0"));
            else if (store->StandardVorhanden())
                store->RestoreStandard();
            else
                Optionen_laden_FallerSTD();
        },
        false);
}

void TDM_Torvik::Optionen_laden_FallerSTD()
{
    TQIV_AnzeigeInfosNachsortfrm anzeige;
    anzeige.Rechts3 = 55;
    anzeige.Rechts4 = 16;
    anzeige.Rechts5 = 18;
    anzeige.Rechts6 = 17;
    anzeige.Rechts7 = 19;
    anzeige.Links = 14;
    FOptionen.SichtbareSpalten_Nachsort = {26, 30, 11, 14, 16, 18, 13, 19, 20, 22};
    FOptionen.SichtbareSpalten_KuBe = {40, 26, 30, 11, 14, 16, 18, 13, 19, 20, 22, 38, 42};
    FOptionen.Anzeige_Nachsort = anzeige;
    FOptionen.Anzeige_KuBe = anzeige;
    FOptionen.MitBild_Nachsort = false;
    FOptionen.MitBild_Kube = false;
    QList<int> laeger;
    LaegerHolen(laeger);
    if (laeger.size() == 1)
        FOptionen.AktLager = laeger.first();
    AktLagerMitBuchungsfiliale_Setzen(FOptionen.AktLager);
    AktLagerFilialen_Aus_AktLager();
}

void TDM_Torvik::AktLagerMitBuchungsfiliale_Setzen(int ALager)
{
    if (ALager <= 0)
        return;
    SetAktLager(ALager);
    TZAM_Lagergruppe gruppe;
    IZAM_LagerEditServer* server = LagerEditServer_GoC();
    if (server && server->Lagergruppe(ALager, gruppe) && gruppe.Filialen.size() == 1)
        SetAktFiliale(qint16(gruppe.Filialen.first()));
    else
        SetAktFiliale(-1);
}

bool TDM_Torvik::Optionen_Uebernehmen_u_Buchen(const TQIV_VELTOB_Optionen& AOptionen)
{
    // Storing switches the warehouse context; a store that fails must leave options and context
    // as they were, or the next load would bring back values the program already works with.
    const TQIV_VELTOB_Optionen optionen = FOptionen;
    const int lager = FAktLager;
    const qint16 filiale = FAktBewFiliale;
    const QList<int> filialen = FAktLagerFilialen;
    const TZAM_TriState rezeVudazPlus = FAktLagerIstRezeVudazPlusLager;
    const bool gespeichert = TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Optionen_Uebernehmen_u_Buchen", false, [&] {
        FOptionen = AOptionen;
        FormStore_CIN()->Store(ZAMInfoTerminalID(), QString(), QStringLiteral("0"));
        return true;
    });
    if (!gespeichert) {
        FOptionen = optionen;
        SetAktLager(lager);
        SetAktFiliale(filiale);
        FAktLagerFilialen = filialen;
        FAktLagerIstRezeVudazPlusLager = rezeVudazPlus;
    }
    return gespeichert;
}

void TDM_Torvik::Optionen_2_StringList()
{
    QStringList& l = Fstrlvconfig;
    l.clear();
    FormStoreStringListItemAdd(l, QStringLiteral("SpSiNs"), Spalten_2_String(FOptionen.SichtbareSpalten_Nachsort));
    FormStoreStringListItemAdd(l, QStringLiteral("BildNs"), BoolToJN(FOptionen.MitBild_Nachsort));
    FormStoreStringListItemAdd(l, QStringLiteral("AnzeNs"), NachSortAnzInfo_2_String(FOptionen.Anzeige_Nachsort));
    FormStoreStringListItemAdd(l, QStringLiteral("KomBeh"), BoolToJN(FOptionen.KommissionierbehaelterBenutzern));
    FormStoreStringListItemAdd(l, QStringLiteral("KubeAuBezahlt"), BoolToJN(FOptionen.KubeAufgabenNurWennBezahlt));
    FormStoreStringListItemAdd(l, QStringLiteral("SpSiKb"), Spalten_2_String(FOptionen.SichtbareSpalten_KuBe));
    FormStoreStringListItemAdd(l, QStringLiteral("BildKb"), BoolToJN(FOptionen.MitBild_Kube));
    FormStoreStringListItemAdd(l, QStringLiteral("AnzeKb"), NachSortAnzInfo_2_String(FOptionen.Anzeige_KuBe));
    FormStoreStringListItemAdd(l, QStringLiteral("EWAHMa"), FOptionen.EWAHandEingabeMandant.ToText());
    FormStoreStringListItemAdd(l, QStringLiteral("DaReGr"), FOptionen.RelativeGroesse);
    FormStoreStringListItemAdd(l, QStringLiteral("DruckWBS"), FOptionen.DruckerWBS);
    FormStoreStringListItemAdd(l, QStringLiteral("NurLPImLW"), BoolToJN(FOptionen.NurLPImLaufweg));
    FormStoreStringListItemAdd(l, QStringLiteral("AktFili"), FOptionen.AktLager);
    AktLagerMitBuchungsfiliale_Setzen(FOptionen.AktLager);
    FormStoreStringListItemAdd(l, QStringLiteral("WBSZeitraum"), FOptionen.ZeitFuerWBS);
    AktLagerFilialen_Aus_AktLager();
}

void TDM_Torvik::Stringlist_2_Optionen()
{
    const QStringList& l = Fstrlvconfig;
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Stringlist_2_Optionen",
        [&] {
            bool da = false;
            QString t = Text(l, QStringLiteral("SpSiNs"), &da);
            if (da)
                FOptionen.SichtbareSpalten_Nachsort = String_2_Spalten(t);
            t = Text(l, QStringLiteral("BildNs"), &da);
            if (da)
                FOptionen.MitBild_Nachsort = JNToBool(t);
            t = Text(l, QStringLiteral("AnzeNs"), &da);
            if (da)
                AnzeigeLesen(t, FOptionen.Anzeige_Nachsort);
            t = Text(l, QStringLiteral("KomBeh"), &da);
            if (da)
                FOptionen.KommissionierbehaelterBenutzern = JNToBool(t);
            t = Text(l, QStringLiteral("KubeAuBezahlt"), &da);
            if (da)
                FOptionen.KubeAufgabenNurWennBezahlt = JNToBool(t);
            t = Text(l, QStringLiteral("SpSiKb"), &da);
            if (da)
                FOptionen.SichtbareSpalten_KuBe = String_2_Spalten(t);
            t = Text(l, QStringLiteral("BildKb"), &da);
            if (da)
                FOptionen.MitBild_Kube = JNToBool(t);
            t = Text(l, QStringLiteral("AnzeKb"), &da);
            if (da)
                AnzeigeLesen(t, FOptionen.Anzeige_KuBe);
            FOptionen.EWAHandEingabeMandant = TIntPair::FromTextSecure(Text(l, QStringLiteral("EWAHMa")));
            t = Text(l, QStringLiteral("DaReGr"), &da);
            if (da)
                FOptionen.RelativeGroesse = Zahl(t, FOptionen.RelativeGroesse);
            t = Text(l, QStringLiteral("DruckWBS"), &da);
            if (da) {
                FOptionen.DruckerWBS = t;
            } else {
                FOptionen.DruckerWBS = TQIV_WWSDrucker::GetPrinterByTyp(0);
                if (FOptionen.DruckerWBS.trimmed().isEmpty())
                    FOptionen.DruckerWBS = TQIV_WWSDrucker::SystemStandardDrucker();
            }
            t = Text(l, QStringLiteral("NurLPImLW"), &da);
            if (da)
                FOptionen.NurLPImLaufweg = JNToBool(t);
            t = Text(l, QStringLiteral("AktFili"), &da);
            if (da) {
                FOptionen.AktLager = Zahl(t, -1);
            } else {
                QList<int> laeger;
                LaegerHolen(laeger);
                if (laeger.size() == 1)
                    FOptionen.AktLager = laeger.first();
            }
            AktLagerMitBuchungsfiliale_Setzen(FOptionen.AktLager);
            t = Text(l, QStringLiteral("WBSZeitraum"), &da);
            if (da)
                FOptionen.ZeitFuerWBS = Zahl(t, 0);
            AktLagerFilialen_Aus_AktLager();
        },
        false);
}

QString TDM_Torvik::Spalten_2_String(const QList<TZAM_AufgabenListe_Spalte>& ASpalten)
{
    QStringList codes;
    for (TZAM_AufgabenListe_Spalte s : ASpalten)
        codes << CZAM_AufgabenListe_Spalte_2_Kuerzel(s);
    return codes.join(CTrenner);
}

QList<TZAM_AufgabenListe_Spalte> TDM_Torvik::String_2_Spalten(const QString& AText)
{
    QList<TZAM_AufgabenListe_Spalte> spalten;
    for (const QString& code : AText.split(CTrenner, Qt::SkipEmptyParts)) {
        const TZAM_AufgabenListe_Spalte s = Kuerzel2AufgabenListe_Spalte(code);
        if (s != CZAM_AufgabenListe_Spalte_Keine)
            spalten << s;
    }
    return spalten;
}

QString TDM_Torvik::NachSortAnzInfo_2_String(const TQIV_AnzeigeInfosNachsortfrm& AInfo)
{
    auto teil = [](const char* APraefix, TZAM_AufgabenListe_Spalte ASpalte) {
        return QString::fromLatin1(APraefix) + u':' + CZAM_AufgabenListe_Spalte_2_Kuerzel(ASpalte);
    };
    return QStringList{teil("3", AInfo.Rechts3), teil("4", AInfo.Rechts4), teil("5", AInfo.Rechts5),
                       teil("6", AInfo.Rechts6), teil("7", AInfo.Rechts7), teil("l", AInfo.Links)}
        .join(CTrenner);
}

void TDM_Torvik::String_2_NachSortAnzInfo(const QString& AText, TQIV_AnzeigeInfosNachsortfrm& AInfo)
{
    AInfo = TQIV_AnzeigeInfosNachsortfrm();
    for (const QString& teil : AText.split(CTrenner, Qt::SkipEmptyParts)) {
        const qsizetype doppelpunkt = teil.indexOf(u':');
        const QString praefix = teil.left(doppelpunkt);
        const TZAM_AufgabenListe_Spalte s =
            doppelpunkt < 0 ? CZAM_AufgabenListe_Spalte_Keine : Kuerzel2AufgabenListe_Spalte(teil.mid(doppelpunkt + 1));
        if (praefix == QLatin1String("3"))
            AInfo.Rechts3 = s;
        else if (praefix == QLatin1String("4"))
            AInfo.Rechts4 = s;
        else if (praefix == QLatin1String("5"))
            AInfo.Rechts5 = s;
        else if (praefix == QLatin1String("6"))
            AInfo.Rechts6 = s;
        else if (praefix == QLatin1String("7"))
            AInfo.Rechts7 = s;
        else if (praefix == QLatin1String("l"))
            AInfo.Links = s;
        else
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, teil,
                                 QStringLiteral("String_2_NachSortAnzInfo_Einzeln"));
    }
}
