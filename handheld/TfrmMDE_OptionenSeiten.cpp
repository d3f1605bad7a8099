// The handlers of the option pages on pnlConfig that belong to the screen.
#include "TAbstractState.h"
#include "TQIV_OptionenSeiten.h"
#include "TZAM_CheckListe.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

void TfrmMDE::OptionenSeitenErstellen()
{
    FOptionenSeiten = std::make_unique<TQIV_OptionenSeiten>(pnlConfig);
    TQIV_OptionenSeiten& s = *FOptionenSeiten;

    // The four column buttons of each check list, by the list's name suffix.
    struct TKnopf
    {
        const char* Art;
        void (TfrmMDE::*Aktion)(QListWidget*);
    };
    struct TListe
    {
        QString Zusatz;
        QListWidget* Liste;
        std::array<const char*, 4> Namen;
    };
    static constexpr TKnopf knoepfe[] = {{"Up", &TfrmMDE::DoBtnSpalteUpClick},
                                         {"Down", &TfrmMDE::DoBtnSpalteDownClick},
                                         {"Alle", &TfrmMDE::DoBtnSpalteAlleClick},
                                         {"Umkehren", &TfrmMDE::DoBtnSpalteUmkehrenClick}};
    const TListe listen[] = {
        {QStringLiteral("Absort"),
         s.clbSpaltenAbsort,
         {"TfrmMDE.btnSpalteUpAbsortClick", "TfrmMDE.btnSpalteDownAbsortClick", "TfrmMDE.btnSpalteAlleAbsortClick",
          "TfrmMDE.btnSpalteUmkehrenAbsortClick"}},
        {QStringLiteral("LagerinfoLO"),
         s.clbSpaltenLagerinfoLO,
         {"TfrmMDE.btnSpalteUpLagerinfoLOClick", "TfrmMDE.btnSpalteDownLagerinfoLOClick",
          "TfrmMDE.btnSpalteAlleLagerinfoLOClick", "TfrmMDE.btnSpalteUmkehrenLagerinfoLOClick"}},
        {QStringLiteral("LagerinfoArt"),
         s.clbSpaltenLagerinfoArt,
         {"TfrmMDE.btnSpalteUpLagerinfoArtClick", "TfrmMDE.btnSpalteDownLagerinfoArtClick",
          "TfrmMDE.btnSpalteAlleLagerinfoArtClick", "TfrmMDE.btnSpalteUmkehrenLagerinfoArtClick"}},
    };
    for (const TListe& l : listen) {
        for (int i = 0; i < 4; ++i) {
            auto* knopf = pnlConfig->findChild<QPushButton*>(QStringLiteral("btnSpalte") +
                                                             QLatin1String(knoepfe[i].Art) + l.Zusatz);
            const char* name = l.Namen[i];
            QListWidget* liste = l.Liste;
            const auto aktion = knoepfe[i].Aktion;
            connect(knopf, &QPushButton::clicked, this,
                    [this, name, liste, aktion] { TZAM_Hausregel::Ausfuehren(FBusy, name, [&] { (this->*aktion)(liste); }); });
        }
    }
    connect(s.chbKuBeHerkunft, &QCheckBox::clicked, this, &TfrmMDE::chbKuBeHerkunftClick);
    connect(s.cmbGroesse, &QComboBox::activated, this, &TfrmMDE::cmbGroesseChange);
    s.edtUmlagHLPrioTimerInterval->installEventFilter(this);
    s.edtFertigeLoeschen->installEventFilter(this);
}

void TfrmMDE::DoBtnSpalteUpClick(QListWidget* AListe)
{
    TZAM_CheckListe::Hoch(AListe);
}

void TfrmMDE::DoBtnSpalteDownClick(QListWidget* AListe)
{
    TZAM_CheckListe::Runter(AListe);
}

void TfrmMDE::DoBtnSpalteAlleClick(QListWidget* AListe)
{
    TZAM_CheckListe::Alle(AListe);
}

void TfrmMDE::DoBtnSpalteUmkehrenClick(QListWidget* AListe)
{
    TZAM_CheckListe::Umkehren(AListe);
}

void TfrmMDE::chbKuBeHerkunftClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.chbKuBeHerkunftClick", [&] {
        TQIV_OptionenSeiten& s = *FOptionenSeiten;
        s.chbKuBeBuchFil->setEnabled(s.chbKuBeHerkunft->isChecked());
        if (!s.chbKuBeHerkunft->isChecked())
            s.chbKuBeBuchFil->setChecked(false);
    });
}

void TfrmMDE::cmbGroesseChange()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.cmbGroesseChange", [&] {
        if (FAktState)
            FAktState->cmbGroesseChange();
    });
}

void TfrmMDE::edtUmlagHLPrioTimerIntervalExit()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.edtUmlagHLPrioTimerIntervalExit", [&] {
        TQIV_OptionenSeiten& s = *FOptionenSeiten;
        const QString text = s.edtUmlagHLPrioTimerInterval->text();
        if (text == FEdtUmlagHLPrioTimerInterval_LastText)
            return;
        FEdtUmlagHLPrioTimerInterval_LastText = text;
        const qint64 intervall = text.toLongLong();
        s.edtPrioMin->setText(QString::number(qMin<qint64>(intervall * 2, TQIV_OptionenSeiten::CMaxSekunden)));
        s.edtPrioMax->setText(QString::number(qMin<qint64>(intervall * 10, TQIV_OptionenSeiten::CMaxSekunden)));
    });
}
