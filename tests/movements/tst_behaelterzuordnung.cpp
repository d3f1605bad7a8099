// Containers assigned to customer-order documents on the demo site, both engines: a position's
// reference finds the document's open container for a process combination (with the container
// holding it), a container goes to one document and one combination only, the order type
// follows the warehouses, and the reservation document is printed only when the site asks.
#include "Glob_WWSServerFactoryClass.h"
#include "TDM_Torvik.h"
#include "TLVLZMani.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Hausregel.h"
#include "TZAM_ReservierungDruck.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QDir>
#include <QProcess>
#include <QTest>

namespace {

const TIntTrio CBeh9{5, 0, 9}, CBeh10{5, 0, 10}, CBeh11{5, 0, 11};
const TIntTrio CLogo{1, 1, 1}, CNameNummer{1, 1, 2}, CKeine{1, 1, 3};

// The reference of a demo document's single position.
TZAM_PersArt_ExtVerweis Position(int ABelegNr)
{
    return TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, TIntTrio(1, ABelegNr, 0), 1);
}

QString PdfText(const QString& ADatei)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ADatei, QStringLiteral("-")});
    p.waitForFinished();
    // Ligatures of the font (ﬁ) read as their letters.
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

} // namespace

class TestBehaelterzuordnung : public QObject
{
    Q_OBJECT

    // The stored assignment of a place: reference kind, id, number, combination, order type,
    // status; empty when it has none.
    static QVariantList Zuordnung(TZAM_Datenbank& ADb, const TIntTrio& AOrt)
    {
        const TZAM_Zeilen z = ADb.Lesen(
            QStringLiteral("SELECT verweis_art, verweis_id1, verweis_id2, verweis_id3, verweis_nummer, vk_id1, vk_id2, "
                           "vk_id3, auftragstyp, status FROM zam_lvlz WHERE lo_id1 = ? AND lo_id2 = ? AND lo_id3 = ?"),
            {AOrt.Id1, AOrt.Id2, AOrt.Id3});
        QVariantList r;
        if (!z.IsEmpty())
            for (const QVariant& v : z.Zeilen().first())
                r << v.toInt();
        return r;
    }

private Q_SLOTS:
    void zuordnenUndFinden_data() { ZAM_MotorenDaten(); }
    void zuordnenUndFinden()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        umg.DemoAnlegen();
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TDM_Torvik dm({QStringLiteral("prog")});
        QCOMPARE(dm.FAktLager, 1);
        TZAM_Behaelter beh;
        QString vater;

        // The demo's BEH-0011 waits for the names of 7003; nothing has the logo of 7003 yet.
        QVERIFY(dm.Behaelter_Exists_4_ExtVerweis(Position(7003), CNameNummer, bhsOffen, beh, vater));
        QCOMPARE(beh.Id, CBeh11);
        QCOMPARE(beh.Name, QStringLiteral("BEH-0011"));
        QVERIFY(!dm.Behaelter_Exists_4_ExtVerweis(Position(7003), CLogo, bhsOffen, beh, vater));
        QCOMPARE(beh, TZAM_Behaelter());

        TIntTrio beleg;
        QVERIFY(dm.Behaelter_ZuordnenZu_ExtVerweis(CBeh9, Position(7003), CLogo, 17, beleg));
        QCOMPARE(beleg, TIntTrio(1, 7003, 0));
        const QVariantList gespeichert{1, 1, 7003, 0, 0, 1, 1, 1, 1, int(bhsOffen)};
        QCOMPARE(Zuordnung(db, CBeh9), gespeichert);

