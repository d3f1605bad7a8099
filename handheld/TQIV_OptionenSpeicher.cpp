// Reading and writing the key/value list of the handheld options.
#include "TQIV_OptionenSpeicher.h"

#include "EZAM_Exception.h"
#include "TQIV_WWSDrucker.h"
#include "ZAMFormStoreListe.h"
#include "ZAMUtils.h"

#include <limits>

namespace {

using O = TQIV_OptionenSpeicher;

class TLeser
{
public:
    TLeser(const QStringList& AListe, const O::TKontext& AKontext) : FListe(AListe), FKontext(AKontext) {}

    bool Text(const char* AKey, QString& AText) const
    {
        return FormStoreStringListAuslesen(FListe, QString::fromLatin1(AKey), AText);
    }
    QString TextOder(const char* AKey, const QString& ADefault) const
    {
        QString t = ADefault;
        Text(AKey, t);
        return t;
    }
    bool JN(const char* AKey, bool ADefault) const
    {
        QString t;
        return Text(AKey, t) ? JNToBool(t) : ADefault;
    }
    // A text that is no number gives the default as well.
    template <class T> T Zahl(const char* AKey, T ADefault) const
    {
        T wert = ADefault;
        Lesen(AKey, wert);
        return wert;
    }
    // A text that is no number ends the reading here.
    template <class T> T ZahlOderAbbruch(const char* AKey, T ADefault) const
    {
        T wert = ADefault;
        QString t;
        if (!Lesen(AKey, wert, &t))
            throw EZAM_KonvertFehler(QStringLiteral("%1=%2").arg(QString::fromLatin1(AKey), t));
        return wert;
    }
    // False when the key holds no number in the range of T; AWert is then unchanged.
    template <class T> bool Lesen(const char* AKey, T& AWert, QString* AText = nullptr) const
    {
        QString t;
        if (!Text(AKey, t))
            return true;
        if (AText)
            *AText = t;
        bool ok = false;
        const qlonglong v = t.trimmed().toLongLong(&ok);
        if (!ok || v < qlonglong(std::numeric_limits<T>::min()) || v > qlonglong(std::numeric_limits<T>::max()))
            return false;
        AWert = T(v);
        return true;
    }
    qint16 IntItem(const char* AKey, qint16 ADefault) const
    {
        const int v = FormStoreStringListAuslesen(FListe, QString::fromLatin1(AKey), int(ADefault));
        return v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max() ? ADefault : qint16(v);
    }
    QChar Zeichen(const char* AKey, QChar ADefault) const
    {
        QString t;
        return Text(AKey, t) && !t.isEmpty() ? t.at(0) : ADefault;
    }
    // The printer of the type; when blank the machine's; when that is blank too, AAlt.
    QString DruckerRueckfall(int ATyp, const QString& AAlt) const
    {
        QString d = DruckerNachTyp(ATyp);
        if (d.trimmed().isEmpty())
            d = FKontext.SystemDrucker ? FKontext.SystemDrucker() : TQIV_WWSDrucker::SystemStandardDrucker();
        return d.trimmed().isEmpty() ? AAlt : d;
    }
    QString DruckerNachTyp(int ATyp) const
    {
        return FKontext.DruckerNachTyp ? FKontext.DruckerNachTyp(ATyp) : TQIV_WWSDrucker::GetPrinterByTyp(ATyp);
    }

private:
    const QStringList& FListe;
    const O::TKontext& FKontext;
};

void LagerAnwenden(const TQIV_Optionen_OBMDE& AOptionen, const O::TKontext& AKontext)
{
    if (AOptionen.Allgemein.AktLager > 0 && AKontext.LagerAnwenden)
        AKontext.LagerAnwenden();
}

void PraefixSetzen(const TQIV_Optionen_OBMDE& AOptionen, const O::TKontext& AKontext)
{
    if (AKontext.PraefixSetzen)
        AKontext.PraefixSetzen(AOptionen.Scanner.Praefix);
}

} // namespace

