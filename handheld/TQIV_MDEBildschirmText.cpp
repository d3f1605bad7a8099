#include "TQIV_MDEBildschirmText.h"

#include "TAbstractState.h"
#include "TVRList.h"
#include "TZAM_BildschirmText.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_SkriptLaeufer.h"
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

void Liste(TfrmMDE* AMaske, TVTVRList* AListe, const QString& AName, QStringList& AZeilen)
{
    const TVRList* liste = AListe->VRList_Get();
    AZeilen << QStringLiteral("Liste %1: %2 Zeilen").arg(AName).arg(liste ? liste->GetRowCount() : 0);
    if (!liste)
        return;
    for (int z = 0; z < liste->GetRowCount() && z < 200; ++z) {
        QStringList zellen;
        for (int s = 0; s < liste->GetColumnCount(); ++s)
            if (liste->GetColumn(s).Visible)
                zellen << liste->GetCellValueAsString(z, s);
        int zaehler = 0;
        const TQIV_ZeilenArt art = AMaske->AktState() ? AMaske->AktState()->ZeilenArt(*liste, z, z, zaehler) : zaNormal;
        AZeilen << QStringLiteral("  Zeile (%1): %2").arg(Art(art), zellen.join(QStringLiteral(" | ")));
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

bool TQIV_MDEBildschirmText::Zeilen(QWidget* AFenster, QStringList& AZeilen)
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
    AZeilen << QStringLiteral("Kopf: %1").arg(maske->pnlHeader->text());

    if (panel == maske->pnlBtnMenu) {
        TZAM_BtnMenu* menu = maske->btnmButtons;
        for (int i = 0; i < menu->Count(); ++i)
            AZeilen << QStringLiteral("Menü: %1 | %2%3")
                           .arg(TZAM_BildschirmText::EineZeile(menu->LeftCaptionAnzeige(i)),
                                TZAM_BildschirmText::EineZeile(menu->RightCaptionAnzeige(i)),
                                menu->Item(i).Enabled ? QString() : QStringLiteral(" [aus]"));
    } else if (panel == maske->pnlVRList) {
        Liste(maske, maske->vtVRList, QStringLiteral("vtVRList"), AZeilen);
    } else if (panel == maske->pnlDoppelVRList) {
        Liste(maske, maske->vtVRListOben, QStringLiteral("vtVRListOben"), AZeilen);
        Liste(maske, maske->vtVRListUnten, QStringLiteral("vtVRListUnten"), AZeilen);
    } else if (panel == maske->pnlMultipurpose) {
        for (QLabel* z : maske->FMultipurposeZeilen)
            if (z->isVisibleTo(maske))
                AZeilen
                    << QStringLiteral("Zeile %1: %2").arg(z->objectName(), TZAM_BildschirmText::EineZeile(z->text()));
    } else if (panel) {
        TZAM_BildschirmText::ElementZeilen(panel, AZeilen);
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
    const QString tip = maske->FussTipLesen(lang, warnung);
    AZeilen << QStringLiteral("Fuß%1: %2")
                   .arg(warnung ? QStringLiteral(" [Warnung]") : QString(), TZAM_BildschirmText::EineZeile(tip));
    return true;
}
