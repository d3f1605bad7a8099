#include "TZAM_RechtDialog.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_Info.h"
#include "TZAM_Hausregel.h"
#include "ZAMFarben.h"
#include "ZAMGlobal.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int CFeldLaenge = 8;
constexpr int CSchrift = -16;
const QString CFalscheAnmeldung = QStringLiteral("Benutzername oder Passwort sind nicht korrekt!");
const QString CKeineRechte = QStringLiteral("Keine Zugriffsrechte auf die Funktion! Anmeldung mit anderem Namen?");
} // namespace

TZAM_RechtDialog::TZAM_RechtDialog(QWidget* AParent) : TZAMForm(AParent, QStringLiteral("ZAM_RechtDialog"))
{
    setWindowTitle(QStringLiteral("Anmeldung"));
    setModal(true);
    setMaximumSize(320, 320);
    QFont f = font();
    ZAMSchriftHoeheSetzen(f, CSchrift);
    setFont(f);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* titel = new QLabel(QStringLiteral("Bitte melden Sie sich an."));
    titel->setObjectName(QStringLiteral("lblTitel"));
    titel->setWordWrap(true);
    layout->addWidget(titel);
    FlblText = new QLabel;
    FlblText->setObjectName(QStringLiteral("lblText"));
    FlblText->setWordWrap(true);
    FlblText->setTextFormat(Qt::PlainText);
    FlblText->hide();
    layout->addWidget(FlblText);

    auto* felder = new QFormLayout;
    auto feld = [&](const QString& AName, const QString& ACaption) {
        auto* e = new QLineEdit;
        e->setObjectName(AName);
        e->setMaxLength(CFeldLaenge);
        e->setMinimumHeight(32);
        felder->addRow(ACaption, e);
        return e;
    };
    FedtBenutzer = feld(QStringLiteral("edtBenutzer"), QStringLiteral("Benutzer:"));
    FedtPasswort = feld(QStringLiteral("edtPasswort"), QStringLiteral("Passwort:"));
    FedtPasswort->setEchoMode(QLineEdit::Password);
    layout->addLayout(felder);
    layout->addStretch();

    auto* knoepfe = new QHBoxLayout;
    auto knopf = [&](const QString& AName, const QString& ACaption) {
        auto* b = new QPushButton(ACaption);
        b->setObjectName(AName);
        b->setMinimumHeight(40);
        knoepfe->addWidget(b);
        return b;
    };
    FbtnAnmelden = knopf(QStringLiteral("btnAnmelden"), QStringLiteral("Anmelden"));
    FbtnAbbrechen = knopf(QStringLiteral("btnAbbrechen"), QStringLiteral("Abbrechen"));
    FbtnAbbrechen->setAutoDefault(false);
    FbtnAnmelden->setDefault(true);
    layout->addLayout(knoepfe);

    connect(FbtnAnmelden, &QPushButton::clicked, this, [this] { btnAnmeldenClick(); });
    connect(FbtnAbbrechen, &QPushButton::clicked, this, [this] {
        TZAM_Hausregel::Ausfuehren(FBusy, "TZAM_RechtDialog.btnAbbrechenClick", [&] { done(mrCancel); });
    });
    resize(300, qMin(320, sizeHint().height()));
}

TZAM_RechtDialog::~TZAM_RechtDialog() = default;

bool TZAM_RechtDialog::Funktion_pruefen(const QList<TQIV_WPF_Recht>& ARechte, int AHigh, const QString& AText,
                                        int AFunktionsTyp)
{
    FAnmeldungErfolgreich = false;
    FErlaubt = false;
    FBenutzer = FMitarbeiter = TIntPair();
    // Without the rights server there is nothing to log on to: refuse without a window.
    const bool bereit = TZAM_Hausregel::Ausfuehren(FBusy, "TZAM_RechtDialog.Funktion_pruefen", [&] {
        if (!FServer)
            FServer = Glob_WWSServerFactoryClass().Create<IZAM_RechteServer>();
    });
    if (!bereit || !FServer)
        return false;

    FRechte = ARechte.mid(0, qMax(0, AHigh + 1));
    FFunktionsTyp = AFunktionsTyp;
    FlblText->setText(AText);
    FlblText->setVisible(!AText.isEmpty());
    FelderLeeren();
    exec();
    return FErlaubt;
}

void TZAM_RechtDialog::FelderLeeren()
{
    FedtBenutzer->clear();
    FedtPasswort->clear();
    FedtBenutzer->setFocus();
}

void TZAM_RechtDialog::btnAnmeldenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TZAM_RechtDialog.btnAnmeldenClick", [&] {
        FAnmeldungErfolgreich = false;
        FBenutzer = FMitarbeiter = TIntPair();
        const TIntPair vorher = FServer->AktBenutzer();
        TIntPair benutzer;
        if (!FServer->Anmelden(FedtBenutzer->text(), FedtPasswort->text(), benutzer)) {
            ZAMInfo().ZAMWarnungBox(CFalscheAnmeldung);
            FedtPasswort->clear();
            FedtPasswort->setFocus();
            return;
        }
        FAnmeldungErfolgreich = true;
        FBenutzer = benutzer;
        FMitarbeiter = FServer->MitarbeiterZuBenutzer(benutzer);
        if (FMitarbeiter.IsNull())
            FMitarbeiter = benutzer;
        if (FServer->RechtePruefen(benutzer, FRechte, FFunktionsTyp)) {
            FErlaubt = true;
            done(mrOk);
            return;
        }
        // A user without the rights must not stay the current user.
        FServer->SetAktBenutzer(vorher);
        if (ZAMInfo().ZAMJaNeinBox(CKeineRechte))
            FelderLeeren();
        else
            done(mrCancel);
    });
}

void TZAM_RechtDialog::reject()
{
    if (!FBusy)
        FbtnAbbrechen->click();
}
