#pragma once

#include "TVRList.h"
#include "ZAMBewegungslisteSpalten.h"

#include <QtGlobal>
#include <memory>

// The branch-PC extension of the data module: the branch (and warehouse) whose lists it loads.
// The movement list has the 41 columns of ZAMBewegungslisteSpalten.h; its loaders come with the
// putaway workflows. The goods-slip list comes with the workflows that show it.
class TZAM_DM_FilialPC_Ext
{
public:
    TZAM_DM_FilialPC_Ext() : FBewegungsliste(Bewegungsliste_Erzeugen()) {}

    TVRList& Bewegungsliste() { return *FBewegungsliste; }
    qint16 Filiale() const { return FFiliale; }
    int Lager() const { return FLager; }
    void SetFiliale(qint16 AFiliale) { FFiliale = AFiliale; }
    void SetLager(int ALager) { FLager = ALager; }

private:
    std::unique_ptr<TVRList> FBewegungsliste;
    qint16 FFiliale = -1;
    int FLager = -1;
};
