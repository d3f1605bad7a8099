#include "TZAM_ArtikelBildServerSql.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "ZAMInfoKoords.h"

#include <QBuffer>

namespace {
const QString CSchluessel = QStringLiteral("prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ?");

QVariantList Werte(const TInt32Trio& AProduktId)
{
    return {AProduktId.Id1, AProduktId.Id2, AProduktId.Id3};
}

QByteArray AlsPng(const TInt32Trio& AProduktId, const QImage& ABild)
{
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    if (!ABild.save(&puffer, "PNG"))
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_Konvertierung,
                             QStringLiteral("Bild des Artikels %1 als PNG").arg(AProduktId.ToText()),
                             QStringLiteral("TZAM_ArtikelBildServerSql.BildSpeichern"));
    return png;
}
} // namespace

QImage TZAM_ArtikelBildServerSql::Bild(const TInt32Trio& AProduktId)
{
    const TZAM_Zeilen z =
        FDb.Lesen(QStringLiteral("SELECT png FROM zam_artikelbild WHERE ") + CSchluessel, Werte(AProduktId));
    if (z.IsEmpty())
        return {};
    const QImage bild = QImage::fromData(z.Wert(0, 0).toByteArray(), "PNG");
    // A stored row that no longer decodes is damaged data, not a product without picture.
    if (bild.isNull())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_Konvertierung,
                             QStringLiteral("gespeichertes Bild des Artikels %1").arg(AProduktId.ToText()),
                             QStringLiteral("TZAM_ArtikelBildServerSql.Bild"));
    return bild;
}

bool TZAM_ArtikelBildServerSql::HatBild(const TInt32Trio& AProduktId)
{
    return !FDb.Lesen(QStringLiteral("SELECT 1 FROM zam_artikelbild WHERE ") + CSchluessel, Werte(AProduktId))
                .IsEmpty();
}

void TZAM_ArtikelBildServerSql::BildSpeichern(const TInt32Trio& AProduktId, const QImage& ABild)
{
    const QString methode = QStringLiteral("TZAM_ArtikelBildServerSql.BildSpeichern");
    if (!AProduktId.Defined())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("Artikel %1").arg(AProduktId.ToText()), methode);
    if (ABild.isNull())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("leeres Bild für Artikel %1").arg(AProduktId.ToText()), methode);
    // One statement, so the replacement needs no transaction of its own.
    FDb.Schreiben(QStringLiteral("INSERT INTO zam_artikelbild (prod_id1, prod_id2, prod_id3, png) VALUES (?, ?, ?, ?) "
                                 "ON CONFLICT (prod_id1, prod_id2, prod_id3) DO UPDATE SET png = excluded.png"),
                  Werte(AProduktId) << AlsPng(AProduktId, ABild));
}

void TZAM_ArtikelBildServerSql::BildLoeschen(const TInt32Trio& AProduktId)
{
    FDb.Schreiben(QStringLiteral("DELETE FROM zam_artikelbild WHERE ") + CSchluessel, Werte(AProduktId));
}
