#pragma once

#include "IZAM_Info.h"
#include "TZAM_Meldungskatalog.h"

#include <QList>
#include <QMutex>

// Message service: catalogue texts, message windows, exception registration and the protocol
// file. With an automatic answer set (tests, scripted runs without display) no window opens.
class TZAM_InfoService : public IZAM_Info
{
public:
    TZAM_InfoService(const QString& AProtokollDatei, const QString& ATerminal);

    void RegisterException(const QString& AMethode, const std::exception& E, bool AZeigen) override;
    int ShowMeldung(int AArt, int ANummer, const QString& AGruppe, const QStringList& AEinfuegungen) override;
    QString Meldungstext(const TInfoKoord& AKoord, const QStringList& AEinfuegungen) const override;
    void ZAMWarnungBox(const QString& AText) override;
    bool ZAMJaNeinBox(const QString& AText) override;
    void WriteStamp(const QString& AText, int AArt) override;
    void AntwortVorgeben(int AErgebnis) override;
    QStringList GezeigteMeldungenHolen() override;

    // Every message without an answer given beforehand gets this one (mrNone: show the window).
    void SetAutoAntwort(int AErgebnis) { FAutoAntwort = AErgebnis; }
    const QString& ProtokollDatei() const { return FProtokollDatei; }
    const TZAM_Meldungskatalog& Katalog() const { return FKatalog; }

private:
    enum TFensterArt { faInfo, faWarnung, faFrage };
    int Zeigen(TFensterArt AArt, const QString& AText);

    TZAM_Meldungskatalog FKatalog;
    QString FProtokollDatei;
    QString FTerminal;
    QList<int> FAntworten;
    int FAutoAntwort = mrNone;
    QStringList FGezeigt;
    QMutex FProtokollMutex;
};
