// Article labels on both engines: one PDF page per piece and size on the label printer, read back
// with pdftotext; the printed code scans as that article size; layouts decide what is shown; an
// unknown layout prints nothing.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_Druck.h"
#include "IZAM_DruckerKonfig.h"
#include "TEinzeletikettenMani.h"
#include "TQIV_ArtvLesenTools.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DruckSql.h"
#include "TZAM_DruckerKonfigSql.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMInfoKoords.h"

#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {
using TA = TZAM_TestArtikel;

// The words of one page of the PDF.
QStringList Woerter(const QString& ADatei, int ASeite)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(ASeite), QStringLiteral("-l"),
                                          QString::number(ASeite), ADatei, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput())
        .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

TEinzelEtikettInfo Info(TA::TNr AArtikel, QList<QPair<int, int>> AMengen, qint16 AFiliale = 12)
{
    TEinzelEtikettInfo i;
    i.ProduktId = TA::A(AArtikel).Id();
    i.Filiale = AFiliale;
    i.Sortiment.Init();
    for (const auto& [groesse, menge] : AMengen)
        i.Sortiment.Me[groesse] = menge;
    i.Sortiment.MinMax_Bestimmen();
    return i;
}
} // namespace

class TestEtiketten : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    QString FOrdner;

    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        TZAM_Datenbank& db = FUmg->Backend().Datenbank();
        TA::Anlegen(db);
        TZAM_DruckSql::EtikettLayout_Anlegen(db, {QStringLiteral("Standard"), 60, 40, true, true});
        TZAM_DruckSql::EtikettLayout_Anlegen(db, {QStringLiteral("Klein"), 40, 25, false, false});
        TZAM_DruckerKonfigSql::Anlegen(db, {CZAM_DruckerTyp_Belege, QStringLiteral("Etikettendrucker Lager")});
        TZAM_DruckerKonfigSql::Anlegen(db, {CZAM_DruckerTyp_Etiketten, QStringLiteral("PDF")});
        FOrdner = FUmg->Verzeichnis() + QStringLiteral("/etiketten");
        FUmg->Backend().Ini().SetWert(QStringLiteral("Drucken"), QStringLiteral("Ausgabeordner"), FOrdner);
    }
    TZAM_Zeilen Auftraege()
    {
        return FUmg->Backend().Datenbank().Lesen(
            QStringLiteral("SELECT drucker, art, datei, seiten FROM zam_druckauftrag ORDER BY id"));
    }
    QString Gescannt(const QString& ACode)
    {
        TZAM_ArtikelScanListe l;
        if (!TQIV_ArtvLesenTools().Artikel_4_Text(ACode, 0, l))
            return {};
        return l.Eintraege.at(0).ProduktId.ToText() + u'/' + QString::number(l.Eintraege.at(0).GroessenIndex);
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void eineSeiteJeStueck_data() { ZAM_MotorenDaten(); }
    void eineSeiteJeStueck()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TEinzelEtikettInfo schuh = Info(TA::Schuh, {{1, 2}, {3, 1}});
        schuh.DispoId = TIntTrio(1, 2, 3);
        TEinzeletikettenMani().EinzEtik_Aufbereiten(schuh, true, QStringLiteral("Standard"));

        const TZAM_Zeilen z = Auftraege();
        QCOMPARE(z.Anzahl(), 1);
        QCOMPARE(z.Zeilen().at(0).mid(0, 2), (QVariantList{"PDF", "Etikett"}));
        QCOMPARE(z.Wert(0, 3).toInt(), 3);
        const QString datei = z.Wert(0, 2).toString();
        QCOMPARE(QDir(FOrdner).entryList(QDir::Files), QStringList{QFileInfo(datei).fileName()});

        const struct
        {
            int Seite;
            QString Groesse, Code;
        } seiten[] = {{1, "40", "0004711040"}, {2, "40", "0004711040"}, {3, "42", "0004711042"}};
        for (const auto& s : seiten) {
            const QStringList w = Woerter(datei, s.Seite);
            for (const QString& erwartet : {QStringLiteral("004711"), s.Groesse, s.Code, QStringLiteral("HX-1"),
                                            QStringLiteral("Fil."), QStringLiteral("12"), QStringLiteral("1-2-3")})
                QVERIFY2(w.contains(erwartet), qPrintable(erwartet + QStringLiteral(" fehlt: ") + w.join(u' ')));
            QCOMPARE(Gescannt(s.Code), TA::A(TA::Schuh).Id().ToText() + u'/' + QString::number(s.Seite < 3 ? 1 : 3));
        }
        QVERIFY(Woerter(datei, 4).isEmpty());
    }

    // Several infos in one job; a label count repeats each label; the small layout leaves out the
    // manufacturer number and the disposition; an article without sizes prints its one size.
    void anzahlUndLayout_data() { ZAM_MotorenDaten(); }
    void anzahlUndLayout()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TEinzelEtikettInfo hemd = Info(TA::Hemd, {{2, 1}}, -1);
        hemd.EtikettenAnzahl = 2;
        hemd.DispoText = QStringLiteral("KD-77");
        TEinzelEtikettInfo flasche = Info(TA::Flasche, {{0, 1}});
        TEinzeletikettenMani().EinzEtik_Aufbereiten({hemd, flasche}, true, QStringLiteral("Standard"));
        TEinzeletikettenMani().EinzEtik_Aufbereiten({hemd}, true, QStringLiteral("Klein"));

        const TZAM_Zeilen z = Auftraege();
        QCOMPARE(z.Anzahl(), 2);
        QCOMPARE(z.Wert(0, 3).toInt(), 3);
        QCOMPARE(z.Wert(1, 3).toInt(), 2);
        const QString gross = z.Wert(0, 2).toString(), klein = z.Wert(1, 2).toString();
        QCOMPARE(Woerter(gross, 1), Woerter(gross, 2));
        QVERIFY(Woerter(gross, 1).contains(QStringLiteral("KD-77")) &&
                !Woerter(gross, 1).contains(QStringLiteral("Fil.")));
        const QStringList f = Woerter(gross, 3);
        QVERIFY2(f.contains(QStringLiteral("004712")) && f.contains(QStringLiteral("hx-1")) &&
                     f.contains(QStringLiteral("0004712000")),
                 qPrintable(f.join(u' ')));
        QCOMPARE(Gescannt(QStringLiteral("0004712000")), TA::A(TA::Flasche).Id().ToText() + QStringLiteral("/0"));

        const QStringList k = Woerter(klein, 2);
        QVERIFY2(k.contains(QStringLiteral("004713")) && k.contains(QStringLiteral("M")) &&
                     k.contains(QStringLiteral("0004713002")),
                 qPrintable(k.join(u' ')));
        QVERIFY(!k.contains(QStringLiteral("HX-1")) && !k.contains(QStringLiteral("KD-77")));
    }

    // Without a label printer of its own the standard printer prints labels; type 1 never does.
    void etikettendrucker_data() { ZAM_MotorenDaten(); }
    void etikettendrucker()
    {
        ZAM_MOTOR(m);
        Starten(m);
        auto konfig = Glob_WWSServerFactoryClass().Create<IZAM_DruckerKonfig>();
        QCOMPARE(konfig->EtikettenDrucker(), QStringLiteral("PDF"));
        FUmg->Backend().Datenbank().Schreiben(QStringLiteral("DELETE FROM zam_drucker WHERE typ = 9"));
        QCOMPARE(konfig->EtikettenDrucker(), QString());
        TZAM_DruckerKonfigSql::Anlegen(FUmg->Backend().Datenbank(), {CZAM_DruckerTyp_Standard, QStringLiteral("Büro")});
        QCOMPARE(konfig->EtikettenDrucker(), QStringLiteral("Büro"));
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("Dieser Rechner hat Drucker: der Druck ginge nicht in eine Datei");
        TEinzeletikettenMani().EinzEtik_Aufbereiten(Info(TA::Ball, {{0, 1}}), true, QStringLiteral("Klein"));
        QCOMPARE(Auftraege().Wert(0, 0).toString(), QStringLiteral("Büro"));
    }

    // An unknown layout raises 1015 naming it; without printing, or without pieces, nothing
    // happens. None of them leaves a file or a record.
    void nichtsGedruckt_data() { ZAM_MotorenDaten(); }
    void nichtsGedruckt()
    {
        ZAM_MOTOR(m);
        Starten(m);
        const TEinzelEtikettInfo schuh = Info(TA::Schuh, {{1, 1}});
        try {
            TEinzeletikettenMani().EinzEtik_Aufbereiten(schuh, true, QStringLiteral("Riesig"));
            QFAIL("kein Fehler");
        } catch (const EZAM_Exception& E) {
            QCOMPARE(E.Koord(), (TInfoKoord{QStringLiteral("LAGER"), 1015}));
            QVERIFY2(E.Meldungstext().contains(QStringLiteral("„Riesig“")), qPrintable(E.Meldungstext()));
        }
        TEinzeletikettenMani().EinzEtik_Aufbereiten(schuh, false, QStringLiteral("Standard"));
        TEinzeletikettenMani().EinzEtik_Aufbereiten(Info(TA::Schuh, {}), true, QStringLiteral("Standard"));
        QCOMPARE(Fehler([&] { TEinzeletikettenMani().EinzEtik_Aufbereiten(schuh, false, QStringLiteral("riesig")); }),
                 CZAM_Info_Lager_EtikettVorlageFehlt);

        QCOMPARE(Auftraege().Anzahl(), 0);
        QVERIFY(!QDir(FOrdner).exists() || QDir(FOrdner).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(TestEtiketten)
#include "tst_etiketten.moc"
