#pragma once

#include "TDM_Torvik.h"
#include "TfrmMDE.h"
#include "ZAMUtils.h"

#include <QTest>
#include <memory>

// The handheld program of a test as the program starts it: its data module and its screen, shown,
// active and on the menu. Only for tests that link the program library.
inline void ZAM_HandgeraetOeffnen(std::unique_ptr<TDM_Torvik>& ADM, std::unique_ptr<TfrmMDE>& AMaske)
{
    ADM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog"), QStringLiteral("-mde")});
    AMaske = std::make_unique<TfrmMDE>();
    AMaske->show();
    AMaske->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(AMaske.get()));
    QTRY_COMPARE(AMaske->AktStateName(), QStringLiteral("TState_Menue"));
}

// What a scanner sends for a place: its key in 17 digits and five more.
inline QString ZAM_Barcode(const TIntTrio& AId)
{
    return zam_TIntTrio2String(AId) + QStringLiteral("00000");
}
