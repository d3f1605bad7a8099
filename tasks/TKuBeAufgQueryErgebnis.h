#pragma once

#include "TIntTrio.h"

#include <QChar>
#include <QDateTime>
#include <QString>

// One row of the customer-order task statement: the task header, its execution, the order it
// belongs to, the external order information, the order header and the order's paid and unpaid
// position counts.
struct TKuBeAufgQueryErgebnis
{
    TIntTrio AufgabenID;
    QString AufgabenArt;
    QDateTime AufgabenZeitpunktAnl;
    QDateTime AufgabenZeitpunktBearb;
    QString AufgabenGV;
    QString AufgabenStatus; // one character
    qint32 Fil_Nr_Von = 0;
    qint32 Fil_Nr_An = 0;
    qint32 Menge = 0;
    TIntTrio BNE_Vorg_ID;
    qint32 BNE_Vorg_Typ = 0;
    QString KubeKennung;
    TIntTrio KubeId;
    qint32 KubeErgNr = 0;
    QString EXBI_Kennung;
    QChar EXBI_Bezahlt = QLatin1Char(' ');
    qint32 EXBI_BuchFil = 0;
    QChar EXBI_Herkunft = QLatin1Char(' ');
    QChar ATK_auslieferungtyp = QLatin1Char(' ');
    QChar ATK_zahlungsart = QLatin1Char(' ');
    QChar ATK_herkunftskz = QLatin1Char(' ');
    TIntPair ATK_Glaeubiger;
    TIntPair ATK_GlaeubigerOrge;
    qint32 Pos_Bez_Anz_Ja = 0;
    qint32 Pos_Bez_Anz_Nein = 0;

    void Clear();
};
