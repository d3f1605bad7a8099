#include "TQIV_MDEEreignisFilter.h"

#include "TfrmMDE.h"
#include "ZAMGlobal.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

TQIV_MDEEreignisFilter::TQIV_MDEEreignisFilter(TfrmMDE* AMaske) : FMaske(AMaske)
{
    qApp->installEventFilter(this);
}

TQIV_MDEEreignisFilter::~TQIV_MDEEreignisFilter()
{
    qApp->removeEventFilter(this);
}

bool TQIV_MDEEreignisFilter::eventFilter(QObject* AObjekt, QEvent* AEvent)
{
    if (AEvent->type() != QEvent::ShortcutOverride && AEvent->type() != QEvent::KeyPress)
        return false;
    auto* taste = static_cast<QKeyEvent*>(AEvent);
    if (!AObjekt->isWidgetType() || static_cast<QWidget*>(AObjekt)->window() != FMaske)
        return false;
    if (AEvent->type() == QEvent::KeyPress) {
        if (FProtokoll)
            ZAMInfo().WriteStamp(QStringLiteral("TfrmMDE.KeyPress: Taste %1, Text \"%2\", Modifier %3")
                                     .arg(taste->key())
                                     .arg(taste->text())
                                     .arg(int(taste->modifiers())),
                                 1);
        if (FVerschluckt != 0 && taste->key() == FVerschluckt) {
            FVerschluckt = 0;
            return true;
        }
        return false;
    }
    // The override comes first: acting here keeps the short cut from firing as well.
    if (!Handeln(taste->key(), taste->modifiers(), taste->text()))
        return false;
    FVerschluckt = taste->key();
    taste->accept();
    return true;
}

bool TQIV_MDEEreignisFilter::Handeln(int ATaste, Qt::KeyboardModifiers AModifier, const QString& AText)
{
    const QKeySequence praefix = FMaske->actScan_Get()->shortcut();
    if (!praefix.isEmpty() && praefix[0] == QKeyCombination(AModifier, Qt::Key(ATaste))) {
        FMaske->DoActScanExecute();
        return true;
    }
    if (AText.size() != 1 || !AText.at(0).isDigit() || AText.at(0) > u'9')
        return false;
    // An edit field of the display area keeps its digits.
    if (auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        if (FMaske->pnlAnzeige->isAncestorOf(feld))
            return false;
    QAction* aktion = FMaske->NumpadAction(AText.at(0).digitValue());
    if (!aktion->isEnabled())
        return false;
    aktion->trigger();
    return true;
}
