#include "TZAM_TestArtikel.h"

#include "TZAM_ArtikelServerSql.h"
#include "TZAM_CodeForm.h"

namespace {
TZAM_TestArtikel::TArtikel Artikel(qint32 AId, int AArtNr, const char* AHerstArtNr, qint64 APreisCent,
                                   const QList<TZAM_TestArtikel::TGroesse>& AGroessen)
{
    const QString n = QString::number(AId);
    return {{TInt32Trio(7, AId, 0), AArtNr, QString::fromLatin1(AHerstArtNr), QStringLiteral("Bezeichnung ") + n,
             QStringLiteral("Hersteller ") + n, QStringLiteral("Farbe ") + n, QStringLiteral("Beschreibung ") + n,
             QStringLiteral("Material ") + n, APreisCent},
            AGroessen};
}
} // namespace

TZAM_TestArtikel::TGroesse TZAM_TestArtikel::TArtikel::Groesse(int AIndex) const
{
    for (const TGroesse& g : Groessen)
        if (g.Index == AIndex)
            return g;
    return {};
}

const QList<TZAM_TestArtikel::TArtikel>& TZAM_TestArtikel::Alle()
{
    const TGroesse ohne{0, {}, {}, 0};
    static const QList<TArtikel> a = {
        Artikel(1, 4711, "HX-1", 123456, {{1, "40", "EU 40", 40}, {2, "41", "EU 41", 41}, {3, "42", "EU 42", 42}}),
        Artikel(2, 4712, " hx-1", 999, {ohne}),
        Artikel(3, 4713, "HX-1", 2500, {{1, "S", "Konfektion S", 1}, {2, "M", "Konfektion M", 2}}),
        Artikel(4, 1234567, "4712", 1500, {ohne}),
    };
    return a;
}

const QList<TZAM_ArtikelCode>& TZAM_TestArtikel::Gtins()
{
    static const QList<TZAM_ArtikelCode> c = {
        {TZAM_CodeForm::MitPruefziffer(QStringLiteral("400000000001")), acaGTIN, A(Schuh).Id(), 2},
        {TZAM_CodeForm::MitPruefziffer(QStringLiteral("1234565")), acaGTIN, A(Flasche).Id(), 0},
        {TZAM_CodeForm::MitPruefziffer(QStringLiteral("01234567890")), acaGTIN, A(Hemd).Id(), 1},
    };
    return c;
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