        QVERIFY(dm.Behaelter_Exists_4_ExtVerweis(Position(7003), CLogo, bhsOffen, beh, vater));
        QCOMPARE(beh.Id, CBeh9);
        QCOMPARE(beh.Name, QStringLiteral("BEH-0009"));
        QCOMPARE(beh.Lager, 1);
        QCOMPARE(vater, QString());
        // Put into BEH-0010 on another device: the outer container is named.
        db.Schreiben(QStringLiteral("UPDATE zam_lagerort SET auf_id1 = ?, auf_id2 = ?, auf_id3 = ? "
                                    "WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                     {CBeh10.Id1, CBeh10.Id2, CBeh10.Id3, CBeh9.Id1, CBeh9.Id2, CBeh9.Id3});
        QVERIFY(dm.Behaelter_Exists_4_ExtVerweis(Position(7003), CLogo, bhsOffen, beh, vater));
        QCOMPARE(beh.Id, CBeh9);
        QCOMPARE(vater, QStringLiteral("BEH-0010"));

        // Another document, another combination: refused, the row stays; the same again is fine.
        const struct
        {
            const char* Name;
            int BelegNr;
            TIntTrio Kombi;
            bool Erwartet;
        } faelle[] = {
            {"anderer Beleg", 7001, CLogo, false},
            {"andere Kombination", 7003, CNameNummer, false},
            {"anderer Beleg und Kombination", 7002, CNameNummer, false},
            {"dasselbe noch einmal", 7003, CLogo, true},
        };
        for (const auto& f : faelle) {
            TIntTrio b;
            QVERIFY2(dm.Behaelter_ZuordnenZu_ExtVerweis(CBeh9, Position(f.BelegNr), f.Kombi, 17, b) == f.Erwartet,
                     f.Name);
            QCOMPARE(b, TIntTrio(1, f.BelegNr, 0));
            QCOMPARE(Zuordnung(db, CBeh9), gespeichert);
        }
        // BEH-0011 keeps its document's names.
        QVERIFY(!dm.Behaelter_ZuordnenZu_ExtVerweis(CBeh11, Position(7003), CLogo, 17, beleg));
        QCOMPARE(Zuordnung(db, CBeh11), (QVariantList{1, 1, 7003, 0, 0, 1, 1, 2, 1, int(bhsOffen)}));

        // Nothing for a combination, status or document without container.
        const struct
        {
            const char* Name;
            TZAM_PersArt_ExtVerweis Verweis;
            TIntTrio Kombi;
            TQIV_Behaelter_Status Status;
        } keine[] = {
            {"andere Kombination", Position(7003), CKeine, bhsOffen},
            {"anderer Status", Position(7003), CLogo, bhsUnbekannt},
            {"Beleg ohne Behälter", Position(7001), CLogo, bhsOffen},
            {"unbekannter Beleg", Position(9999), CLogo, bhsOffen},
            {"keine Kundenbestellung", TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_EXBI, {1, 7003, 0}, 1), CLogo,
             bhsOffen},
        };
        for (const auto& k : keine) {
            vater = QStringLiteral("alt");
            QVERIFY2(!dm.Behaelter_Exists_4_ExtVerweis(k.Verweis, k.Kombi, k.Status, beh, vater), k.Name);
            QCOMPARE(beh, TZAM_Behaelter());
            QCOMPARE(vater, QString());
        }

        // An unknown container is a registered failure, and nothing is written.
        const int vorher = umg.Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_lvlz"));
        QVERIFY(!dm.Behaelter_ZuordnenZu_ExtVerweis({5, 0, 99}, Position(7001), CLogo, 17, beleg));
        QCOMPARE(beleg, TIntTrio());
        QVERIFY2(TZAM_Hausregel::LetzterFehler().contains(QStringLiteral("Behaelter = ")),
                 qPrintable(TZAM_Hausregel::LetzterFehler()));
        QCOMPARE(umg.Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_lvlz")), vorher);
        ZAMInfo().GezeigteMeldungenHolen();
    }

    // Order type 1 when the target branch belongs to the container's warehouse, seen from the
    // current warehouse or from another one.
    void auftragstyp_data() { ZAM_MotorenDaten(); }
    void auftragstyp()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        umg.DemoAnlegen();
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TDM_Torvik dm({QStringLiteral("prog")});
        const struct
        {
            const char* Name;
            int AktLager;
            qint16 Ziel;
            int Typ;
        } faelle[] = {
            {"eigenes Lager, seine Filiale", 1, 17, 1},
            {"eigenes Lager, Filiale eines anderen", 1, 40, 2},
            {"anderes Lager, Filiale des Behälterlagers", 3, 12, 1},
            {"anderes Lager, Filiale eines dritten", 3, 40, 2},
        };
        for (const auto& f : faelle) {
            db.Schreiben(QStringLiteral("DELETE FROM zam_lvlz WHERE lo_id1 = 5 AND lo_id2 = 0 AND lo_id3 = 9"));
            dm.SetAktLager(f.AktLager);
            TIntTrio beleg;
            QVERIFY2(dm.Behaelter_ZuordnenZu_ExtVerweis(CBeh9, Position(7001), CLogo, f.Ziel, beleg), f.Name);
            QVERIFY2(Zuordnung(db, CBeh9).value(8) == f.Typ, f.Name);
        }
    }

