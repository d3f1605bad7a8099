#pragma once

#include "TInfoKoord.h"

#include <QList>
#include <QMap>
#include <QStringList>

class TZAM_Datenbank;
class TZAM_InfoMeldungListe;

// The stock changes of one booking: quantities added to or taken from rows of the place stock,
// the personalised stock and the branches' stock. Changes of one row are summed. A test compares
// the sums with the stored quantities; the booking changes each row relatively (MengeAendern) in
// a fixed order (place stock, personalised stock, branch stock; each table in key order), so two
// devices never wait for each other crosswise, and a row that no longer holds enough refuses the
// booking with the row's message instead of going below zero.
class TZAM_Bestandsplan
{
public:
    enum TTabelle
    {
        tbBestand,
        tbLVPB,
        tbBF
    };

    // AMeldung with its inserts is what a refusal of that row says.
    void Aendern(TTabelle ATabelle, const QList<int>& ASchluessel, qint64 ADelta, const TInfoKoord& AMeldung,
                 const QStringList& AEinfuegungen);
    bool IsEmpty() const { return FZeilen.isEmpty(); }
    // What a row of the branch stock will hold after the changes planned so far (a read plus the plan).
    qint64 Stand(TZAM_Datenbank& ADb, TTabelle ATabelle, const QList<int>& ASchluessel) const;

    // Reads only: whether every row holds what is taken from it.
    bool Pruefen(TZAM_Datenbank& ADb, TZAM_InfoMeldungListe& AMeldungen) const;
    // Inside a transaction: false at the first row that does not hold enough (the caller rolls back).
    bool Ausfuehren(TZAM_Datenbank& ADb, TZAM_InfoMeldungListe& AMeldungen) const;

private:
    struct TZeile
    {
        qint64 Delta = 0;
        TInfoKoord Meldung;
        QStringList Einfuegungen;
    };
    using TSchluessel = QPair<int, QList<int>>;
    QMap<TSchluessel, TZeile> FZeilen;
};
