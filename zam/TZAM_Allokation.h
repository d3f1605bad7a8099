#pragma once

#include "TZAM_AufgabenAllokation.h"

#include <QHash>
#include <QSet>
#include <optional>

class TZAM_Datenbank;

// The movement service's allocation of stock to tasks (see IZAM_LagerBewegungEditServer): keeps
// what a run has handed out, so that two tasks of one article never share pieces.
class TZAM_Allokation
{
public:
    explicit TZAM_Allokation(TZAM_Datenbank& ADb) : FDb(ADb) {}

    void Zuruecksetzen();
    // Reads the stock of the article sizes in a few statements for the run.
    void Vorbereiten(const QList<QPair<TInt32Trio, int>>& AArtikel, int ALager);
    QList<TZAM_AllokationsEintrag> Allokieren(const TZAM_AufgabenAllokation& AAufgabe, int ALager, bool ANurLaufweg,
                                              const TZAM_LaufwegVerbotDict* AVerbote);

private:
    struct TOrt
    {
        int Art = 0;
        QString Name;
        int Bereich = 0;
        bool Gesperrt = false;
        TIntTrio Auf;
    };
    struct TVergabeSchluessel
    {
        TIntTrio Quelle;
        TInt32Trio ProduktId;
        int GrInd = 0;
        bool operator==(const TVergabeSchluessel&) const = default;
        friend size_t qHash(const TVergabeSchluessel& K, size_t S = 0)
        {
            return qHashMulti(S, K.Quelle, K.ProduktId, K.GrInd);
        }
    };

    const TOrt* Ort(const TIntTrio& AId);
    // The place the source stands on (itself for a place), when the source and everything under it
    // may give goods: not locked, not in a special area.
    bool Traeger(const TIntTrio& AQuelle, TIntTrio& ATraeger);
    // The same, read from the places and the lock table.
    bool TraegerSuchen(const TIntTrio& AQuelle, TIntTrio& ATraeger);

    // The position of a place on the route (from 1), 0 off it; the index is built once per route.
    int LaufwegPos(const QList<TIntTrio>& ALaufweg, const TIntTrio& AOrt);
    bool Fremd(const TIntTrio& AId);

    struct TBestandZeile
    {
        TIntTrio Quelle;
        int Menge = 0;
    };
    using TArtikel = QPair<TInt32Trio, int>;
    // The free stock rows of an article size in the warehouse (read, or from Vorbereiten).
    QList<TBestandZeile> Bestand(const TInt32Trio& AProdukt, int AGrInd, int ALager);
    void BestandUebernehmen(const QVariantList& AZeile, QList<TBestandZeile>& AListe);

    TZAM_Datenbank& FDb;
    QHash<TVergabeSchluessel, int> FVergeben;
    int FBestandLager = -1;
    QHash<TArtikel, QList<TBestandZeile>> FBestand;
    QHash<TIntTrio, TOrt> FOrte;
    QHash<TIntTrio, TIntTrio> FTraeger; // per source its place; null: the source gives nothing
    QList<TIntTrio> FLaufweg;            // the route FLaufwegIndex was built for
    QHash<TIntTrio, int> FLaufwegIndex;
    std::optional<QSet<QString>> FFremd; // the foreign place and container locks of the run
};
