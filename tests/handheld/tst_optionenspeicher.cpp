// The handheld options' stored form: keys, order, conversions, fallbacks and the failure rule.
#include "EZAM_Exception.h"
#include "TQIV_OptionenSpeicher.h"
#include "ZAMFormStoreListe.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

#include <QSet>
#include <QTest>
#include <functional>

namespace {

// Records the names failures are registered under.
class TFakeInfo : public IZAM_Info
{
public:
    QStringList Fehler;

    void RegisterException(const QString& AMethode, const std::exception&, bool) override { Fehler << AMethode; }
    int ShowMeldung(int, int, const QString&, const QStringList&) override { return mrOk; }
    QString Meldungstext(const TInfoKoord& AKoord, const QStringList&) const override { return AKoord.Gruppe; }
    void ZAMWarnungBox(const QString&) override {}
    bool ZAMJaNeinBox(const QString&) override { return false; }
    void WriteStamp(const QString&, int) override {}
    void AntwortVorgeben(int) override {}
    QStringList GezeigteMeldungenHolen() override { return {}; }
};

using O = TQIV_OptionenSpeicher;
using TOpt = TQIV_Optionen_OBMDE;

// A record in which every group differs from the default.
TOpt Geaendert()
{
    TOpt o;
    o.Allgemein = {7, QStringLiteral("WBS 2"), QStringLiteral("Auto")};
    o.Fenster = {fgrIndividuell, 640, 480, 12, 8, true};
    o.Scanner = {TZAM_ShortCut(CZAM_ShortCut_Ctrl | CZAM_ShortCut_F11), true, true};
    o.WEPlus = {wpvUnsortiert, wpwEinzelartikel, aodNieAnnehmen, false,    false,       wpeNie,
                wpeImmer,      wpeStandard,      wpeNie,         wpeImmer, wpeStandard, true};
    o.Nachsort.ListeSpalten = {11, 40, 0, 83};
    o.Nachsort.ListeFontSize = 14;
    o.Nachsort.Sortierung = 40;
    o.Nachsort.DetailAnzeige = {{13, 84}, {84, 84}, {0, 83}, {22, 26}, {84, 19}, {69, 79}};
    o.NachsortKube = {false, false, true, true, true, true, 25, true};
    o.UmlagHL = {7, 30, 60, 300};
    o.Lagerinfo = {{8, 1, 19}, 9, {10, 3, 16}, 13, 10};
    o.Belegdruck = {QStringLiteral("*** nicht drucken ***"), true, true, QStringLiteral("Retouren"), hiz5Sekunden};
    o.WeitereDrucker.ResBelDrucker = QStringLiteral("ResBel");
    o.NachsortAllg = {false, true, u'F', true};
    o.Versandhilfe.ImmerAufKubeVBS = true;
    o.Einlagerung = {true, true, true, true, u'J'};
    o.ManuLagerBew.LagerZugFil = 42;
    o.Bearbeitung.DruckerLZV = QStringLiteral("LZV");
    return o;
}

QString Wert(const QStringList& AListe, const QString& AKey)
{
    QString t = QStringLiteral("<fehlt>");
    FormStoreStringListAuslesen(AListe, AKey, t);
    return t;
}

} // namespace

class TestOptionenSpeicher : public QObject
{
    Q_OBJECT

    TFakeInfo FInfo;
    QList<int> FLaeger;
    QList<TZAM_ShortCut> FPraefixe;
    int FLagerAngewendet = 0;

    O::TKontext Kontext()
    {
        O::TKontext k;
        k.LaegerHolen = [this] { return FLaeger; };
        k.DruckerNachTyp = [](int ATyp) { return ATyp == 0 ? QStringLiteral("WBS-Konfig") : QString(); };
        k.SystemDrucker = [] { return QStringLiteral("System-Drucker"); };
        k.PraefixSetzen = [this](TZAM_ShortCut A) { FPraefixe << A; };
        k.LagerAnwenden = [this] { ++FLagerAngewendet; };
        return k;
    }
    // The lines of the changed record with one key set to AText.
    QStringList MitWert(const QString& AKey, const QString& AText)
    {
        QStringList l;
        O::Schreiben(l, Geaendert(), {});
        FormStoreStringListItemAdd(l, AKey, AText);
        return l;
    }
    TOpt Gelesen(const QStringList& AListe, TOpt AStart = Geaendert())
    {
        O::Lesen(AListe, AStart, Kontext());
        return AStart;
    }

private Q_SLOTS:
    void initTestCase()
    {
        TZAM_Dienste d;
        d.Info = &FInfo;
        ZAMDienste_Setzen(d);
    }
    void cleanupTestCase() { ZAMDienste_Setzen({}); }
    void init()
    {
        FInfo.Fehler.clear();
        FLaeger = {3, 4};
        FPraefixe.clear();
        FLagerAngewendet = 0;
    }

