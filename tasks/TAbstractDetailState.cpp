#include "TAbstractDetailState.h"

#include "TfrmMDE.h"

QWidget* TAbstractDetailState::ActivePanel()
{
    return FMaske->pnlDetailanzeige;
}
