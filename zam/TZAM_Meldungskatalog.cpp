#include "TZAM_Meldungskatalog.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"

#include <QFile>

// The resources of a static library must be registered by hand.
static void DatenRessourcenLaden() { Q_INIT_RESOURCE(zam_daten); }

TZAM_Meldungskatalog::TZAM_Meldungskatalog()
{
    DatenRessourcenLaden();
    QFile f(QStringLiteral(":/zam/meldungen.txt"));
    if (!f.open(QIODevice::ReadOnly))
        throw EZAM_Exception(CZAM_Info_Fehler_Datei_Lesen, f.fileName());
    Laden(QString::fromUtf8(f.readAll()), f.fileName());
}

void TZAM_Meldungskatalog::Laden(const QString& AInhalt, const QString& AQuelle)
{
    const QStringList zeilen = AInhalt.split(u'\n');
    for (int i = 0; i < zeilen.size(); ++i) {
        QString zeile = zeilen.at(i);
        if (zeile.endsWith(u'\r'))
            zeile.chop(1);
        if (zeile.trimmed().isEmpty() || zeile.startsWith(u'#'))
            continue;
        const QStringList teile = zeile.split(u'\t');
        bool ok = false;
        const int nummer = teile.value(1).toInt(&ok);
        if (teile.size() != 3 || teile.at(0).isEmpty() || !ok || nummer <= 0)
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_LeseFehler, QStringLiteral("%1, Zeile %2").arg(AQuelle).arg(i + 1));
        const QString schluessel = Schluessel({teile.at(0), nummer});
        if (FTexte.contains(schluessel))
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_LeseFehler,
                                 QStringLiteral("%1, Zeile %2: doppelt").arg(AQuelle).arg(i + 1));
        FTexte.insert(schluessel, QString(teile.at(2)).replace(QLatin1String("\\n"), QLatin1String("\r\n")));
    }
}

bool TZAM_Meldungskatalog::Enthaelt(const TInfoKoord& AKoord) const { return FTexte.contains(Schluessel(AKoord)); }

QString TZAM_Meldungskatalog::Text(const TInfoKoord& AKoord, const QStringList& AEinfuegungen) const
{
    const auto it = FTexte.constFind(Schluessel(AKoord));
    if (it == FTexte.constEnd()) {
        QString s = QStringLiteral("Meldung %1 %2").arg(AKoord.Gruppe).arg(AKoord.Nummer);
        for (const QString& e : AEinfuegungen)
            if (!e.isEmpty())
                s += QStringLiteral(": ") + e;
        return s;
    }
    // Inserts in order; a marker without insert disappears, an insert without marker is appended.
    const QString& vorlage = it.value();
    QString text;
    int n = 0;
    for (qsizetype i = 0; i < vorlage.size(); ++i) {
        if (vorlage.at(i) == u'%' && i + 1 < vorlage.size() && vorlage.at(i + 1) == u's') {
            text += AEinfuegungen.value(n++);
            ++i;
        } else {
            text += vorlage.at(i);
        }
    }
    for (; n < AEinfuegungen.size(); ++n)
        if (!AEinfuegungen.at(n).isEmpty())
            text += u' ' + AEinfuegungen.at(n);
    return text.trimmed();
}

QString TZAM_Meldungskatalog::Schluessel(const TInfoKoord& AKoord)
{
    return AKoord.Gruppe.toUpper() + u'/' + QString::number(AKoord.Nummer);
}
