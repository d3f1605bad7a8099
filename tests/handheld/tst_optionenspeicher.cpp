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

// A record in which every group differs from the default.
TQIV_Optionen_OBMDE Geaendert()
{
    TQIV_Optionen_OBMDE o;
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

QStringList Schluessel(const QStringList& AListe)
{
    QStringList k;
    for (const QString& z : AListe)
        k << z.section(u'=', 0, 0);
    return k;
}

QString Wert(const QStringList& AListe, const QString& AKey)
{
    QString t;
    if (!FormStoreStringListAuslesen(AListe, AKey, t))
        return QStringLiteral("<fehlt>");
    return t;
}

// The lines of the changed record with one key set to AText.
QStringList MitWert(const QString& AKey, const QString& AText)
{
    QStringList l;
    O::Schreiben(l, Geaendert(), {});
    FormStoreStringListItemAdd(l, AKey, AText);
    return l;
}

} // namespace

class TestOptionenSpeicher : public QObject
{
    Q_OBJECT

    TFakeInfo FInfo;
    QList<int> FLaeger{3, 4};
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
        const TQIV_Optionen_OBMDE g = Geaendert();
        const TQIV_Optionen_OBMDE& d = TQIV_Optionen_OBMDE::Standard();
        QVERIFY(!(g.Allgemein == d.Allgemein) && !(g.Fenster == d.Fenster) && !(g.Scanner == d.Scanner));
        QVERIFY(!(g.WEPlus == d.WEPlus) && !(g.Nachsort == d.Nachsort) && !(g.NachsortKube == d.NachsortKube));
        QVERIFY(!(g.UmlagHL == d.UmlagHL) && !(g.Lagerinfo == d.Lagerinfo) && !(g.Belegdruck == d.Belegdruck));
        QVERIFY(!(g.WeitereDrucker == d.WeitereDrucker) && !(g.NachsortAllg == d.NachsortAllg));
        QVERIFY(!(g.Versandhilfe == d.Versandhilfe) && !(g.Einlagerung == d.Einlagerung));
        QVERIFY(!(g.ManuLagerBew == d.ManuLagerBew) && !(g.Bearbeitung == d.Bearbeitung));

        QStringList l;
        O::Schreiben(l, g, Kontext());
        TQIV_Optionen_OBMDE o = d;
        O::Lesen(l, o, Kontext());
        QCOMPARE(o, g);
        QCOMPARE(FPraefixe, (QList<TZAM_ShortCut>{g.Scanner.Praefix, g.Scanner.Praefix}));
        QCOMPARE(FLagerAngewendet, 2);
        QVERIFY(FInfo.Fehler.isEmpty());