    void rundreiseMitJederGruppeGeaendert()
    {
        const TOpt g = Geaendert();
        const TOpt& d = TOpt::Standard();
        QVERIFY(g.Allgemein != d.Allgemein && g.Fenster != d.Fenster && g.Scanner != d.Scanner);
        QVERIFY(g.WEPlus != d.WEPlus && g.Nachsort != d.Nachsort && g.NachsortKube != d.NachsortKube);
        QVERIFY(g.UmlagHL != d.UmlagHL && g.Lagerinfo != d.Lagerinfo && g.Belegdruck != d.Belegdruck);
        QVERIFY(g.WeitereDrucker != d.WeitereDrucker && g.NachsortAllg != d.NachsortAllg);
        QVERIFY(g.Versandhilfe != d.Versandhilfe && g.Einlagerung != d.Einlagerung);
        QVERIFY(g.ManuLagerBew != d.ManuLagerBew && g.Bearbeitung != d.Bearbeitung);

        QStringList l;
        O::Schreiben(l, g, Kontext());
        QCOMPARE(Gelesen(l, d), g);
        QCOMPARE(FPraefixe, (QList<TZAM_ShortCut>{g.Scanner.Praefix, g.Scanner.Praefix}));
        QCOMPARE(FLagerAngewendet, 2);
        QVERIFY(FInfo.Fehler.isEmpty());

        // The re-sort parameter is not stored here: reading leaves it alone.
        TOpt s = d;
        s.Nachsort.SofortvollzugOhneWBS = true;
        QVERIFY(Gelesen(l, s).Nachsort.SofortvollzugOhneWBS);
    }

    void jederWertHatSeinenSchluessel()
    {
        // One truth value or number changed at a time: reading and writing again changes that
        // line only (catches fields that share or swap keys).
        TOpt b = TOpt::Standard();
        b.Allgemein.AktLager = 7;
        b.Fenster = {fgrIndividuell, 640, 480, 0, 0, false};
        b.WEPlus.EtikDruckVersand = wpeImmer; // its default code "N" is no truth value
        QStringList basis;
        O::Schreiben(basis, b, Kontext());
        int geprueft = 0;
        for (int i = 0; i < basis.size(); ++i) {
            const QString wert = basis.at(i).section(u'=', 1);
            bool zahl = false;
            const int n = wert.toInt(&zahl);
            QStringList erwartet = basis;
            if (wert == QLatin1String("J") || wert == QLatin1String("N"))
                erwartet[i].back() = wert == QLatin1String("J") ? u'N' : u'J';
            else if (zahl)
                erwartet[i] = basis.at(i).section(u'=', 0, 0) + u'=' + QString::number(n + 3);
            else
                continue;
            QStringList l;
            O::Schreiben(l, Gelesen(erwartet, b), Kontext());
            QVERIFY2(l == erwartet, qPrintable(basis.at(i)));
            ++geprueft;
        }
        QCOMPARE(geprueft, 41); // 26 J/N and character keys, 15 numbers
    }

