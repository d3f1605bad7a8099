#include "TZAM_Dialoghelfer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

void ZAM_BeimNaechstenDialog(const std::function<void(QWidget*)>& AAktion, QWidget* AAusser, int ATimeoutMs)
{
    auto* uhr = new QElapsedTimer;
    uhr->start();
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, uhr, AAktion, AAusser, ATimeoutMs] {
        QWidget* dlg = QApplication::activeModalWidget();
        if (dlg && dlg != AAusser && dlg->isVisible()) {
            timer->stop();
            timer->deleteLater();
            delete uhr;
            AAktion(dlg);
            return;
        }
        if (uhr->elapsed() > ATimeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete uhr;
            qWarning("ZAM_BeimNaechstenDialog: kein Dialog erschienen");
        }
    });
    timer->start();
}

void ZAM_FeldSetzen(QWidget* ADialog, const QString& AFeld, const QString& AText)
{
    auto* feld = ADialog->findChild<QLineEdit*>(AFeld);
    if (!feld) {
        qWarning("ZAM_FeldSetzen: Feld %s fehlt", qPrintable(AFeld));
        return;
    }
    feld->setFocus();
    feld->clear();
    QTest::keyClicks(feld, AText);
}

void ZAM_Klicken(QWidget* ADialog, const QString& AKnopf)
{
    for (QAbstractButton* b : ADialog->findChildren<QAbstractButton*>()) {
        QString caption = b->text();
        caption.remove(u'&');
        if ((b->objectName() == AKnopf || caption == AKnopf) && b->isVisible() && b->isEnabled()) {
            QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
    }
    qWarning("ZAM_Klicken: Knopf %s fehlt", qPrintable(AKnopf));
}

namespace {
QWidget* Ziel(QWidget* AFenster)
{
    return QApplication::focusWidget() ? QApplication::focusWidget() : AFenster;
}
} // namespace

void ZAM_Taste(QWidget* AFenster, Qt::Key ATaste, Qt::KeyboardModifiers AModifier)
{
    QTest::keyClick(Ziel(AFenster), ATaste, AModifier);
}

void ZAM_Tippen(QWidget* AFenster, const QString& AText)
{
    for (QChar c : AText)
        QTest::keyClick(Ziel(AFenster), c.toLatin1());
}

void ZAM_Scannen(QWidget* AFenster, const QString& AText)
{
    ZAM_Taste(AFenster, Qt::Key_F11);
    ZAM_Tippen(AFenster, AText);
    ZAM_Taste(AFenster, Qt::Key_Return);
}
