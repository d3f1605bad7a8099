#include "TItemBatchDlg.h"

#include "ZAMFehler.h"
#include "ZAMInfoKoords.h"

TItemBatchDlg::TItemBatchDlg() = default;
TItemBatchDlg::~TItemBatchDlg() = default;

void TItemBatchDlg::Vorbereiten()
{
    FEintraege.clear();
}

int TItemBatchDlg::Add(const TInt32Trio& AProdukt, const TVorgInfo& AVorgInfo, void* AZusatz, int AIndex,
                       const QString& ALieferungKeyText)
{
    TEintrag e;
    e.VorgInfo = AVorgInfo;
    e.Zusatz = AZusatz;
    e.Item.LieferungKeyText = ALieferungKeyText;
    e.Item.Lieferung.ProduktId = AProdukt;
    const int index = AIndex < 0 || AIndex > FEintraege.size() ? int(FEintraege.size()) : AIndex;
    FEintraege.insert(index, e);
    return index;
}

bool TItemBatchDlg::Execute(void*, bool)
{
    // The plain batch dialog has nothing to execute; its descendants post their items.
    NurImProgrammModus(QStringLiteral("TItemBatchDlg.Execute"));
    FehlerRaise(QStringLiteral("TItemBatchDlg.Execute"), CZAM_Info_Fehler_Standard_FktNichtImplementiert,
                QStringLiteral("TItemBatchDlg.Execute"));
    return false;
}

const TItemBatchDlg::TEintrag& TItemBatchDlg::Eintrag(int AIndex) const
{
    if (AIndex < 0 || AIndex >= FEintraege.size())
        FehlerRaise(QStringLiteral("TItemBatchDlg.GetItem"), CZAM_Info_Fehler_Standard_IllegalerParameter,
                    QStringLiteral("Index %1 von %2").arg(AIndex).arg(FEintraege.size()));
    return FEintraege.at(AIndex);
}

const TGRItem& TItemBatchDlg::GetItem(int AIndex) const
{
    return Eintrag(AIndex).Item;
}

const TVorgInfo& TItemBatchDlg::GetVorgInfo(int AIndex) const
{
    return Eintrag(AIndex).VorgInfo;
}

void* TItemBatchDlg::GetZusatz(int AIndex) const
{
    return Eintrag(AIndex).Zusatz;
}

TGRItem& TItemBatchDlg::Item(int AIndex)
{
    Eintrag(AIndex); // raises for a wrong index
    return FEintraege[AIndex].Item;
}

void TItemBatchDlg::NurImProgrammModus(const QString& AMethode) const
{
    if (FProgrammModus == 0)
        FehlerRaise(AMethode, CZAM_Info_Fehler_Standard_FktNichtImplementiert, QStringLiteral("Anzeige des Dialogs"));
}
