#pragma once

#include "TAbstractLagerZuAbGangState.h"

// Articles relocated from a source to a target place (mode 1; parcel shipping builds on it). The
// first two places scanned are source and target; the source is locked until the relocation is
// booked or left. Articles are tested against the source's stock when scanned and again before
// booking, where the missing pieces of a source without branch are booked as an inventory gain.
// Each row is booked as a relocation of its own (Umlagerung_Buchen_Do).
class TAbstractState_ReineLagerBewegung : public TAbstractLagerZuAbGangState
{
public:
    static constexpr const char* CKlassenName = "TAbstractState_ReineLagerBewegung";
    using TAbstractLagerZuAbGangState::TAbstractLagerZuAbGangState;
    ~TAbstractState_ReineLagerBewegung() override;

    void StateAnfangVariablenClear() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;

    const TZAM_Lagerort_Info& VonLagerort() const { return FVonLagerort; }
    const TZAM_Lagerort_Info& AnLagerort() const { return FAnLagerort; }
    const TIntTrio& VonLagerortGesperrt() const { return FVonLagerortGesperrt; }

protected:
    void Gescannt_Lagerort(const TZAM_Lagerort_Info& AInfo) override;
    void Artikel_Pruefen(const TInt32Trio& AProduktId, int AGrInd, int AFilNr,
                         const std::function<void()>& AWeiter) override;
    // The input check, then Umlagerung_Buchen, leaving the state when all was booked.
    void DoBtnBuchenClick() override;
    bool HatEingaben() const override;
    void Verlassen() override;

    // Whether the place may be the source (AAlsQuelle) or the target; false with the footer.
    // AFilZuord and ALagZuord: the place's branch and warehouse assignment (-1: none).
    virtual bool LagerortTest(const TZAM_Lagerort_Info& AInfo, bool AAlsQuelle, qint16& AFilZuord, qint32& ALagZuord);
    // Both places scanned, of the current warehouse, rows listed, and (unless the source is a
    // wormhole) enough stock on the source: a source without branch gets the missing pieces as an
    // inventory gain (all rows' gains in one booking). False with the footer or a message.
    bool EingabePruefen();
    // Books the rows (Umlagerung_Buchen_Do; stop at the first refusal unless the data carrier
    // names a source handed over). A refusal is shown in the footer; rows moved short or a
    // refusal for a handed-over source show the source's remaining stock. AVerlassen: back to
    // the mode menu when everything was booked. AMeldung: the refusals.
    bool Umlagerung_Buchen(bool ALVPBNachVonFilFiltern, bool AVerlassen, QString& AMeldung);
    // The goods still on the source, as a message.
    void RestbestandZeigen();
    void VonLagerortEntsperren();
    void KopfAktualisieren();

    TZAM_Lagerort_Info FVonLagerort;
    TZAM_Lagerort_Info FAnLagerort;
    qint16 FFilZuordVon = -1;
    qint32 FLagZuordVon = -1;
    qint16 FFilZuordAn = -1;
    qint32 FLagZuordAn = -1;
    TIntTrio FVonLagerortGesperrt;
    bool FFehlPruefenBuchen = false;

private:
    void Lagerort_Uebernehmen(const TZAM_Lagerort_Info& AInfo, bool AAlsQuelle);
    void Lagerort_Setzen(const TZAM_Lagerort_Info& AInfo, bool AAlsQuelle, qint16 AFilZuord, qint32 ALagZuord);
    void Lagerorte_Leeren();
};
