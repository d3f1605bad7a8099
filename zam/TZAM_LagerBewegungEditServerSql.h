#pragma once

#include "IZAM_LagerBewegungEditServer.h"
#include "TZAM_Allokation.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <functional>
#include <memory>
#include <optional>

class TZAM_Datenbank;

// Stock movements on SQL: place stock (zam_bestand), the branches' stock (zam_bf), personalised
// stock (zam_lvpb), container assignments (zam_behaelter) and the movement journal (zam_bewegung).
class TZAM_LagerBewegungEditServerSql : public IZAM_LagerBewegungEditServer
{
public:
    explicit TZAM_LagerBewegungEditServerSql(TZAM_Datenbank& ADb) : FDb(ADb), FAllokation(ADb) {}

    bool Lagerbewegung_Buchen(TZAM_Lager_BEW& ABew, bool ABuchen, TZAM_InfoMeldungListe* AMeldungen = nullptr) override;
    bool UmlagerBewegung_Buchen(TZAM_Lager_BEW& ABew, TZAM_Lager_BNE_Korrektur& AKorrektur, int AUmlagerungsArt,
                                int ABuchungsFiliale, int AAktLager, bool ABuchen,
                                TZAM_InfoMeldungListe* AMeldungen) override;
    bool Bestandskorrektur_Buchen(TZAM_Lager_BEW& ABew, TZAM_Lager_BNE_Korrektur& AKorrektur, bool ABuchen,
                                  TZAM_InfoMeldungListe* AMeldungen) override;

    int FilialZuordnung_Lesen(const TIntTrio& ALagerort, int AArt) override;
    int LagerZuordnung_Lesen(const TIntTrio& ALagerort, int AArt) override;
    void LVPBDaten_Ermitteln(const TInt32Trio& AProduktId, int AGrInd, TZAM_LVPB_Daten_Array& ADaten, int AArt,
                             int AMenge, const TIntTrio& AAnLagerort, const TIntTrio& AVonLagerort,
                             const TZAM_PersArt_ExtVerweis& AExtVerweis, int AVonFiliale, int AFilialFilter) override;
    int Lagerplatzbestand(const TInt32Trio& AProduktId, int AGrInd, const TIntTrio& ALagerort) override;
    int Filialbestand(const TInt32Trio& AProduktId, int AFiliale, int ABestandsart, int AGrInd) override;
    void LVPBSaetze_4_Behaelter(const TIntTrio& ABehaelter, TZAM_LVPB_Satz_Info_List& AListe, int AFiliale,
                                int AArt) override;

    bool Behaelter_Zuordnung_Lesen(const TIntTrio& ABehaelter, TZAM_Lager_Gitterwagen_Zuordnungsdaten& ADaten) override;
    bool Behaelter_Zuordnung_Loeschen(const TIntTrio& ABehaelter, bool ABuchen) override;
    bool Lagerort_4_Behaelter(const TIntTrio& ABehaelter, TIntTrio& ALagerort) override;
    bool Vater_4_Behaelter(const TIntTrio& ABehaelter, TIntTrio& AVater) override;
    bool Behaelter_HatFremdeArtikel(const TIntTrio& ABehaelter, int AArt, qint64 AMenge) override;
    bool Lagerort_HatBestand(const TIntTrio& ALagerort) override;
    bool Behaelter_Zuordnen(const TIntTrio& ABehaelter, int AFiliale, int ALager) override;
    QList<TZAM_BehaelterFuerZiel> Behaelter_4_Ziel(int ALager, int AFiliale) override;
    void Cache_Leeren() override {}
    bool LagerZuAbgang_Buchen(int AModus, const TIntTrio& AVon, const TIntTrio& AAn,
                              const QList<TZAM_Intv100_Sortiment_MeMitProduktIdMitFil>& AMengen, int ALager,
                              const TIntPair& AMitarbeiter, TZAM_InfoMeldungListe& AMeldungen, bool ABuchen) override;
    bool Lagerortinhalt_Lesen(const TIntTrio& ALagerort, TVRList& AListe) override;
    bool Behaelter_Zuordnung_Pruefen(const TIntTrio& ABehaelter, const TIntTrio& AZiel,
                                     TZAM_InfoMeldungListe& AMeldungen) override;
    bool Behaelter_Umsetzen(const TIntTrio& ABehaelter, const TIntTrio& AZiel, TZAM_InfoMeldungListe& AMeldungen,
                            bool ABuchen, const QString& ASchluessel) override;
    void Lagerort_FilialeZuordnen(int AFiliale, const TIntTrio& ALagerort) override;
    QList<TZAM_LVLB_BF_Abweichung> LVLB_BF_Abweichungen(const TInt32Trio& AProduktId) override;
    void Allokation_Zuruecksetzen() override { FAllokation.Zuruecksetzen(); }
    void Allokation_Vorbereiten(const QList<QPair<TInt32Trio, int>>& AArtikel, int ALager) override
    {
        FAllokation.Vorbereiten(AArtikel, ALager);
    }
    QList<TZAM_AllokationsEintrag> Aufgabe_Allokieren(const TZAM_AufgabenAllokation& AAufgabe, int ALager,
                                                     bool ANurLaufweg, const TZAM_LaufwegVerbotDict* AVerbote) override
    {
        return FAllokation.Allokieren(AAufgabe, ALager, ANurLaufweg, AVerbote);
    }
    bool Sammeleinlagerung_Buchen(TQIV_Lager_Sammeleinlagerung& ARec, TZAM_InfoMeldungListe& AMeldungen,
                                  bool ABuchen) override;
    bool Bestandsliste_4_Lagerort(const TIntTrio& ALagerort, TVRList& AListe) override;
    bool Bestandsliste_4_Produkt(const TInt32Trio& AProduktId, int ALager, TVRList& AListe,
                                 bool AJeLagerort = false) override;
    bool Aufgabe_Buchen(TZAM_Lager_BEW& ALagerbewegung_physisch, TQIV_AufgabenZeile& AAufgabenzeile,
                        TZAM_Lager_BEW& ALagerbewegung_Fehlmenge, TZAM_Aufgabe_Erfuellen_Daten& AErfuellungsdaten_Fehlmenge,
                        bool AMitAufgaben_Erfuellung_Fehl, TZAM_Lager_BNE_Korrektur& ALagerBNE_physisch,
                        TZAM_Lager_BNE_Korrektur& ALagerBNE_Korrektur, bool AMitFehlmenge,
                        bool AMitLagerbewegung_physisch, bool AMitBNEKorrektur, bool AAufgabe_Nicht_Loeschen,
                        bool ADruckAufgabeBenoetigt, TZAM_InfoMeldungListe* AMeldungen,
                        bool& AAufgabeGeloescht) override;

private:
    // A place or container as the bookings need it.
    struct TOrt
    {
        TIntTrio Id;
        int Lager = 0;
        int Bereich = 0;
        int Kennung = 0;     // the place's kind (a container: 3)
        int Filiale = -1;    // the ordinary branch assignment
        int BehFiliale = -1; // a container's delivery branch
        TIntTrio Auf;        // what it stands on; null for none
    };
    using TEigentuemer = QList<QPair<int, int>>; // branch, pieces

