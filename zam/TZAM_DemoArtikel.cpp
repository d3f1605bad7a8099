#include "TZAM_DemoArtikel.h"

#include "TIntTrio.h"
#include "TZAM_ArtikelServerSql.h"
#include "TZAM_BestandServerSql.h"
#include "TZAM_CodeForm.h"

namespace {

enum TRaster
{
    drOhne,    // no sizes: the single size 0
    drSchuh,   // shoe sizes 40 to 45
    drProfi,   // ten shoe sizes 38 to 47
    drKleidung // XS to XL
};

struct TDemoArtikel
{
    qint32 Produkt; // second part of the product key, as the demo tasks use it
    int ArtNr;
    const char* Bezeichnung;
    const char* Hersteller;
    const char* HerstellerArtNr;
    const char* Farbe;
    const char* Material;
    qint64 PreisCent;
    TRaster Raster;
};

// TX-200 is one shirt model in three versions: the manufacturer number stands for three articles.
const TDemoArtikel CArtikel[] = {
    {100001, 300101, "Laufschuh Aero", "Schuhfabrik Süd", "SF-AERO-2", "blau", "Mesh", 8995, drSchuh},
    {100002, 300102, "Trikot Heim", "Textil Nord", "TX-200", "rot", "Polyester", 4990, drKleidung},
    {100003, 300103, "Regenjacke Sturm", "Textil Nord", "RJ-77", "grün", "Nylon", 12900, drKleidung},
    {100004, 300104, "Sporttasche", "Taschenwerk", "TW-15", "schwarz", "Polyester", 3495, drKleidung},
    {100005, 300105, "Fußball Match", "Ballmanufaktur", "BM-5", "weiß", "Leder", 2999, drKleidung},
    {100006, 300106, "Trinkflasche", "Flaschenbau", "FB-750", "silber", "Aluminium", 1499, drOhne},
    {100007, 300107, "Fußballschuh Profi", "Schuhfabrik Süd", "SF-PRO-10", "gelb", "Kunstleder", 14995, drProfi},
    {100008, 300108, "Trikot Auswärts", "Textil Nord", "TX-200", "weiß", "Polyester", 4990, drKleidung},
    {100009, 300109, "Trikot Torwart", "Textil Nord", "TX-200", "grau", "Polyester", 5490, drKleidung},
    {100010, 300110, "Rudergerät Kompakt", "Fitnesswerk", "FW-R1", "schwarz", "Stahl", 123456, drOhne},
    {100011, 300111, "Trainingsjacke Team", "Textil Nord", "TJ-310", "blau", "Polyester", 6990, drKleidung},
};

TQIV_Intv100_Sortiment_QIV_GG Raster(TRaster ARaster)
{
    TQIV_Intv100_Sortiment_QIV_GG gg;
    const char* const kleidung[] = {"XS", "S", "M", "L", "XL"};
    switch (ARaster) {
    case drOhne:
        gg.Setzen(0, QString(), QString(), 0);
        break;
    case drSchuh:
        for (int i = 1; i <= 6; ++i)
            gg.Setzen(i, QString::number(39 + i), QStringLiteral("EU %1").arg(39 + i), 39 + i);
        break;
    case drProfi:
        for (int i = 1; i <= 10; ++i)
            gg.Setzen(i, QString::number(37 + i), QStringLiteral("EU %1 Profi").arg(37 + i), 37 + i);
        break;
    case drKleidung:
        for (int i = 1; i <= 5; ++i)
            gg.Setzen(i, QString::fromLatin1(kleidung[i - 1]),
                      QStringLiteral("Konfektion %1").arg(QString::fromLatin1(kleidung[i - 1])), i);
        break;
    }
    return gg;
}

TInt32Trio Produkt(qint32 AArtikel)
{
    return TInt32Trio(1, AArtikel, 0);
}

void Gtin(TZAM_ArtikelServerSql& AServer, const QString& ARumpf, qint32 AArtikel, int AGroesse)
{
    AServer.Code_Einfuegen(
        {TZAM_CodeForm::MitPruefziffer(ARumpf), acaGTIN, Produkt(AArtikel), TZAM_Intv100_IndErw(AGroesse)});
}

} // namespace

void TZAM_DemoArtikel::Anlegen(TZAM_Datenbank& ADb)
{
    for (const TDemoArtikel& a : CArtikel) {
        TZAM_ArtikelSatz s;
        s.ProduktId = Produkt(a.Produkt);
        s.ArtNr = a.ArtNr;
        s.Bezeichnung = QString::fromUtf8(a.Bezeichnung);
        s.Hersteller = QString::fromUtf8(a.Hersteller);
        s.HerstellerArtNr = QString::fromUtf8(a.HerstellerArtNr);
        s.Farbe = QString::fromUtf8(a.Farbe);
        s.Beschreibung = s.Bezeichnung + QStringLiteral(", ") + s.Farbe;
        s.Material = QString::fromUtf8(a.Material);
        s.PreisCent = a.PreisCent;
        TZAM_ArtikelServerSql::Anlegen(ADb, s, Raster(a.Raster));
    }

    // EAN-13 for every running shoe and for some sizes of the other articles, an EAN-8 for the
    // bottle, a UPC beside the EAN-13 of the professional shoe's size 43, an EAN-13 for every size
    // of the training jacket; the rain jacket and the remaining sizes have none, so a person can
    // assign one.
    TZAM_ArtikelServerSql server(ADb);
    for (int g = 1; g <= 6; ++g)
        Gtin(server, QStringLiteral("40123451000%1").arg(g), 100001, g);
    for (int g = 1; g <= 3; ++g)
        Gtin(server, QStringLiteral("40123452000%1").arg(g), 100002, g);
    Gtin(server, QStringLiteral("401234540002"), 100004, 2);
    Gtin(server, QStringLiteral("401234550001"), 100005, 1);
    Gtin(server, QStringLiteral("9638507"), 100006, 0);
    for (int g = 4; g <= 7; ++g)
        Gtin(server, QStringLiteral("40123457000%1").arg(g), 100007, g);
    Gtin(server, QStringLiteral("03600029145"), 100007, 6);
    Gtin(server, QStringLiteral("401234580001"), 100008, 1);
    Gtin(server, QStringLiteral("401234600001"), 100010, 0);
    for (int g = 1; g <= 5; ++g)
        Gtin(server, QStringLiteral("40123461000%1").arg(g), 100011, g);

    // Free stock (type 1) on the rows A and B of warehouse 1, which are in operation.
    struct TBestand
    {
        qint32 Artikel;
        int Groesse;
        TIntTrio Platz;
        int Menge;
    };
    const TBestand bestand[] = {
        {100001, 3, {1, 1, 1}, 4},  {100001, 6, {1, 1, 1}, 2},  {100001, 4, {1, 2, 1}, 5}, {100001, 3, {1, 2, 3}, 1},
        {100002, 3, {1, 1, 2}, 6},  {100002, 5, {1, 1, 2}, 3},  {100003, 4, {1, 1, 3}, 2}, {100004, 2, {1, 1, 4}, 7},
        {100005, 1, {1, 2, 2}, 10}, {100006, 0, {1, 2, 2}, 24}, {100007, 5, {1, 2, 4}, 2}, {100007, 6, {1, 2, 4}, 3},
        {100008, 2, {1, 1, 2}, 4},  {100009, 4, {1, 1, 2}, 1},  {100010, 0, {1, 2, 3}, 1},
    };
    for (const TBestand& b : bestand)
        TZAM_BestandServerSql::Zubuchen(ADb, b.Platz, Produkt(b.Artikel), b.Groesse, 1, b.Menge);
}
