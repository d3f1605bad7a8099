// The size-quantity entry: planned and actual quantities of one article per size.
#include "TAbstractState.h"
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMFarben.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

void TfrmMDE::MengeneingabeSHAnFensterGroesseAnpassen()
{
    // Truncated toward zero: a grid lower than 180 pixels keeps 4 rows down to 135 pixels.
    const int soll = qMax(1, 4 + (pnlMeEinSHMeEinWerte->height() - 180) / 45);
    while (FMeEinSHZeilen.size() < soll)
        MeEinSHZeileAnhaengen();
    auto* raster = static_cast<QGridLayout*>(pnlMeEinSHMeEinWerte->layout());
    while (FMeEinSHZeilen.size() > soll) {
        const TMeEinSHZeile z = FMeEinSHZeilen.takeLast();
        for (QWidget* w : std::initializer_list<QWidget*>{z.Groesse, z.Soll, z.Minus, z.Ist, z.Plus}) {
            raster->removeWidget(w);
            delete w;
        }
    }
    // The rows share the height equally.
    for (int zeile = 0; zeile < raster->rowCount(); ++zeile)
        raster->setRowStretch(zeile, zeile < soll ? 1 : 0);
}

namespace {

constexpr int CHimmelblau = 15780518;

void Faerben(QLabel* AZelle, int AFarbe)
{
    AZelle->setStyleSheet(QStringLiteral("background-color: %1;").arg(ZAMFarbe(AFarbe).name()));
    AZelle->setProperty("zamFarbe", AFarbe);
}

} // namespace

void TfrmMDE::MengeneingabeSHAn(const TInt32Trio& AProduktID, int AGrInd0, const TZAM_Intv100_Sortiment_Me& ASortiment,
                                TQIV_MengeneingabeSH_Callback ACallback)
{
    MengeneingabeSHZeigen();
    FMeEinSHZurueckMerk = FBtnZurueckOnClick;
    FBtnBuchenOnClickMerk = FBtnBuchenOnClick;
    FMerkBtnBuchenVisible = BtnBuchenVisible();
    BtnBuchenVisible_Set(true);
    FBtnZurueckOnClick = [this] { ClickBtnBuchenMengeneingabeSH(false); };
    FBtnBuchenOnClick = [this] { ClickBtnBuchenMengeneingabeSH(true); };

    FMengeneingabeSHHerstArtNr = DM_Torvik->HerstArtNr_Besorgen(AProduktID);
    FMengeneingabeSHMerkDaten.Caption = FHeaderCaption;
    FMengeneingabeSHMerkDaten.FussTip = FussTipLesen(FMengeneingabeSHMerkDaten.FussTipLang,
                                                     FMengeneingabeSHMerkDaten.FussWarnung);
    HeaderCaption_Set(QStringLiteral("Sortiment %1").arg(FMengeneingabeSHHerstArtNr));
    FussTipSetzen(QStringLiteral("Ist-Mengen kontrollieren und ggf. anpassen!"), true, false);

    FMengeneingabeSHCallback = std::move(ACallback);
    MengeneingabeSHAnFensterGroesseAnpassen();
    FMengeneingabeSHGrIndArr = QList<int>(FMeEinSHZeilen.size(), -1);

    FMengeneingabeSHProduktId = AProduktID;
    TArtikelTools::GetGG_4_ProdId(AProduktID, FMengeneingabeSHGGSort);
    FMengeneingabeSHSollMeSort = ASortiment;
    if (FOptionen.WEPlus.MeEingSHVorbelegen) {
        FMengeneingabeSHIstMeSort = ASortiment;
    } else {
        FMengeneingabeSHIstMeSort.Init();
        FMengeneingabeSHIstMeSort.MinIndex = ASortiment.MinIndex;
        FMengeneingabeSHIstMeSort.MaxIndex = ASortiment.MaxIndex;
        if (AGrInd0 >= ASortiment.MinIndex && AGrInd0 <= ASortiment.MaxIndex && zam_Intv100_IstGroesse(AGrInd0))
            FMengeneingabeSHIstMeSort.Me[AGrInd0] = 1;
    }
    MengeneingabeSHMaskeAufbauen();
}

