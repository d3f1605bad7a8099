#pragma once

#include "TIntTrio.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QString>
#include <memory>

class IZAM_LVLZServer;

// The place-assignment manager: a place, usually a container, assigned to a customer-order
// document (reference kind 1, the document key, number 0) with a process combination, an order
// type and a container status. Every call reads or writes the assignments afresh (another
// device may assign a container meanwhile).
class TLVLZMani
{
public:
    TLVLZMani();
    ~TLVLZMani();

    // The assignment of the place; false (outs emptied) when it has none.
    bool ExtVerweis_u_VerfKombiId_4_Lagerort(TZAM_PersArt_ExtVerweis& AVerweis, TIntTrio& AVerfKombiId,
                                             int& AAuftragsTyp, int& AStatus, const TIntTrio& ALagerort);
    // Removes the place's assignment; nothing when it has none.
    void Lagerort_Verweis_Loeschen(const TIntTrio& ALagerort);
    // The document whose goods the place holds: its formatted number, the process combination's
    // name, the order type and the document date as text ("dd.MM.yyyy"); false (texts empty)
    // when none.
    bool BelegDaten_4_Lagerort(QString& ABelegNr, QString& AVerfKombiText, int& AAuftragsTyp, QString& ADatumText,
                               const TIntTrio& ALagerort);
    // Assigns the place to the document (kind 1, number 0) with the process combination, order
    // type and container status, replacing an earlier assignment. False, writing nothing, for a
    // null place or document key.
    bool Behaelter_ZuordnenZu_Beleg(const TIntTrio& ALagerort, const TIntTrio& ABelegId, const TIntTrio& AVerfKombiId,
                                    int AAuftragsTyp, int AStatus);

private:
    IZAM_LVLZServer& Server();
    std::unique_ptr<IZAM_LVLZServer> FServer;
};
