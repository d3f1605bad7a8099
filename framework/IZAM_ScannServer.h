#pragma once

#include "IZAM_Server.h"
#include "TSCANNMani.h"

#include <QList>

// A stored scan record: its key (the table's serial), type, open flag and what was written.
struct TZAM_ScanSatz
{
    qint64 Id = 0;
    int Typ = 0;
    bool Offen = true;
    TScanCode Satz;
    TIntPair Lieferant;
    qint16 LagerFiliale = -1;
};

// The store of the scan records (the scan manager's). Records outlive the program until they are
// posted (no longer open) or deleted.
class IZAM_ScannServer : public IZAM_Server
{
public:
    // Stores an open record and answers its key, above 0 and never handed out twice. Answers 0,
    // storing nothing, when the product has no article.
    virtual qint64 Einfuegen(int ATyp, const TScanCode& ASatz, const TIntPair& ALieferant, qint16 ALagerFiliale) = 0;
    // The record of a key, whatever its type and state; false when there is none.
    virtual bool Lesen_4_Id(qint64 AId, TZAM_ScanSatz& ASatz) = 0;
    // The records of a type and user (ANurOffene: the open ones only), in the order they were stored.
    virtual QList<TZAM_ScanSatz> Lesen(int ATyp, const TIntPair& AMitaGepNr, bool ANurOffene) = 0;
    virtual bool OffeneVorhanden(int ATyp, const TIntPair& AMitaGepNr) = 0;
    // Deletes the open records of a type and user; answers how many.
    virtual int OffeneLoeschen(int ATyp, const TIntPair& AMitaGepNr) = 0;
};
