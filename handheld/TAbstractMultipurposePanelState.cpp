#include "TAbstractMultipurposePanelState.h"

#include "TfrmMDE.h"

QWidget* TAbstractMultipurposePanelState::ActivePanel()
{
    return FMaske->pnlMultipurpose;
}

void TAbstractMultipurposePanelState::StateAnfangMaskeMalen()
{
    Initialize_MultipurposePanel_Visibility();
    Initialize_MultipurposePanel_Color();
    Initialize_MultipurposePanel_Font();
}