    void dreiundsechzigSchluesselInDerReihenfolge()
    {
        const QStringList erwartet{
            "SortNs",      "ALFSNs",     "SpSiNs",      "ALFSLiLO",    "ALFSLiArt", "SpSiLiLO",     "SpSiLiArt",
            "SortLiArt",   "DetaNs",     "NKWeBe",      "NKWeKompl",   "AktFil",    "BildSGr",      "BildSBr",
            "BildSHoe",    "RandOben",   "RandUnten",   "APosKorr",    "DruckWBS",  "UHFertigDel",  "UHPrioTiInt",
            "UHPrioAMin",  "UHPrioAMax", "Praefix",     "WMChar",      "MsgDebug",  "WPGeoUnsort",  "WPWeiterGeo",
            "WPArtOhneDI", "WPMESHVorb", "WPTeilSVorb", "WPEDAllg",    "WPEDVers",  "WPEDAbhol",    "WPEDBearb",
            "WPEDFA",      "WPEDEinlag", "BearbDInEW",  "DrWBSAut",    "NaSoKBeh",  "NaSoKBehVers", "NaSoPakVers",
            "NaSoLoILw",   "KuBeHerk",   "KuBeBFil",    "KuBePAnz",    "KuBeDate",  "KuBeWagenAnz", "KuBe1PosFWag",
            "WBAScan",     "WBAScanK",   "LPZeile",     "HStattArtNr", "WBSGEinL",  "LAGZUFIL",     "VImmerAufKV",
            "DruckARE",    "VPDruck",    "RSVPDruck",   "DruckReS",    "DruckLZV",  "BelDrHinw",    "RESBELDruck"};
        QCOMPARE(erwartet.size(), 63);
        TOpt o = Geaendert();
        o.Fenster.FensterGroesse = fgr480x800;
        QStringList l{QStringLiteral("Alt=1"), QStringLiteral("SortNs=x")};
        O::Schreiben(l, o, {});
        QStringList keys;
        for (const QString& z : l)
            keys << z.section(u'=', 0, 0);
        QCOMPARE(keys, erwartet);

        QCOMPARE(Wert(l, "BildSGr"), QStringLiteral("480x800"));
        QCOMPARE(Wert(l, "BildSBr"), QStringLiteral("0")); // width and height only for an own size
        QCOMPARE(Wert(l, "Praefix"), QStringLiteral("16506"));
        auto k = [](int s) { return CZAM_AufgabenListe_Spalte_2_Kuerzel(s); };
        QCOMPARE(Wert(l, "SpSiNs"), k(11) + "#&" + k(40) + "#&" + k(0) + "#&" + k(83));
        QCOMPARE(Wert(l, "SpSiLiLO"), CZAM_SucheListeCols_2_Kuerzel(8) + "#&" + CZAM_SucheListeCols_2_Kuerzel(1) +
                                          "#&" + CZAM_SucheListeCols_2_Kuerzel(19));
        QCOMPARE(Wert(l, "BelDrHinw"), QStringLiteral("5"));
        QCOMPARE(Wert(l, "WPGeoUnsort"), QStringLiteral("U"));
    }

