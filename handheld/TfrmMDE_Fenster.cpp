// Window size and position of the handheld screen.
#include "TQIV_Optionen_OBMDE.h"
#include "TZAM_BtnMenu.h"
#include "TfrmMDE.h"

#include <QGuiApplication>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int CGrosseLeistenAb = 427; // client height from which the large bars are shown
constexpr int CLeistenHoehe = 54;
} // namespace

bool TfrmMDE::GrosseLeistenSichtbar() const
{
    return height() > CGrosseLeistenAb;
}

bool TfrmMDE::FensterGroesseEinstellen()
{
    Optionen_Laden();
    FFrageFensterGr = false;
    const QSize groesse = FensterGroesse_2_Groesse(FOptionen.Fenster);
    const int breite = groesse.width();
    const int hoehe = groesse.height() - FOptionen.Fenster.RandOben - FOptionen.Fenster.RandUnten;
    if (breite == width() && hoehe == height() && FOptionen.Fenster.RandOben == FAktRandOben &&
        FOptionen.Fenster.RandUnten == FAktRandUnten)
        return false;
    FFensterBreiteMerk = width();
    FFensterHoeheMerk = height();
    FRandObenMerk = FAktRandOben;
    FRandUntenMerk = FAktRandUnten;
    setFixedSize(qMax(breite, 1), qMax(hoehe, 1));
    FAktRandOben = FOptionen.Fenster.RandOben;
    FAktRandUnten = FOptionen.Fenster.RandUnten;
    if (FFensterGrFrageErlaubt)
        FFrageFensterGr = true;
    return true;
}

bool TfrmMDE::GrosseButtonsSchalten(bool AGroesseGeaendert)
{
    const bool gross = GrosseLeistenSichtbar();
    const bool fussSichtbar = pnlFuss->isVisibleTo(this);
    const bool geaendert =
        pnlButtonsHeader->isVisibleTo(this) != gross || pnlButtonsFooter->isVisibleTo(this) != (gross && fussSichtbar);
    pnlButtonsHeader->setVisible(gross);
    pnlButtonsFooter->setVisible(gross && fussSichtbar);
    pnlKopf->layout()->setContentsMargins(0, 0, 0, gross ? 0 : 4);
    pnlFuss->layout()->setContentsMargins(0, gross ? 0 : 4, 0, 0);
    pnlKopf->setFixedHeight(pnlKopf->layout()->itemAt(0)->sizeHint().height() + (gross ? CLeistenHoehe : 4));
    KnoepfeAnwenden();
    FussTipLeftAndWithEinstellen();
    if (geaendert || AGroesseGeaendert)
        FormPositionieren(AGroesseGeaendert);
    // A move does not show the form again: what showing would lay out is done here.
    return false;
}

void TfrmMDE::FormPositionieren(bool AForce)
{
    QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!bildschirm)
        return;
    const QRect r = bildschirm->geometry();
    const int links = qRound((r.width() - frameGeometry().width()) / 2.0);
    const int oben = qRound((r.height() - frameGeometry().height()) / 2.0) +
                     qRound((FOptionen.Fenster.RandOben - FOptionen.Fenster.RandUnten) / 2.0);
    if (AForce || links != x() || oben != y())
        move(r.left() + links, r.top() + oben);
}

void TfrmMDE::FensterGroesseZuruecksetzen()
{
    if (width() == FFensterBreiteMerk && height() == FFensterHoeheMerk)
        return;
    FFensterGrFrageErlaubt = false;
    TQIV_Optionen_OBMDE optionen = FOptionen;
    const QSize gemerkt(FFensterBreiteMerk, FFensterHoeheMerk + FRandObenMerk + FRandUntenMerk);
    optionen.Fenster.FensterGroesse = Groesse_2_FensterGroesse(gemerkt, optionen.Fenster);
    if (optionen.Fenster.FensterGroesse == fgrIndividuell) {
        optionen.Fenster.FensterBreite = gemerkt.width();
        optionen.Fenster.FensterHoehe = gemerkt.height();
    } else {
        optionen.Fenster.FensterBreite = 0;
        optionen.Fenster.FensterHoehe = 0;
    }
    optionen.Fenster.RandOben = FRandObenMerk;
    optionen.Fenster.RandUnten = FRandUntenMerk;
    Optionen_Uebernehmen_u_Buchen(optionen);
    setFixedSize(qMax(FFensterBreiteMerk, 1), qMax(FFensterHoeheMerk, 1));
    FAktRandOben = FRandObenMerk;
    FAktRandUnten = FRandUntenMerk;
    GrosseButtonsSchalten(false);
    FormPositionieren(true);
}