    bool Buchung(const QString& AName, TZAM_Lager_BEW& ABew, const TZAM_Lager_BNE_Korrektur* AKorrektur,
                 int AUmlagerungsArt, int AFiliale, bool ABuchen, TZAM_InfoMeldungListe* AMeldungen);
    bool Planen(const TZAM_Lager_BEW& ABew, const TZAM_Lager_BNE_Korrektur* AKorrektur, int AFiliale,
                class TZAM_Bestandsplan& APlan, TZAM_InfoMeldungListe& AMeldungen);
    bool Ort_Lesen(const TIntTrio& AId, TOrt& AOrt);
    std::optional<TOrt> Ort_Datenbank(const TIntTrio& AId);
    // Runs ARumpf in a bracket of its own (kind 69, named "Class." + AName) under a savepoint:
    // false rolls its writes back, an exception abandons the bracket.
    bool GanzOderGarNicht(const QString& AName, const std::function<bool()>& ARumpf);
    bool FremdGesperrt(const TOrt& AOrt, TZAM_InfoMeldungListe& AMeldungen);
    QList<int> Filialen_4_Lager(int ALager);
    TEigentuemer Eigentuemer(const TOrt& AOrt, int ATyp, int AMenge, int AFiliale, const TZAM_Lager_BEW& ABew,
                             const class TZAM_Bestandsplan& APlan);
    int Empfaenger(const TOrt& AOrt, int AFiliale);
    void Journal(const TZAM_Lager_BEW& ABew, const TZAM_Lager_BNE_Korrektur* AKorrektur, int AUmlagerungsArt);
    // Journal rows of several corrected movements in as few statements as the parameter limit allows.
    void Journal(const QList<std::pair<TZAM_Lager_BEW, TZAM_Lager_BNE_Korrektur>>& ASchritte, int AUmlagerungsArt = 0);
    static QVariantList JournalZeile(const TZAM_Lager_BEW& ABew, const TZAM_Lager_BNE_Korrektur* AKorrektur,
                                     int AUmlagerungsArt);

    // While a call that books many movements over the same places runs (TVorratAn), places,
    // their locks and the sizes of articles are read once each. Off for calls that move places.
    struct TVorrat
    {
        QHash<TIntTrio, std::optional<TOrt>> Orte;
        QSet<TIntTrio> Frei; // places found locked by no other program
        QHash<TInt32Trio, QSet<int>> Groessen;
    };
    class TVorratAn
    {
    public:
        explicit TVorratAn(TZAM_LagerBewegungEditServerSql& AServer) : S(AServer), FEigener(!AServer.FVorrat)
        {
            if (FEigener)
                S.FVorrat = std::make_unique<TVorrat>();
        }
        ~TVorratAn()
        {
            if (FEigener)
                S.FVorrat.reset();
        }
        TVorratAn(const TVorratAn&) = delete;
        TVorratAn& operator=(const TVorratAn&) = delete;

    private:
        TZAM_LagerBewegungEditServerSql& S;
        const bool FEigener;
    };
    bool Groesse_Vorhanden(const TInt32Trio& AProdukt, int AGroesse);
    // Issued pieces must not be reserved ones: what zam_lvpb holds on the place stays (..._Lagerort.cpp).
    bool Unreserviert_Reicht(const TIntTrio& AOrt, const QMap<QPair<TInt32Trio, int>, int>& AMengen,
                             TZAM_InfoMeldungListe& AMeldungen);
    // The branch a place's goods belong to when nothing else says: the warehouse's only branch, else -1.
    int Einzige_Filiale(int ALager);

    // The collective putaway: its record checked, its movements planned (..._Sammeleinlagerung.cpp).
    class TSammeleinlagerung;
    // The stock lists: the rows of zam_bestand that AFilter (over b, the stock row, and o, its
    // place) selects, AMit a WITH clause it uses (..._Bestandsliste.cpp). Raises on a read failure.
    void Bestandsliste(const QString& AMit, const QString& AFilter, const QVariantList& AWerte, TVRList& AListe,
                       bool AJeLagerort = false);

    TZAM_Datenbank& FDb;
    TZAM_Allokation FAllokation;
    std::unique_ptr<TVorrat> FVorrat;
};
