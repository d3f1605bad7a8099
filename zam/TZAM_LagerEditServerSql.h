#pragma once

#include "IZAM_LagerEditServer.h"
#include "TVRList.h"
#include "TZAM_FilialTabelleSql.h"

class TZAM_Datenbank;

// The storage structure on SQL: warehouse groups (zam_lagergruppe, zam_lagergruppe_filiale),
// places and containers (zam_lagerort, zam_behaelter), the branches' stock for splits (zam_bf),
// and the place and container locks as rows of the common lock table.
class TZAM_LagerEditServerSql : public IZAM_LagerEditServer
{
public:
    explicit TZAM_LagerEditServerSql(TZAM_Datenbank& ADb);

    QList<TZAM_Lagergruppe> Lagergruppen() override;
    bool Lagergruppe(int ANummer, TZAM_Lagergruppe& AGruppe) override;
    IZAM_FilialTabelle& Filialstamm() override { return FFilialstamm; }

    bool LagerortInfo_Lesen(const TIntTrio& ALagerort, TZAM_Lagerort_Info& AInfo,
                            const TQIV_Lagerort_Info_Optionen& AOptionen) override;
    QString LagerortName(const TIntTrio& ALagerort) override;
    bool Lagerort_InLager(const TIntTrio& ALagerort, int ALager) override;
    bool Lagerplatz_Lesen(const TIntTrio& AId, TZAM_Lagerplatz& APlatz, int AOptionen) override;
    bool Behaelter_Lesen(const TZAM_Lagerort_Info& AInfo, TZAM_Behaelter& ABehaelter) override;
    bool BehaelterTyp_Lesen(const TIntPair& ATypId, TZAM_BehaelterTyp& ATyp) override;
    QList<TZAM_Lagerort_Info> Lagerorte_4_Bereich(int ALager, TZAM_Lager_Ausgezeichnete_Bereiche ABereich) override;
    bool BearbVorbereitung_Vorhanden(int ALager) override;
    TZAM_LagerVorr_Array Wurmloecher_Lesen(int ALager) override;
    bool Lager_4_Behaelter(int& ALager, const TIntTrio& ABehaelter) override;
    int Lager_4_Filiale(int AFiliale) override;
    TOrgeIdKompl Strukturelement_Orge(const TIntTrio& ALagerort, int AArt) override;

    bool Menge_NachFilialen_Verteilen(TQIV_MengeUFilialeArr& AArr, const TInt32Trio& AProduktId, int AGrInd, int AMenge,
                                      int ALager, qint64 ABestandsarten, int ARest) override;

    bool Behaelter_Gesperrt(const TIntTrio& ABehaelter) override;
    bool Behaelter_Sperren(const TIntTrio& ABehaelter) override;
    void Behaelter_Entsperren(const TIntTrio& ABehaelter) override;
    bool Lagerort_Gesperrt(const TIntTrio& ALagerort) override;
    bool Lagerort_Sperren(const TIntTrio& ALagerort) override;
    void Lagerort_Entsperren(const TIntTrio& ALagerort) override;

    void VBSListe_Laden(int ALager, int AFiliale, int ALagerEigene) override;
    TVRList& VBSListe() override { return FVBSListe; }
    int VBSListe_SpalteId() const override { return FSpalteId; }
    int VBSListe_SpalteName() const override { return FSpalteName; }

private:
    TZAM_Datenbank& FDb;
    TZAM_FilialTabelleSql FFilialstamm;
    TVRList FVBSListe;
    int FSpalteId = 0;
    int FSpalteName = 1;
};
