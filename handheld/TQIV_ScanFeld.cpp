#include "TQIV_ScanFeld.h"

#include <QKeyEvent>

TQIV_ScanFeld::TQIV_ScanFeld(QWidget* AParent) : QLineEdit(AParent)
{
    setFocusPolicy(Qt::ClickFocus);
}

void TQIV_ScanFeld::Starten()
{
    FAktiv = true;
}

void TQIV_ScanFeld::keyPressEvent(QKeyEvent* AEvent)
{
    switch (AEvent->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        AEvent->accept();
        Beenden();
        return;
    default:
        QLineEdit::keyPressEvent(AEvent);
    }
}

void TQIV_ScanFeld::focusOutEvent(QFocusEvent* AEvent)
{
    QLineEdit::focusOutEvent(AEvent);
    // Another window taking the focus (a message) does not end the scan.
    if (AEvent->reason() != Qt::ActiveWindowFocusReason && AEvent->reason() != Qt::PopupFocusReason)
        Beenden();
}

void TQIV_ScanFeld::Beenden()
{
    if (!FAktiv)
        return;
    FAktiv = false;
    // The focus leaves the field, as it does on the device.
    if (QWidget* w = window())
        if (QWidget* ziel = w->findChild<QWidget*>(QStringLiteral("pnlAnzeige")))
            ziel->setFocus(Qt::OtherFocusReason);
    Q_EMIT Verlassen();
}
