#pragma once

#include <QString>
#include <QStringList>

// The key/value lines of a form store list: "key=value", the value may contain "=". Keys are
// compared without regard to letter case, the first line of a key counts.

// True when the key is present; AText then holds its value, else it stays as it was.
bool FormStoreStringListAuslesen(const QStringList& AListe, const QString& AKey, QString& AText);
// The value as an integer; ADefault when the key is missing or its value is not a whole number.
int FormStoreStringListAuslesen(const QStringList& AListe, const QString& AKey, int ADefault);
// Sets the key's value: replaces its line when present, else appends one.
void FormStoreStringListItemAdd(QStringList& AListe, const QString& AKey, const QString& AText);
void FormStoreStringListItemAdd(QStringList& AListe, const QString& AKey, int AWert);