// Also when the panel comes back after an article choice, which enabled the state's buttons and
// numeric actions: only back and post work here, and digits reach no state.
void TfrmMDE::MengeneingabeSHZeigen()
{
    DialogOeffnen(pnlMengeneingabeSH);
    ButtonsKopfUndFussEnabledSetzen(false, false);
    BtnZurueckEnabled_Set(true);
    BtnBuchenEnabled_Set(true);
}

void TfrmMDE::MengeneingabeSHMaskeAufbauen()
{
    lblMeEinSHSollSumme->setText(QString::number(FMengeneingabeSHSollMeSort.Sum()));
    lblMeEinSHIstSumme->setText(QString::number(FMengeneingabeSHIstMeSort.Sum()));
    for (int zeile = 0; zeile < FMeEinSHZeilen.size(); ++zeile)
        MengeneingabeSHZeileVisible(zeile, false);
    const TZAM_Intv100_Sortiment_Me& soll = FMengeneingabeSHSollMeSort;
    for (int zeile = 0, ind = soll.MinIndex; ind <= soll.MaxIndex && zeile < FMeEinSHZeilen.size(); ++zeile, ++ind)
        MengeneingabeSHZeileFuellen(zeile, ind);
    MeEinSHBlaetternSchalten();
}

void TfrmMDE::MengeneingabeSHZeileFuellen(int AZeile, int AGrInd)
{
    if (!zam_Intv100_IstGroesse(AGrInd))
        return;
    const TMeEinSHZeile& z = FMeEinSHZeilen[AZeile];
    z.Groesse->setText(FMengeneingabeSHGGSort.Groesse(AGrInd));
    z.Soll->setText(QString::number(FMengeneingabeSHSollMeSort.Me[AGrInd]));
    z.Ist->setText(QString::number(FMengeneingabeSHIstMeSort.Me[AGrInd]));
    Faerben(z.Ist, CZAMFarbe_ButtonFlaeche);
    FMengeneingabeSHGrIndArr[AZeile] = AGrInd;
    MengeneingabeSHZeileVisible(AZeile, true);
}

void TfrmMDE::MengeneingabeSHZeileKopieren(int AVon, int ANach)
{
    const TMeEinSHZeile &von = FMeEinSHZeilen[AVon], &nach = FMeEinSHZeilen[ANach];
    nach.Groesse->setText(von.Groesse->text());
    nach.Soll->setText(von.Soll->text());
    nach.Ist->setText(von.Ist->text());
    Faerben(nach.Ist, CZAMFarbe_ButtonFlaeche);
    FMengeneingabeSHGrIndArr[ANach] = FMengeneingabeSHGrIndArr[AVon];
    MengeneingabeSHZeileVisible(ANach, von.Groesse->isVisibleTo(pnlMeEinSHMeEinWerte));
}

void TfrmMDE::MengeneingabeSHZeileVisible(int AZeile, bool AVisible)
{
    const TMeEinSHZeile& z = FMeEinSHZeilen[AZeile];
    for (QWidget* w : std::initializer_list<QWidget*>{z.Groesse, z.Soll, z.Minus, z.Ist, z.Plus})
        w->setVisible(AVisible);
    if (!AVisible)
        FMengeneingabeSHGrIndArr[AZeile] = -1;
}

void TfrmMDE::MeEinSHUpOrDown(bool AHoch, int AAnzahl)
{
    const int letzte = int(FMeEinSHZeilen.size()) - 1;
    for (int n = 0; n < AAnzahl; ++n) {
        if (AHoch) {
            const int erste = FMengeneingabeSHGrIndArr[0];
            if (erste <= FMengeneingabeSHSollMeSort.MinIndex)
                break;
            for (int zeile = letzte; zeile > 0; --zeile)
                MengeneingabeSHZeileKopieren(zeile - 1, zeile);
            MengeneingabeSHZeileFuellen(0, erste - 1);
        } else {
            const int unten = FMengeneingabeSHGrIndArr[letzte];
            if (unten < 0 || unten >= FMengeneingabeSHSollMeSort.MaxIndex)
                break;
            for (int zeile = 0; zeile < letzte; ++zeile)
                MengeneingabeSHZeileKopieren(zeile + 1, zeile);
            MengeneingabeSHZeileFuellen(letzte, unten + 1);
        }
    }
    MeEinSHBlaetternSchalten();
}

