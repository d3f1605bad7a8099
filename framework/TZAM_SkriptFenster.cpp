#include "TZAM_SkriptFenster.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {
QList<QPointer<QWidget>>& Reihenfolge()
{
    static QList<QPointer<QWidget>> r;
    return r;
}

bool IstFenster(const QWidget* AWidget)
{
    if (!AWidget || !AWidget->isWindow() || !AWidget->isVisible())
        return false;
    const Qt::WindowType typ = AWidget->windowType();
    return typ != Qt::Popup && typ != Qt::ToolTip && typ != Qt::Desktop && typ != Qt::SplashScreen;
}
} // namespace

void TZAM_SkriptFenster::Beobachten()
{
    static QPointer<TZAM_SkriptFenster> beobachter;
    if (beobachter || !qApp)
        return;
    beobachter = new TZAM_SkriptFenster(qApp);
    qApp->installEventFilter(beobachter);
}

bool TZAM_SkriptFenster::eventFilter(QObject* AObjekt, QEvent* AEreignis)
{
    if (AEreignis->type() == QEvent::Show || AEreignis->type() == QEvent::WindowActivate) {
        if (auto* w = qobject_cast<QWidget*>(AObjekt); w && w->isWindow()) {
            auto& r = Reihenfolge();
            r.removeIf([w](const QPointer<QWidget>& p) { return !p || p == w; });
            r.append(w);
        }
    }
    return false;
}

QWidget* TZAM_SkriptFenster::AktivesFenster()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* aktiv = QApplication::activeWindow(); IstFenster(aktiv))
        return aktiv;
    const auto& r = Reihenfolge();
    for (auto it = r.crbegin(); it != r.crend(); ++it)
        if (IstFenster(*it))
            return *it;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (IstFenster(w))
            return w;
    return nullptr;
}

void TZAM_SkriptFenster::Aktivieren()
{
    QWidget* fenster = AktivesFenster();
    if (fenster && QApplication::activeWindow() != fenster && !QApplication::activePopupWidget())
        QApplication::setActiveWindow(fenster);
}

QWidget* TZAM_SkriptFenster::Tastenziel()
{
    if (QWidget* grabber = QWidget::keyboardGrabber())
        return grabber;
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    QWidget* fenster = AktivesFenster();
    if (!fenster)
        return nullptr;
    QWidget* fokus = fenster->focusWidget();
    return fokus && fokus->isVisible() ? fokus : fenster;
}
