#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class TZAM_Datenbank;

// A numbered step of a schema area. Statements are common SQL with the engine tokens of
// TZAM_Datenbank::Sql; where the engines differ, a step may carry its own PostgreSQL text.
// A step may also run code (the demo site fills its data that way).
struct TZAM_Migration
{
    int Nummer = 0;
    QString Name;
    QStringList Anweisungen;
    QStringList AnweisungenPostgres; // replaces Anweisungen on PostgreSQL when not empty
    std::function<void(TZAM_Datenbank&)> Ausfuehren;
};
