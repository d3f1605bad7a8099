#pragma once

#include "TIntTrio.h"
#include "TItemBatchDlg.h"

#include <memory>

class IZAM_WEBuchServer;

// The grouped goods-receipt dialog: each item is the delivery of one product, its delivery key
// naming the open scan records to post (see TZAM_LieferungKey). Execute posts the items one by
// one through the goods-receipt posting service, each whole or not at all, and fills every item's
// result: posted flag, reason of a refusal, booked quantities per size.
class TGrpLiefavisWE_Dlg : public TItemBatchDlg
{
public:
    TGrpLiefavisWE_Dlg();
    ~TGrpLiefavisWE_Dlg() override;

    // Settings, set by the caller in this order. Only Lagerplatz and Modus concern the posting.
    qint64 LieferavisNr = 0;    // the goods-receipt notice the items come from; 0 none
    bool AvisAnzeigen = false;  // show the notice's lines (the dialog is never shown)
    bool DispoPruefen = true;   // the service always tests the dispositions
    bool LagerplatzFest = true; // mode 1: every record onto Lagerplatz
    TIntTrio Lagerplatz;
    int Modus = 1; // 1 count list: every record onto Lagerplatz; 2 WE-Plus: each onto its own place

    // Raises the not-implemented error outside program mode and the parameter error for a mode
    // other than 1 and 2; a database error raises (the brackets are abandoned).
    bool Execute(void* AOwner, bool AOhneAnzeige) override;

private:
    IZAM_WEBuchServer& Server();
    std::unique_ptr<IZAM_WEBuchServer> FServer;
};