        // The re-sort parameter lives elsewhere: reading leaves it alone.
        o.Nachsort.SofortvollzugOhneWBS = true;
        O::Lesen(l, o, Kontext());
        QVERIFY(o.Nachsort.SofortvollzugOhneWBS);
    }

    void rundreiseDerStandardsUndDerLeerenCodes()
    {
        // A preset size reads back as 320 x 320 fields; everything else as it was.
        QStringList l;
        O::Schreiben(l, TQIV_Optionen_OBMDE::Standard(), Kontext());
        TQIV_Optionen_OBMDE o = Geaendert();
        O::Lesen(l, o, Kontext());
        TQIV_Optionen_OBMDE e = TQIV_Optionen_OBMDE::Standard();
        e.Fenster.FensterBreite = e.Fenster.FensterHoehe = 320;
        QCOMPARE(o, e);
        QCOMPARE(FLagerAngewendet, 0); // no warehouse chosen: nothing to apply

        // The code of 0 is a blank, which a store may lose.
        TQIV_Optionen_OBMDE n = TQIV_Optionen_OBMDE::Standard();
        n.WEPlus.GeordnetUnsortiert = wpvUnbekannt;
        n.WEPlus.WeiterberarbGeordnet = wpwUnbekannt;
        n.WEPlus.ArtikelOhneDispo = aodUnbekannt;
        n.WEPlus.EtikDruckVersand = wpeUnbekannt;
        n.Belegdruck.HinweisZeigen = hizUnbekannt;
        n.Fenster = {fgrUnbekannt, 320, 320, 0, 0, false};
        O::Schreiben(l, n, {});
        QCOMPARE(Wert(l, QStringLiteral("WPGeoUnsort")), QStringLiteral(" "));
        for (QString& z : l)
            z = z.trimmed();
        o = Geaendert();
        O::Lesen(l, o, Kontext());
        QCOMPARE(o.WEPlus, n.WEPlus);
        QCOMPARE(o.Belegdruck.HinweisZeigen, hizUnbekannt);
        QCOMPARE(o.Fenster.FensterGroesse, fgrUnbekannt);
    }

    void jederWertHatSeinenSchluessel()
    {
        // Change one truth value or number at a time: reading and writing again must change that
        // line only (catches two fields sharing or swapping a key).
        TQIV_Optionen_OBMDE b = TQIV_Optionen_OBMDE::Standard();
        b.Allgemein.AktLager = 7;
        b.Fenster = {fgrIndividuell, 640, 480, 0, 0, false};
        b.WEPlus.EtikDruckVersand = wpeImmer; // its default code "N" is no truth value
        QStringList basis;
        O::Schreiben(basis, b, Kontext());
        int geprueft = 0;
        for (int i = 0; i < basis.size(); ++i) {
            const QString key = basis.at(i).section(u'=', 0, 0);
            const QString wert = basis.at(i).section(u'=', 1);
            bool zahl = false;
            const int n = wert.toInt(&zahl);
            QString neu;
            if (wert == QLatin1String("J") || wert == QLatin1String("N"))
                neu = wert == QLatin1String("J") ? QStringLiteral("N") : QStringLiteral("J");
            else if (zahl)
                neu = QString::number(n + 3);
            else
                continue;
            QStringList erwartet = basis;
            erwartet[i] = key + u'=' + neu;
            TQIV_Optionen_OBMDE o = b;
            O::Lesen(erwartet, o, Kontext());
            QStringList l;
            O::Schreiben(l, o, Kontext());
            QVERIFY2(l == erwartet, qPrintable(key));
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
        QStringList l{QStringLiteral("Alt=1"), QStringLiteral("SortNs=x")};
        O::Schreiben(l, TQIV_Optionen_OBMDE::Standard(), Kontext());
        QCOMPARE(Schluessel(l), erwartet);

        // Stored forms of the defaults.
        QCOMPARE(Wert(l, "ALFSNs"), QStringLiteral("11"));
        QCOMPARE(Wert(l, "SortNs"), CZAM_AufgabenListe_Spalte_2_Kuerzel(11));
        QCOMPARE(Wert(l, "SortLiArt"), CZAM_SucheListeCols_2_Kuerzel(9));
        QCOMPARE(Wert(l, "SpSiNs"), QString());
        QCOMPARE(Wert(l, "AktFil"), QStringLiteral("-1"));
        QCOMPARE(Wert(l, "BildSGr"), QStringLiteral("320"));
        QCOMPARE(Wert(l, "Praefix"), QStringLiteral("122"));
        QCOMPARE(Wert(l, "NKWeBe"), QStringLiteral("J"));
        QCOMPARE(Wert(l, "APosKorr"), QStringLiteral("N"));
        QCOMPARE(Wert(l, "WPGeoUnsort"), QStringLiteral("F"));
        QCOMPARE(Wert(l, "WPArtOhneDI"), QStringLiteral("I"));
        QCOMPARE(Wert(l, "WPEDAllg"), QStringLiteral("S"));
        QCOMPARE(Wert(l, "WPEDVers"), QStringLiteral("N"));
        QCOMPARE(Wert(l, "WPEDFA"), QStringLiteral("A"));
        QCOMPARE(Wert(l, "NaSoPakVers"), QStringLiteral("N"));
        QCOMPARE(Wert(l, "BelDrHinw"), QStringLiteral("J"));

        // Width and height only for an own size.
        TQIV_Optionen_OBMDE o = Geaendert();
        o.Fenster.FensterGroesse = fgr480x800;
        O::Schreiben(l, o, Kontext());
        QCOMPARE(Wert(l, "BildSGr"), QStringLiteral("480x800"));
        QCOMPARE(Wert(l, "BildSBr"), QStringLiteral("0"));
        QCOMPARE(Wert(l, "BildSHoe"), QStringLiteral("0"));
        QCOMPARE(Wert(l, "SpSiNs"),
                 QStringList({CZAM_AufgabenListe_Spalte_2_Kuerzel(11), CZAM_AufgabenListe_Spalte_2_Kuerzel(40),
                              CZAM_AufgabenListe_Spalte_2_Kuerzel(0), CZAM_AufgabenListe_Spalte_2_Kuerzel(83)})
                     .join(QStringLiteral("#&")));
        QCOMPARE(Wert(l, "BelDrHinw"), QStringLiteral("5"));
    }

    void fehlendeSchluesselGebenDieStandards()
    {
        TQIV_Optionen_OBMDE o = TQIV_Optionen_OBMDE::Standard();
        O::Lesen({}, o, Kontext());
        TQIV_Optionen_OBMDE e = TQIV_Optionen_OBMDE::Standard();
        e.Nachsort.ListeSpalten = {26, 30, 11, 22, 79};
        e.Lagerinfo.ListeSpaltenLO = {1, 5, 8, 9, 10};
        e.Lagerinfo.ListeSpaltenArt = {1, 3, 5, 9, 10};
        e.Fenster.FensterBreite = e.Fenster.FensterHoehe = 320;
        e.Allgemein.DruckerWBS = QStringLiteral("WBS-Konfig");      // type 0 configured
        e.Belegdruck.DruckerARE = QStringLiteral("System-Drucker"); // type 1 blank: the machine's
        e.Belegdruck.DruckerRetScheine = QStringLiteral("System-Drucker");
        e.WeitereDrucker.ResBelDrucker = QStringLiteral("WBS-Konfig"); // type 1 blank: the slip printer
        e.Bearbeitung.DruckerLZV = QStringLiteral("WBS-Konfig");
        QCOMPARE(o, e);
        QCOMPARE(FLagerAngewendet, 0); // two warehouses: none chosen
        QCOMPARE(FPraefixe, QList<TZAM_ShortCut>{CZAM_ShortCut_F11});
        QVERIFY(FInfo.Fehler.isEmpty());

        // Two warehouses keep the chosen one; the only warehouse is taken and applied.
        o.Allgemein.AktLager = 4;
        O::Lesen({}, o, Kontext());
        QCOMPARE(o.Allgemein.AktLager, 4);
        FLaeger = {5};
        o.Allgemein.AktLager = -1;
        O::Lesen({}, o, Kontext());
        QCOMPARE(o.Allgemein.AktLager, 5);
        QCOMPARE(FLagerAngewendet, 2);
        // A stored warehouse wins over the only one.
        O::Lesen({QStringLiteral("AktFil=3")}, o, Kontext());
        QCOMPARE(o.Allgemein.AktLager, 3);
        O::Lesen({QStringLiteral("AktFil=drei")}, o, Kontext());
        QCOMPARE(o.Allgemein.AktLager, -1);
    }

    void druckerRueckfall()
    {
        O::TKontext k = Kontext();
        k.SystemDrucker = [] { return QStringLiteral("  "); };
        TQIV_Optionen_OBMDE o = Geaendert();
        O::Lesen({}, o, k);
        QCOMPARE(o.Allgemein.DruckerWBS, QStringLiteral("WBS-Konfig"));
        // Nothing configured and no machine printer: the fields keep their values.
        QCOMPARE(o.Belegdruck.DruckerARE, Geaendert().Belegdruck.DruckerARE);
        QCOMPARE(o.Belegdruck.DruckerRetScheine, Geaendert().Belegdruck.DruckerRetScheine);

        k.DruckerNachTyp = [](int ATyp) { return ATyp == 1 ? QStringLiteral("Typ1") : QString(); };
        O::Lesen({}, o, k);
        QCOMPARE(o.Allgemein.DruckerWBS, QStringLiteral("WBS-Konfig"));
        QCOMPARE(o.Belegdruck.DruckerARE, QStringLiteral("Typ1"));
        QCOMPARE(o.WeitereDrucker.ResBelDrucker, QStringLiteral("Typ1"));
        QCOMPARE(o.Bearbeitung.DruckerLZV, QStringLiteral("WBS-Konfig"));

        // A stored empty text is a choice, not a missing key.
        O::Lesen({QStringLiteral("DruckARE="), QStringLiteral("DruckWBS=W"), QStringLiteral("RESBELDruck=")}, o, k);
        QCOMPARE(o.Belegdruck.DruckerARE, QString());
        QCOMPARE(o.WeitereDrucker.ResBelDrucker, QString());
        QCOMPARE(o.Bearbeitung.DruckerLZV, QStringLiteral("W"));
    }

    void fenstergroesse_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<QSize>("felder");
        QTest::newRow("eigene ohne Breite")
            << QStringList{"BildSGr=I", "BildSBr=0", "BildSHoe=600"} << int(fgrIndividuell) << QSize(320, 320);
        QTest::newRow("eigene") << QStringList{"BildSGr=I", "BildSBr=640", "BildSHoe=480"} << int(fgrIndividuell)
                                << QSize(640, 480);
        QTest::newRow("eigene Breite keine Zahl")
            << QStringList{"BildSGr=I", "BildSBr=x", "BildSHoe=480"} << int(fgrIndividuell) << QSize(320, 320);
        QTest::newRow("eigene ohne Felder") << QStringList{"BildSGr=I"} << int(fgrIndividuell) << QSize(320, 320);
        QTest::newRow("unbekannter Text") << QStringList{"BildSGr=640"} << int(fgr320x320) << QSize(320, 320);
        QTest::newRow("480x800 liest keine Felder")
            << QStringList{"BildSGr=480x800", "BildSBr=640", "BildSHoe=480"} << int(fgr480x800) << QSize(320, 320);
        QTest::newRow("320x533") << QStringList{"BildSGr=320x533"} << int(fgr320x533) << QSize(320, 320);
        QTest::newRow("unbekannt") << QStringList{"BildSGr=U"} << int(fgrUnbekannt) << QSize(320, 320);
        QTest::newRow("fehlt") << QStringList{} << int(fgr320x320) << QSize(320, 320);
    }
    void fenstergroesse()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(int, groesse);
        QFETCH(QSize, felder);
        TQIV_Optionen_OBMDE o = Geaendert();
        O::Lesen(zeilen, o, Kontext());
        QCOMPARE(int(o.Fenster.FensterGroesse), groesse);
        QCOMPARE(QSize(o.Fenster.FensterBreite, o.Fenster.FensterHoehe), felder);
    }

    void voreingestellteGroessen()
    {
        TQIV_Optionen_OBMDE::TFenster f{fgrIndividuell, 320, 320, 0, 0, false};
        QCOMPARE(FensterGroesse_2_Groesse(fgrUnbekannt, f), QSize(0, 0));
        QCOMPARE(FensterGroesse_2_Groesse(fgr320x320, f), QSize(320, 320));
        QCOMPARE(FensterGroesse_2_Groesse(fgr320x533, f), QSize(320, 533));
        QCOMPARE(FensterGroesse_2_Groesse(fgr480x800, f), QSize(480, 800));
        f.FensterBreite = 640;
        f.FensterHoehe = 480;
        QCOMPARE(FensterGroesse_2_Groesse(fgrIndividuell, f), QSize(640, 480));
        QCOMPARE(FensterGroesse_2_Groesse(f), QSize(640, 480));
        f.FensterGroesse = fgr320x533;
        QCOMPARE(FensterGroesse_2_Groesse(f), QSize(320, 533));

        QCOMPARE(Groesse_2_FensterGroesse(QSize(0, 0), f), fgrUnbekannt);
        QCOMPARE(Groesse_2_FensterGroesse(QSize(480, 800), f), fgr480x800);
        QCOMPARE(Groesse_2_FensterGroesse(QSize(640, 480), f), fgrIndividuell);
        QCOMPARE(Groesse_2_FensterGroesse(QSize(700, 700), f), fgrIndividuell);
        // Presets are tried first, even when the own size is the same.
        f.FensterBreite = 320;
        f.FensterHoehe = 533;
        QCOMPARE(Groesse_2_FensterGroesse(QSize(320, 533), f), fgr320x533);
    }

    void hinweisZeigen_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<int>("wert");
        QTest::newRow("7") << QStringList{"BelDrHinw=7"} << int(hizJa);
        QTest::newRow("fehlt") << QStringList{} << int(hizJa);
        QTest::newRow("leer") << QStringList{"BelDrHinw="} << int(hizJa);
        QTest::newRow("Nein") << QStringList{"BelDrHinw=N"} << int(hizNein);
        QTest::newRow("5") << QStringList{"BelDrHinw=5"} << int(hiz5Sekunden);
        QTest::newRow("30") << QStringList{"BelDrHinw=30"} << int(hiz30Sekunden);
        QTest::newRow("U") << QStringList{"BelDrHinw=U"} << int(hizUnbekannt);
    }
    void hinweisZeigen()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(int, wert);
        TQIV_Optionen_OBMDE o = Geaendert();
        O::Lesen(zeilen, o, Kontext());
        QCOMPARE(int(o.Belegdruck.HinweisZeigen), wert);
    }

    void einzelcodesHinUndZurueck()
    {
        for (int i = fgrUnbekannt; i <= fgrIndividuell; ++i)
            QCOMPARE(
                int(O::FensterGroesse_Kuerzel_2_Type(O::FensterGroesse_Type_2_Kuerzel(TQIV_FensterGroesse_Erw(i)))), i);
        for (int i = hizUnbekannt; i <= hizJa; ++i)
            QCOMPARE(int(O::HinweisZeigen_Kuerzel_2_Type(O::HinweisZeigen_Type_2_Kuerzel(TQIV_HinweisZeigen_Erw(i)))),
                     i);
        for (int i = 0; i <= 3; ++i) {
            QCOMPARE(int(O::WEPVorgehensweise_Kuerzel_2_Type(
                         O::WEPVorgehensweise_Type_2_Kuerzel(TQIV_WEPVorgehensweise(i)))),
                     i);
            QCOMPARE(int(O::WEPWeiterarbeit_Kuerzel_2_Type(O::WEPWeiterarbeit_Type_2_Kuerzel(TQIV_WEPWeiterarbeit(i)))),
                     i);
            QCOMPARE(int(O::WEPArtikelOhneDispo_Kuerzel_2_Type(
                         O::WEPArtikelOhneDispo_Type_2_Kuerzel(TQIV_WEPArtikelOhneDispo(i)))),
                     i);
        }
        for (int i = wpeUnbekannt; i <= wpeNie; ++i)
            QCOMPARE(int(O::WEPEtikettendruck_Kuerzel_2_Type(
                         O::WEPEtikettendruck_Type_2_Kuerzel(TQIV_WEPEtikettendruck(i)), wpeNie)),
                     i);

        // Unknown stored codes give each field's default.
        TQIV_Optionen_OBMDE o = Geaendert();
        O::Lesen({"WPGeoUnsort=X", "WPWeiterGeo=X", "WPArtOhneDI=X", "WPEDAllg=X", "WPEDVers=X", "WPEDFA=X"}, o,
                 Kontext());
        QCOMPARE(o.WEPlus.GeordnetUnsortiert, wpvFragen);
        QCOMPARE(o.WEPlus.WeiterberarbGeordnet, wpwFragen);
        QCOMPARE(o.WEPlus.ArtikelOhneDispo, aodImmerEinlagern);
        QCOMPARE(o.WEPlus.EtikDruckAllg, wpeStandard);
        QCOMPARE(o.WEPlus.EtikDruckVersand, wpeNie);
        QCOMPARE(o.WEPlus.EtikDruckFA, wpeAllgemein);

        // A value outside its enumeration cannot be written.
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, O::FensterGroesse_Type_2_Kuerzel(TQIV_FensterGroesse_Erw(5)));
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, O::HinweisZeigen_Type_2_Kuerzel(TQIV_HinweisZeigen_Erw(-1)));
    }

    void zeichenUndZahlen()
    {
        TQIV_Optionen_OBMDE o = Geaendert();
        O::Lesen({"NaSoPakVers=Ja", "WBSGEinL=", "UHPrioTiInt=zehn", "UHPrioAMin=-5", "UHFertigDel=1x", "LAGZUFIL=x",
                  "ALFSNs=gross", "ALFSLiLO=99999", "ALFSLiArt= 8 ", "KuBeWagenAnz= 12 "},
                 o, Kontext());
        QCOMPARE(o.NachsortAllg.Paketversand, QChar(u'J')); // the first character
        QCOMPARE(o.Einlagerung.WBSGesEinlagerung, QChar(u'N'));
        QCOMPARE(o.UmlagHL.PrioTimerIntervall, 10u);
        QCOMPARE(o.UmlagHL.PrioAufschiebenMin, 20u);
        QCOMPARE(o.UmlagHL.FertigeLoeschenTage, 3);
        QCOMPARE(o.ManuLagerBew.LagerZugFil, 0);
        QCOMPARE(o.Nachsort.ListeFontSize, qint16(11));
        QCOMPARE(o.Lagerinfo.ListeFontSizeLO, qint16(11));
        QCOMPARE(o.Lagerinfo.ListeFontSizeArt, qint16(8));
        QCOMPARE(o.NachsortKube.WagenAnz, 12);
        // The numbers that only fall back do not stop the reading.
        QCOMPARE(o.Bearbeitung.DruckerLZV, QStringLiteral("WBS-Konfig"));
        QVERIFY(FInfo.Fehler.isEmpty());
    }

    void spaltenlisten()
    {
        const QString t = QStringLiteral("#&");
        const QString k72 = CZAM_AufgabenListe_Spalte_2_Kuerzel(72);
        const QString k70 = CZAM_AufgabenListe_Spalte_2_Kuerzel(70);
        const QString k78 = CZAM_AufgabenListe_Spalte_2_Kuerzel(78);
        QVERIFY(!k72.isEmpty() && !k70.isEmpty() && !k78.isEmpty());
        const QString k26 = CZAM_AufgabenListe_Spalte_2_Kuerzel(26);
        const QString k69 = CZAM_AufgabenListe_Spalte_2_Kuerzel(69);
        const QString k79 = CZAM_AufgabenListe_Spalte_2_Kuerzel(79);

        TQIV_Optionen_OBMDE o = TQIV_Optionen_OBMDE::Standard();
        O::Lesen({"SpSiNs=" + k26 + t + k72 + t + "UNBEKANNT" + t + k69 + t + k79}, o, Kontext());
        QCOMPARE(o.Nachsort.ListeSpalten, (QList<int>{26, 69, 79}));
        // Only dropped columns: empty, not the fallback.
        O::Lesen({"SpSiNs=" + k72 + t + k70 + t + k78}, o, Kontext());
        QVERIFY(o.Nachsort.ListeSpalten.isEmpty());
        O::Lesen({QStringLiteral("SpSiNs=")}, o, Kontext());
        QVERIFY(o.Nachsort.ListeSpalten.isEmpty());

        const QString lag = CZAM_SucheListeCols_2_Kuerzel(1);
        const QString me = CZAM_SucheListeCols_2_Kuerzel(10);
        O::Lesen({"SpSiLiLO=" + me + t + "??" + t + lag, "SpSiLiArt=" + lag + t + t + me}, o, Kontext());
        QCOMPARE(o.Lagerinfo.ListeSpaltenLO, (QList<int>{10, 1}));
        QCOMPARE(o.Lagerinfo.ListeSpaltenArt, (QList<int>{1, 10}));
        QCOMPARE(O::String_2_SpaltenArray_Lagerinfo(O::SpaltenArray_2_String_Lagerinfo({19, 2, 5})),
                 (QList<int>{19, 2, 5}));

        // Sort columns: an unknown code is "none" of its list.
        O::Lesen({QStringLiteral("SortNs=??"), QStringLiteral("SortLiArt=??")}, o, Kontext());
        QCOMPARE(o.Nachsort.Sortierung, CZAM_AufgabenListe_Spalte_Keine);
        QCOMPARE(o.Lagerinfo.SortierungArt, CSucheListeCol_Keine);

        // A column without code is registered; the list is stored empty.
        QCOMPARE(O::SpaltenArray_2_String_Lagerinfo({1, 21}), QString());
        QCOMPARE(O::SpaltenArray_2_String_Aufgabenliste({1, 85}), QString());
        QCOMPARE(FInfo.Fehler, (QStringList{"SpaltenArray_2_String_Lagerinfo", "SpaltenArray_2_String_Aufgabenliste"}));
    }

    void details()
    {
        const TQIV_AnzeigeInfo_MDE standard = TQIV_Optionen_OBMDE::Standard().Nachsort.DetailAnzeige;
        const QString text = O::Details_2_String(standard);
        auto k = [](int s) { return CZAM_AufgabenListe_Spalte_2_Kuerzel(s); };
        QCOMPARE(text, QStringList({k(26), k(84), k(30), k(84), k(11), k(84), k(22), k(84), k(20), k(84), k(18), k(84)})
                           .join(u','));
        QCOMPARE(O::String_2_Details(text), standard);
        // Quoted items of comma text are read too.
        TQIV_AnzeigeInfo_MDE e;
        e.LinksOben.Normal = 13;
        QCOMPARE(O::String_2_Details("\"" + k(13) + "\",\"\", ,,,,,,,,,"), e);
        QVERIFY(FInfo.Fehler.isEmpty());

        // Another number of items registers and gives the default display.
        TQIV_Optionen_OBMDE o = Geaendert();
        O::Lesen({"DetaNs=" + k(13) + "," + k(14)}, o, Kontext());
        QCOMPARE(o.Nachsort.DetailAnzeige, standard);
        QCOMPARE(FInfo.Fehler, QStringList{"String_2_Details"});
        TQIV_AnzeigeInfo_MDE falsch = standard;
        falsch.RechtsUnten.Alternativ = 99;
        QCOMPARE(O::Details_2_String(falsch), QString());
        QCOMPARE(FInfo.Fehler.last(), QStringLiteral("Details_2_String"));
    }

    void ungueltigeZahlBeendetDasLesen()
    {
        struct TFall
        {
            const char* Key;
            std::function<bool(const TQIV_Optionen_OBMDE&)> DavorGelesen;
            std::function<bool(const TQIV_Optionen_OBMDE&)> DanachUnveraendert;
        };
        const TQIV_Optionen_OBMDE g = Geaendert();
        const TQIV_Optionen_OBMDE d = TQIV_Optionen_OBMDE::Standard();
        const QList<TFall> faelle{
            {"Praefix", [&](auto& o) { return o.UmlagHL == g.UmlagHL && o.Scanner.Praefix == d.Scanner.Praefix; },
             [&](auto& o) { return o.Scanner.WMCharAuswerten == d.Scanner.WMCharAuswerten && o.WEPlus == d.WEPlus; }},
            {"RandOben", [&](auto& o) { return o.Fenster.FensterGroesse == fgrIndividuell && o.WEPlus == g.WEPlus; },
             [&](auto& o) {
                 return o.Fenster.RandUnten == d.Fenster.RandUnten && o.NachsortAllg == d.NachsortAllg &&
                        o.Belegdruck == d.Belegdruck;
             }},
            {"RandUnten", [&](auto& o) { return o.Fenster.RandOben == g.Fenster.RandOben; },
             [&](auto& o) { return o.Fenster.AutomPositionsKorrektur == d.Fenster.AutomPositionsKorrektur; }},
            {"KuBeWagenAnz", [&](auto& o) { return o.NachsortKube.DatumFiltern && o.NachsortAllg == g.NachsortAllg; },
             [&](auto& o) {
                 return o.NachsortKube.EinPosFuerWagen == d.NachsortKube.EinPosFuerWagen &&
                        o.Einlagerung == d.Einlagerung && o.Bearbeitung == d.Bearbeitung;
             }},
        };
        for (const TFall& f : faelle) {
            init();
            TQIV_Optionen_OBMDE o = d;
            bool konvertFehler = false;
            try {
                O::Lesen(MitWert(QString::fromLatin1(f.Key), QStringLiteral("12a")), o, Kontext());
            } catch (const EZAM_Exception& E) {
                konvertFehler = E.Koord() == CZAM_Info_Fehler_Standard_Konvertierung;
            }
            QVERIFY2(konvertFehler, f.Key);
            QVERIFY2(f.DavorGelesen(o), f.Key);
            QVERIFY2(f.DanachUnveraendert(o), f.Key);
            QVERIFY2(o.WeitereDrucker == d.WeitereDrucker, f.Key);
            QCOMPARE(FLagerAngewendet, 0);
            // The prefix is only handed on once read.
            QCOMPARE(FPraefixe.size(), qstrcmp(f.Key, "Praefix") == 0 ? 0 : 1);
        }
        init();
        TQIV_Optionen_OBMDE o = d;
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, O::Lesen(MitWert("Praefix", "F11"), o, Kontext()));
        QVERIFY(FPraefixe.isEmpty());

        // Other numbers fall back and the reading goes on to its end.
        o = d;
        O::Lesen(MitWert("UHPrioTiInt", "12a"), o, Kontext());
        TQIV_Optionen_OBMDE e = g;
        e.UmlagHL.PrioTimerIntervall = 10;
        QCOMPARE(o, e);
        QCOMPARE(FLagerAngewendet, 1);
    }

    void reihenfolgeDerRueckrufe()
    {
        TQIV_Optionen_OBMDE o = TQIV_Optionen_OBMDE::Standard();
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
        // The prefix is set after its own key, before "WMChar"; the warehouse is applied after
        // "RESBELDruck" and before "DruckLZV" is read.
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
            QVERIFY2(!k.isEmpty() && !codes.contains(k), qPrintable(k));
            codes << k;
            QCOMPARE(Kuerzel2SucheListeCols(k), s);
            QVERIFY(!CQIV_SucheListeCols(s).Caption.isEmpty());
        }
        QCOMPARE(CZAM_SucheListeCols_2_Kuerzel(CSucheListeCol_Keine), QString());
        QCOMPARE(Kuerzel2SucheListeCols(QString()), CSucheListeCol_Keine);
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, CQIV_SucheListeCols(0));
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, CZAM_SucheListeCols_2_Kuerzel(21));

        QVERIFY(CQIV_SucheListeCols(1).Verwendbar);
        QCOMPARE(CSucheListeColArt().size(), 14);
        for (const QList<int>* set : {&CSucheListeColLO(), &CSucheListeColArt()}) {
            QCOMPARE(set->first(), 1);
            QCOMPARE(QSet<int>(set->begin(), set->end()).size(), set->size());
            for (int s : *set)
                QVERIFY2(CQIV_SucheListeCols(s).Verwendbar, qPrintable(QString::number(s)));
        }
        for (int s : TQIV_Optionen_OBMDE::Optionen_StdSpalten_LagerinfoLO())
            QVERIFY(CSucheListeColLO().contains(s));
        for (int s : TQIV_Optionen_OBMDE::Optionen_StdSpalten_LagerinfoArt())
            QVERIFY(CSucheListeColArt().contains(s));
        QVERIFY(CSucheListeColArt().contains(TQIV_Optionen_OBMDE::Standard().Lagerinfo.SortierungArt));
        // The fallback task-list columns can all be chosen.
        for (int s : TQIV_Optionen_OBMDE::Optionen_StdSpalten())
            QVERIFY(ZAMAufgabenliste_AuswaehlbareSpalten().contains(s));
    }
};

QTEST_GUILESS_MAIN(TestOptionenSpeicher)
#include "tst_optionenspeicher.moc"
