#pragma once

#include <QDateTime>
#include <QString>

class TZAM_IniDatei;

// The PDF files of the print module.
class TZAM_DruckDatei
{
public:
    // [Drucken] Ausgabeordner of the ini file; without it the folder "Druck" in the user's data
    // directory (QStandardPaths::AppDataLocation), beside the demo database.
    static QString Ordner(const TZAM_IniDatei& AIni);
    // Creates a new empty file <kind>_<yyyyMMdd-HHmmss-zzz>_<n>.pdf in the folder (made when
    // missing) and answers its path. n is the first number whose file can be created exclusively,
    // so jobs of the same millisecond, of this or another program, never share a file. The kind
    // keeps letters, digits, '-' and '_' of ASCII; anything else becomes '_'. Raises
    // CZAM_Info_Druck_OrdnerGesperrt when the folder cannot be written.
    static QString Anlegen(const QString& AOrdner, const QString& AArt, const QDateTime& AZeit);
};
