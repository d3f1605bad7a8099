#pragma once

#include "TInt32Trio.h"
#include "TIntTrio.h"
#include "TOrgeIdKompl.h"
#include "TZAM_TriState.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QSet>
#include <QString>

// Sets over small enumerations: bit n stands for the value n.
using TZAM_Aufgabe_ArtSet = quint16;             // task kinds 0..8 (1 ordinary, 8 hand-store relocation)
using TZAM_Aufgabe_GeschaeftsvorfallSet = quint16; // business cases 0..8
using TZAM_Aufgabe_StatusSet = quint16;          // statuses 0..10
using TZAM_ExtVerweis_KennungSet = quint8;       // external-reference kinds 0..7 (1 document, 3 external order)

inline constexpr TZAM_Aufgabe_GeschaeftsvorfallSet CZAM_Aufgabe_Geschaeftsvorfall_Alle = 0x1ff;
inline constexpr TZAM_Aufgabe_StatusSet CZAM_Aufgabe_Status_Standard = 20; // {2, 4}
inline constexpr TZAM_Aufgabe_StatusSet CZAM_Aufgabe_Status_OffenOderInArbeit = 28; // {2, 3, 4}

constexpr quint32 ZAMSetBit(int AWert) { return quint32(1) << AWert; }

// The task service's search criteria. A member at its cleared value does not restrict.
struct TZAM_Aufgaben_Suchkriterien
{
    TZAM_Aufgabe_ArtSet Arten = 0;
    QDate ErstelltVon, ErstelltBis;
    QDate BearbeitungVon, BearbeitungBis; // a null upper bound is open
    TZAM_Aufgabe_StatusSet Status = 0;
    TInt32Trio ProduktId;
    quint8 GroessenIndex = 255;           // 255: any size
    qint16 QuellFiliale = -1;
    qint32 Lager = -1;
    qint16 ZielFiliale = -1;              // 0 or less: any
    TIntTrio ZielLagerort;
    QByteArray VorgangsTypen;             // transaction-type characters; empty: any
    TZAM_TriState Teamsport;              // undefined: any
    TZAM_ExtVerweis_KennungSet ExtVerweisEinschluss = 0;
    TZAM_ExtVerweis_KennungSet ExtVerweisAusschluss = 0;
    QSet<QChar> Herkuenfte;               // origin marks; empty: any
    QList<TOrgeIdKompl> BuchFilialen;     // booking branches; empty: any
    TIntTrio BelegId;
    QString ExtAuftragsKey;
    TZAM_Aufgabe_GeschaeftsvorfallSet Geschaeftsvorfaelle = 0;
    QList<TIntTrio> ZusatzIds;            // replenishment-request reasons; empty: any
    bool NurBezahlte = false;
    QList<TIntTrio> AufgabenIds;          // explicit tasks; empty: any
};

inline void Clear_Aufgaben_Suchkriterien(TZAM_Aufgaben_Suchkriterien& A) { A = TZAM_Aufgaben_Suchkriterien(); }
