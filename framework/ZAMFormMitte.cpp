#include "ZAMFormMitte.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void ZAMFormMitte(QWidget* AFenster, const QWidget* AOwner)
{
    QRect bezug;
    if (AOwner && AOwner->isVisible())
        bezug = QRect(AOwner->mapToGlobal(QPoint(0, 0)), AOwner->size());
    else if (const QScreen* s = AFenster->screen() ? AFenster->screen() : QGuiApplication::primaryScreen())
        bezug = s->availableGeometry();
    if (!bezug.isValid())
        return;
    QRect r = AFenster->frameGeometry();
    r.moveCenter(bezug.center());
    AFenster->move(r.topLeft());
}
