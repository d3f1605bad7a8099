#pragma once

#include <QtGlobal>

// The branch-PC extension of the data module: the branch (and warehouse) whose lists it loads.
// The lists themselves (goods slips, movements) come with the workflows that show them.
class TZAM_DM_FilialPC_Ext
{
public:
    qint16 Filiale() const { return FFiliale; }
    int Lager() const { return FLager; }
    void SetFiliale(qint16 AFiliale) { FFiliale = AFiliale; }
    void SetLager(int ALager) { FLager = ALager; }

private:
    qint16 FFiliale = -1;
    int FLager = -1;
};