void TQIV_OptionenSpeicher::Lesen(const QStringList& AListe, TQIV_Optionen_OBMDE& AOptionen, const TKontext& AKontext)
{
    const TLeser l(AListe, AKontext);
    const TQIV_Optionen_OBMDE& d = TQIV_Optionen_OBMDE::Standard();
    TQIV_Optionen_OBMDE& o = AOptionen;
    QString t;

    o.Nachsort.ListeFontSize = l.IntItem("ALFSNs", d.Nachsort.ListeFontSize);
    o.Nachsort.ListeSpalten =
        l.Text("SpSiNs", t) ? String_2_SpaltenArray_Aufgabenliste(t) : TQIV_Optionen_OBMDE::Optionen_StdSpalten();
    o.Lagerinfo.ListeFontSizeLO = l.IntItem("ALFSLiLO", d.Lagerinfo.ListeFontSizeLO);
    o.Lagerinfo.ListeFontSizeArt = l.IntItem("ALFSLiArt", d.Lagerinfo.ListeFontSizeArt);
    o.Nachsort.Sortierung = l.Text("SortNs", t) ? Kuerzel2AufgabenListe_Spalte(t) : d.Nachsort.Sortierung;
    o.Lagerinfo.ListeSpaltenLO = l.Text("SpSiLiLO", t) ? String_2_SpaltenArray_Lagerinfo(t)
                                                       : TQIV_Optionen_OBMDE::Optionen_StdSpalten_LagerinfoLO();
    o.Lagerinfo.ListeSpaltenArt = l.Text("SpSiLiArt", t) ? String_2_SpaltenArray_Lagerinfo(t)
                                                         : TQIV_Optionen_OBMDE::Optionen_StdSpalten_LagerinfoArt();
    o.Lagerinfo.SortierungArt = l.Text("SortLiArt", t) ? Kuerzel2SucheListeCols(t) : d.Lagerinfo.SortierungArt;
    o.Nachsort.DetailAnzeige = l.Text("DetaNs", t) ? String_2_Details(t) : d.Nachsort.DetailAnzeige;
    o.NachsortKube.NurWennBezahlt = l.JN("NKWeBe", d.NachsortKube.NurWennBezahlt);
    o.NachsortKube.NurWennKomplettImLag = l.JN("NKWeKompl", d.NachsortKube.NurWennKomplettImLag);
    o.Allgemein.DruckerWBS = l.Text("DruckWBS", t) ? t : l.DruckerRueckfall(0, o.Allgemein.DruckerWBS);
    o.Allgemein.DruckerWBSAuto = l.TextOder("DrWBSAut", d.Allgemein.DruckerWBSAuto);
    o.UmlagHL.FertigeLoeschenTage = l.Zahl("UHFertigDel", d.UmlagHL.FertigeLoeschenTage);
    o.UmlagHL.PrioTimerIntervall = l.Zahl("UHPrioTiInt", d.UmlagHL.PrioTimerIntervall);
    o.UmlagHL.PrioAufschiebenMin = l.Zahl("UHPrioAMin", d.UmlagHL.PrioAufschiebenMin);
    o.UmlagHL.PrioAufschiebenMax = l.Zahl("UHPrioAMax", d.UmlagHL.PrioAufschiebenMax);
    o.Scanner.Praefix = l.ZahlOderAbbruch("Praefix", d.Scanner.Praefix);
    PraefixSetzen(o, AKontext);
    o.Scanner.WMCharAuswerten = l.JN("WMChar", d.Scanner.WMCharAuswerten);
    o.Scanner.MessageDebugAusgabe = l.JN("MsgDebug", d.Scanner.MessageDebugAusgabe);
    o.WEPlus.GeordnetUnsortiert =
        l.Text("WPGeoUnsort", t) ? WEPVorgehensweise_Kuerzel_2_Type(t) : d.WEPlus.GeordnetUnsortiert;
    o.WEPlus.WeiterberarbGeordnet =
        l.Text("WPWeiterGeo", t) ? WEPWeiterarbeit_Kuerzel_2_Type(t) : d.WEPlus.WeiterberarbGeordnet;
    o.WEPlus.ArtikelOhneDispo =
        l.Text("WPArtOhneDI", t) ? WEPArtikelOhneDispo_Kuerzel_2_Type(t) : d.WEPlus.ArtikelOhneDispo;
    o.WEPlus.MeEingSHVorbelegen = l.JN("WPMESHVorb", d.WEPlus.MeEingSHVorbelegen);
    o.WEPlus.TeilsortVorbelegen = l.JN("WPTeilSVorb", d.WEPlus.TeilsortVorbelegen);
    o.WEPlus.BearbDirektInEW = l.JN("BearbDInEW", d.WEPlus.BearbDirektInEW);
    auto etikett = [&](const char* AKey, TQIV_WEPEtikettendruck ADefault) {
        QString e;
        return l.Text(AKey, e) ? WEPEtikettendruck_Kuerzel_2_Type(e, ADefault) : ADefault;
    };
    o.WEPlus.EtikDruckAllg = etikett("WPEDAllg", d.WEPlus.EtikDruckAllg);
    o.WEPlus.EtikDruckVersand = etikett("WPEDVers", d.WEPlus.EtikDruckVersand);
    o.WEPlus.EtikDruckAbholung = etikett("WPEDAbhol", d.WEPlus.EtikDruckAbholung);
    o.WEPlus.EtikDruckBearb = etikett("WPEDBearb", d.WEPlus.EtikDruckBearb);
    o.WEPlus.EtikDruckFA = etikett("WPEDFA", d.WEPlus.EtikDruckFA);
    o.WEPlus.EtikDruckEinlag = etikett("WPEDEinlag", d.WEPlus.EtikDruckEinlag);
    if (l.Text("AktFil", t)) {
        o.Allgemein.AktLager = l.Zahl("AktFil", -1);
    } else {
        const QList<int> laeger = AKontext.LaegerHolen ? AKontext.LaegerHolen() : QList<int>();
        if (laeger.size() == 1)
            o.Allgemein.AktLager = laeger.first();
    }
    o.Fenster.FensterGroesse = l.Text("BildSGr", t) ? FensterGroesse_Kuerzel_2_Type(t) : d.Fenster.FensterGroesse;
    o.Fenster.FensterBreite = 0;
    o.Fenster.FensterHoehe = 0;
    if (o.Fenster.FensterGroesse == fgrIndividuell) {
        o.Fenster.FensterBreite = l.Zahl("BildSBr", 0);
        o.Fenster.FensterHoehe = l.Zahl("BildSHoe", 0);
    }
    if (o.Fenster.FensterBreite == 0 || o.Fenster.FensterHoehe == 0) {
        o.Fenster.FensterBreite = 320;
        o.Fenster.FensterHoehe = 320;
    }
    o.Fenster.RandOben = l.ZahlOderAbbruch("RandOben", d.Fenster.RandOben);
    o.Fenster.RandUnten = l.ZahlOderAbbruch("RandUnten", d.Fenster.RandUnten);
    o.Fenster.AutomPositionsKorrektur = l.JN("APosKorr", d.Fenster.AutomPositionsKorrektur);
    o.NachsortAllg.KommBehErlaubt = l.JN("NaSoKBeh", d.NachsortAllg.KommBehErlaubt);
    o.NachsortAllg.KommBehErlaubtVersand = l.JN("NaSoKBehVers", d.NachsortAllg.KommBehErlaubtVersand);
    o.NachsortAllg.Paketversand = l.Zeichen("NaSoPakVers", d.NachsortAllg.Paketversand);
    o.NachsortAllg.NurLOImLaufweg = l.JN("NaSoLoILw", d.NachsortAllg.NurLOImLaufweg);
    o.NachsortKube.HerkunftWaehlen = l.JN("KuBeHerk", d.NachsortKube.HerkunftWaehlen);
    o.NachsortKube.BuchFilWaehlen = l.JN("KuBeBFil", d.NachsortKube.BuchFilWaehlen);
    o.NachsortKube.PosAnzahlWaehlen = l.JN("KuBePAnz", d.NachsortKube.PosAnzahlWaehlen);
    o.NachsortKube.DatumFiltern = l.JN("KuBeDate", d.NachsortKube.DatumFiltern);
    o.NachsortKube.WagenAnz = l.ZahlOderAbbruch("KuBeWagenAnz", d.NachsortKube.WagenAnz);
    o.NachsortKube.EinPosFuerWagen = l.JN("KuBe1PosFWag", d.NachsortKube.EinPosFuerWagen);
    o.Einlagerung.ArtScanWBS = l.JN("WBAScan", d.Einlagerung.ArtScanWBS);
    o.Einlagerung.ArtScanWBSKube = l.JN("WBAScanK", d.Einlagerung.ArtScanWBSKube);
    o.Einlagerung.LPScanZeileHalten = l.JN("LPZeile", d.Einlagerung.LPScanZeileHalten);
    o.Einlagerung.HerstStattVeltArtNr = l.JN("HStattArtNr", d.Einlagerung.HerstStattVeltArtNr);
    o.Einlagerung.WBSGesEinlagerung = l.Zeichen("WBSGEinL", d.Einlagerung.WBSGesEinlagerung);
    o.ManuLagerBew.LagerZugFil = l.Zahl("LAGZUFIL", d.ManuLagerBew.LagerZugFil);
    o.Versandhilfe.ImmerAufKubeVBS = l.JN("VImmerAufKV", d.Versandhilfe.ImmerAufKubeVBS);
    o.Belegdruck.DruckerARE = l.Text("DruckARE", t) ? t : l.DruckerRueckfall(1, o.Belegdruck.DruckerARE);
    o.Belegdruck.VPDrucken = l.JN("VPDruck", d.Belegdruck.VPDrucken);
    o.Belegdruck.RuecksendeVPDrucken = l.JN("RSVPDruck", d.Belegdruck.RuecksendeVPDrucken);
    o.Belegdruck.DruckerRetScheine = l.Text("DruckReS", t) ? t : l.DruckerRueckfall(1, o.Belegdruck.DruckerRetScheine);
    o.Belegdruck.HinweisZeigen = l.Text("BelDrHinw", t) ? HinweisZeigen_Kuerzel_2_Type(t) : d.Belegdruck.HinweisZeigen;
    if (l.Text("RESBELDruck", t)) {
        o.WeitereDrucker.ResBelDrucker = t;
    } else {
        o.WeitereDrucker.ResBelDrucker = l.DruckerNachTyp(1);
        if (o.WeitereDrucker.ResBelDrucker.trimmed().isEmpty())
            o.WeitereDrucker.ResBelDrucker = o.Allgemein.DruckerWBS;
    }
    LagerAnwenden(o, AKontext);
    o.Bearbeitung.DruckerLZV = l.TextOder("DruckLZV", o.Allgemein.DruckerWBS);
}

