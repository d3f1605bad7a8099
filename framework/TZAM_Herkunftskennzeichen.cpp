#include "TZAM_Herkunftskennzeichen.h"

QString CZAM_Herkunftskennzeichen_2_string(TZAM_Herkunftskennzeichen_erw AHerkunft)
{
    if (AHerkunft.isNull() || AHerkunft == u' ')
        return QStringLiteral("Ohne Herkunft");
    switch (AHerkunft.toUpper().unicode()) {
    case u'F':
        return QStringLiteral("Filiale");
    case u'O':
        return QStringLiteral("Onlineshop");
    case u'T':
        return QStringLiteral("Telefon");
    case u'W':
        return QStringLiteral("Webshop");
    case u'K':
        return QStringLiteral("Katalog");
    case u'M':
        return QStringLiteral("Marktplatz");
    default:
        return QStringLiteral("Herkunft ") + AHerkunft;
    }
}
