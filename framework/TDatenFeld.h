#pragma once

#include "TIntTrio.h"

#include <QChar>
#include <QDateTime>
#include <QStringList>
#include <QVariantList>

// A data field of a framework file: the column(s) it is stored in and, once a query has read a
// row (TQIV_DB_Query), that row's values. A composite key has one column per part. Column names
// are plain SQL identifiers; anything else is refused when the field is made, so the names can
// be written into a statement as they are.
class TDatenFeld
{
public:
    explicit TDatenFeld(const QStringList& ASpalten);
    virtual ~TDatenFeld() = default;
    TDatenFeld(const TDatenFeld&) = delete;
    TDatenFeld& operator=(const TDatenFeld&) = delete;

    const QStringList& Spalten() const { return FSpalten; }
    int SpaltenAnzahl() const { return int(FSpalten.size()); }
    // The column of part AIndex (0-based); raises for a part the field does not have.
    QString Spalte(int AIndex = 0) const;

    // Takes the values of the current row, one per column.
    void WerteSetzen(const QVariantList& AWerte);
    void Leeren();
    // No row read, or every column NULL.
    bool IsNull() const;
    const QVariantList& Werte() const { return FWerte; }

    static bool IstBezeichner(const QString& AText);

protected:
    qint32 Ganzzahl(int AIndex) const;

private:
    QStringList FSpalten;
    QVariantList FWerte;
};

class TIntegerDatenFeld : public TDatenFeld
{
public:
    explicit TIntegerDatenFeld(const QString& ASpalte) : TDatenFeld({ASpalte}) {}
    // 0 for NULL.
    qint32 AsInteger() const { return Ganzzahl(0); }
};

class TStringDatenFeld : public TDatenFeld
{
public:
    explicit TStringDatenFeld(const QString& ASpalte) : TDatenFeld({ASpalte}) {}
    // Empty for NULL.
    QString AsString() const;
};

class TCharDatenFeld : public TDatenFeld
{
public:
    explicit TCharDatenFeld(const QString& ASpalte) : TDatenFeld({ASpalte}) {}
    // The first character; a blank for NULL or an empty text.
    QChar AsChar() const;
};

// A point in time as the engines store it: a timestamp, or the ISO text with milliseconds.
class TDateTimeDatenFeld : public TDatenFeld
{
public:
    explicit TDateTimeDatenFeld(const QString& ASpalte) : TDatenFeld({ASpalte}) {}
    // Invalid for NULL; raises the conversion error for a text that is no point in time.
    QDateTime AsDateTime() const;
};

class TIntPairDatenFeld : public TDatenFeld
{
public:
    TIntPairDatenFeld(const QString& A1, const QString& A2) : TDatenFeld({A1, A2}) {}
    TIntPair AsIntPair() const { return TIntPair(Ganzzahl(0), Ganzzahl(1)); }
};

class TIntTrioDatenFeld : public TDatenFeld
{
public:
    TIntTrioDatenFeld(const QString& A1, const QString& A2, const QString& A3) : TDatenFeld({A1, A2, A3}) {}
    TIntTrio AsIntTrio() const { return TIntTrio(Ganzzahl(0), Ganzzahl(1), Ganzzahl(2)); }
};
