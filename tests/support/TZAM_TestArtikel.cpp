#include "TZAM_TestArtikel.h"

#include "TZAM_ArtikelServerSql.h"
#include "TZAM_CodeForm.h"

namespace {
TZAM_TestArtikel::TArtikel Artikel(qint32 AId, int AArtNr, const QString& AHerstArtNr, qint64 APreisCent,
                                   const QList<TZAM_TestArtikel::TGroesse>& AGroessen)
{
    TZAM_TestArtikel::TArtikel a;
    a.Satz.ProduktId = TInt32Trio(7, AId, 0);
    a.Satz.ArtNr = AArtNr;
    a.Satz.HerstellerArtNr = AHerstArtNr;
    a.Satz.Bezeichnung = QStringLiteral("Testartikel %1").arg(AId);
    a.Satz.Hersteller = QStringLiteral("Hersteller %1").arg(AId);
    a.Satz.Farbe = QStringLiteral("Farbe %1").arg(AId);
    a.Satz.Beschreibung = QStringLiteral("Beschreibung %1").arg(AId);
    a.Satz.Material = QStringLiteral("Material %1").arg(AId);
    a.Satz.PreisCent = APreisCent;
    a.Groessen = AGroessen;
    return a;
}
} // namespace

const TZAM_TestArtikel::TArtikel& TZAM_TestArtikel::Schuh()
{
    static const TArtikel a = Artikel(1, 4711, QStringLiteral("HX-1"), 123456,
                                      {{1, QStringLiteral("40"), QStringLiteral("EU 40"), 40},
                                       {2, QStringLiteral("41"), QStringLiteral("EU 41"), 41},
                                       {3, QStringLiteral("42"), QStringLiteral("EU 42"), 42}});
    return a;
}

const TZAM_TestArtikel::TArtikel& TZAM_TestArtikel::Flasche()
{
    static const TArtikel a = Artikel(2, 4712, QStringLiteral(" hx-1"), 999, {{0, QString(), QString(), 0}});
    return a;
}

const TZAM_TestArtikel::TArtikel& TZAM_TestArtikel::Hemd()
{
    static const TArtikel a = Artikel(3, 4713, QStringLiteral("HX-1"), 2500,
                                      {{1, QStringLiteral("S"), QStringLiteral("Konfektion S"), 1},
                                       {2, QStringLiteral("M"), QStringLiteral("Konfektion M"), 2}});
    return a;
}

const TZAM_TestArtikel::TArtikel& TZAM_TestArtikel::Ball()
{
    static const TArtikel a = Artikel(4, 1234567, QStringLiteral("4712"), 1500, {{0, QString(), QString(), 0}});
    return a;
}

QList<TZAM_TestArtikel::TArtikel> TZAM_TestArtikel::Alle()
{
    return {Schuh(), Flasche(), Hemd(), Ball()};
}

const QList<TZAM_ArtikelCode>& TZAM_TestArtikel::Gtins()
{
    static const QList<TZAM_ArtikelCode> c = {
        {TZAM_CodeForm::MitPruefziffer(QStringLiteral("400000000001")), acaGTIN, Schuh().Satz.ProduktId, 2},
        {TZAM_CodeForm::MitPruefziffer(QStringLiteral("1234565")), acaGTIN, Flasche().Satz.ProduktId, 0},
        {TZAM_CodeForm::MitPruefziffer(QStringLiteral("01234567890")), acaGTIN, Hemd().Satz.ProduktId, 1},
    };
    return c;
}

TZAM_TestArtikel::TGroesse TZAM_TestArtikel::Groesse(const TArtikel& AArtikel, int AIndex)
{
    for (const TGroesse& g : AArtikel.Groessen)
        if (g.Index == AIndex)
            return g;
    return {-1, QString(), QString(), 0};
}

void TZAM_TestArtikel::Anlegen(TZAM_Datenbank& ADb)
{
    for (const TArtikel& a : Alle()) {
        TQIV_Intv100_Sortiment_QIV_GG gg;
        for (const TGroesse& g : a.Groessen)
            gg.Setzen(g.Index, g.Name, g.Lang, g.Kasse);
        TZAM_ArtikelServerSql::Anlegen(ADb, a.Satz, gg);
    }
    TZAM_ArtikelServerSql server(ADb);
    for (const TZAM_ArtikelCode& c : Gtins())
        server.Code_Einfuegen(c);
}
