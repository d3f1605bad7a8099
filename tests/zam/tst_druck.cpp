// The print module: where a printer name goes, PDF files that never share a name, jobs with
// their pages recorded, and jobs that print nothing (cancelled, empty, unwritable folder).
#include "IZAM_Druck.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DruckDatei.h"
#include "TZAM_DruckZiel.h"
#include "TZAM_Druckjob.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>

namespace {

// pdfinfo's answer for a key ("Pages", "Page size").
QString PdfInfo(const QString& ADatei, const QString& AFeld)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {ADatei});
    p.waitForFinished();
    const QRegularExpression re(QStringLiteral("^%1:\\s*(.*)$").arg(AFeld), QRegularExpression::MultilineOption);
    return re.match(QString::fromUtf8(p.readAllStandardOutput())).captured(1).trimmed();
}

// The first page's size in millimetres (the PDF writes whole points).
QSizeF SeiteMm(const QString& ADatei)
{
    const QStringList t = PdfInfo(ADatei, QStringLiteral("Page size")).split(u' ');
    return QSizeF(t.value(0).toDouble(), t.value(2).toDouble()) * 25.4 / 72;
}

bool Etwa(const QSizeF& A, const QSizeF& B)
{
    return qAbs(A.width() - B.width()) < 0.5 && qAbs(A.height() - B.height()) < 0.5;
}

