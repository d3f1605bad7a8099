#pragma once

#include "IZAM_EXBIServer.h"
#include "TIntQuad.h"

#include <QHash>
#include <memory>

// The external-order manager: what the external order system knows of an order's positions,
// read through IZAM_EXBIServer and kept for the manager's life. The information of a position is
// kept per reference (its order id and position); the positions of an order number until the
// caller asks to reload them.
class TQIV_EXBI_Mani
{
public:
    TQIV_EXBI_Mani();
    ~TQIV_EXBI_Mani();

    // The position a reference of kind 3 names; false when the order system does not know it.
    bool BestellInfos_4_PersArt_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis, TQIV_EXBI_Info& AInfo);
    // Whether the order system knows the position a reference of kind 3 names.
    bool BestInfoExists_4_PersArt_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis);
    // Every position of an order number as references of kind 3. ANeuLaden reads them again (and
    // then infos of those positions too) and is cleared.
    void ExtVerweise_4_BelegId_AusDict(const QString& ABestellNr, bool& ANeuLaden,
                                       QList<TZAM_PersArt_ExtVerweis>& AVerweise);

private:
    IZAM_EXBIServer& Server();

    std::unique_ptr<IZAM_EXBIServer> FServer;
    QHash<TIntQuad, TQIV_EXBI_Info> FInfos;
    QHash<QString, QList<TZAM_PersArt_ExtVerweis>> FVerweise;
};
