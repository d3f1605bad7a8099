#pragma once

#include "TInfoKoord.h"

#include <QString>
#include <exception>
#include <string>

// The common exception base class of the framework. It carries either a catalogue key with its
// insert or a literal text; the message service turns it into the text the user sees.
class EZAM_Exception : public std::exception
{
public:
    EZAM_Exception(const TInfoKoord& AKoord, const QString& AEinfuegung = {}, const QString& AMethode = {});
    // A literal text without catalogue key.
    static EZAM_Exception Text(const QString& AText, const QString& AMethode = {});

    const TInfoKoord& Koord() const { return FKoord; }
    const QString& Einfuegung() const { return FEinfuegung; }
    const QString& Methode() const { return FMethode; }
    bool IstLiteral() const { return FKoord.IsNull(); }
    // The text for the user: the catalogue text with its insert, or the literal text.
    QString Meldungstext() const;

    const char* what() const noexcept override;

private:
    TInfoKoord FKoord;
    QString FEinfuegung;
    QString FMethode;
    mutable std::string FWhat;
};

// Raised when a text cannot be turned into a key or a key cannot be written in a fixed width.
class EZAM_KonvertFehler : public EZAM_Exception
{
public:
    explicit EZAM_KonvertFehler(const QString& AEinfuegung, const QString& AMethode = {});
};
