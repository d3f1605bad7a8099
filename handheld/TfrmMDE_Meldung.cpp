// Messages, yes/no questions and questions with stacked answers on the handheld screen.
#include "EZAM_Exception.h"
#include "TAbstractState.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoMeldungListe.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

namespace {

void Schrift(QWidget* AWidget, int AGroesse)
{
    QFont f = AWidget->font();
    f.setPointSize(qMax(6, AGroesse));
    AWidget->setFont(f);
}

QAbstractButton* Knopf(QObject* ASender, const char* AHandler)
{
    auto* b = qobject_cast<QAbstractButton*>(ASender);
    if (!b)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("kein Knopf"),
                             QString::fromLatin1(AHandler));
    return b;
}

} // namespace

bool TfrmMDE::DialogOffen() const
{
    for (QWidget* p : {pnlSicherheitsAbfrage, pnlFrageButtonsUntereinander, pnlEingabe, pnlEingabeAuswahl,
                       pnlBenuAnmeldung, pnlButtonHilfe, pnlBildanzeige})
        if (p->isVisibleTo(this))
            return true;
    return false;
}

void TfrmMDE::DialogOeffnen(QWidget* APanel)
{
    PanelZeigen(APanel);
    NumpadActions_Enabled(false);
}

void TfrmMDE::DialogSchliessen(QWidget* APanel, bool ATexteZurueck)
{
    APanel->setVisible(false);
    PanelZeigen(FAktState ? FAktState->ActivePanel() : nullptr);
    NumpadActions_Enabled(FAktState && FAktState->UseNumPad());
    if (ATexteZurueck) {
        HeaderCaption_Set(FMerkCaption);
        FussTipSetzen(FMerkFussText, FMerkFussLang, FMerkFussWarnung);
    }
    if (FZurueckGebunden) {
        FBtnZurueckOnClick = FBtnZurueckOnClickMerk;
        FBtnZurueckOnClickMerk = nullptr;
        FZurueckGebunden = false;
    }
}

void TfrmMDE::TexteMerkenUndLeeren(bool AFussLeeren)
{
    TexteKopfUndFussMerken();
    HeaderCaption_Set(QString());
    if (AFussLeeren)
        FussTipSetzen(QString(), false, false);
}

void TfrmMDE::ZurueckBinden(THandler AHandler)
{
    if (!FZurueckGebunden)
        FBtnZurueckOnClickMerk = FBtnZurueckOnClick;
    FZurueckGebunden = true;
    FBtnZurueckOnClick = std::move(AHandler);
    BtnZurueckEnabled_Set(true);
}

void TfrmMDE::MeldungAn(const TQIV_Meldung_Options& AOptionen)
{
    FrageOderMeldungAn(false, AOptionen.Text, AOptionen.FontSize, {}, {}, AOptionen.CaptionOK, {}, AOptionen.MitOK,
                       false, AOptionen.Caption, AOptionen.FussTipLeeren, AOptionen.ZurueckEnabled,
                       AOptionen.IgnoreScan, AOptionen.Callback, AOptionen.IgnoreBusy);
}

void TfrmMDE::SicherheitsAbfrageAn(const TQIV_SicherheitsAbfrage_Options& AOptionen)
{
    FrageOderMeldungAn(true, AOptionen.Text, AOptionen.FontSize, AOptionen.CaptionJa, AOptionen.CaptionNein, {},
                       AOptionen.CaptionAbbrechen, false, AOptionen.MitAbbrechen, AOptionen.Caption, true,
                       AOptionen.ZurueckEnabled, istJa, AOptionen.Callback, false);
}

