#pragma once

#include "TZAM_Aufgaben_Suchkriterien.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

// The WHERE clause of the search criteria over zam_aufgabe (alias a). The text is made of
// column names and placeholders only; every value is bound. A set matches a task when the
// task's value is one of the set's members; booking branches are matched through the branch
// table: the task's booking branch must carry one of the organisation keys.
class TZAM_AufgabenFilterSql
{
public:
    explicit TZAM_AufgabenFilterSql(const TZAM_Aufgaben_Suchkriterien& AKriterien);

    // " WHERE ..." or empty when nothing restricts.
    QString Where() const;
    const QVariantList& Werte() const { return FWerte; }

private:
    void Bedingung(const QString& ASql, const QVariantList& AWerte = {});
    void Menge(const QString& ASpalte, quint32 AMenge, bool ANicht = false);
    void Gleich(const QString& APraefix, const TIntTrio& AWert);
    void EinerVon(const QString& APraefix, const QList<TIntTrio>& AWerte);
    void Zeitraum(const QString& ASpalte, const QDate& AVon, const QDate& ABis);

    QStringList FBedingungen;
    QVariantList FWerte;
};
