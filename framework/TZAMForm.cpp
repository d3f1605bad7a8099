#include "TZAMForm.h"

TZAMForm::TZAMForm(QWidget* AParent, const QString& AKomponentenName)
    : QDialog(AParent), FKomponentenName(AKomponentenName)
{
    ZAMFormInit();
}

void TZAMForm::ZAMFormInit()
{
    if (!FKomponentenName.isEmpty())
        setObjectName(FKomponentenName);
    setAttribute(Qt::WA_DeleteOnClose, false);
}