void TfrmMDE::FrageOderMeldungAn(bool AFrage, const QString& AText, int AFontSize, const QString& ACaptionJa,
                                 const QString& ACaptionNein, const QString& ACaptionOK,
                                 const QString& ACaptionAbbrechen, bool AMitOK, bool AMitAbbrechen,
                                 const QString& ACaption, bool AFussTipLeeren, bool AZurueckEnabled,
                                 TQIV_IgnoreScanType AIgnoreScan, TQIV_Sicherheitsabfrage_callback ACallback,
                                 bool AIgnoreBusy)
{
    ZAMInfo().WriteStamp((AFrage ? QStringLiteral("Frage:\r\n") : QStringLiteral("Meldung:\r\n")) + AText, 1);
    lblSicherheitsAbfrage->setText(QString(AText).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    Schrift(lblSicherheitsAbfrage, AFontSize);
    DialogOeffnen(pnlSicherheitsAbfrage);
    auto einstellen = [](QPushButton* AKnopf, bool ASichtbar, const QString& ACaption, const QString& AStandard) {
        AKnopf->setVisible(ASichtbar);
        AKnopf->setEnabled(ASichtbar);
        AKnopf->setText(ACaption.isEmpty() ? AStandard : ACaption);
    };
    einstellen(btnJa, AFrage, ACaptionJa, QStringLiteral("Ja"));
    einstellen(btnNein, AFrage, ACaptionNein, QStringLiteral("Nein"));
    einstellen(btnOK, !AFrage && AMitOK, ACaptionOK, QStringLiteral("OK"));
    einstellen(btnAbbrechen, AFrage && AMitAbbrechen, ACaptionAbbrechen, QStringLiteral("Abbrechen"));
    ButtonsKopfUndFussEnabledSetzen(false, true);
    if (AZurueckEnabled)
        ZurueckBinden([this] { ClickBtnJaNein(QStringLiteral("Zurück"), tsUndefined); });
    TexteMerkenUndLeeren(AFussTipLeeren || AFrage);
    HeaderCaption_Set(ACaption);
    FIgnoreScanBeiMeldung = AFrage ? istJa : AIgnoreScan;
    FSicherheitsabfrageCallback = std::move(ACallback);
    FIgnoreBusy = AIgnoreBusy;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmMDE::btnJaNeinClick()
{
    ZAMProgramm().PreventAutoTermination();
    // Only these clicks test the busy flag, once skipped under IgnoreBusy.
    const bool ohneBusy = FIgnoreBusy;
    FIgnoreBusy = false;
    QObject* sender = this->sender();
    auto antworten = [&] {
        QAbstractButton* b = Knopf(sender, "TfrmMDE.btnJaNeinClick");
        const TZAM_TriState_Enum antwort = b == btnJa || b == btnOK ? tsTrue : b == btnNein ? tsFalse : tsUndefined;
        ClickBtnJaNein(b->text(), antwort);
    };
    if (ohneBusy)
        TZAM_Hausregel::OhneBusy("TfrmMDE.btnJaNeinClick", antworten);
    else
        TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnJaNeinClick", antworten);
}

void TfrmMDE::MeldungBtnOKClick()
{
    ClickBtnJaNein(btnOK->text(), tsTrue);
}

void TfrmMDE::ClickBtnJaNein(const QString& ACaption, TZAM_TriState_Enum AAntwort)
{
    if (!pnlSicherheitsAbfrage->isVisibleTo(this))
        return;
    ZAMInfo().WriteStamp(QStringLiteral("Antwort: ") + ACaption, 1);
    DialogSchliessen(pnlSicherheitsAbfrage, true);
    // Enabled again, whatever they were before the panel (kept so on purpose).
    ButtonsKopfUndFussEnabledSetzen(true, true);
    FIgnoreScanBeiMeldung = istJa;
    TQIV_Sicherheitsabfrage_callback callback;
    callback.swap(FSicherheitsabfrageCallback);
    if (callback)
        callback(AAntwort, true);
}

void TfrmMDE::FrageButtonsUntereinanderAn(const QString& AText, TQIV_FrageButtonsUntereinander_Callback ACallback,
                                          const QList<TQIV_MDE_InfoButtonProperties>& AButtons, int ASize,
                                          const QString& ACaption)
{
    QString protokoll = QStringLiteral("Frage:\r\n") + AText;
    for (const TQIV_MDE_InfoButtonProperties& b : AButtons)
        protokoll += QStringLiteral("\r\n[ ") + b.Caption + QStringLiteral(" ]");
    ZAMInfo().WriteStamp(protokoll, 1);
    lblFrageButtonsUntereinander->setText(QString(AText).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    Schrift(lblFrageButtonsUntereinander, ASize);

    // Exactly one row per answer: copies of the first button are added, surplus ones removed.
    QPushButton* vorlage = FFrageKnoepfe.first();
    while (FFrageKnoepfe.size() < AButtons.size()) {
        auto* b = new QPushButton(pnlFrageButtonsUntereinander);
        b->setAutoDefault(false);
        b->setFocusPolicy(vorlage->focusPolicy());
        b->setMinimumHeight(vorlage->minimumHeight());
        b->setStyleSheet(vorlage->styleSheet());
        b->setFont(vorlage->font());
        connect(b, &QPushButton::clicked, this, &TfrmMDE::btnFrageButtonsUntereinanderClick);
        gplFrageButtonsUntereinander->addWidget(b);
        FFrageKnoepfe << b;
    }
    // A callback of the previous question may run inside the click of a button removed here.
    while (FFrageKnoepfe.size() > qMax<qsizetype>(1, AButtons.size())) {
        QPushButton* weg = FFrageKnoepfe.takeLast();
        gplFrageButtonsUntereinander->removeWidget(weg);
        weg->hide();
        weg->deleteLater();
    }
    for (int i = 0; i < FFrageKnoepfe.size(); ++i) {
        QPushButton* b = FFrageKnoepfe.at(i);
        b->setProperty("zamTag", i);
        b->setObjectName(QStringLiteral("btnFrageButtonsUntereinander%1").arg(i));
        const bool da = i < AButtons.size();
        b->setVisible(da);
        if (da) {
            b->setText(AButtons.at(i).Caption);
            b->setEnabled(AButtons.at(i).Enabled);
        }
    }
    DialogOeffnen(pnlFrageButtonsUntereinander);
    ButtonsKopfUndFussEnabledSetzen(false, true);
    ZurueckBinden([this] {
        ZAMInfo().WriteStamp(QStringLiteral("Antwort: Zurück (btnZurueck)"), 1);
        DialogSchliessen(pnlFrageButtonsUntereinander, true);
        ButtonsKopfUndFussEnabledSetzen(true, true);
        TQIV_FrageButtonsUntereinander_Callback callback;
        callback.swap(FFrageButtonsCallback);
        if (callback)
            callback(-1, true);
    });
    TexteMerkenUndLeeren(true);
    HeaderCaption_Set(ACaption);
    FFrageButtonsCallback = std::move(ACallback);
}

void TfrmMDE::btnFrageButtonsUntereinanderClick()
{
    QObject* sender = this->sender();
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnFrageButtonsUntereinanderClick", [&] {
        QAbstractButton* b = Knopf(sender, "TfrmMDE.btnFrageButtonsUntereinanderClick");
        ZAMInfo().WriteStamp(QStringLiteral("Antwort: ") + b->text(), 1);
        DialogSchliessen(pnlFrageButtonsUntereinander, true);
        ButtonsKopfUndFussEnabledSetzen(true, true);
        TQIV_FrageButtonsUntereinander_Callback callback;
        callback.swap(FFrageButtonsCallback);
        if (callback)
            callback(b->property("zamTag").toInt(), true);
    });
}

TZAM_InfoMeldungListe* TfrmMDE::InfoMeldungListe_AufbauenWennNichtDa()
{
    if (!FInfoMeldungListe)
        FInfoMeldungListe = std::make_unique<TZAM_InfoMeldungListe>();
    return FInfoMeldungListe.get();
}