    // The manager on its own: two devices, the reference check, nothing for null keys.
    void manager_data() { ZAM_MotorenDaten(); }
    void manager()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        umg.DemoAnlegen();
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TLVLZMani geraet1, geraet2;
        const TIntTrio b7001(1, 7001, 0), b7002(1, 7002, 0);
        // The second device does not overwrite what the first assigned meanwhile.
        QVERIFY(geraet1.Behaelter_ZuordnenZu_KubeBelegId_u_VerfKombiId({}, false, CBeh9, b7001, CLogo, 1, true));
        QVERIFY(!geraet2.Behaelter_ZuordnenZu_KubeBelegId_u_VerfKombiId({}, false, CBeh9, b7002, CLogo, 1, true));
        QCOMPARE(Zuordnung(db, CBeh9), (QVariantList{1, 1, 7001, 0, 0, 1, 1, 1, 1, int(bhsOffen)}));
        // Again with the same document: the order type and status are taken.
        QVERIFY(geraet2.Behaelter_ZuordnenZu_KubeBelegId_u_VerfKombiId({}, false, CBeh9, b7001, CLogo, 2, false));
        QCOMPARE(Zuordnung(db, CBeh9), (QVariantList{1, 1, 7001, 0, 0, 1, 1, 1, 2, int(bhsUnbekannt)}));
        TZAM_Behaelter beh;
        TIntTrio id;
        QVERIFY(geraet1.Behaelter_Exists_4_ExtVerweis_u_VerfKombiId(beh, id, bhsUnbekannt, CLogo, Position(7001)));
        QCOMPARE(id, CBeh9);
        QVERIFY(!geraet1.Behaelter_Exists_4_ExtVerweis_u_VerfKombiId(beh, id, bhsOffen, CLogo, Position(7001)));
        QCOMPARE(id, TIntTrio());