QString PdfText(const QString& ADatei)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {ADatei, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestDruck : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    QString FOrdner;

    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FOrdner = FUmg->Verzeichnis() + QStringLiteral("/ausgabe");
        FUmg->Backend().Ini().SetWert(QStringLiteral("Drucken"), QStringLiteral("Ausgabeordner"), FOrdner);
    }
    TZAM_Zeilen Auftraege()
    {
        return FUmg->Backend().Datenbank().Lesen(
            QStringLiteral("SELECT drucker, art, datei, seiten, id FROM zam_druckauftrag ORDER BY id"));
    }
    QStringList Dateien() { return QDir(FOrdner).entryList(QDir::Files); }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void ziel_data()
    {
        QTest::addColumn<QString>("drucker");
        QTest::addColumn<QStringList>("vorhanden");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("name");
        const QStringList zwei{QStringLiteral("HP Laser"), QStringLiteral("Zebra")};
        QTest::newRow("PDF trotz Druckern") << "PDF" << zwei << "Zebra" << int(TZAM_DruckZiel::dzPDF) << "";
        QTest::newRow("pdf klein") << "pdf" << zwei << "" << int(TZAM_DruckZiel::dzPDF) << "";
        QTest::newRow("keine Drucker") << "Zebra" << QStringList{} << "" << int(TZAM_DruckZiel::dzPDF) << "";
        QTest::newRow("bekannt") << "hp laser" << zwei << "Zebra" << int(TZAM_DruckZiel::dzDrucker) << "HP Laser";
        QTest::newRow("unbekannt") << "Lager 3" << zwei << "Zebra" << int(TZAM_DruckZiel::dzDrucker) << "Zebra";
        QTest::newRow("leer") << "" << zwei << "HP Laser" << int(TZAM_DruckZiel::dzDrucker) << "HP Laser";
        QTest::newRow("ohne Standard") << "Lager 3" << zwei << "" << int(TZAM_DruckZiel::dzKeiner) << "";
    }
    void ziel()
    {
        QFETCH(QString, drucker);
        QFETCH(QStringList, vorhanden);
        QFETCH(QString, standard);
        QFETCH(int, art);
        QFETCH(QString, name);
        const TZAM_DruckZiel z = TZAM_DruckZiel::Bestimmen(drucker, vorhanden, standard);
        QCOMPARE(int(z.Art), art);
        QCOMPARE(z.Name, name);
    }

    void dateien()
    {
        QTemporaryDir tmp;
        const QString ordner = tmp.filePath(QStringLiteral("neu/druck"));
        const QDateTime zeit(QDate(2026, 12, 9), QTime(18, 12, 22, 5));
        QStringList namen;
        for (int i = 0; i < 3; ++i) // the same millisecond
            namen << QFileInfo(TZAM_DruckDatei::Anlegen(ordner, QStringLiteral("Etikett"), zeit)).fileName();
        QCOMPARE(namen, (QStringList{"Etikett_20261209-181222-005_1.pdf", "Etikett_20261209-181222-005_2.pdf",
                                     "Etikett_20261209-181222-005_3.pdf"}));
        QCOMPARE(QDir(ordner).entryList(QDir::Files).size(), 3);
        QCOMPARE(QFileInfo(TZAM_DruckDatei::Anlegen(ordner, QStringLiteral(" WBS/1 ä"), zeit)).fileName(),
                 QStringLiteral("WBS_1___20261209-181222-005_1.pdf"));
        // A folder below a file cannot be made.
        QFile datei(tmp.filePath(QStringLiteral("datei")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        QCOMPARE(Fehler([&] { TZAM_DruckDatei::Anlegen(datei.fileName() + QStringLiteral("/x"), {}, zeit); }),
                 CZAM_Info_Druck_OrdnerGesperrt);

        TZAM_IniDatei ini;
        QCOMPARE(TZAM_DruckDatei::Ordner(ini),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Druck"));
        ini.SetWert(QStringLiteral("drucken"), QStringLiteral("AUSGABEORDNER"), ordner);
        QCOMPARE(TZAM_DruckDatei::Ordner(ini), ordner);
    }

    void pdfAuftraege_data() { ZAM_MotorenDaten(); }
    void pdfAuftraege()
    {
        ZAM_MOTOR(m);
        Starten(m);
        // Two pages of a label size, drawn with the job's painter.
        TZAM_DruckErgebnis e1;
        {
            TZAM_Druckjob job(QStringLiteral("PDF"), QStringLiteral("Etikett"), QSizeF(60, 40));
            QVERIFY(qAbs(job.Seite().width() - job.Mm(0, 0, 60, 40).width()) < job.EinheitenJeMm() &&
                    qAbs(job.Seite().height() - job.Mm(0, 0, 60, 40).height()) < job.EinheitenJeMm());
            job.Painter().drawText(job.Mm(5, 5, 50, 10), QStringLiteral("Seite eins"));
            job.NeueSeite();
            job.Painter().drawText(job.Mm(5, 5, 50, 10), QStringLiteral("Seite zwei"));
            e1 = job.Abschliessen();
        }
        QCOMPARE(e1.Seiten, 2);
        QCOMPARE(QFileInfo(e1.Datei).absolutePath(), QDir(FOrdner).absolutePath());
        QCOMPARE(PdfInfo(e1.Datei, QStringLiteral("Pages")), QStringLiteral("2"));
        QVERIFY(Etwa(SeiteMm(e1.Datei), QSizeF(60, 40)));
        const QString text = PdfText(e1.Datei);
        QVERIFY2(text.contains(QStringLiteral("Seite eins")) && text.contains(QStringLiteral("Seite zwei")),
                 qPrintable(text));

        // A document printed through the device, A4 by default; its pages are counted.
        TZAM_DruckErgebnis e2;
        {
            TZAM_Druckjob job(QStringLiteral("pdf"), QStringLiteral("Liste"));
            QTextDocument doc;
            doc.setPlainText(QStringLiteral("Zeile\n").repeated(150));
            doc.print(&job.Geraet());
            e2 = job.Abschliessen();
        }
        QVERIFY(e2.Seiten >= 2);
        QCOMPARE(PdfInfo(e2.Datei, QStringLiteral("Pages")), QString::number(e2.Seiten));
        QVERIFY(Etwa(SeiteMm(e2.Datei), QSizeF(210, 297)));
        QVERIFY(e1.Datei != e2.Datei);

        const TZAM_Zeilen z = Auftraege();
        QCOMPARE(z.Anzahl(), 2);
        QCOMPARE(z.Zeilen().at(0).mid(0, 4), (QVariantList{"PDF", "Etikett", e1.Datei, 2}));
        QCOMPARE(z.Zeilen().at(1).mid(0, 4), (QVariantList{"pdf", "Liste", e2.Datei, e2.Seiten}));
        QCOMPARE(z.Wert(1, 4).toLongLong(), e2.Id);
    }

    // Cancelled, empty or impossible jobs leave no file and no record.
    void nichtsGedruckt_data() { ZAM_MotorenDaten(); }
    void nichtsGedruckt()
    {
        ZAM_MOTOR(m);
        Starten(m);
        {
            TZAM_Druckjob job(QStringLiteral("PDF"), QStringLiteral("Abbruch"), QSizeF(60, 40));
            job.Painter().drawText(10, 10, QStringLiteral("weg"));
            QCOMPARE(Dateien().size(), 1); // the name is taken at once
        }
        TZAM_DruckErgebnis leer;
        {
            TZAM_Druckjob job(QStringLiteral("PDF"), QStringLiteral("Leer"));
            leer = job.Abschliessen();
        }
        QCOMPARE(leer.Id, 0);
        QVERIFY(leer.Datei.isEmpty());
        QVERIFY(Dateien().isEmpty());

        const QString gesperrt = FUmg->Verzeichnis() + QStringLiteral("/datei");
        QFile f(gesperrt);
        QVERIFY(f.open(QIODevice::WriteOnly));
        FUmg->Backend().Ini().SetWert(QStringLiteral("Drucken"), QStringLiteral("Ausgabeordner"), gesperrt);
        QCOMPARE(Fehler([] { TZAM_Druckjob j(QStringLiteral("PDF"), QStringLiteral("X")); }),
                 CZAM_Info_Druck_OrdnerGesperrt);
        QCOMPARE(Auftraege().Anzahl(), 0);
    }
};

QTEST_MAIN(TestDruck)
#include "tst_druck.moc"