    void leereCodes()
    {
        // The code of 0 is a blank, which a store may lose.
        TOpt n = TOpt::Standard();
        n.WEPlus.GeordnetUnsortiert = wpvUnbekannt;
        n.WEPlus.WeiterberarbGeordnet = wpwUnbekannt;
        n.WEPlus.ArtikelOhneDispo = aodUnbekannt;
        n.WEPlus.EtikDruckVersand = wpeUnbekannt;
        QStringList l;
        O::Schreiben(l, n, {});
        QCOMPARE(Wert(l, "WPGeoUnsort"), QStringLiteral(" "));
        for (QString& z : l)
            z = z.trimmed();
        QCOMPARE(Gelesen(l).WEPlus, n.WEPlus);

        // Unknown codes give each field's default.
        const TOpt o = Gelesen({"WPGeoUnsort=X", "WPWeiterGeo=X", "WPArtOhneDI=X", "WPEDAllg=X", "WPEDVers=X"});
        QCOMPARE(o.WEPlus.GeordnetUnsortiert, wpvFragen);
        QCOMPARE(o.WEPlus.WeiterberarbGeordnet, wpwFragen);
        QCOMPARE(o.WEPlus.ArtikelOhneDispo, aodImmerEinlagern);
        QCOMPARE(o.WEPlus.EtikDruckAllg, wpeStandard);
        QCOMPARE(o.WEPlus.EtikDruckVersand, wpeNie);
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, O::FensterGroesse_Type_2_Kuerzel(TQIV_FensterGroesse_Erw(5)));
    }

    void fehlendeSchluesselGebenDieStandards()
    {
        TOpt e = TOpt::Standard();
        e.Nachsort.ListeSpalten = {26, 30, 11, 22, 79};
        e.Lagerinfo.ListeSpaltenLO = {1, 5, 8, 9, 10};
        e.Lagerinfo.ListeSpaltenArt = {1, 3, 5, 9, 10};
        e.Fenster.FensterBreite = e.Fenster.FensterHoehe = 320;
        e.Allgemein.DruckerWBS = QStringLiteral("WBS-Konfig");      // type 0 configured
        e.Belegdruck.DruckerARE = QStringLiteral("System-Drucker"); // type 1 blank: the machine's
        e.Belegdruck.DruckerRetScheine = QStringLiteral("System-Drucker");
        e.WeitereDrucker.ResBelDrucker = QStringLiteral("WBS-Konfig"); // type 1 blank: the slip printer
        e.Bearbeitung.DruckerLZV = QStringLiteral("WBS-Konfig");
        QCOMPARE(Gelesen({}, TOpt::Standard()), e);
        QCOMPARE(FLagerAngewendet, 0); // two warehouses: none chosen
        QCOMPARE(FPraefixe, QList<TZAM_ShortCut>{CZAM_ShortCut_F11});

        // Two warehouses keep the chosen one; the only one is taken and applied; stored wins.
        e.Allgemein.AktLager = 4;
        QCOMPARE(Gelesen({}, e).Allgemein.AktLager, 4);
        FLaeger = {5};
        QCOMPARE(Gelesen({}, TOpt::Standard()).Allgemein.AktLager, 5);
        QCOMPARE(FLagerAngewendet, 2);
        QCOMPARE(Gelesen({QStringLiteral("AktFil=3")}).Allgemein.AktLager, 3);
        QCOMPARE(Gelesen({QStringLiteral("AktFil=drei")}).Allgemein.AktLager, -1);
        QVERIFY(FInfo.Fehler.isEmpty());
    }

    void druckerOhneKonfigurationUndSystemdrucker()
    {
        O::TKontext k = Kontext();
        k.SystemDrucker = [] { return QStringLiteral("  "); };
        TOpt o = Geaendert();
        O::Lesen({}, o, k);
        QCOMPARE(o.Allgemein.DruckerWBS, QStringLiteral("WBS-Konfig"));
        QCOMPARE(o.Belegdruck.DruckerARE, Geaendert().Belegdruck.DruckerARE); // keeps its value
        QCOMPARE(o.Belegdruck.DruckerRetScheine, Geaendert().Belegdruck.DruckerRetScheine);
        k.DruckerNachTyp = [](int ATyp) { return ATyp == 1 ? QStringLiteral("Typ1") : QString(); };
        O::Lesen({QStringLiteral("DruckWBS=W"), QStringLiteral("DruckARE=")}, o, k);
        QCOMPARE(o.Belegdruck.DruckerARE, QString()); // a stored empty text is a choice
        QCOMPARE(o.Belegdruck.DruckerRetScheine, QStringLiteral("Typ1"));
        QCOMPARE(o.WeitereDrucker.ResBelDrucker, QStringLiteral("Typ1"));
        QCOMPARE(o.Bearbeitung.DruckerLZV, QStringLiteral("W"));
    }

    void fenstergroesse_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<QSize>("felder");
        QTest::newRow("I, Breite 0") << QStringList{"BildSGr=I", "BildSBr=0", "BildSHoe=600"} << int(fgrIndividuell)
                                     << QSize(320, 320);
        QTest::newRow("I") << QStringList{"BildSGr=I", "BildSBr=640", "BildSHoe=480"} << int(fgrIndividuell)
                           << QSize(640, 480);
        QTest::newRow("I, keine Zahl") << QStringList{"BildSGr=I", "BildSBr=x", "BildSHoe=480"} << int(fgrIndividuell)
                                       << QSize(320, 320);
        QTest::newRow("640") << QStringList{"BildSGr=640"} << int(fgr320x320) << QSize(320, 320);
        QTest::newRow("480x800") << QStringList{"BildSGr=480x800", "BildSBr=640", "BildSHoe=480"} << int(fgr480x800)
                                 << QSize(320, 320);
        QTest::newRow("fehlt") << QStringList{} << int(fgr320x320) << QSize(320, 320);
    }
    void fenstergroesse()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(int, groesse);
        QFETCH(QSize, felder);
        const TOpt o = Gelesen(zeilen);
        QCOMPARE(int(o.Fenster.FensterGroesse), groesse);
        QCOMPARE(QSize(o.Fenster.FensterBreite, o.Fenster.FensterHoehe), felder);
    }

    void voreingestellteGroessen()
    {
        TOpt::TFenster f{fgrIndividuell, 640, 480, 0, 0, false};
        const QList<QSize> erwartet{{0, 0}, {320, 320}, {320, 533}, {480, 800}, {640, 480}};
        for (int g = fgrUnbekannt; g <= fgrIndividuell; ++g)
            QCOMPARE(FensterGroesse_2_Groesse(TQIV_FensterGroesse_Erw(g), f), erwartet.at(g));
        QCOMPARE(Groesse_2_FensterGroesse(QSize(480, 800), f), fgr480x800);
        QCOMPARE(Groesse_2_FensterGroesse(QSize(700, 700), f), fgrIndividuell);
        // Presets are tried first, even when the own size is the same.
        f.FensterBreite = 320;
        f.FensterHoehe = 533;
        QCOMPARE(Groesse_2_FensterGroesse(QSize(320, 533), f), fgr320x533);
    }

    void hinweisZeigen()
    {
        const QList<std::pair<QStringList, TQIV_HinweisZeigen_Erw>> faelle{
            {{"BelDrHinw=7"}, hizJa},          {{}, hizJa},
            {{"BelDrHinw="}, hizJa},           {{"BelDrHinw=N"}, hizNein},
            {{"BelDrHinw=30"}, hiz30Sekunden}, {{"BelDrHinw=U"}, hizUnbekannt}};
        for (const auto& [zeilen, wert] : faelle)
            QCOMPARE(Gelesen(zeilen).Belegdruck.HinweisZeigen, wert);
        for (int i = hizUnbekannt; i <= hizJa; ++i)
            QCOMPARE(int(O::HinweisZeigen_Kuerzel_2_Type(O::HinweisZeigen_Type_2_Kuerzel(TQIV_HinweisZeigen_Erw(i)))),
                     i);
    }

    void zeichenUndZahlen()
    {
        const TOpt o = Gelesen({"NaSoPakVers=Ja", "WBSGEinL=", "UHPrioTiInt=zehn", "UHPrioAMin=-5", "LAGZUFIL=x",
                                "ALFSLiLO=99999", "ALFSLiArt= 8 ", "KuBeWagenAnz= 12 "});
        QCOMPARE(o.NachsortAllg.Paketversand, QChar(u'J')); // the first character
        QCOMPARE(o.Einlagerung.WBSGesEinlagerung, QChar(u'N'));
        QCOMPARE(o.UmlagHL.PrioTimerIntervall, 10u);
        QCOMPARE(o.UmlagHL.PrioAufschiebenMin, 20u);
        QCOMPARE(o.ManuLagerBew.LagerZugFil, 0);
        QCOMPARE(o.Lagerinfo.ListeFontSizeLO, qint16(11));
        QCOMPARE(o.Lagerinfo.ListeFontSizeArt, qint16(8));
        QCOMPARE(o.NachsortKube.WagenAnz, 12);
        QCOMPARE(o.Bearbeitung.DruckerLZV, QStringLiteral("WBS-Konfig")); // read to the end
    }

    void spaltenlisten()
    {
        auto k = [](int s) { return CZAM_AufgabenListe_Spalte_2_Kuerzel(s) + "#&"; };
        QCOMPARE(Gelesen({"SpSiNs=" + k(26) + k(72) + "UNBEKANNT#&" + k(69) + k(79)}).Nachsort.ListeSpalten,
                 (QList<int>{26, 69, 79}));
        // Only dropped columns: empty, not the fallback.
        QVERIFY(Gelesen({"SpSiNs=" + k(72) + k(70) + k(78)}).Nachsort.ListeSpalten.isEmpty());

        const QString lag = CZAM_SucheListeCols_2_Kuerzel(1), me = CZAM_SucheListeCols_2_Kuerzel(10);
        const TOpt o =
            Gelesen({"SpSiLiLO=" + me + "#&??#&" + lag, "SpSiLiArt=" + lag + "#&#&" + me, "SortNs=??", "SortLiArt=??"});
        QCOMPARE(o.Lagerinfo.ListeSpaltenLO, (QList<int>{10, 1}));
        QCOMPARE(o.Lagerinfo.ListeSpaltenArt, (QList<int>{1, 10}));
        QCOMPARE(o.Nachsort.Sortierung, CZAM_AufgabenListe_Spalte_Keine);
        QCOMPARE(o.Lagerinfo.SortierungArt, CSucheListeCol_Keine);

        // A column without code is registered; the list is stored empty.
        QCOMPARE(O::SpaltenArray_2_String_Lagerinfo({1, 21}), QString());
        QCOMPARE(O::SpaltenArray_2_String_Aufgabenliste({1, 85}), QString());
        QCOMPARE(FInfo.Fehler, (QStringList{"SpaltenArray_2_String_Lagerinfo", "SpaltenArray_2_String_Aufgabenliste"}));
    }

    void details()
    {
        const TQIV_AnzeigeInfo_MDE standard = TOpt::Standard().Nachsort.DetailAnzeige;
        auto k = [](int s) { return CZAM_AufgabenListe_Spalte_2_Kuerzel(s); };
        const QString text = O::Details_2_String(standard);
        QCOMPARE(text, QStringList({k(26), "", k(30), "", k(11), "", k(22), "", k(20), "", k(18), ""}).join(u','));
        QCOMPARE(O::String_2_Details(text), standard);
        TQIV_AnzeigeInfo_MDE e;
        e.LinksOben.Normal = 13;
        QCOMPARE(O::String_2_Details("\"" + k(13) + "\",\"\", ,,,,,,,,,"), e); // comma text may quote
        QVERIFY(FInfo.Fehler.isEmpty());

        // Another number of items registers and gives the default display.
        QCOMPARE(Gelesen({"DetaNs=" + k(13) + "," + k(14)}).Nachsort.DetailAnzeige, standard);
        QCOMPARE(O::String_2_Details(O::Details_2_String(Geaendert().Nachsort.DetailAnzeige) + ","), standard);
        QCOMPARE(FInfo.Fehler, (QStringList{"String_2_Details", "String_2_Details"}));
        e.RechtsUnten.Alternativ = 99;
        QCOMPARE(O::Details_2_String(e), QString());
        QCOMPARE(FInfo.Fehler.last(), QStringLiteral("Details_2_String"));
    }

    void ungueltigeZahlBeendetDasLesen()
    {
        using TPruefung = std::function<bool(const TOpt&)>;
        const TOpt g = Geaendert();
        const TOpt& d = TOpt::Standard();
        // Key; a field read before it; fields after it, which must keep the start values.
        const QList<std::tuple<const char*, TPruefung, TPruefung>> faelle{
            {"Praefix", [&](auto& o) { return o.UmlagHL == g.UmlagHL && o.Scanner.Praefix == d.Scanner.Praefix; },
             [&](auto& o) { return o.Scanner.WMCharAuswerten == d.Scanner.WMCharAuswerten && o.WEPlus == d.WEPlus; }},
            {"RandOben", [&](auto& o) { return o.Fenster.FensterGroesse == fgrIndividuell && o.WEPlus == g.WEPlus; },
             [&](auto& o) { return o.Fenster.RandUnten == 0 && o.NachsortAllg == d.NachsortAllg; }},
            {"RandUnten", [&](auto& o) { return o.Fenster.RandOben == g.Fenster.RandOben; },
             [&](auto& o) { return o.Fenster.AutomPositionsKorrektur == d.Fenster.AutomPositionsKorrektur; }},
            {"KuBeWagenAnz", [&](auto& o) { return o.NachsortKube.DatumFiltern && o.NachsortAllg == g.NachsortAllg; },
             [&](auto& o) { return !o.NachsortKube.EinPosFuerWagen && o.Einlagerung == d.Einlagerung; }},
        };
        for (const auto& [key, davor, danach] : faelle) {
            init();
            TOpt o = d;
            bool konvertFehler = false;
            try {
                O::Lesen(MitWert(QString::fromLatin1(key), QStringLiteral("12a")), o, Kontext());
            } catch (const EZAM_Exception& E) {
                konvertFehler = E.Koord() == CZAM_Info_Fehler_Standard_Konvertierung;
            }
            QVERIFY2(konvertFehler && davor(o) && danach(o), key);
            QVERIFY2(o.Belegdruck == d.Belegdruck && o.Bearbeitung == d.Bearbeitung, key);
            QCOMPARE(FLagerAngewendet, 0);
            QCOMPARE(FPraefixe.size(), qstrcmp(key, "Praefix") == 0 ? 0 : 1); // handed on only once read
        }

        // Other numbers fall back and the reading goes on to its end.
        init();
        TOpt e = g;
        e.UmlagHL.PrioTimerIntervall = 10;
        QCOMPARE(Gelesen(MitWert("UHPrioTiInt", "12a"), d), e);
        QCOMPARE(FLagerAngewendet, 1);
    }

    void reihenfolgeDerRueckrufe()
    {
        TOpt o = TOpt::Standard();
        QStringList gesehen;
        O::TKontext k = Kontext();
        k.PraefixSetzen = [&](TZAM_ShortCut A) {
            gesehen << QStringLiteral("Praefix %1 %2 %3")
                           .arg(A)
                           .arg(o.UmlagHL.PrioAufschiebenMax)
                           .arg(BoolToJN(o.Scanner.WMCharAuswerten));
        };
        k.LagerAnwenden = [&] {
            gesehen << QStringLiteral("Lager %1 %2 %3")
                           .arg(o.Allgemein.AktLager)
                           .arg(o.WeitereDrucker.ResBelDrucker, o.Bearbeitung.DruckerLZV);
        };
        QStringList l;
        O::Schreiben(l, Geaendert(), {});
        O::Lesen(l, o, k);
        // The prefix right after its key (before "WMChar"); the warehouse after "RESBELDruck",
        // before "DruckLZV".
        QCOMPARE(gesehen, (QStringList{"Praefix 16506 300 N", "Lager 7 ResBel "}));
        QCOMPARE(o.Bearbeitung.DruckerLZV, QStringLiteral("LZV"));

        // Writing: the prefix after its key, the warehouse after the last key.
        gesehen.clear();
        k.PraefixSetzen = [&](TZAM_ShortCut A) { gesehen << QStringLiteral("Praefix %1 %2").arg(A).arg(l.size()); };
        k.LagerAnwenden = [&] { gesehen << QStringLiteral("Lager %1").arg(l.size()); };
        O::Schreiben(l, Geaendert(), k);
        QCOMPARE(gesehen, (QStringList{"Praefix 16506 24", "Lager 63"}));
    }

    void suchlistenspalten()
    {
        QSet<QString> codes;
        for (int s = 1; s <= CSucheListeCol_Letzte; ++s) {
            const QString k = CZAM_SucheListeCols_2_Kuerzel(s);
            QVERIFY2(!k.isEmpty() && !codes.contains(k) && Kuerzel2SucheListeCols(k) == s, qPrintable(k));
            codes << k;
        }
        QCOMPARE(Kuerzel2SucheListeCols(QString()), CSucheListeCol_Keine);
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, CQIV_SucheListeCols(0));
        QCOMPARE(CSucheListeColArt().size(), 14);
        for (const QList<int>* set : {&CSucheListeColLO(), &CSucheListeColArt()}) {
            QCOMPARE(set->first(), 1);
            for (int s : *set)
                QVERIFY2(CQIV_SucheListeCols(s).Verwendbar, qPrintable(QString::number(s)));
        }
        for (int s : TOpt::Optionen_StdSpalten_LagerinfoLO())
            QVERIFY(CSucheListeColLO().contains(s));
        for (int s : TOpt::Optionen_StdSpalten_LagerinfoArt())
            QVERIFY(CSucheListeColArt().contains(s));
        QVERIFY(CSucheListeColArt().contains(TOpt::Standard().Lagerinfo.SortierungArt));
        for (int s : TOpt::Optionen_StdSpalten())
            QVERIFY(ZAMAufgabenliste_AuswaehlbareSpalten().contains(s));
    }
};

QTEST_GUILESS_MAIN(TestOptionenSpeicher)
#include "tst_optionenspeicher.moc"
