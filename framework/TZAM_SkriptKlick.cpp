#include "TZAM_SkriptKlick.h"

#include "TZAM_BildschirmText.h"
#include "TZAM_SkriptZeilenKlick.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTabBar>

namespace {
// Widgets of this window only: a child window has its own elements.
bool ImFenster(const QWidget* AWidget, const QWidget* AFenster)
{
    return AWidget->window() == AFenster && AWidget != AFenster;
}

bool Nutzbar(const QWidget* AWidget)
{
    return AWidget->isVisible() && AWidget->isEnabled();
}

void Ausloesen(QWidget* AWidget)
{
    if (auto* knopf = qobject_cast<QAbstractButton*>(AWidget))
        knopf->click();
    else
        TZAM_SkriptKlick::Antippen(AWidget, AWidget->rect().center());
}
} // namespace

void TZAM_SkriptKlick::Antippen(QWidget* AWidget, const QPoint& AOrt)
{
    QWidget* ziel = AWidget->childAt(AOrt);
    const QPoint ort = ziel ? ziel->mapFrom(AWidget, AOrt) : AOrt;
    if (!ziel)
        ziel = AWidget;
    QPointer<QWidget> wache(ziel);
    // Offscreen no window is active, so the press alone would not move the focus. A list's
    // viewport takes none: its view does.
    for (QWidget* w = ziel; w; w = w->parentWidget()) {
        if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus)) {
            w->setFocus(Qt::MouseFocusReason);
            break;
        }
        const QWidget* stellvertreter = w->focusProxy() ? w->focusProxy() : w;
        if (w->isWindow() || stellvertreter->hasFocus())
            break;
    }
    const QPointF fensterOrt = ziel->mapTo(ziel->window(), ort);
    const QPointF global = ziel->mapToGlobal(ort);
    QMouseEvent druck(QEvent::MouseButtonPress, ort, fensterOrt, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &druck);
    if (!wache)
        return;
    QMouseEvent los(QEvent::MouseButtonRelease, ort, fensterOrt, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &los);
}

QString TZAM_SkriptKlick::Klicken(QWidget* AFenster, const QString& AName)
{
    if (!AFenster)
        return QStringLiteral("click fehlgeschlagen: kein Fenster für \"%1\"").arg(AName);

    QString zustand;
    for (QWidget* w : AFenster->findChildren<QWidget*>(AName)) {
        if (!ImFenster(w, AFenster))
            continue;
        if (Nutzbar(w)) {
            Ausloesen(w);
            return {};
        }
        zustand = w->isVisible() ? QStringLiteral(" (gesperrt)") : QStringLiteral(" (unsichtbar)");
    }
    for (QAbstractButton* b : AFenster->findChildren<QAbstractButton*>()) {
        if (!ImFenster(b, AFenster) || TZAM_BildschirmText::OhneKuerzel(b->text()) != AName)
            continue;
        if (Nutzbar(b)) {
            b->click();
            return {};
        }
        zustand = b->isVisible() ? QStringLiteral(" (gesperrt)") : QStringLiteral(" (unsichtbar)");
    }
    for (QTabBar* bar : AFenster->findChildren<QTabBar*>()) {
        if (!ImFenster(bar, AFenster) || !Nutzbar(bar))
            continue;
        for (int i = 0; i < bar->count(); ++i) {
            if (TZAM_BildschirmText::OhneKuerzel(bar->tabText(i)) != AName)
                continue;
            if (bar->isTabEnabled(i) && bar->isTabVisible(i)) {
                bar->setCurrentIndex(i);
                return {};
            }
            zustand = QStringLiteral(" (gesperrt)");
        }
    }
    if (TZAM_SkriptZeilenKlick::Klicken(AFenster, AName))
        return {};
    return QStringLiteral("click fehlgeschlagen: kein sichtbares, freigegebenes Element \"%1\"%2; %3")
        .arg(AName, zustand, TZAM_BildschirmText::FensterZeile(AFenster));
}
