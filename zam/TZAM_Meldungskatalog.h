#pragma once

#include "TInfoKoord.h"

#include <QHash>
#include <QString>
#include <QStringList>

// The catalogue messages by group and number, read from the catalogue data file.
class TZAM_Meldungskatalog
{
public:
    // Reads the catalogue bundled with the program.
    TZAM_Meldungskatalog();
    // Parses catalogue text; raises the read error naming the first malformed line.
    void Laden(const QString& AInhalt, const QString& AQuelle);

    bool Enthaelt(const TInfoKoord& AKoord) const;
    // The text with its inserts in place of %s; an unknown key still gives a readable text.
    QString Text(const TInfoKoord& AKoord, const QStringList& AEinfuegungen = {}) const;
    int Anzahl() const { return int(FTexte.size()); }

private:
    static QString Schluessel(const TInfoKoord& AKoord);
    QHash<QString, QString> FTexte;
};
