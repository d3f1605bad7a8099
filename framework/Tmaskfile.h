#pragma once

#include "IZAM_MaskfileServer.h"

#include <QStringList>
#include <memory>

// The framework's mask file: stored configuration records, each found exactly by five key texts,
// whose body is a list of name=value lines. Open it, read a record, take its lines, close it.
class Tmaskfile
{
public:
    Tmaskfile();
    ~Tmaskfile();

    // False when the mask file is not available.
    bool Oeffnen();
    bool IstOffen() const { return FServer != nullptr; }
    // True when a record has exactly these keys; its lines are then the body. Reading a closed
    // file raises the illegal-parameter error.
    bool Lesen(const QString& A1, const QString& A2, const QString& A3, const QString& A4, const QString& A5);
    // The lines of the record read last (empty after a failed read).
    QStringList Inhalt() const { return FInhalt; }
    // The value of the first line "AName=..." (the name's letter case ignored); empty when none.
    QString Wert(const QString& AName) const;
    // Stores a record with these lines, replacing one of the same keys.
    bool Schreiben(const QString& A1, const QString& A2, const QString& A3, const QString& A4, const QString& A5,
                   const QStringList& AZeilen);
    void Schliessen();

private:
    IZAM_MaskfileServer& Server(const char* AMethode);
    std::unique_ptr<IZAM_MaskfileServer> FServer;
    QStringList FInhalt;
};
