#include "TZAM_IniDatei.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

TZAM_IniDatei::TZAM_IniDatei(const QString& APfad) : FPfad(APfad)
{
    QFile f(APfad);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    FVorhanden = true;
    QTextStream in(&f);
    TSektion* akt = nullptr;
    while (!in.atEnd()) {
        const QString zeile = in.readLine().trimmed();
        if (zeile.isEmpty() || zeile.startsWith(u';') || zeile.startsWith(u'#'))
            continue;
        if (zeile.startsWith(u'[') && zeile.endsWith(u']')) {
            akt = Sektion(zeile.mid(1, zeile.size() - 2).trimmed(), true);
            continue;
        }
        const qsizetype gleich = zeile.indexOf(u'=');
        if (gleich <= 0 || !akt)
            continue;
        const QString schluessel = zeile.left(gleich).trimmed();
        if (!akt->Werte.contains(schluessel.toLower()))
            akt->Reihenfolge << schluessel;
        akt->Werte.insert(schluessel.toLower(), zeile.mid(gleich + 1).trimmed());
    }
}

QString TZAM_IniDatei::PfadErmitteln(const QStringList& AArgumente, bool* ABenannt)
{
    if (ABenannt)
        *ABenannt = true;
    const qsizetype i = AArgumente.indexOf(QStringLiteral("--ini"));
    if (i >= 0 && i + 1 < AArgumente.size())
        return AArgumente.at(i + 1);
    for (const QString& a : AArgumente)
        if (a.startsWith(QLatin1String("--ini=")))
            return a.mid(6);
    const QString umgebung = qEnvironmentVariable("ZAM_INI");
    if (!umgebung.isEmpty())
        return umgebung;
    if (ABenannt)
        *ABenannt = false;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(QStringLiteral("zam.ini"));
}

TZAM_IniDatei::TSektion* TZAM_IniDatei::Sektion(const QString& AName, bool AAnlegen)
{
    for (TSektion& s : FSektionen)
        if (s.Name.compare(AName, Qt::CaseInsensitive) == 0)
            return &s;
    if (!AAnlegen)
        return nullptr;
    FSektionen.append(TSektion{AName, {}, {}});
    return &FSektionen.last();
}

const TZAM_IniDatei::TSektion* TZAM_IniDatei::Sektion(const QString& AName) const
{
    for (const TSektion& s : FSektionen)
        if (s.Name.compare(AName, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

QString TZAM_IniDatei::Wert(const QString& ASektion, const QString& ASchluessel, const QString& ADefault) const
{
    const TSektion* s = Sektion(ASektion);
    if (!s)
        return ADefault;
    return s->Werte.value(ASchluessel.toLower(), ADefault);
}

bool TZAM_IniDatei::Enthaelt(const QString& ASektion, const QString& ASchluessel) const
{
    const TSektion* s = Sektion(ASektion);
    return s && s->Werte.contains(ASchluessel.toLower());
}

QStringList TZAM_IniDatei::Schluessel(const QString& ASektion) const
{
    const TSektion* s = Sektion(ASektion);
    return s ? s->Reihenfolge : QStringList{};
}

void TZAM_IniDatei::SetWert(const QString& ASektion, const QString& ASchluessel, const QString& AWert)
{
    TSektion* s = Sektion(ASektion, true);
    if (!s->Werte.contains(ASchluessel.toLower()))
        s->Reihenfolge << ASchluessel;
    s->Werte.insert(ASchluessel.toLower(), AWert);
}

void TZAM_IniDatei::Speichern() const
{
    QDir().mkpath(QFileInfo(FPfad).absolutePath());
    QFile f(FPfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate))
        throw EZAM_Exception(CZAM_Info_Fehler_Datei_Schreiben, FPfad);
    QTextStream out(&f);
    for (const TSektion& s : FSektionen) {
        out << '[' << s.Name << "]\n";
        for (const QString& k : s.Reihenfolge)
            out << k << '=' << s.Werte.value(k.toLower()) << '\n';
        out << '\n';
    }
}
