// Stored product pictures: reading back, replacing, deleting, refused input, and the demo pictures.
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_ArtikelBildServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DemoBilder.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
const TInt32Trio CSchuh(1, 4711, 0);
const TInt32Trio CHemd(1, 4712, 0);

// Four coloured quarters and a half-transparent spot: orientation and alpha must survive.
QImage Quartiere(int ABreite, int AHoehe)
{
    QImage bild(ABreite, AHoehe, QImage::Format_ARGB32);
    for (int y = 0; y < AHoehe; ++y)
        for (int x = 0; x < ABreite; ++x) {
            const bool rechts = x >= ABreite / 2, unten = y >= AHoehe / 2;
            bild.setPixel(x, y,
                          rechts ? (unten ? qRgb(0, 0, 255) : qRgb(0, 255, 0))
                                 : (unten ? qRgb(255, 255, 0) : qRgb(255, 0, 0)));
        }
    bild.setPixel(3, 4, qRgba(10, 20, 30, 128));
    return bild;
}

QImage Rauschen(int ABreite, int AHoehe)
{
    QImage bild(ABreite, AHoehe, QImage::Format_RGB32);
    QRandomGenerator zufall(17);
    for (int y = 0; y < AHoehe; ++y)
        for (int x = 0; x < ABreite; ++x)
            bild.setPixel(x, y, 0xff000000u | (zufall.generate() & 0xffffffu));
    return bild;
}
} // namespace

class TestArtikelbilder : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<IZAM_ArtikelBildServer> FBilder;

    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FBilder = Glob_WWSServerFactoryClass().Create<IZAM_ArtikelBildServer>();
    }
    int Zeilen()
    {
        return FUmg->Backend().Datenbank().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_artikelbild")).toInt();
    }

