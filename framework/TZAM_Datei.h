#pragma once

#include "TDatenFeld.h"

#include <QList>
#include <QString>
#include <initializer_list>

// A file of the framework as the program's queries see it: its name, from which the SQL table
// follows (TQIV_DB_Query_Helper::SQL_TableName_4_FilePath), and its data fields by role. It
// reads and writes nothing itself.
class TZAM_Datei
{
public:
    // ADateiName: the framework's path of the file, "<area>/<file>" ("ZAM/AUKO").
    explicit TZAM_Datei(const QString& ADateiName) : FDateiName(ADateiName) {}
    virtual ~TZAM_Datei() = default;
    TZAM_Datei(const TZAM_Datei&) = delete;
    TZAM_Datei& operator=(const TZAM_Datei&) = delete;

    QString GetFullDateiName() const { return FDateiName; }
    // Every data field of the file, in the order of its roles.
    const QList<TDatenFeld*>& Felder() const { return FFelder; }

protected:
    void FelderSetzen(std::initializer_list<TDatenFeld*> AFelder) { FFelder = QList<TDatenFeld*>(AFelder); }

private:
    QString FDateiName;
    QList<TDatenFeld*> FFelder;
};
