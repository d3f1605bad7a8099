#include "TQIV_MDEBildschirmText.h"

#include "TAbstractState.h"
#include "TVRList.h"
#include "TZAM_BildschirmText.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_SkriptLaeufer.h"
#include "TZAM_SkriptListenText.h"
#include "TZAM_SkriptSichtbar.h"
#include "TVTVRListModel.h"
#include "TfrmMDE.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

QString Art(TQIV_ZeilenArt AArt)
{
    switch (AArt) {
    case zaMarkiert:
        return QStringLiteral("markiert");
    case zaKomplett:
        return QStringLiteral("komplett");
    case zaNormal:
        break;
    }
    return QStringLiteral("normal");
}

void Liste(TfrmMDE* AMaske, TVTVRList* AListe, QStringList& AZeilen, bool AMitNamen)
{
    const TVRList* liste = AListe->VRList_Get();
    if (AMitNamen)
        AZeilen << QStringLiteral("Liste %1: %2 Zeilen")
                       .arg(AListe->objectName())
                       .arg(liste ? liste->GetRowCount() : 0);
    else
        AZeilen << QStringLiteral("Liste:");
    if (!liste)
        return;
    const QRect sichtfeld = TZAM_SkriptListenText::Sichtfeld(AListe);
    // A row is on screen when a shown cell of it is: the first column may be hidden.
    int erste = 0;
    while (erste + 1 < liste->GetColumnCount() && !liste->GetColumn(erste).Visible)
        ++erste;
    // A row of AEbene (the bound list or a row's child list), indented by its depth.
    auto zeile = [&](const TVRList& AEbene, int AZeile, const TVTVRKnoten& AKnoten, const QString& AEinzug) {
        if (!TZAM_SkriptListenText::ZeileSichtbar(AListe, AListe->Model_Get()->Index_4_Knoten(AKnoten, erste),
                                                  sichtfeld))
            return;
        QStringList zellen;
        for (int s = 0; s < AEbene.GetColumnCount(); ++s)
            if (AEbene.GetColumn(s).Visible)
                zellen << AEbene.GetCellValueAsString(AZeile, s);
        int zaehler = 0;
        TAbstractState* state = AMaske->AktState();
        const TQIV_ZeilenArt art = state ? state->ZeilenArt(AEbene, AZeile, AZeile, zaehler) : zaNormal;
        const QString zusatz = state ? state->ZeilenZusatz(AEbene, AZeile) : QString();
        AZeilen << QStringLiteral("%1Zeile (%2): %3%4")
                       .arg(AEinzug, Art(art), zellen.join(QStringLiteral(" | ")),
                            zusatz.isEmpty() ? QString() : QStringLiteral(" [") + zusatz + u']');
    };
    int anzahl = 0;
    for (int z = 0; z < liste->GetRowCount() && anzahl < 200; ++z, ++anzahl) {
        zeile(*liste, z, {z, -1}, QStringLiteral("  "));
        // The rows of an expanded row follow it, one level deeper.
        const TVRList* kinder = liste->GetRowChild(z);
        if (!kinder || !AListe->isExpanded(AListe->Model_Get()->Index_4_Knoten({z, -1})))
            continue;
        for (int k = 0; k < kinder->GetRowCount() && anzahl < 200; ++k, ++anzahl)
            zeile(*kinder, k, {z, k}, QStringLiteral("    "));
    }
}

} // namespace

void TQIV_MDEBildschirmText::Registrieren()
{
    static const bool GRegistriert = [] {
        TZAM_SkriptLaeufer::DumpErweiterungRegistrieren(&TQIV_MDEBildschirmText::Zeilen);
        return true;
    }();
    Q_UNUSED(GRegistriert);
}

