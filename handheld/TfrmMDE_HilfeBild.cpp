// The help view of the button bars and the article picture.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_ArtikelBildServer.h"
#include "TAbstractState.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

void TfrmMDE::ButtonHilfeAn(bool AFuss)
{
    FHilfeFuss = AFuss;
    const QList<QAbstractButton*> knoepfe = GrosseKnoepfe(AFuss);
    QList<bool> freigegeben;
    for (QAbstractButton* b : knoepfe)
        freigegeben << b->isEnabled();
    DialogOeffnen(pnlButtonHilfe);
    KnopfZustaendeMerken();
    // This bar without its help button (it closes the view again), the other bar with it.
    ButtonsKopfEnabledSetzen(false, AFuss);
    ButtonsFussEnabledSetzen(false, !AFuss);
    (AFuss ? btnHilfeUnten : btnHilfeOben)->setEnabled(true);
    for (size_t i = 0; i < FHilfeKnoepfe.size(); ++i) {
        QPushButton* h = FHilfeKnoepfe[i];
        const bool da = int(i) < knoepfe.size();
        h->setVisible(da);
        FHilfeZiele[i] = da ? knoepfe.at(int(i)) : nullptr;
        if (da) {
            h->setText(knoepfe.at(int(i))->text());
            h->setEnabled(freigegeben.at(int(i))); // as the bar's button was before the view
        }
    }
}

void TfrmMDE::btnHilfeClick()
{
    QObject* sender = this->sender();
    QAbstractButton* ziel = nullptr;
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnHilfeClick", [&] {
        for (size_t i = 0; i < FHilfeKnoepfe.size(); ++i)
            if (sender == FHilfeKnoepfe[i])
                ziel = FHilfeZiele[i];
        KnopfZustaendeWiederherstellen();
        DialogSchliessen(pnlButtonHilfe, false);
        FHilfeZiele.fill(nullptr);
    });
    // The copied handler runs as if its own button had been pressed, as an input of its own.
    if (ziel)
        ziel->click();
}

void TfrmMDE::btnHilfeObenClick()
{
    if (pnlButtonHilfe->isVisibleTo(this) && !FHilfeFuss)
        return btnHilfeClick();
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnHilfeObenClick", [&] { ButtonHilfeAn(false); });
}

void TfrmMDE::btnHilfeUntenClick()
{
    if (pnlButtonHilfe->isVisibleTo(this) && FHilfeFuss)
        return btnHilfeClick();
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnHilfeUntenClick", [&] { ButtonHilfeAn(true); });
}

void TfrmMDE::BildAn(const TInt32Trio& AProduktID, TQIV_Bildanzeige_Callback ACallback)
{
    QImage bild;
    if (Glob_WWSServerFactoryClass().Verfuegbar<IZAM_ArtikelBildServer>())
        bild = Glob_WWSServerFactoryClass().Create<IZAM_ArtikelBildServer>()->Bild(AProduktID);
    lblBild->setPixmap(QPixmap());
    if (!bild.isNull())
        lblBild->setPixmap(QPixmap::fromImage(bild).scaled(pnlAnzeige->size() - QSize(8, 8), Qt::KeepAspectRatio,
                                                           Qt::SmoothTransformation));
    lblBild->setProperty("zamProdukt", AProduktID.ToText());
    TexteKopfUndFussMerken();
    FussTipSetzen(QStringLiteral("Klicken Sie das Bild an, um es zu schließen."), true, false);
    DialogOeffnen(pnlBildanzeige);
    ButtonsKopfUndFussEnabledSetzen(false, false);
    FBildCallback = std::move(ACallback);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmMDE::lblBildClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.lblBildClick", [&] {
        if (!pnlBildanzeige->isVisibleTo(this))
            return;
        DialogSchliessen(pnlBildanzeige, false);
        ButtonsKopfUndFussEnabledSetzen(true, true);
        FussTipSetzen(FMerkFussText, FMerkFussLang, FMerkFussWarnung);
        TQIV_Bildanzeige_Callback callback;
        callback.swap(FBildCallback);
        if (callback)
            callback();
    });
}