void TQIV_OptionenSpeicher::Schreiben(QStringList& AListe, const TQIV_Optionen_OBMDE& AOptionen,
                                      const TKontext& AKontext)
{
    const TQIV_Optionen_OBMDE& o = AOptionen;
    QStringList& l = AListe;
    l.clear();
    auto text = [&](const char* AKey, const QString& AText) {
        FormStoreStringListItemAdd(l, QString::fromLatin1(AKey), AText);
    };
    auto jn = [&](const char* AKey, bool AWert) { text(AKey, BoolToJN(AWert)); };
    auto zahl = [&](const char* AKey, qint64 AWert) { text(AKey, QString::number(AWert)); };
    auto zeichen = [&](const char* AKey, QChar AWert) { text(AKey, AWert.isNull() ? QString() : QString(AWert)); };
    const bool individuell = o.Fenster.FensterGroesse == fgrIndividuell;

    text("SortNs", CZAM_AufgabenListe_Spalte_2_Kuerzel(o.Nachsort.Sortierung));
    FormStoreStringListItemAdd(l, QStringLiteral("ALFSNs"), int(o.Nachsort.ListeFontSize));
    text("SpSiNs", SpaltenArray_2_String_Aufgabenliste(o.Nachsort.ListeSpalten));
    FormStoreStringListItemAdd(l, QStringLiteral("ALFSLiLO"), int(o.Lagerinfo.ListeFontSizeLO));
    FormStoreStringListItemAdd(l, QStringLiteral("ALFSLiArt"), int(o.Lagerinfo.ListeFontSizeArt));
    text("SpSiLiLO", SpaltenArray_2_String_Lagerinfo(o.Lagerinfo.ListeSpaltenLO));
    text("SpSiLiArt", SpaltenArray_2_String_Lagerinfo(o.Lagerinfo.ListeSpaltenArt));
    text("SortLiArt", CZAM_SucheListeCols_2_Kuerzel(o.Lagerinfo.SortierungArt));
    text("DetaNs", Details_2_String(o.Nachsort.DetailAnzeige));
    jn("NKWeBe", o.NachsortKube.NurWennBezahlt);
    jn("NKWeKompl", o.NachsortKube.NurWennKomplettImLag);
    zahl("AktFil", o.Allgemein.AktLager);
    text("BildSGr", FensterGroesse_Type_2_Kuerzel(o.Fenster.FensterGroesse));
    zahl("BildSBr", individuell ? o.Fenster.FensterBreite : 0);
    zahl("BildSHoe", individuell ? o.Fenster.FensterHoehe : 0);
    zahl("RandOben", o.Fenster.RandOben);
    zahl("RandUnten", o.Fenster.RandUnten);
    jn("APosKorr", o.Fenster.AutomPositionsKorrektur);
    text("DruckWBS", o.Allgemein.DruckerWBS);
    zahl("UHFertigDel", o.UmlagHL.FertigeLoeschenTage);
    zahl("UHPrioTiInt", o.UmlagHL.PrioTimerIntervall);
    zahl("UHPrioAMin", o.UmlagHL.PrioAufschiebenMin);
    zahl("UHPrioAMax", o.UmlagHL.PrioAufschiebenMax);
    zahl("Praefix", o.Scanner.Praefix);
    PraefixSetzen(o, AKontext);
    jn("WMChar", o.Scanner.WMCharAuswerten);
    jn("MsgDebug", o.Scanner.MessageDebugAusgabe);
    text("WPGeoUnsort", WEPVorgehensweise_Type_2_Kuerzel(o.WEPlus.GeordnetUnsortiert));
    text("WPWeiterGeo", WEPWeiterarbeit_Type_2_Kuerzel(o.WEPlus.WeiterberarbGeordnet));
    text("WPArtOhneDI", WEPArtikelOhneDispo_Type_2_Kuerzel(o.WEPlus.ArtikelOhneDispo));
    jn("WPMESHVorb", o.WEPlus.MeEingSHVorbelegen);
    jn("WPTeilSVorb", o.WEPlus.TeilsortVorbelegen);
    text("WPEDAllg", WEPEtikettendruck_Type_2_Kuerzel(o.WEPlus.EtikDruckAllg));
    text("WPEDVers", WEPEtikettendruck_Type_2_Kuerzel(o.WEPlus.EtikDruckVersand));
    text("WPEDAbhol", WEPEtikettendruck_Type_2_Kuerzel(o.WEPlus.EtikDruckAbholung));
    text("WPEDBearb", WEPEtikettendruck_Type_2_Kuerzel(o.WEPlus.EtikDruckBearb));
    text("WPEDFA", WEPEtikettendruck_Type_2_Kuerzel(o.WEPlus.EtikDruckFA));
    text("WPEDEinlag", WEPEtikettendruck_Type_2_Kuerzel(o.WEPlus.EtikDruckEinlag));
    jn("BearbDInEW", o.WEPlus.BearbDirektInEW);
    text("DrWBSAut", o.Allgemein.DruckerWBSAuto);
    jn("NaSoKBeh", o.NachsortAllg.KommBehErlaubt);
    jn("NaSoKBehVers", o.NachsortAllg.KommBehErlaubtVersand);
    zeichen("NaSoPakVers", o.NachsortAllg.Paketversand);
    jn("NaSoLoILw", o.NachsortAllg.NurLOImLaufweg);
    jn("KuBeHerk", o.NachsortKube.HerkunftWaehlen);
    jn("KuBeBFil", o.NachsortKube.BuchFilWaehlen);
    jn("KuBePAnz", o.NachsortKube.PosAnzahlWaehlen);
    jn("KuBeDate", o.NachsortKube.DatumFiltern);
    zahl("KuBeWagenAnz", o.NachsortKube.WagenAnz);
    jn("KuBe1PosFWag", o.NachsortKube.EinPosFuerWagen);
    jn("WBAScan", o.Einlagerung.ArtScanWBS);
    jn("WBAScanK", o.Einlagerung.ArtScanWBSKube);
    jn("LPZeile", o.Einlagerung.LPScanZeileHalten);
    jn("HStattArtNr", o.Einlagerung.HerstStattVeltArtNr);
    zeichen("WBSGEinL", o.Einlagerung.WBSGesEinlagerung);
    zahl("LAGZUFIL", o.ManuLagerBew.LagerZugFil);
    jn("VImmerAufKV", o.Versandhilfe.ImmerAufKubeVBS);
    text("DruckARE", o.Belegdruck.DruckerARE);
    jn("VPDruck", o.Belegdruck.VPDrucken);
    jn("RSVPDruck", o.Belegdruck.RuecksendeVPDrucken);
    text("DruckReS", o.Belegdruck.DruckerRetScheine);
    text("DruckLZV", o.Bearbeitung.DruckerLZV);
    text("BelDrHinw", HinweisZeigen_Type_2_Kuerzel(o.Belegdruck.HinweisZeigen));
    text("RESBELDruck", o.WeitereDrucker.ResBelDrucker);
    LagerAnwenden(o, AKontext);
}