void TfrmMDE::MeEinSHBlaetternSchalten()
{
    const int erste = FMengeneingabeSHGrIndArr.value(0, -1);
    const int unten = FMengeneingabeSHGrIndArr.value(FMengeneingabeSHGrIndArr.size() - 1, -1);
    const bool hoch = erste > FMengeneingabeSHSollMeSort.MinIndex;
    const bool runter = unten >= 0 && unten < FMengeneingabeSHSollMeSort.MaxIndex;
    for (const char* name : {"btnMeEinSHUp", "btnMeEinSHPgUp"})
        pnlMengeneingabeSH->findChild<QPushButton*>(QLatin1String(name))->setEnabled(hoch);
    for (const char* name : {"btnMeEinSHDown", "btnMeEinSHPgDown"})
        pnlMengeneingabeSH->findChild<QPushButton*>(QLatin1String(name))->setEnabled(runter);
}

void TfrmMDE::MeEinSHIstSetzen(int AZeile, int AMenge)
{
    const int ind = FMengeneingabeSHGrIndArr.value(AZeile, -1);
    if (!zam_Intv100_IstGroesse(ind))
        return;
    FMengeneingabeSHIstMeSort.Me[ind] = qMax(0, AMenge);
    FMeEinSHZeilen[AZeile].Ist->setText(QString::number(FMengeneingabeSHIstMeSort.Me[ind]));
    lblMeEinSHIstSumme->setText(QString::number(FMengeneingabeSHIstMeSort.Sum()));
}

void TfrmMDE::btnMeEinSHPlusOrMinusClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.MeEinSHPlusOrMinus", [&] {
        for (const TMeEinSHZeile& z : FMeEinSHZeilen)
            Faerben(z.Ist, CZAMFarbe_ButtonFlaeche);
        for (int zeile = 0; zeile < FMeEinSHZeilen.size(); ++zeile) {
            const TMeEinSHZeile& z = FMeEinSHZeilen[zeile];
            if (sender() == z.Minus || sender() == z.Plus) {
                const int ind = FMengeneingabeSHGrIndArr[zeile];
                MeEinSHIstSetzen(zeile, FMengeneingabeSHIstMeSort.Menge(ind) + (sender() == z.Plus ? 1 : -1));
            }
        }
    });
}

void TfrmMDE::btnMeEinSHBlaetternClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.MeEinSHUpOrDown", [&] {
        const QString name = sender()->objectName();
        const int seite = int(FMeEinSHZeilen.size());
        MeEinSHUpOrDown(name.contains(QLatin1String("Up")), name.contains(QLatin1String("Pg")) ? seite : 1);
    });
}

void TfrmMDE::MeEinSHZelleGeklickt(QObject* AZelle)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.MeEinSHGrOrIstClick", [&] {
        for (int zeile = 0; zeile < FMeEinSHZeilen.size(); ++zeile) {
            const TMeEinSHZeile& z = FMeEinSHZeilen[zeile];
            const int ind = FMengeneingabeSHGrIndArr[zeile];
            if (!zam_Intv100_IstGroesse(ind))
                continue;
            if (AZelle == z.Soll) {
                for (const TMeEinSHZeile& andere : FMeEinSHZeilen)
                    Faerben(andere.Ist, CZAMFarbe_ButtonFlaeche);
                MeEinSHIstSetzen(zeile, FMengeneingabeSHSollMeSort.Me[ind]);
            } else if (AZelle == z.Groesse || AZelle == z.Ist) {
                MengenKorrekturSHAn(pnlMengeneingabeSH, zeile, z.Groesse->text(), FMengeneingabeSHSollMeSort.Me[ind],
                                    FMengeneingabeSHIstMeSort.Me[ind], FMengeneingabeSHHerstArtNr,
                                    [this](bool AErfolg, int AIstMenge, int AIndex) {
                                        MeKorrSH_AusMeEinSH_Callback(AErfolg, AIstMenge, AIndex);
                                    });
            }
        }
    });
}

void TfrmMDE::MeKorrSH_AusMeEinSH_Callback(bool AErfolg, int AIstMenge, int AIndex)
{
    if (AErfolg && AIndex >= 0)
        MeEinSHIstSetzen(AIndex, AIstMenge);
}

