#pragma once

#include "IZAM_LagerBewegungEditServer.h"
#include "TAbstractVRListState.h"
#include "TIntTrio.h"
#include "TZAM_Lagerort_Info.h"

#include <QList>
#include <QPair>

// The picking container of a run: a container or a shipping staging place for the target, or,
// for a branch outside the warehouse management, the pseudo container "Ohne WBS". Passed over
// while the current one still fits; the worker scans or taps one otherwise.
class TState_Kommissionierbehaelter : public TAbstractVRListState
{
public:
    static constexpr const char* CKlassenName = "TState_Kommissionierbehaelter";
    using TAbstractVRListState::TAbstractVRListState;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void vtVRListColumnNodeClick(int ACol, const TVTVRKnoten& ANode) override;
    void btnZurueckClick() override;

    // Takes the container or place for the run (AGesperrt: this handheld just locked it) and
    // goes on with the chooser's WeiterState.
    void Kommissionierbehaelter_gefunden(const TIntTrio& AId, const QString& AName, bool AIstBehaelter,
                                         bool AGesperrt = false);
    // Unlocks the picking container when this handheld locked it.
    void Eigenen_Kommissionierbehaelter_entsperren();
    // The picking container is released and emptied.
    void Init_Und_entsperren_Nachsort_KomBeh();

    // The list's columns: name ("Lagerorte"), id, whether it is a container.
    enum TSpalte
    {
        CSpalteName,
        CSpalteId,
        CSpalteBehaelter
    };

private:
    // Mode 3 for a branch of this warehouse: only its shipping staging places will do.
    bool NurVersandbereitstellung() const;
    // The putaway supplies another branch for processing: the pseudo container will not do.
    bool PutawayZurBearbeitung() const;
    bool Passt();
    void Laden();
    // The checks of a scanned or tapped place; refusals are foot tips.
    void Pruefen_Und_Uebernehmen(const TIntTrio& AId, const QString& AName, bool AIstBehaelter,
                                 TZAM_Lager_Ausgezeichnete_Bereiche ABereich);
    void Weiter();

    QList<QPair<TIntTrio, QString>> FVBS;
    QList<TZAM_BehaelterFuerZiel> FBehaelter;
};