        // The reference check: a position of another document is refused.
        db.Schreiben(QStringLiteral("DELETE FROM zam_lvlz WHERE lo_id1 = 5 AND lo_id2 = 0 AND lo_id3 = 9"));
        QVERIFY(!geraet1.Behaelter_ZuordnenZu_KubeBelegId_u_VerfKombiId(Position(7002), true, CBeh9, b7001, CLogo, 1,
                                                                        true));
        QVERIFY(Zuordnung(db, CBeh9).isEmpty());
        QVERIFY(
            geraet1.Behaelter_ZuordnenZu_KubeBelegId_u_VerfKombiId(Position(7001), true, CBeh9, b7001, CLogo, 1, true));
        QVERIFY(!geraet1.Behaelter_ZuordnenZu_KubeBelegId_u_VerfKombiId({}, false, TIntTrio(), b7002, CLogo, 1, true));
        QVERIFY(!geraet1.Behaelter_ZuordnenZu_KubeBelegId_u_VerfKombiId({}, false, CBeh10, TIntTrio(), CLogo, 1, true));
        QVERIFY(Zuordnung(db, CBeh10).value(2) == 7006);
    }

    // Without the document module a reference cannot be looked up: the manager raises, the
    // data module registers it and answers false, and the reservation prints nothing.
    void ohneBelegmodul_data() { ZAM_MotorenDaten(); }
    void ohneBelegmodul()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        umg.DemoAnlegen();
        const QString ordner = umg.Verzeichnis() + QStringLiteral("/ausgabe");
        umg.Backend().Ini().SetWert(QStringLiteral("Drucken"), QStringLiteral("Ausgabeordner"), ordner);
        umg.ParameterSetzen(QStringLiteral("RESBELDR"), QStringLiteral("J"));
        Glob_ServerFactoryClass().Leeren();
        TLVLZMani mani;
        TZAM_Behaelter beh;
        TIntTrio id;
        QCOMPARE(Fehler([&] {
                     mani.Behaelter_Exists_4_ExtVerweis_u_VerfKombiId(beh, id, bhsOffen, CNameNummer, Position(7003));
                 }),
                 CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar);
        TDM_Torvik dm({QStringLiteral("prog")});
        QString vater;
        QVERIFY(!dm.Behaelter_Exists_4_ExtVerweis(Position(7003), CNameNummer, bhsOffen, beh, vater));
        QVERIFY(TZAM_Hausregel::LetzterFehler().contains(QStringLiteral("nicht verfügbar")));
        TIntTrio beleg;
        QVERIFY(!dm.Behaelter_ZuordnenZu_ExtVerweis(CBeh9, Position(7003), CLogo, 17, beleg));
        QVERIFY(Zuordnung(umg.Backend().Datenbank(), CBeh9).isEmpty());
        dm.Reservierung_ausEBS_Drucken({1, 7001, 0}, CZAM_Drucker_PDF);
        QVERIFY(QDir(ordner).entryList(QDir::Files).isEmpty());
        ZAMInfo().GezeigteMeldungenHolen();
    }

    void druckart_data()
    {
        QTest::addColumn<QString>("nr");
        QTest::addColumn<QString>("art");
        QTest::newRow("Nummer") << "7001"
                                << "GPBELKPF-7001";
        QTest::newRow("Zeichen") << " 45/7 1:ä "
                                 << "GPBELKPF-45_7_1__";
        QTest::newRow("leer") << ""
                              << "GPBELKPF";
    }
    void druckart()
    {
        QFETCH(QString, nr);
        QFETCH(QString, art);
        QCOMPARE(TZAM_ReservierungDruck::Druckart(nr), art);
    }

    void reservierung_data() { ZAM_MotorenDaten(); }
    void reservierung()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        umg.DemoAnlegen();
        const QString ordner = umg.Verzeichnis() + QStringLiteral("/ausgabe");
        umg.Backend().Ini().SetWert(QStringLiteral("Drucken"), QStringLiteral("Ausgabeordner"), ordner);
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TDM_Torvik dm({QStringLiteral("prog")});
        const auto dateien = [&] { return QDir(ordner).entryList(QDir::Files); };
        const auto auftraege = [&] { return umg.Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_druckauftrag")); };
        const int vorher = auftraege();

        umg.ParameterSetzen(QStringLiteral("RESBELDR"), QStringLiteral("N"));
        dm.Reservierung_ausEBS_Drucken({1, 7001, 0}, CZAM_Drucker_PDF);
        QVERIFY(dateien().isEmpty());
        QCOMPARE(auftraege(), vorher);

        umg.ParameterSetzen(QStringLiteral("RESBELDR"), QStringLiteral("J"));
        dm.Reservierung_ausEBS_Drucken({1, 7001, 0}, CZAM_Drucker_PDF);
        const QStringList d = dateien();
        QCOMPARE(d.size(), 1);
        QVERIFY2(d.first().startsWith(QStringLiteral("GPBELKPF-7001_")) && d.first().endsWith(QStringLiteral(".pdf")),
                 qPrintable(d.first()));
        QCOMPARE(auftraege(), vorher + 1);
        QCOMPARE(db.LesenWert(QStringLiteral("SELECT art FROM zam_druckauftrag ORDER BY id DESC LIMIT 1")).toString(),
                 QStringLiteral("GPBELKPF-7001"));

        const TZAM_Zeilen pos = db.Lesen(
            QStringLiteral("SELECT a.artnr, a.hersteller_artnr, g.langname FROM zam_atpk k JOIN zam_artikel a ON "
                           "a.prod_id1 = k.prod_id1 AND a.prod_id2 = k.prod_id2 AND a.prod_id3 = k.prod_id3 JOIN "
                           "zam_artikel_groesse g "
                           "ON g.prod_id1 = k.prod_id1 AND g.prod_id2 = k.prod_id2 AND g.prod_id3 = k.prod_id3 AND "
                           "g.groesse = k.groesse "
                           "WHERE k.atk_id1 = 1 AND k.atk_id2 = 7001"));
        QCOMPARE(pos.Anzahl(), 1);
        const QString text = PdfText(QDir(ordner).filePath(d.first()));
        for (const QString& s :
             {QStringLiteral("7001"), QStringLiteral("%1").arg(pos.Wert(0, 0).toInt(), 6, 10, QLatin1Char('0')),
              pos.Wert(0, 1).toString().trimmed(), pos.Wert(0, 2).toString(), QStringLiteral("Dieter Dahl"),
              QStringLiteral("Lieferfiliale: 12")})
            QVERIFY2(text.simplified().contains(s), qPrintable(s + QStringLiteral(" fehlt in:\n") + text));

        // An unknown document: registered, nothing printed.
        dm.Reservierung_ausEBS_Drucken({1, 9999, 0}, CZAM_Drucker_PDF);
        QVERIFY2(TZAM_Hausregel::LetzterFehler().contains(QStringLiteral("nicht gefunden")),
                 qPrintable(TZAM_Hausregel::LetzterFehler()));
        QCOMPARE(dateien().size(), 1);
        QCOMPARE(auftraege(), vorher + 1);
        ZAMInfo().GezeigteMeldungenHolen();
    }
};

QTEST_MAIN(TestBehaelterzuordnung)
#include "tst_behaelterzuordnung.moc"