void TfrmMDE::ClickBtnBuchenMengeneingabeSH(bool ABuchen)
{
    DialogSchliessen(pnlMengeneingabeSH, false);
    FBtnZurueckOnClick = std::exchange(FMeEinSHZurueckMerk, nullptr);
    FBtnBuchenOnClick = std::exchange(FBtnBuchenOnClickMerk, nullptr);
    BtnBuchenVisible_Set(FMerkBtnBuchenVisible);
    ButtonsKopfUndFussEnabledSetzen(true, true);
    FussTipSetzen(FMengeneingabeSHMerkDaten.FussTip, FMengeneingabeSHMerkDaten.FussTipLang,
                  FMengeneingabeSHMerkDaten.FussWarnung);
    HeaderCaption_Set(FMengeneingabeSHMerkDaten.Caption);
    FMengeneingabeSHMerkDaten.Clear();
    const TQIV_MengeneingabeSH_Callback callback = std::exchange(FMengeneingabeSHCallback, nullptr);
    TZAM_Intv100_Sortiment_Me ergebnis;
    if (ABuchen) {
        ergebnis = FMengeneingabeSHIstMeSort;
        ergebnis.MinMax_Bestimmen();
    }
    FMengeneingabeSHProduktId = TInt32Trio();
    FMengeneingabeSHHerstArtNr.clear();
    FMengeneingabeSHGGSort.Clear();
    FMengeneingabeSHSollMeSort.Init();
    FMengeneingabeSHIstMeSort.Init();
    if (callback)
        callback(ABuchen, ergebnis);
}

void TfrmMDE::MengeneingabeSHGescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanDaten)
{
    TZAM_Hausregel::OhneBusy("TfrmMDE.MengeneingabeSHGescannt", [&] {
        Warnung_Ruecksetzen();
        if (AScanDaten.Umgesetzt == tsUndefined) {
            pnlMengeneingabeSH->setVisible(false);
            ArtikelAuswahlAn(AText, [this](const QString& AText2, TZAM_UmgesetztUArtikelScanDaten& ADaten) {
                MengeneingabeSHGescannt(AText2, ADaten);
            });
            return;
        }
        MengeneingabeSHZeigen();
        const TZAM_ArtikelScanDaten& d = AScanDaten.ArtikelScanDaten;
        const int ind = d.GroessenIndex;
        // A size index of 100 and above (255: the code names no size) is no size of the grid: it
        // only warns, like another article.
        if (AScanDaten.Umgesetzt != tsTrue || d.ProduktId != FMengeneingabeSHProduktId || !zam_Intv100_IstGroesse(ind)) {
            FussTipSetzen(QStringLiteral("Hier kann nur Artikel ") + FMengeneingabeSHHerstArtNr +
                              QStringLiteral(" gescannt werden!"),
                          true, true);
            return;
        }
        const int letzte = int(FMeEinSHZeilen.size()) - 1;
        while (FMengeneingabeSHGrIndArr[0] > FMengeneingabeSHSollMeSort.MinIndex && ind < FMengeneingabeSHGrIndArr[0])
            MeEinSHUpOrDown(true, 1);
        while (FMengeneingabeSHGrIndArr[letzte] >= 0 && FMengeneingabeSHGrIndArr[letzte] < FMengeneingabeSHSollMeSort.MaxIndex &&
               FMengeneingabeSHGrIndArr[letzte] < ind)
            MeEinSHUpOrDown(false, 1);
        for (const TMeEinSHZeile& z : FMeEinSHZeilen)
            Faerben(z.Ist, CZAMFarbe_ButtonFlaeche);
        const int zeile = int(FMengeneingabeSHGrIndArr.indexOf(ind));
        if (zeile >= 0) {
            MeEinSHIstSetzen(zeile, FMengeneingabeSHIstMeSort.Me[ind] + 1);
            Faerben(FMeEinSHZeilen[zeile].Ist, CHimmelblau);
            return;
        }
        // A size outside the planned range widens both vectors to it, and the scan counts there.
        if (ind < FMengeneingabeSHSollMeSort.MinIndex || ind > FMengeneingabeSHSollMeSort.MaxIndex) {
            for (TZAM_Intv100_Sortiment_Me* v : {&FMengeneingabeSHSollMeSort, &FMengeneingabeSHIstMeSort}) {
                v->MinIndex = TZAM_Intv100_IndErw(qMin<int>(v->MinIndex, ind));
                v->MaxIndex = TZAM_Intv100_IndErw(qMax<int>(v->MaxIndex, ind));
            }
            MengeneingabeSHMaskeAufbauen();
            MengeneingabeSHGescannt(AText, AScanDaten);
        }
    });
}
