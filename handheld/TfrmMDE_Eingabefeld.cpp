// The input panel of the handheld screen, with side buttons and a choice list.
#include "EZAM_Exception.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMInfoKoords.h"

#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace {

// Comma text as the framework writes lists: items separated by commas, quoted when needed.
QStringList KommaText(const QString& AText)
{
    QStringList items;
    QString akt;
    bool inAnfuehrung = false;
    for (int i = 0; i < AText.size(); ++i) {
        const QChar c = AText.at(i);
        if (c == u'"') {
            if (inAnfuehrung && i + 1 < AText.size() && AText.at(i + 1) == u'"') {
                akt += u'"';
                ++i;
            } else {
                inAnfuehrung = !inAnfuehrung;
            }
        } else if (c == u',' && !inAnfuehrung) {
            items << akt;
            akt.clear();
        } else {
            akt += c;
        }
    }
    if (!akt.isEmpty() || !items.isEmpty())
        items << akt;
    return items;
}

void Seitenknopf(QPushButton* AKnopf, const TQIV_MDE_ButtonProperties& AEigenschaften, std::function<void()>& AZiel)
{
    AKnopf->setVisible(AEigenschaften.Visible);
    AKnopf->setEnabled(AEigenschaften.Visible);
    AKnopf->setText(AEigenschaften.Caption.isEmpty() ? AEigenschaften.GlyphName : AEigenschaften.Caption);
    AZiel = AEigenschaften.OnClick;
}

void NurKnopf(QObject* ASender, const char* AHandler)
{
    if (!qobject_cast<QAbstractButton*>(ASender))
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("kein Knopf"),
                             QString::fromLatin1(AHandler));
}

} // namespace

void TfrmMDE::EingabeAn(int AEditMyFeldTyp, int AEditLength, const QString& AText, TQIV_Eingabe_callback ACallback,
                        const TQIV_MDE_ButtonProperties& ALeftButton, const TQIV_MDE_ButtonProperties& ARightButton,
                        const TQIV_MDE_ComboboxProperties& ACombobox, const QString& AEditText, int ASize)
{
    lblEingabe->setText(QString(AText).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QFont f = lblEingabe->font();
    f.setPointSize(qMax(6, ASize));
    lblEingabe->setFont(f);
    edtEingabe->clear();
    // Numeric keys edit the field, not the hidden state.
    DialogOeffnen(pnlEingabe);
    ButtonsKopfUndFussEnabledSetzen(false, false);
    FEingabeCallback = std::move(ACallback);

    edtEingabe->setValidator(nullptr);
    switch (AEditMyFeldTyp) {
    case 3:
        edtEingabe->setMaxLength(10);
        break;
    case 6:
    case 7: {
        const int stellen = qBound(1, AEditLength, 9);
        edtEingabe->setMaxLength(stellen);
        edtEingabe->setValidator(new QIntValidator(0, int(std::pow(10, stellen)) - 1, edtEingabe));
        break;
    }
    default:
        edtEingabe->setMaxLength(AEditLength > 0 ? AEditLength : 32767);
        break;
    }
    edtEingabe->setFocus(Qt::OtherFocusReason);
    if (!AEditText.isEmpty())
        edtEingabe->setText(AEditText);

    Seitenknopf(btnEingabeLinks, ALeftButton, FEingabeLinksOnClick);
    Seitenknopf(btnEingabeRechts, ARightButton, FEingabeRechtsOnClick);
    btnEingabeAuswahl->setVisible(ACombobox.Visible);
    btnEingabeAuswahl->setText(ACombobox.DefaultText);
    FEingabeItemsCommaText = ACombobox.ItemsCommatext;
}

void TfrmMDE::btnOkCancelClick()
{
    QObject* sender = this->sender();
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnOkCancelClick", [&] {
        NurKnopf(sender, "TfrmMDE.btnOkCancelClick");
        const TZAM_TriState_Enum antwort = sender == btnEingabeOK ? tsTrue : tsUndefined;
        const QString text = edtEingabe->text();
        const QString auswahl = btnEingabeAuswahl->text();
        DialogSchliessen(pnlEingabe, false);
        ButtonsKopfUndFussEnabledSetzen(true, true);
        FEingabeItemsCommaText.clear();
        TQIV_Eingabe_callback callback;
        callback.swap(FEingabeCallback);
        if (callback)
            callback(antwort, text, auswahl);
    });
}

void TfrmMDE::btnEingabeAuswahlClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnEingabeAuswahlClick", [&] {
        btnmEingabeAuswahl->Clear();
        for (const QString& item : KommaText(FEingabeItemsCommaText)) {
            TZAM_BtnMenuItem k;
            k.LeftCaption = QString(item).replace(u'&', QLatin1String("&&"));
            k.ButtonType = 1;
            btnmEingabeAuswahl->Add(k);
        }
        PanelZeigen(pnlEingabeAuswahl);
    });
}

void TfrmMDE::btnmEingabeAuswahlClick(int AIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnAuswahlOkCancelClick", [&] {
        btnEingabeAuswahl->setText(btnmEingabeAuswahl->LeftCaptionAnzeige(AIndex));
        PanelZeigen(pnlEingabe);
        edtEingabe->setFocus(Qt::OtherFocusReason);
    });
}

void TfrmMDE::btnAuswahlOkCancelClick()
{
    QObject* sender = this->sender();
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnAuswahlOkCancelClick", [&] {
        NurKnopf(sender, "TfrmMDE.btnAuswahlOkCancelClick");
        PanelZeigen(pnlEingabe);
        edtEingabe->setFocus(Qt::OtherFocusReason);
    });
}
