#include "TZAM_ArtikelServerSql.h"

#include "EZAM_Exception.h"
#include "TZAM_CodeForm.h"
#include "TZAM_Datenbank.h"
#include "ZAMInfoKoords.h"

namespace {
const QString CArtikel = QStringLiteral("SELECT prod_id1, prod_id2, prod_id3, artnr, hersteller_artnr, bezeichnung, "
                                        "hersteller, farbe, beschreibung, material, preis_cent FROM zam_artikel ");
const QString CCode = QStringLiteral("SELECT code, art, prod_id1, prod_id2, prod_id3, groesse FROM zam_artikel_code ");
const QString CProdukt = QStringLiteral("prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ?");

QVariantList Werte(const TInt32Trio& AProduktId)
{
    return {AProduktId.Id1, AProduktId.Id2, AProduktId.Id3};
}

TInt32Trio Produkt(const QVariantList& AZeile, int AAb)
{
    return TInt32Trio(AZeile.at(AAb).toInt(), AZeile.at(AAb + 1).toInt(), AZeile.at(AAb + 2).toInt());
}

QList<TZAM_ArtikelSatz> Saetze(const TZAM_Zeilen& AZeilen)
{
    QList<TZAM_ArtikelSatz> l;
    for (const QVariantList& z : AZeilen.Zeilen())
        l.append({Produkt(z, 0), z.at(3).toInt(), z.at(4).toString(), z.at(5).toString(), z.at(6).toString(),
                  z.at(7).toString(), z.at(8).toString(), z.at(9).toString(), z.at(10).toLongLong()});
    return l;
}

QList<TZAM_ArtikelCode> Codes(const TZAM_Zeilen& AZeilen)
{
    QList<TZAM_ArtikelCode> l;
    for (const QVariantList& z : AZeilen.Zeilen())
        l.append({z.at(0).toString(), z.at(1).toInt(), Produkt(z, 2), TZAM_Intv100_IndErw(z.at(5).toInt())});
    return l;
}

bool Erster(const QList<TZAM_ArtikelSatz>& ASaetze, TZAM_ArtikelSatz& ASatz)
{
    if (ASaetze.isEmpty())
        return false;
    ASatz = ASaetze.first();
    return true;
}
} // namespace

bool TZAM_ArtikelServerSql::Artikel_Lesen(const TInt32Trio& AProduktId, TZAM_ArtikelSatz& ASatz)
{
    return Erster(Saetze(FDb.Lesen(CArtikel + QStringLiteral("WHERE ") + CProdukt, Werte(AProduktId))), ASatz);
}

bool TZAM_ArtikelServerSql::Artikel_4_ArtNr(int AArtNr, TZAM_ArtikelSatz& ASatz)
{
    return Erster(Saetze(FDb.Lesen(CArtikel + QStringLiteral("WHERE artnr = ?"), {AArtNr})), ASatz);
}

QList<TZAM_ArtikelSatz> TZAM_ArtikelServerSql::Artikel_4_HerstellerArtNr(const QString& AHerstellerArtNr)
{
    const QString such = SuchText(AHerstellerArtNr);
    if (such.isEmpty())
        return {};
    return Saetze(FDb.Lesen(CArtikel + QStringLiteral("WHERE hersteller_artnr_such = ? ORDER BY artnr"), {such}));
}

QList<TInt32Trio> TZAM_ArtikelServerSql::Artikel_Suchen(const QString& AText, int AHoechstens)
{
    QString muster = SuchText(AText);
    if (muster.isEmpty() || AHoechstens <= 0)
        return {};
    muster.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    muster = QLatin1Char('%') + muster + QLatin1Char('%');
    // SQLite folds the case of Latin letters only; the manufacturer number is stored folded.
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT prod_id1, prod_id2, prod_id3 FROM zam_artikel WHERE CAST(artnr AS VARCHAR(12)) LIKE ? "
                       "ESCAPE '\\' OR hersteller_artnr_such LIKE ? ESCAPE '\\' OR LOWER(bezeichnung) LIKE ? "
                       "ESCAPE '\\' ORDER BY artnr LIMIT ?"),
        {muster, muster, muster, AHoechstens});
    QList<TInt32Trio> l;
    for (const QVariantList& r : z.Zeilen())
        l.append(TInt32Trio(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt()));
    return l;
}

