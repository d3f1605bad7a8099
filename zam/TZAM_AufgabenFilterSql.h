#pragma once

#include "TZAM_Aufgaben_Suchkriterien.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

struct TZAM_AufgabenKopfFilter;

// The WHERE clause of the search criteria over the task files: a = zam_auko, e = zam_auae (see
// Von). The text is made of column names and placeholders only; every value is bound. A set
// matches a task when the task's value is one of the set's members (kinds, business cases and
// statuses by their stored codes). Paid, origin and booking branch are not stored with the task:
// they come from the order its reference names (kind 3 the external order, kind 1 the customer-
// order document); a task without such an order is neither paid nor of any origin or branch.
// Date bounds hold from the start of the lower bound's day to the end of the upper bound's day.
class TZAM_AufgabenFilterSql
{
public:
    explicit TZAM_AufgabenFilterSql(const TZAM_Aufgaben_Suchkriterien& AKriterien);
    // The headers alone (alias a; no execution joined).
    explicit TZAM_AufgabenFilterSql(const TZAM_AufgabenKopfFilter& AFilter);

    // " FROM zam_auko a JOIN zam_auae e ON ..." (the task with its execution).
    static QString Von();
    // The external order of a kind-3 reference, for a subquery over zam_exbi x.
    static QString ExbiZuAufgabe();
    // The document of a kind-1 reference, for a subquery over zam_atk k.
    static QString BelegZuAufgabe();

    // " WHERE ..." or empty when nothing restricts.
    QString Where() const;
    const QVariantList& Werte() const { return FWerte; }

private:
    void Bedingung(const QString& ASql, const QVariantList& AWerte = {});
    void EinerVon(const QString& ASpalte, const QVariantList& AWerte, bool ANicht = false);
    void Codes(const QString& ASpalte, quint32 AMenge, int AMax, QString (*ACode)(int));
    void Gleich(const QString& APraefix, const TIntTrio& AWert);
    void TrioEinerVon(const QString& APraefix, const QList<TIntTrio>& AWerte);
    void Zeitraum(const QString& ASpalte, const QDate& AVon, const QDate& ABis);
    // The task's order (kind 3 an external order, kind 1 a document) passes its condition.
    void Auftrag(const QString& AExbi, const QVariantList& AExbiWerte, const QString& ABeleg,
                 const QVariantList& ABelegWerte);
    void Bezahlt();
    void Herkuenfte(const QSet<QChar>& AHerkuenfte);
    void BuchFilialen(const QList<TOrgeIdKompl>& AFilialen);

    QStringList FBedingungen;
    QVariantList FWerte;
};
