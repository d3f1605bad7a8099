#pragma once

#include "IZAM_Buchung.h"

#include <QStringList>

class TZAM_Datenbank;

// The booking bracket on the program's connection. The outermost open starts the transaction
// and writes the bracket's protocol row, whose key GetProtId answers.
class TZAM_BuchungService : public IZAM_Buchung
{
public:
    TZAM_BuchungService(TZAM_Datenbank& ADb, const QString& ATerminal);
    ~TZAM_BuchungService() override;

    void Oeffnen(int AOperationsArt, const QString& AName) override;
    void Schliessen(const QString& AName) override;
    void Abbrechen() override;
    bool IstOffen() override;
    int Tiefe() const override { return int(FStapel.size()); }
    void Aufgeben(int ATiefe) override;
    TIntTrio GetProtId() override;

private:
    enum TZustand { bzNormal, bzAufgegeben, bzAbgebrochen };
    qint64 Beginnen(int AOperationsArt, const QString& AName);
    void NachVerlorenerAntwort(qint64 AId, const QString& AName);
    static void Protokoll(const QString& AText);
    void Verdorben();
    void Zuruecksetzen();

    TZAM_Datenbank& FDb;
    QString FTerminal;
    QStringList FStapel;
    TZustand FZustand = bzNormal;
    bool FAufgegebenMelden = false;
    TIntTrio FProtId;
    qint64 FId = 0;
};
