#pragma once

#include "TGRItem.h"
#include "TInt32Trio.h"
#include "TVorgInfo.h"

#include <QList>
#include <QString>

// The framework's item batch dialog: items (a product with its transaction and delivery key) are
// added and then executed together. Our program only runs it in program mode, without showing
// it: Execute outside program mode raises the not-implemented error.
class TItemBatchDlg
{
public:
    TItemBatchDlg();
    virtual ~TItemBatchDlg();
    TItemBatchDlg(const TItemBatchDlg&) = delete;
    TItemBatchDlg& operator=(const TItemBatchDlg&) = delete;

    // Prepares the dialog for new items: the list is emptied.
    virtual void Vorbereiten();
    // 0 the dialog is shown; any other value runs it without showing (program mode).
    void ProgrammModusSet(int AModus) { FProgrammModus = AModus; }
    int ProgrammModus() const { return FProgrammModus; }

    // Adds an item at AIndex (-1 or beyond the end: at the end); answers its index. AZusatz is
    // kept for the caller and never read.
    int Add(const TInt32Trio& AProdukt, const TVorgInfo& AVorgInfo, void* AZusatz, int AIndex,
            const QString& ALieferungKeyText);
    // True when every item was posted (false without items).
    virtual bool Execute(void* AOwner, bool AOhneAnzeige);

    int GetCount() const { return int(FEintraege.size()); }
    // Raises the parameter error for an index outside the list.
    const TGRItem& GetItem(int AIndex) const;
    const TVorgInfo& GetVorgInfo(int AIndex) const;
    void* GetZusatz(int AIndex) const;

protected:
    // Raises the not-implemented error unless the dialog runs in program mode.
    void NurImProgrammModus(const QString& AMethode) const;
    TGRItem& Item(int AIndex);

private:
    struct TEintrag
    {
        TVorgInfo VorgInfo;
        void* Zusatz = nullptr;
        TGRItem Item;
    };
    const TEintrag& Eintrag(int AIndex) const;

    QList<TEintrag> FEintraege;
    int FProgrammModus = 0;
};
