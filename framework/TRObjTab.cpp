#include "TRObjTab.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_NummernkreisServer.h"

bool TRObjTab::GetObjektRTypExist(const QString& AObjekt, int ASatzTyp)
{
    return Glob_WWSServerFactoryClass().Create<IZAM_NummernkreisServer>()->ObjektSatzTypExist(AObjekt, ASatzTyp);
}
