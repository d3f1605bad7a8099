#pragma once

#include "TIntTrio.h"

#include <QList>
#include <QStringList>
#include <QVariant>

// The rows of a query, read completely before the statement ends (so a savepoint around a read
// can be released at once).
class TZAM_Zeilen
{
public:
    TZAM_Zeilen() = default;
    TZAM_Zeilen(QStringList ASpalten, QList<QVariantList> AZeilen)
        : FSpalten(std::move(ASpalten)), FZeilen(std::move(AZeilen))
    {
    }

    int Anzahl() const { return int(FZeilen.size()); }
    bool IsEmpty() const { return FZeilen.isEmpty(); }
    QVariant Wert(int AZeile, int ASpalte) const { return FZeilen.at(AZeile).value(ASpalte); }
    QVariant Wert(int AZeile, const QString& ASpalte) const;
    const QStringList& Spalten() const { return FSpalten; }
    const QList<QVariantList>& Zeilen() const { return FZeilen; }

private:
    QStringList FSpalten;
    QList<QVariantList> FZeilen;
};

// The key in three columns of a row, from column AAb on.
inline TIntTrio Trio(const QVariantList& AZeile, int AAb)
{
    return TIntTrio(AZeile.at(AAb).toInt(), AZeile.at(AAb + 1).toInt(), AZeile.at(AAb + 2).toInt());
}
