#include "TArtNumSuchDialog.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_ArtikelServer.h"

bool TArtNumSuchDialog::Execute_Text(const QString& AText, QList<TInt32Trio>& AProdukte)
{
    AProdukte = Glob_WWSServerFactoryClass().Create<IZAM_ArtikelServer>()->Artikel_Suchen(AText, CHoechstens);
    return !AProdukte.isEmpty();
}
