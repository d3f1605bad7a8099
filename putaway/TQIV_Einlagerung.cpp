#include "TQIV_Einlagerung.h"

#include "TAbstractState.h"
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TVRList.h"
#include "TZAM_ArtikelInformationen.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMBewegungslisteSpalten.h"
#include "ZAMLagerKonstanten.h"
#include "ZAMUtils.h"

#include <QLabel>

namespace TQIV_Einlagerung {

bool WBSOderFremdnr(const TQIV_ZPMDE_Datentraeger& AD)
{
    return AD.Einlagerung.WBSID.Defined() || !AD.Einlagerung.Fremdnummer.isEmpty();
}

bool WBSOderWEAvis(const TQIV_ZPMDE_Datentraeger& AD)
{
    return AD.Einlagerung.WBSID.Defined() || AD.Einlagerung.WEAVID.Defined();
}

bool AusWEPlatz(const TQIV_ZPMDE_Datentraeger& AD)
{
    return !WBSOderFremdnr(AD) && !AD.Einlagerung.WEAVID.Defined();
}

QString BelegKurz(const TQIV_ZPMDE_Datentraeger& AD)
{
    const auto& e = AD.Einlagerung;
    if (e.WBSID.Defined())
        return QStringLiteral("WBS ") + e.WBSID.ToText();
    if (e.WEAVID.Defined())
        return QStringLiteral("WE ") + e.WEAVID.ToText() + u'-' + QString::number(e.WEAVFilNr);
    if (!e.Fremdnummer.isEmpty())
        return QStringLiteral("FR ") + e.Fremdnummer;
    return {};
}

QString BelegLang(const TQIV_ZPMDE_Datentraeger& AD)
{
    const auto& e = AD.Einlagerung;
    if (e.WBSID.Defined())
        return QStringLiteral("Einlagerung WBS ") + e.WBSID.ToText();
    if (e.WEAVID.Defined())
        return QStringLiteral("Einlagerung WE-Beleg ") + e.WEAVID.ToText() + u'-' + QString::number(e.WEAVFilNr);
    return QStringLiteral("Einlagerung Fremdnr. ") + e.Fremdnummer;
}

QString ArtikelText(TfrmMDE* AMaske, const TInt32Trio& AProduktId)
{
    if (AMaske->FOptionen.Einlagerung.HerstStattVeltArtNr) {
        TZAM_ArtikelInformationen info;
        if (DM_Torvik->ArtikelInformationen_Besorgen(AProduktId, 0, info))
            return info.Hersteller;
    }
    return TArtikelTools::ProduktID_2_ArtNr_Formatted(AProduktId);
}

QString Kopf(TfrmMDE* AMaske)
{
    const TQIV_ZPMDE_Datentraeger& d = AMaske->Datentraeger_Get();
    return BelegKurz(d) + QStringLiteral(";  ") + ArtikelText(AMaske, d.Einlagerung.EinlagerungsInfo.ProduktId);
}

bool FilialeDesLagers(int AFiliale)
{
    return DM_Torvik->GetAktLagerFilialen().contains(AFiliale);
}

TQIV_PersoAuswahl PersoAuswahl_4_Ziel(TQIV_ZPMDE_Ziel AZiel)
{
    switch (AZiel) {
    case bmzVersand:
        return paVersand;
    case bmzFAFuerKube:
        return paFAFuerKunde;
    case bmzBearbeitung:
        return paBearbeitung;
    case bmzEinlagerung:
        return paEinlagerung;
    default:
        return paUnbekannt;
    }
}

QList<int> ArtikelGruppierung(TQIV_ZPMDE_Ziel AZiel)
{
    if (AZiel == bmzBearbeitung)
        return {cblProdukt, cblBelegNr, cblVerfKombi, cblBelegId};
    return {cblProdukt, cblBelegNr, cblBelegId};
}

void Verweis_Uebernehmen(TfrmMDE* AMaske, const TVRList& AGruppiert, int AZeile)
{
    auto& e = AMaske->Datentraeger_Get().Einlagerung;
    const TVRList* kinder = AGruppiert.GetRowChild(AZeile);
    if (!kinder || kinder->GetRowCount() == 0)
        return;
    const TIntQuad schluessel = kinder->GetCellValueAsIntQuad(0, cblExtVerweis);
    const TZAM_PersArt_ExtVerweis verweis = TZAM_PersArt_ExtVerweis::Construct(
        Kuerzel_2_PersArt_ExtVerweis_Kennung(kinder->GetCellValueAsString(0, cblExtKuerzel)), TrioAusQuad(schluessel),
        schluessel.Id4);
    if (verweis.Kennung == CZAM_PersArtExt_KuBe) {
        e.PersoZielFiliale = DM_Torvik->DMExtFilPC_GoC()->Zielfiliale_4_KubeExtVerweis(verweis);
        e.EinBelegId = kinder->GetCellValueAsIntTrio(0, cblKubeBeleg);
        e.EinExtVerweis = verweis;
        if (e.Ziel == bmzBearbeitung)
            e.EinVerfKombiId = AGruppiert.GetCellValueAsIntTrio(AZeile, cblVerfKombi);
    } else if (verweis.Kennung == CZAM_PersArtExt_EXBI) {
        e.PersoZielFiliale = qint16(AGruppiert.GetCellValueAsInteger(AZeile, cblAnFiliale));
        e.EinExtVerweis = verweis;
    }
}

int ArtenSet(TQIV_PersoAuswahl AArt)
{
    return AArt == paUnbekannt ? 30 : 1 << AArt;
}

bool Bewegungen_Laden(TfrmMDE* AMaske, int AArtenSet)
{
    const auto& e = AMaske->Datentraeger_Get().Einlagerung;
    TZAM_DM_FilialPC_Ext* ext = DM_Torvik->DMExtFilPC_GoC();
    ext->Bewegungsliste().RowsClear();
    if (e.WBSID.Defined())
        return ext->Bewegungs_Liste_laden(e.WBSID, AArtenSet);
    if (e.WEAVID.Defined())
        return FilialeDesLagers(e.WEAVFilNr) && ext->Bewegungs_Liste_laden(e.WEAVID, e.WEAVFilNr, AArtenSet);
    if (!e.Fremdnummer.isEmpty())
        return ext->Bewegungs_Liste_laden(e.Fremdnummer, AArtenSet);
    return false;
}

QString ScanText(const TIntTrio& ALagerort)
{
    return zam_TIntTrio2String(ALagerort) + QStringLiteral("00000");
}

TIntTrio WEPlatz()
{
    return TrioAusPair(CZAM_Lagerverwaltung_DefaultWEFR, DM_Torvik->FAktLager);
}

void ArtikelScan(TAbstractState* AState, const char* AName, const QString& AText,
                 TZAM_UmgesetztUArtikelScanDaten& AScanndaten, const TArtikel& AArtikel, const TSonst& ASonst)
{
    AState->Warnung_Ruecksetzen();
    bool lang = true;
    AState->FussTipSet(AState->FussTip(lang), lang, false);
    if (AScanndaten.Umgesetzt == tsUndefined) {
        AState->Maske()->ArtikelAuswahlAn(AText, [=](const QString& AText2, TZAM_UmgesetztUArtikelScanDaten& ADaten) {
            TZAM_Hausregel::OhneBusy(AName, [&] { ArtikelScan(AState, AName, AText2, ADaten, AArtikel, ASonst); });
        });
        return;
    }
    const TZAM_ArtikelScanDaten& scan = AScanndaten.ArtikelScanDaten;
    if (AScanndaten.Umgesetzt == tsTrue)
        AArtikel(scan.ProduktId, scan.GroessenIndex);
    else if (scan.IstEAN)
        AState->FussTipSet(QStringLiteral("Unbekannter EAN-Code!"), false, true);
    else if (scan.IstUPC)
        AState->FussTipSet(QStringLiteral("Unbekannter UPC-Code!"), false, true);
    else if (ASonst)
        ASonst(AText);
    else
        AState->FussTipSet(QStringLiteral("Unbekannter Barcode!"), false, true);
}

void Zeile_Setzen(TfrmMDE* AMaske, TMultipurposeZeile AZeile, const QString& AText)
{
    QLabel* zeile = AMaske->FMultipurposeZeilen[size_t(AZeile)];
    zeile->setText(AText);
    zeile->setVisible(true);
}

bool Lagerort_Umsetzen(TAbstractState* AState, const QString& AText, TZAM_Lagerort_Info& AInfo, const QString& AWarnung,
                       bool ALang)
{
    TQIV_Umsetzen_Optionen optionen;
    optionen.Stumm = true;
    optionen.EtikKuerzel = true;
    if (DM_Torvik->Lagerplatz_Behaelter_umsetzen(AText, AInfo, optionen))
        return true;
    AState->FussTipSet(AWarnung, ALang, true);
    return false;
}

void ListenKnopf(TfrmMDE* AMaske, const char* AName, bool ASichtbar)
{
    if (auto* knopf = AMaske->findChild<QWidget*>(QString::fromLatin1(AName)))
        knopf->setVisible(ASichtbar);
}

} // namespace TQIV_Einlagerung

void Einlagerung_Fuellen_WEDL(TfrmMDE* AMaske, const TInt32Trio& AProduktId)
{
    auto& e = AMaske->Datentraeger_Get().Einlagerung;
    Lager_Sammeleinlagerung_Init(e.EinlagerungsInfo);
    e.EinlagerungsInfo.ProduktId = AProduktId;
    e.EinlagerungsInfo.VonLagerort = TQIV_Einlagerung::WEPlatz();
    e.EinlagerungsInfo.Lager = DM_Torvik->FAktLager;
    e.Personalisiert = paUnbekannt;
    e.PersoZielFiliale = -1;
    e.PersoAuswahlForce = paUnbekannt;
    e.EinBelegId.Clear();
    e.EinExtVerweis.Clear();
    e.EinVerfKombiId.Clear();
    e.Ziel = bmzUnbekannt;
    e.ZielFilialeGewaehlt = -1;
    e.KundenVBSAlsAnLPOK = false;
    e.BehaelterAlsAnLPOK = false;
}