bool TQIV_MDEBildschirmText::Zeilen(QWidget* AFenster, QStringList& AZeilen, bool AMitNamen)
{
    auto* maske = qobject_cast<TfrmMDE*>(AFenster);
    if (!maske)
        return false;
    AZeilen << QStringLiteral("Handgerät: %1 x %2").arg(maske->width()).arg(maske->height());
    AZeilen << QStringLiteral("State: %1").arg(maske->AktStateName());
    QWidget* panel = nullptr;
    for (QWidget* p : maske->AnzeigePanels())
        if (p->isVisibleTo(maske))
            panel = p;
    AZeilen << QStringLiteral("Panel: %1").arg(panel ? panel->objectName() : QString());
    // A hidden header or footer shows nothing.
    auto gezeigt = [maske](const QWidget* AWidget, const QString& AText) {
        return AWidget->isVisibleTo(maske) ? AText : QString();
    };
    AZeilen << QStringLiteral("Kopf: %1")
                   .arg(gezeigt(maske->pnlHeader, TZAM_BildschirmText::LabelText(maske->pnlHeader)));

    if (panel == maske->pnlBtnMenu) {
        TZAM_BtnMenu* menu = maske->btnmButtons;
        const QRect sicht = TZAM_SkriptSichtbar::Rechteck(menu);
        for (int i = 0; i < menu->Count(); ++i) {
            // Buttons scrolled out of the menu are not on screen.
            if (menu->ButtonBottom(i) <= sicht.top() || menu->ButtonTop(i) > sicht.bottom())
                continue;
            AZeilen << QStringLiteral("Menü: %1 | %2%3")
                           .arg(TZAM_BildschirmText::EineZeile(menu->LeftCaptionAnzeige(i)),
                                TZAM_BildschirmText::EineZeile(menu->RightCaptionAnzeige(i)),
                                menu->Item(i).Enabled ? QString() : QStringLiteral(" [aus]"));
        }
    } else if (panel == maske->pnlVRList) {
        Liste(maske, maske->vtVRList, AZeilen, AMitNamen);
    } else if (panel == maske->pnlDoppelVRList) {
        Liste(maske, maske->vtVRListOben, AZeilen, AMitNamen);
        Liste(maske, maske->vtVRListUnten, AZeilen, AMitNamen);
    } else if (panel == maske->pnlMultipurpose) {
        for (QLabel* z : maske->FMultipurposeZeilen)
            if (z->isVisibleTo(maske) && !TZAM_SkriptSichtbar::Rechteck(z).isEmpty())
                AZeilen << QStringLiteral("Zeile%1: %2")
                               .arg(AMitNamen ? u' ' + z->objectName() : QString(),
                                    TZAM_BildschirmText::LabelText(z) + TZAM_BildschirmText::Farbe(z));
    } else if (panel == maske->pnlDetailanzeige) {
        // The six panels in reading order, the highlighted one marked, then quantity and container.
        for (size_t i = 0; i < maske->FDetailZellen.size(); i += 2) {
            QLabel* caption = maske->FDetailZellen[i];
            QLabel* wert = maske->FDetailZellen[i + 1];
            AZeilen << QStringLiteral("Detail%1: %2 = %3%4")
                           .arg(i / 2 + 1)
                           .arg(TZAM_BildschirmText::EineZeile(caption->text()),
                                TZAM_BildschirmText::EineZeile(wert->text()),
                                caption->property("zamHervorgehoben").toBool() ? QStringLiteral(" [hervorgehoben]")
                                                                               : QString());
        }
        if (auto* menge = maske->findChild<QLabel*>(QStringLiteral("lblMengeIstSoll")))
            AZeilen << QStringLiteral("Menge: %1").arg(menge->text());
        AZeilen << QStringLiteral("Behälter: %1")
                       .arg(TZAM_BildschirmText::EineZeile(maske->pnlKommissionierbehaelter->text()));
    } else if (panel) {
        TZAM_BildschirmText::ElementZeilen(panel, AZeilen, AMitNamen);
    }

    QStringList knoepfe;
    const std::pair<const char*, bool> sichtbar[] = {
        {"Zurück", maske->BtnZurueckVisible()},
        {"Buchen", maske->BtnBuchenVisible()},
        {"WBS Drucken", maske->BtnWBSDruckVisible()},
        {"Artikelnummer-Handeingabe", maske->BtnArtNrHandEinVisible()},
        {"Benutzer abmelden", maske->BtnBenutzerAbmeldenVisible()},
        {"Artikel nicht gefunden", maske->BtnArtikelNichtGefundenVisible()},
        {"Artikelbild anzeigen", maske->BtnArtikelbildAnzVisible()},
        {"Etikettendruck", maske->BtnEtikDruckVisible()},
        {"Anderer Lagerplatz für Artikel", maske->BtnLPSkippenVisible()},
        {"Behälter/VBS wechseln", maske->BtnBehaelterWechselVisible()},
        {"Behälter/VBS-Info", maske->BtnBehaelterInfoVisible()}};
    for (const auto& [name, an] : sichtbar)
        if (an)
            knoepfe << QString::fromUtf8(name);
    AZeilen << QStringLiteral("Knöpfe: %1").arg(knoepfe.join(QStringLiteral(", ")));
    bool lang = false, warnung = false;
    maske->FussTipLesen(lang, warnung);
    const QString tip = lang ? gezeigt(maske->memFusstip, TZAM_SkriptSichtbar::FeldText(maske->memFusstip))
                             : gezeigt(maske->lblFussTip, TZAM_BildschirmText::LabelText(maske->lblFussTip));
    AZeilen << QStringLiteral("Fuß%1: %2")
                   .arg(warnung ? QStringLiteral(" [Warnung]") : QString(), TZAM_BildschirmText::EineZeile(tip));
    return true;
}
