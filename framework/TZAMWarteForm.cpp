#include "TZAMWarteForm.h"

#include "ZAMFarben.h"
#include "ZAMFormMitte.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int CSchriftCaption = -16;
constexpr int CSchriftText = -20;
} // namespace

TZAMWarteForm::TZAMWarteForm(QWidget* AParent) : TZAMForm(AParent, QStringLiteral("ZAMWarteForm"))
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setModal(false);

    auto* rahmen = new QFrame;
    rahmen->setFrameShape(QFrame::Box);
    rahmen->setLineWidth(2);
    rahmen->setAutoFillBackground(true);
    QPalette p = rahmen->palette();
    p.setColor(QPalette::Window, ZAMFarbe(CZAMFarbe_ButtonFlaeche));
    p.setColor(QPalette::WindowText, ZAMFarbe(CZAMFarbe_ButtonText));
    rahmen->setPalette(p);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(rahmen);

    auto* layout = new QVBoxLayout(rahmen);
    layout->setContentsMargins(12, 8, 12, 12);
    FlblCaption = new QLabel;
    FlblCaption->setObjectName(QStringLiteral("lblCaption"));
    QFont fc = FlblCaption->font();
    ZAMSchriftHoeheSetzen(fc, CSchriftCaption);
    fc.setBold(true);
    FlblCaption->setFont(fc);
    layout->addWidget(FlblCaption);
    FlblText = new QLabel;
    FlblText->setObjectName(QStringLiteral("lblText"));
    FlblText->setWordWrap(true);
    FlblText->setAlignment(Qt::AlignCenter);
    FlblText->setTextFormat(Qt::PlainText);
    QFont ft = FlblText->font();
    ZAMSchriftHoeheSetzen(ft, CSchriftText);
    FlblText->setFont(ft);
    layout->addWidget(FlblText, 1);

    SetCaption(QStringLiteral("Bitte warten ..."));
    SetText(QStringLiteral("Ihre Anfrage ist in Bearbeitung"));
    resize(300, 140);
}

QString TZAMWarteForm::Caption() const
{
    return FlblCaption->text();
}

void TZAMWarteForm::SetCaption(const QString& ACaption)
{
    setWindowTitle(ACaption);
    FlblCaption->setText(ACaption);
    Zeichnen();
}

QString TZAMWarteForm::Text() const
{
    return FlblText->text();
}

void TZAMWarteForm::SetText(const QString& AText)
{
    FlblText->setText(AText);
    Zeichnen();
}

void TZAMWarteForm::setVisible(bool AVisible)
{
    if (AVisible && !isVisible())
        ZAMFormMitte(this, parentWidget());
    TZAMForm::setVisible(AVisible);
    Zeichnen();
}

// The caller usually keeps the event loop busy right after showing or changing the window.
void TZAMWarteForm::Zeichnen()
{
    if (!isVisible())
        return;
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
