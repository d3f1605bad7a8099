#include "ZAMFormStoreListe.h"

namespace {

int ZeileDesSchluessels(const QStringList& AListe, const QString& AKey)
{
    for (int i = 0; i < AListe.size(); ++i) {
        const QString& z = AListe.at(i);
        const qsizetype p = z.indexOf(u'=');
        if (p == AKey.size() && z.startsWith(AKey, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

} // namespace

bool FormStoreStringListAuslesen(const QStringList& AListe, const QString& AKey, QString& AText)
{
    const int i = ZeileDesSchluessels(AListe, AKey);
    if (i < 0)
        return false;
    AText = AListe.at(i).mid(AKey.size() + 1);
    return true;
}

int FormStoreStringListAuslesen(const QStringList& AListe, const QString& AKey, int ADefault)
{
    QString s;
    if (!FormStoreStringListAuslesen(AListe, AKey, s))
        return ADefault;
    bool ok = false;
    const int wert = s.trimmed().toInt(&ok);
    return ok ? wert : ADefault;
}

void FormStoreStringListItemAdd(QStringList& AListe, const QString& AKey, const QString& AText)
{
    const QString zeile = AKey + u'=' + AText;
    const int i = ZeileDesSchluessels(AListe, AKey);
    if (i < 0)
        AListe.append(zeile);
    else
        AListe[i] = zeile;
}

void FormStoreStringListItemAdd(QStringList& AListe, const QString& AKey, int AWert)
{
    FormStoreStringListItemAdd(AListe, AKey, QString::number(AWert));
}
