#pragma once

#include "IZAM_WEBuchServer.h"
#include "TZAM_PersArt_ExtVerweis.h"
#include "TZAM_Zeilen.h"

#include <QHash>
#include <QMap>
#include <QSet>

class TZAM_Datenbank;

// The goods-receipt posting on SQL. An item is tested first (records, article, places,
// dispositions; reads only, apart from the positions of its dispositions, which PostgreSQL locks
// in key order so that two devices serialise on one disposition instead of crossing), then
// booked under a savepoint in a bracket of its own: the records are consumed (a guarded UPDATE
// of zam_scansatz.offen, so a record is posted once whatever other devices do), then place stock,
// personalised stock and branch stock (TZAM_Bestandsplan, in key order), the positions' received
// quantities (relative updates in key order), the goods-receipt document with one line per
// record, and one journal row per booked line.
class TZAM_WEBuchServerSql : public IZAM_WEBuchServer
{
public:
    explicit TZAM_WEBuchServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    bool Buchen(const TZAM_WEBuchAuftrag& AAuftrag, TZAM_WEBuchErgebnis& AErgebnis) override;
    int OffeneLoeschen(const QList<TIntTrio>& AScanIdents) override;

private:
    // One scan record of the item, as read and as it will be booked.
    struct TZeile
    {
        qint64 Id = 0;
        TIntTrio Ident;
        int GrInd = 0;
        int Menge = 0;
        TIntTrio Ort; // where the pieces go
        int Bereich = 0;
        TIntTrio DispoId; // as recorded
        bool MitDispo = false;
        TZAM_PersArt_ExtVerweis Verweis; // as recorded
        bool MitVerweis = false;         // a real reference (not the placeholder)
        int Filiale = -1;                // the record's target branch
        int BFFiliale = -1;              // whose branch stock rises; -1 none
        QString Lieferschein;
        QList<QPair<qint64, int>> Anteile; // positions of the disposition and pieces received on each
    };
    struct TOrt
    {
        int Lager = 0;
        int Bereich = 0;
        bool Gesperrt = false;
    };

    bool Pruefen(const TZAM_WEBuchAuftrag& AAuftrag, QList<TZeile>& AZeilen, TZAM_InfoMeldungListe& AMeldungen);
    bool ZeilenLesen(const TZAM_WEBuchAuftrag& AAuftrag, QList<TZeile>& AZeilen, TZAM_InfoMeldungListe& AMeldungen);
    bool OrtPruefen(const TIntTrio& AOrt, TOrt& AInfo, TZAM_InfoMeldungListe& AMeldungen);
    bool DispoPruefen(const TZAM_WEBuchAuftrag& AAuftrag, TZeile& AZeile, QHash<qint64, int>& AGeplant,
                      TZAM_InfoMeldungListe& AMeldungen);
    void DisposSperren(const QList<TZeile>& AZeilen);
    bool Ausfuehren(const TZAM_WEBuchAuftrag& AAuftrag, const QList<TZeile>& AZeilen, TZAM_WEBuchErgebnis& AErgebnis);
    QString Beleg(const TZAM_WEBuchAuftrag& AAuftrag, const QList<TZeile>& AZeilen);
    // One row of the movement journal for a line that books pieces.
    static QVariantList Journalzeile(const TZAM_WEBuchAuftrag& AAuftrag, const TZeile& AZeile, const TIntTrio& AProt,
                                     qint64 AZeit);
    const QList<int>& Filialen_4_Lager(int ALager);

    TZAM_Datenbank& FDb;
    QHash<int, QList<int>> FFilialen; // per posting
    // What one item read already: the sizes of its article, the heads of its dispositions
    // (closed or not) and the positions per query.
    QSet<int> FGroessen;
    QHash<TIntTrio, bool> FDispoGeschlossen;
    QHash<QString, TZAM_Zeilen> FPositionen;
};