bool TZAM_ArtikelServerSql::Groessen_Lesen(const TInt32Trio& AProduktId, TQIV_Intv100_Sortiment_QIV_GG& AGG)
{
    AGG.Clear();
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT groesse, name, langname, kassengroesse FROM zam_artikel_groesse WHERE ") + CProdukt,
        Werte(AProduktId));
    for (const QVariantList& r : z.Zeilen())
        AGG.Setzen(r.at(0).toInt(), r.at(1).toString(), r.at(2).toString(), r.at(3).toInt());
    return !z.IsEmpty();
}

bool TZAM_ArtikelServerSql::Code_Lesen(const QString& ACode, TZAM_ArtikelCode& ACodeSatz)
{
    const QList<TZAM_ArtikelCode> l = Codes(FDb.Lesen(CCode + QStringLiteral("WHERE code = ?"), {ACode}));
    if (l.isEmpty())
        return false;
    ACodeSatz = l.first();
    return true;
}

QList<TZAM_ArtikelCode> TZAM_ArtikelServerSql::Codes_4_Artikel(const TInt32Trio& AProduktId, int AArt)
{
    return Codes(FDb.Lesen(FDb.Sql(CCode + QStringLiteral("WHERE ") + CProdukt +
                                   QStringLiteral(" AND art = ? ORDER BY groesse, code {BINAER}")),
                           Werte(AProduktId) << AArt));
}

bool TZAM_ArtikelServerSql::Code_Einfuegen(const TZAM_ArtikelCode& ACode)
{
    if (ACode.Code.isEmpty() || !zam_Intv100_IstGroesse(ACode.GroessenIndex))
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("Code '%1' für Größe %2").arg(ACode.Code).arg(ACode.GroessenIndex),
                             QStringLiteral("TZAM_ArtikelServerSql.Code_Einfuegen"));
    // The unique code decides; a code stored meanwhile by another device writes no row.
    return FDb.Schreiben(QStringLiteral("INSERT INTO zam_artikel_code (code, art, prod_id1, prod_id2, prod_id3, "
                                        "groesse) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (code) DO NOTHING"),
                         QVariantList{ACode.Code, ACode.Art} + Werte(ACode.ProduktId) << int(ACode.GroessenIndex)) == 1;
}

bool TZAM_ArtikelServerSql::WEDaten_Lesen(const TInt32Trio& AProduktId, TZAM_ArtikelWEDaten& ADaten)
{
    ADaten = TZAM_ArtikelWEDaten();
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT lieferant_id1, lieferant_id2, etiketten_anzahl, "
                                                   "etiketten_layout, auszeichnungsart, we_gesperrt "
                                                   "FROM zam_artikel WHERE ") +
                                        CProdukt,
                                    Werte(AProduktId));
    if (z.IsEmpty())
        return false;
    const QVariantList& r = z.Zeilen().first();
    ADaten.Lieferant = TIntPair(r.at(0).toInt(), r.at(1).toInt());
    ADaten.EtikettenAnzahl = r.at(2).toInt();
    ADaten.EtikettenLayout = r.at(3).toString();
    ADaten.AuszeichnungsArt = r.at(4).toInt();
    ADaten.WEGesperrt = r.at(5).toInt() != 0;
    return true;
}

void TZAM_ArtikelServerSql::Anlegen(TZAM_Datenbank& ADb, const TZAM_ArtikelSatz& ASatz,
                                    const TQIV_Intv100_Sortiment_QIV_GG& AGG)
{
    const TInt32Trio& p = ASatz.ProduktId;
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_artikel (prod_id1, prod_id2, prod_id3, artnr, hersteller_artnr, "
                                 "hersteller_artnr_such, bezeichnung, hersteller, farbe, beschreibung, material, "
                                 "preis_cent) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  Werte(p) << ASatz.ArtNr << ASatz.HerstellerArtNr << SuchText(ASatz.HerstellerArtNr)
                           << ASatz.Bezeichnung << ASatz.Hersteller << ASatz.Farbe << ASatz.Beschreibung
                           << ASatz.Material << ASatz.PreisCent);
    for (int i : AGG.Indizes()) {
        const TQIV_GG_Groesse g = AGG.Eintrag(i);
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_artikel_groesse (prod_id1, prod_id2, prod_id3, groesse, name, "
                                     "langname, kassengroesse) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                      Werte(p) << i << g.Groesse << g.LangGroesse << g.KassenGroesse);
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_artikel_code (code, art, prod_id1, prod_id2, prod_id3, groesse) "
                                     "VALUES (?, ?, ?, ?, ?, ?)"),
                      QVariantList{TZAM_CodeForm::Etikett(ASatz.ArtNr, g.KassenGroesse), int(acaEtikett)} + Werte(p)
                          << i);
    }
}
