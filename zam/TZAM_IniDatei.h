#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The framework ini file. Sections and keys are matched without regard to letter case.
// Path: --ini FILE, else the variable ZAM_INI, else zam.ini in the program's configuration folder.
class TZAM_IniDatei
{
public:
    TZAM_IniDatei() = default;
    explicit TZAM_IniDatei(const QString& APfad);

    // ABenannt: whether the path was named (--ini or ZAM_INI) rather than the default location.
    static QString PfadErmitteln(const QStringList& AArgumente, bool* ABenannt = nullptr);

    const QString& Pfad() const { return FPfad; }
    bool Vorhanden() const { return FVorhanden; }
    QString Wert(const QString& ASektion, const QString& ASchluessel, const QString& ADefault = {}) const;
    bool Enthaelt(const QString& ASektion, const QString& ASchluessel) const;
    // Keys of a section as written in the file.
    QStringList Schluessel(const QString& ASektion) const;
    // Sets a value in memory (tests, defaults found at start); Speichern writes the file.
    void SetWert(const QString& ASektion, const QString& ASchluessel, const QString& AWert);
    void Speichern() const;

private:
    struct TSektion
    {
        QString Name;
        QStringList Reihenfolge;
        QHash<QString, QString> Werte; // lower-case key -> value
    };
    TSektion* Sektion(const QString& AName, bool AAnlegen);
    const TSektion* Sektion(const QString& AName) const;

    QString FPfad;
    bool FVorhanden = false;
    QList<TSektion> FSektionen;
};
