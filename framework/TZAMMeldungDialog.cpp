#include "TZAMMeldungDialog.h"

#include "IZAM_Info.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
constexpr int CMaxBreite = 316;
constexpr int CMaxHoehe = 316;
} // namespace

TZAMMeldungDialog::TZAMMeldungDialog(TArt AArt, const QString& ATitel, const QString& AText, QWidget* AParent)
    : QDialog(AParent), FArt(AArt)
{
    setObjectName(QStringLiteral("dlgZAMMeldung"));
    setWindowTitle(ATitel);
    setModal(true);
    setMaximumSize(CMaxBreite, CMaxHoehe);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    FText = new QLabel(QString(AText).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    FText->setObjectName(QStringLiteral("lblMeldung"));
    FText->setWordWrap(true);
    FText->setTextFormat(Qt::PlainText);
    auto* scroll = new QScrollArea;
    scroll->setWidget(FText);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    auto knopf = [&](const QString& ACaption, const QString& AName, int AErgebnis) {
        auto* b = new QPushButton(ACaption);
        b->setObjectName(AName);
        b->setMinimumHeight(32);
        connect(b, &QPushButton::clicked, this, [this, AErgebnis] { done(AErgebnis); });
        knoepfe->addWidget(b);
        return b;
    };
    if (FArt == maFrage) {
        knopf(QStringLiteral("Ja"), QStringLiteral("btnJa"), mrYes)->setDefault(true);
        knopf(QStringLiteral("Nein"), QStringLiteral("btnNein"), mrNo);
    } else {
        knopf(QStringLiteral("OK"), QStringLiteral("btnOK"), mrOk)->setDefault(true);
    }
    knoepfe->addStretch();
    layout->addLayout(knoepfe);
    resize(CMaxBreite, qMin(CMaxHoehe, sizeHint().height()));
}

int TZAMMeldungDialog::Zeigen(TArt AArt, const QString& ATitel, const QString& AText)
{
    TZAMMeldungDialog dlg(AArt, ATitel, AText, QApplication::activeWindow());
    return dlg.exec();
}

QString TZAMMeldungDialog::Text() const { return FText->text(); }

int TZAMMeldungDialog::Antwort(int AErgebnis) const
{
    return Antwort(FArt, AErgebnis);
}

int TZAMMeldungDialog::Antwort(TArt AArt, int AErgebnis)
{
    if (AArt == maFrage)
        return AErgebnis == mrYes || AErgebnis == mrNo ? AErgebnis : int(mrNo);
    return mrOk;
}

// A window hidden without done() leaves exec()'s own result; one deleted meanwhile is gone.
int TZAMMeldungDialog::exec()
{
    const TArt art = FArt;
    QPointer<TZAMMeldungDialog> wache(this);
    const int ergebnis = Antwort(art, QDialog::exec());
    if (wache)
        setResult(ergebnis);
    return ergebnis;
}

void TZAMMeldungDialog::done(int AErgebnis) { QDialog::done(Antwort(AErgebnis)); }

// Esc, and every other way to close without an answer.
void TZAMMeldungDialog::reject() { done(QDialog::Rejected); }