private Q_SLOTS:
    void cleanup()
    {
        FBilder.reset();
        FUmg.reset();
    }

    void speichernUndLesen_data() { ZAM_MotorenDaten(); }
    void speichernUndLesen()
    {
        ZAM_MOTOR(m);
        Starten(m);
        const QImage bild = Quartiere(40, 30);
        FBilder->BildSpeichern(CSchuh, bild);
        QVERIFY(FBilder->HatBild(CSchuh));
        QImage gelesen = FBilder->Bild(CSchuh);
        QCOMPARE(gelesen.size(), QSize(40, 30));
        gelesen = gelesen.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(gelesen.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(gelesen.pixel(39, 0), qRgb(0, 255, 0));
        QCOMPARE(gelesen.pixel(0, 29), qRgb(255, 255, 0));
        QCOMPARE(gelesen.pixel(39, 29), qRgb(0, 0, 255));
        QCOMPARE(gelesen.pixel(3, 4), qRgba(10, 20, 30, 128));

        // Every pixel of a picture that does not compress: the data is stored whole.
        const QImage gross = Rauschen(640, 480);
        FBilder->BildSpeichern(CHemd, gross);
        QCOMPARE(FBilder->Bild(CHemd).convertToFormat(gross.format()), gross);

        // Stored in the database, not in the service.
        FBilder.reset();
        FUmg->Neustart();
        FBilder = Glob_WWSServerFactoryClass().Create<IZAM_ArtikelBildServer>();
        QCOMPARE(FBilder->Bild(CSchuh).convertToFormat(QImage::Format_ARGB32), bild);
    }

    void ohneBild_data() { ZAM_MotorenDaten(); }
    void ohneBild()
    {
        ZAM_MOTOR(m);
        Starten(m);
        QVERIFY(!FBilder->HatBild(CSchuh));
        QVERIFY(FBilder->Bild(CSchuh).isNull());
        FBilder->BildSpeichern(CSchuh, Quartiere(8, 8));
        // Each part of the key counts.
        for (const TInt32Trio& anderer : {TInt32Trio(2, 4711, 0), TInt32Trio(1, 4711, 1), TInt32Trio(1, 4710, 0)}) {
            QVERIFY2(!FBilder->HatBild(anderer), qPrintable(anderer.ToText()));
            QVERIFY2(FBilder->Bild(anderer).isNull(), qPrintable(anderer.ToText()));
        }
    }

    void ueberschreibenErsetzt_data() { ZAM_MotorenDaten(); }
    void ueberschreibenErsetzt()
    {
        ZAM_MOTOR(m);
        Starten(m);
        FBilder->BildSpeichern(CSchuh, Quartiere(40, 30));
        FBilder->BildSpeichern(CHemd, Quartiere(10, 10));
        QImage neu(25, 50, QImage::Format_RGB32);
        neu.fill(qRgb(7, 8, 9));
        FBilder->BildSpeichern(CSchuh, neu);
        const QImage gelesen = FBilder->Bild(CSchuh);
        QCOMPARE(gelesen.size(), QSize(25, 50));
        QCOMPARE(gelesen.pixel(24, 49), qRgb(7, 8, 9));
        QCOMPARE(Zeilen(), 2);
        QCOMPARE(FBilder->Bild(CHemd).size(), QSize(10, 10));
    }

    void loeschenEntfernt_data() { ZAM_MotorenDaten(); }
    void loeschenEntfernt()
    {
        ZAM_MOTOR(m);
        Starten(m);
        FBilder->BildSpeichern(CSchuh, Quartiere(40, 30));
        FBilder->BildSpeichern(CHemd, Quartiere(10, 10));
        FBilder->BildLoeschen(CSchuh);
        QVERIFY(!FBilder->HatBild(CSchuh));
        QVERIFY(FBilder->Bild(CSchuh).isNull());
        QVERIFY(FBilder->HatBild(CHemd));
        // A second delete finds nothing and stays quiet; a new picture can follow.
        FBilder->BildLoeschen(CSchuh);
        FBilder->BildSpeichern(CSchuh, Quartiere(6, 6));
        QCOMPARE(FBilder->Bild(CSchuh).size(), QSize(6, 6));
    }

    void fehlerMitKatalogschluessel_data() { ZAM_MotorenDaten(); }
    void fehlerMitKatalogschluessel()
    {
        ZAM_MOTOR(m);
        Starten(m);
        QCOMPARE(Fehler([&] { FBilder->BildSpeichern(CSchuh, QImage()); }),
                 CZAM_Info_Fehler_Standard_IllegalerParameter);
        QCOMPARE(Fehler([&] { FBilder->BildSpeichern(TInt32Trio(), Quartiere(8, 8)); }),
                 CZAM_Info_Fehler_Standard_IllegalerParameter);
        QCOMPARE(Fehler([&] { FBilder->BildSpeichern(TInt32Trio(1, -5, 0), Quartiere(8, 8)); }),
                 CZAM_Info_Fehler_Standard_IllegalerParameter);
        QCOMPARE(Zeilen(), 0);

        // Damaged data is an error, not a product without picture.
        FUmg->Backend().Datenbank().Schreiben(
            QStringLiteral("INSERT INTO zam_artikelbild (prod_id1, prod_id2, prod_id3, png) VALUES (?, ?, ?, ?)"),
            {CHemd.Id1, CHemd.Id2, CHemd.Id3, QByteArray("\x89PNG kaputt", 11)});
        QVERIFY(FBilder->HatBild(CHemd));
        QCOMPARE(Fehler([&] { FBilder->Bild(CHemd); }), CZAM_Info_Fehler_Standard_Konvertierung);
    }

    void gehoertZurBuchung_data() { ZAM_MotorenDaten(); }
    void gehoertZurBuchung()
    {
        ZAM_MOTOR(m);
        Starten(m);
        FBilder->BildSpeichern(CSchuh, Quartiere(40, 30));
        ZAMBuchung().Oeffnen(1, QStringLiteral("bild"));
        FBilder->BildSpeichern(CSchuh, Quartiere(10, 10));
        FBilder->BildSpeichern(CHemd, Quartiere(10, 10));
        ZAMBuchung().Abbrechen();
        ZAMBuchung().Schliessen(QStringLiteral("bild"));
        QCOMPARE(FBilder->Bild(CSchuh).size(), QSize(40, 30));
        QVERIFY(!FBilder->HatBild(CHemd));
    }

    void demoBilder_data() { ZAM_MotorenDaten(); }
    void demoBilder()
    {
        ZAM_MOTOR(m);
        Starten(m);
        FUmg->DemoAnlegen();
        TZAM_Datenbank& db = FUmg->Backend().Datenbank();
        QList<TInt32Trio> aufgabenArtikel;
        // The rows held in a local: a range over a temporary's member would dangle.
        const TZAM_Zeilen zeilen =
            db.Lesen(QStringLiteral("SELECT DISTINCT prod_id1, prod_id2, prod_id3 FROM zam_auko"));
        for (const QVariantList& z : zeilen.Zeilen())
            aufgabenArtikel.append(TInt32Trio(z.at(0).toInt(), z.at(1).toInt(), z.at(2).toInt()));

        const QList<TInt32Trio> mitBild = TZAM_DemoBilder::Produkte();
        QVERIFY(mitBild.size() >= 2);
        QList<QImage> bilder;
        for (const TInt32Trio& p : mitBild) {
            QVERIFY2(aufgabenArtikel.contains(p), qPrintable(p.ToText() + QStringLiteral(" in keiner Demo-Aufgabe")));
            QVERIFY2(FBilder->HatBild(p), qPrintable(p.ToText()));
            const QImage b = FBilder->Bild(p);
            QCOMPARE(b.size(), QSize(200, 200));
            for (const QImage& vorher : bilder)
                QVERIFY(b != vorher);
            bilder.append(b);
        }
        QCOMPARE(Zeilen(), int(mitBild.size()));

        int ohne = 0;
        for (const TInt32Trio& p : aufgabenArtikel)
            if (!mitBild.contains(p)) {
                ++ohne;
                QVERIFY2(!FBilder->HatBild(p), qPrintable(p.ToText()));
                QVERIFY(FBilder->Bild(p).isNull());
            }
        QVERIFY(ohne >= 1);
    }
};

QTEST_MAIN(TestArtikelbilder)
#include "tst_artikelbilder.moc"
