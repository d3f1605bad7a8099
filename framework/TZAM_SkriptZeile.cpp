#include "TZAM_SkriptZeile.h"

TZAM_SkriptZeile TZAM_SkriptZeile::Lesen(const QString& AText, int ANummer)
{
    TZAM_SkriptZeile z;
    z.FNummer = ANummer;
    QString text = AText;
    while (text.endsWith(u'\r') || text.endsWith(u'\n'))
        text.chop(1);
    const QString getrimmt = text.trimmed();
    if (getrimmt.isEmpty() || getrimmt.startsWith(u'#'))
        return z;

    // Leading blanks are indentation; after the command one blank separates the text.
    const QString zeile = text.mid(text.indexOf(getrimmt.at(0)));
    const qsizetype luecke = zeile.indexOf(u' ');
    const QString befehl = (luecke < 0 ? zeile : zeile.left(luecke)).toLower();
    z.FArgument = luecke < 0 ? QString() : zeile.mid(luecke + 1);
    const QString name = z.FArgument.trimmed();

    auto fehler = [&](const QString& AGrund) {
        z.FArt = szFehler;
        z.FFehler = QStringLiteral("%1 (Zeile %2: %3)").arg(AGrund).arg(ANummer).arg(getrimmt);
        return z;
    };

    if (befehl == QLatin1String("key")) {
        z.FArt = szTaste;
        z.FArgument = name;
        z.FTaste = TZAM_SkriptTaste::AusName(name);
        if (!z.FTaste.Gueltig())
            return fehler(QStringLiteral("unbekannte Taste \"%1\"").arg(name));
    } else if (befehl == QLatin1String("type")) {
        z.FArt = szTippen;
    } else if (befehl == QLatin1String("scan")) {
        z.FArt = szScan;
    } else if (befehl == QLatin1String("click")) {
        z.FArt = szKlick;
        z.FArgument = name;
        if (name.isEmpty())
            return fehler(QStringLiteral("click ohne Namen"));
    } else if (befehl == QLatin1String("wait")) {
        z.FArt = szWarten;
        bool ok = false;
        z.FMillisekunden = name.toInt(&ok);
        if (!ok || z.FMillisekunden < 0)
            return fehler(QStringLiteral("wait braucht Millisekunden"));
    } else if (befehl == QLatin1String("dump")) {
        z.FArt = szDump;
    } else if (befehl == QLatin1String("expect")) {
        z.FArt = szErwarten;
        if (z.FArgument.isEmpty())
            return fehler(QStringLiteral("expect ohne Text"));
    } else if (befehl == QLatin1String("ende")) {
        z.FArt = szEnde;
        if (!name.isEmpty())
            return fehler(QStringLiteral("ende ohne Text"));
    } else {
        return fehler(QStringLiteral("unbekannte Zeile"));
    }
    return z;
}
