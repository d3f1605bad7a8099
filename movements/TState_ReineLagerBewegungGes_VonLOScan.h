#pragma once

#include "TAbstractMultipurposePanelState.h"
#include "TZAM_Lagerort_Info.h"

#include <QString>

// Whole bin, first step: the source place whose whole content (loose goods and the containers on
// it) moves. The places travel in the data carrier's Manuell section.
class TState_ReineLagerBewegungGes_VonLOScan : public TAbstractMultipurposePanelState
{
public:
    static constexpr const char* CKlassenName = "TState_ReineLagerBewegungGes_VonLOScan";
    using TAbstractMultipurposePanelState::TAbstractMultipurposePanelState;

    void StateAnfangVariablenClear() override;
    QString Caption_Get() override { return CCaption(); }
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void btnZurueckClick() override;

    static QString CCaption() { return QStringLiteral("Gesamtes Fach umlagern"); }
    // The place test of both sides, first failing rule; empty when the place may be used. AFilZuord
    // and ALagZuord return the place's branch and warehouse assignment. The target is also held
    // against the source's assignments in the data carrier.
    static QString LagerortTest(TfrmMDE* AMaske, const TZAM_Lagerort_Info& AInfo, bool AAlsZiel, qint16& AFilZuord,
                                qint32& ALagZuord);

    // The scanned place converted (silently) and tested, a target also against the source; false
    // with the reason in AState's footer.
    static bool OrtScannen(TAbstractState* AState, const QString& AText, bool AAlsZiel, TZAM_Lagerort_Info& AInfo,
                           qint16& AFilZuord, qint32& ALagZuord);

private:
    void Scan(const QString& AText);
    void BehaelterFrageAntwort(int AAntwort);
};
