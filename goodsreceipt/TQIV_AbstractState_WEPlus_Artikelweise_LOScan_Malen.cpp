// The piece-wise capture: a scanned piece's disposition and the painting of where it goes.
#include "TAbstractMultipurposePanelState.h"
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TQIV_AbstractState_WEPlus_Artikelweise_LOScan.h"
#include "TQIV_Meldung_Options.h"
#include "TQIV_SicherheitsAbfrage_Options.h"
#include "TZAM_ArtikelInformationen.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMFarben.h"
#include "ZAMFehler.h"
#include "ZAMInfoKoords.h"

#include <QLabel>
#include <QLayout>
#include <QToolButton>

namespace {
constexpr int CSchriftGross = 14;
constexpr int CSchriftKlein = 11;
const QString CBeliebig = QStringLiteral("einen beliebigen Lagerplatz");
} // namespace

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Gescannt_Artikel(bool, const TInt32Trio& AProduktId, int AGrInd)
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Gescannt_Artikel", [&] {
        if (!AProduktId.Defined()) {
            Meldung_ArtikelScannen();
            return;
        }
        // A code that names no size cannot be captured piece by piece: nothing is looked up.
        if (!zam_Intv100_IstGroesse(AGrInd)) {
            FussTipSet(QStringLiteral("Größe des Artikels unbekannt!"), true, true);
            Meldung_ArtikelScannen();
            return;
        }
        FProdukt_Id = AProduktId;
        FGrInd0 = AGrInd;
        const auto& w = FMaske->Datentraeger_Get().WEPlus;
        QList<TQIV_Dispo_Info> dispos;
        if (DM_Torvik->Dispos_4_AuftragsNrN(w.DatenCache, AProduktId, AGrInd, w.VELTAuftragsNrN,
                                            w.DispoOhneAuftrNr.Vorgang, dispos)) {
            TQIV_Dispo_Info_List geprueft;
            const TQIV_Dispo_Info d = DM_Torvik->Dispo_NachPrio_Waehlen(FMaske->FOptionen.WEPlus.BearbDirektInEW,
                                                                        dispos, {}, false, geprueft);
            FDispoID = FEtikDruckDIId = d.Vorgang;
            FDispoAnFil = d.Menge.FilialeMenge.Filiale;
            FDispoAuftrFil = d.Menge.FilialeMenge.AuftrFiliale;
            FDispoExtVerw = d.Menge.FilialeMenge.Verweis;
            FDispoAuftrNr = d.Menge.AuftrNr;
            FPersoZielFil = d.Menge.PersoZielFil;
            FZielTyp = d.Menge.ZielTyp;
            FVerfKombiId = d.Menge.VerfKombiId;
            switch (FZielTyp) {
            case bmzVersand:
                MaskeMalen_Versand(d.Menge.BelegNummer);
                break;
            case bmzBearbeitung:
            case bmzBearbeitungNurWarten:
                MaskeMalen_Bearbeitung();
                break;
            case bmzFAOhneKube:
            case bmzFAFuerBearbeitung:
            case bmzFAFuerKube:
                MaskeMalen_AbholungUFA();
                break;
            case bmzEinlagerung:
                MaskeMalen_Einlagerung(CZAMFarbe_ButtonFlaeche, false);
                break;
            default:
                FProdukt_Id = TInt32Trio();
                FGrInd0 = 255;
                FussTipSet(QStringLiteral("Vorgehensweise nicht ermittelbar!"), true, true);
                return;
            }
        } else {
            // Beyond the order: booked on no disposition, for the warehouse's first branch.
            FDispoID = CMaxIntTrio;
            if (!w.VELTAuftragsNrN.isEmpty())
                FDispoAuftrNr = w.VELTAuftragsNrN.first();
            else if (w.DispoOhneAuftrNr.Vorgang.Defined())
                FDispoID = w.DispoOhneAuftrNr.Vorgang;
            const QList<int>& filialen = DM_Torvik->GetAktLagerFilialen();
            FDispoAnFil = filialen.isEmpty() ? 0 : qint16(filialen.first());
            FEtikDruckDIId = DM_Torvik->EtikDruckDispoId_4_WEPlus(w.DatenCache, AProduktId, AGrInd, w.VELTAuftragsNrN,
                                                                  w.DispoOhneAuftrNr.Vorgang);
            FZielTyp = bmzEinlagerung;
            if (ArtikelOhneDispo_FrageOderMeldung())
                return;
            MaskeMalen_Einlagerung(CZAMFarbe_Gelb, true);
        }
        Stueck_Etikett_Drucken();
        if (FZielTyp == bmzVersand)
            Reservierungsbeleg_Drucken(FMaske, FDispoExtVerw);
    });
}

bool TQIV_AbstractState_WEPlus_Artikelweise_LOScan::ArtikelOhneDispo_FrageOderMeldung()
{
    return TZAM_Hausregel::ErgebnisOhneBusy(
        "TQIV_AbstractState_WEPlus_Artikelweise_LOScan.ArtikelOhneDispo_FrageOderMeldung", false, [&] {
            const TQIV_WEPArtikelOhneDispo option = FMaske->FOptionen.WEPlus.ArtikelOhneDispo;
            if (option != aodFragen && option != aodNieAnnehmen)
                return false;
            const auto& w = FMaske->Datentraeger_Get().WEPlus;
            // Whether the order holds the article in that size at all, captured or not.
            const TQIV_WEPlus_DatenCache leer;
            QList<TQIV_Dispo_Info> dispos;
            const bool imAuftrag = DM_Torvik->Dispos_4_AuftragsNrN(leer, FProdukt_Id, FGrInd0, w.VELTAuftragsNrN,
                                                                   w.DispoOhneAuftrNr.Vorgang, dispos);
            const QString artikel = DM_Torvik->HerstArtNr_Besorgen(FProdukt_Id);
            const QString groesse = DM_Torvik->Langgroesse_Besorgen(FProdukt_Id, FGrInd0);
            if (option == aodNieAnnehmen) {
                const QString text =
                    imAuftrag ? QStringLiteral("Der Artikel %1 wurde\r\nin Größe %2\r\nbereits in voller Menge\r\ndes "
                                               "Auftrags %3 erfasst.\r\nEr darf nicht\r\nnochmal angenommen werden!")
                              : QStringLiteral("Der Artikel %1 ist\r\nin Größe %2\r\nnicht im Auftrag %3\r\n"
                                               "enthalten.\r\nEr darf nicht\r\nangenommen werden!");
                FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
                    text.arg(artikel, groesse, w.AuftragsnummerStr), false,
                    [this](TZAM_TriState_Enum, bool) { Meldung_MeldungArtikelOhneDispo_Callback(); }));
                return true;
            }
            const QString text =
                imAuftrag ? QStringLiteral("Der Artikel %1 wurde\r\nin Größe %2\r\nbereits in voller Menge des\r\n"
                                           "Auftrags %3 erfasst.\r\nSoll der Artikel\r\neingelagert werden?")
                          : QStringLiteral("Der Artikel %1 ist\r\nin Größe %2\r\nnicht im Auftrag %3\r\nenthalten.\r\n"
                                           "Soll der Artikel\r\neingelagert werden?");
            FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
                text.arg(artikel, groesse, w.AuftragsnummerStr),
                [this](TZAM_TriState_Enum AAntwort, bool) { Frage_MeldungArtikelOhneDispo_Callback(AAntwort); }));
            return true;
        });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Frage_MeldungArtikelOhneDispo_Callback(TZAM_TriState_Enum AAntwort)
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Frage_MeldungArtikelOhneDispo_Callback",
                             [&] {
                                 if (AAntwort != tsTrue) {
                                     ChangeState(Klasse());
                                     return;
                                 }
                                 MaskeMalen_Einlagerung(CZAMFarbe_Gelb, true);
                                 Stueck_Etikett_Drucken();
                             });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Meldung_MeldungArtikelOhneDispo_Callback()
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Meldung_MeldungArtikelOhneDispo_Callback",
                             [&] { ChangeState(Klasse()); });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Zeile_Setzen(int AZeile, const QString& AText, int AFarbe)
{
    QLabel* zeile = FMaske->FMultipurposeZeilen[size_t(AZeile)];
    zeile->setText(AText);
    MultipurposeZeile_Faerben(zeile, AFarbe,
                              AFarbe == CZAMFarbe_Hervorhebung ? CZAMFarbe_Fenster : CZAMFarbe_FensterText);
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Ziel_Setzen(const TIntTrio& ALagerort, const QString& AName,
                                                                bool ABuchen)
{
    FLagerplatzID = ALagerort;
    FLagerplatzBez = AName;
    FMaske->BtnBuchenVisible_Set(ABuchen);
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::MaskeMalen_ArtikelDaten(int AFarbe, bool AZweiteZeile,
                                                                            const QString& AZielWort)
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.MaskeMalen_ArtikelDaten", [&] {
        FMaske->btnBild->setVisible(false);
        for (QLabel* zeile : FMaske->FMultipurposeZeilen) {
            zeile->clear();
            zeile->setVisible(true);
        }
        // The rows are measured below: the panel must have its final width.
        FMaske->pnlMultipurpose->layout()->activate();
        TZAM_ArtikelInformationen info;
        DM_Torvik->ArtikelInformationen_Besorgen(FProdukt_Id, FGrInd0, info);
        Zeile_Setzen(zBehaeltername, QStringLiteral("Bitte legen Sie"), AFarbe);
        QStringList artikelZeilen{QStringLiteral("ArtNr. ") + TArtikelTools::ProduktID_2_ArtNr_Formatted(FProdukt_Id) +
                                      QStringLiteral(", Gr. ") + info.LangGroesse,
                                  info.Hersteller + QStringLiteral(", ") + info.HerstellerArtNr};
        Zeile_Setzen(zBehaelternameUnten, QString(), AFarbe);
        Zeile_Setzen(zMitteOben, QString(), CZAMFarbe_Hervorhebung);
        if (AZweiteZeile) {
            // The description names the colour already: the material follows.
            artikelZeilen << info.Beschreibung + QStringLiteral(", ") + info.Material;
            Zeile_Setzen(zMitte, QString(), CZAMFarbe_Hervorhebung);
            Zeile_Setzen(zMitteUnten, QString(), AFarbe);
            Zeile_Setzen(zZielanzeigeOben, AZielWort, AFarbe);
        }
        for (int i = 0; i < artikelZeilen.size(); ++i) {
            QLabel* zeile = FMaske->FMultipurposeZeilen[size_t(zBehaelternameUnten + i)];
            if (FontSizeEinstellen(zeile, artikelZeilen[i]))
                zeile->setText(artikelZeilen[i]);
            else
                TextKuerzen(zeile, artikelZeilen[i]);
        }
        FMaske->BtnArtikelbildAnzVisible_Set(true);
        FMaske->BtnEtikDruckVisible_Set(true);
    });
}

bool TQIV_AbstractState_WEPlus_Artikelweise_LOScan::FontSizeEinstellen(QLabel* AZeile, const QString& AText)
{
    const int breite = AZeile->width() - 8;
    QFont f = AZeile->font();
    for (int groesse = CSchriftGross; groesse >= CSchriftKlein; --groesse) {
        f.setPointSize(groesse);
        if (QFontMetrics(f).horizontalAdvance(AText) <= breite) {
            AZeile->setFont(f);
            return true;
        }
    }
    f.setPointSize(CSchriftGross);
    AZeile->setFont(f);
    return false;
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::TextKuerzen(QLabel* AZeile, const QString& AText)
{
    const QFontMetrics m(AZeile->font());
    const int breite = AZeile->width() - 8;
    QString text = AText;
    // Four characters at first, then one at a time.
    for (int weg = 4; !text.isEmpty(); weg = 1) {
        text.chop(weg);
        if (m.horizontalAdvance(text + QStringLiteral("...")) <= breite)
            break;
    }
    AZeile->setText(text + QStringLiteral("..."));
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::MaskeMalen_Einlagerung(int AFarbe, bool AUeberbelieferung)
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.MaskeMalen_Einlagerung", [&] {
        FMaske->HeaderCaption_Set(QStringLiteral("Einlagerung") +
                                  (AUeberbelieferung ? QStringLiteral(" ÜBERBELIEFERUNG") : QString()));
        const auto& w = FMaske->Datentraeger_Get().WEPlus;
        if (w.LOEinlagerungId.IsNull()) {
            MaskeMalen_ArtikelDaten(AFarbe, true, QStringLiteral("auf"));
            Zeile_Setzen(zZielanzeige, CBeliebig, CZAMFarbe_Hervorhebung);
            Ziel_Setzen({}, {}, false);
            return;
        }
        // The place accepted for the last putaway piece is offered; any other acceptable one replaces it.
        MaskeMalen_ArtikelDaten(AFarbe, false, {});
        Zeile_Setzen(zMitte, QStringLiteral("auf"), AFarbe);
        Zeile_Setzen(zMitteUnten, w.LOEinlagerungBez, CZAMFarbe_Hervorhebung);
        Zeile_Setzen(zZielanzeigeOben, QStringLiteral("oder scannen Sie"), AFarbe);
        Zeile_Setzen(zZielanzeige, CBeliebig, CZAMFarbe_Hervorhebung);
        Ziel_Setzen(w.LOEinlagerungId, w.LOEinlagerungBez, true);
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::MaskeMalen_Bearbeitung()
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.MaskeMalen_Bearbeitung", [&] {
        // Processing targets exist in this receipt only with one-way containers filled directly.
        if (!FMaske->FOptionen.WEPlus.BearbDirektInEW)
            FehlerRaise(QStringLiteral("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.MaskeMalen_Bearbeitung"),
                        CZAM_Info_Fehler_Standard_FktNichtImplementiert,
                        QStringLiteral("Bearbeitung ohne Einweg-Behälter"));
        FMaske->HeaderCaption_Set(FZielTyp == bmzBearbeitung ? QStringLiteral("Bearbeitung")
                                                             : QStringLiteral("Warten auf Abholung"));
        MaskeMalen_ArtikelDaten(CZAMFarbe_ButtonFlaeche, true, QStringLiteral("in"));
        TZAM_Behaelter behaelter;
        QString vater;
        if (!DM_Torvik->Behaelter_Exists_4_ExtVerweis(FDispoExtVerw, FVerfKombiId, bhsOffen, behaelter, vater)) {
            Zeile_Setzen(zZielanzeige, QStringLiteral("einen freien Einweg-Behälter"), CZAMFarbe_Hervorhebung);
            Ziel_Setzen({}, {}, false);
            return;
        }
        if (vater.isEmpty()) {
            Zeile_Setzen(zZielanzeige, behaelter.Name, CZAMFarbe_Hervorhebung);
        } else {
            Zeile_Setzen(zMitteUnten, QStringLiteral("in"), CZAMFarbe_ButtonFlaeche);
            Zeile_Setzen(zZielanzeigeOben, behaelter.Name, CZAMFarbe_Hervorhebung);
            Zeile_Setzen(zZielanzeige, QStringLiteral("auf ") + vater, CZAMFarbe_Hervorhebung);
        }
        Ziel_Setzen(behaelter.Id, behaelter.Name, true);
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::MaskeMalen_AbholungUFA()
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.MaskeMalen_AbholungUFA", [&] {
        QString kopf;
        switch (FZielTyp) {
        case bmzFAOhneKube:
            kopf = QStringLiteral("Filialaustausch");
            break;
        case bmzFAFuerBearbeitung:
            kopf = QStringLiteral("Filialaustausch für Bearbeitung");
            break;
        case bmzFAFuerKube:
            kopf = QStringLiteral("Filialaustausch für Kunden");
            break;
        default:
            FussTipSet(QStringLiteral("Falscher Aufruf von MM_AUFA."), true, true);
            return;
        }
        FMaske->HeaderCaption_Set(kopf);
        MaskeMalen_ArtikelDaten(CZAMFarbe_ButtonFlaeche, true, QStringLiteral("auf"));
        const qint16 filiale = FZielTyp == bmzFAOhneKube ? FDispoAnFil : FPersoZielFil;
        TIntTrio vbs;
        QString name;
        if (DM_Torvik->Eindeutige_VBS_FuerFiliale_Ermitteln(filiale, vbs, name))
            Zeile_Setzen(zZielanzeige, name, CZAMFarbe_Hervorhebung);
        else
            FussTipSet(QStringLiteral("Keine eindeutige VBS Fil. %1").arg(filiale), true, true);
        Ziel_Setzen(vbs, name, true);
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::MaskeMalen_Versand(const QString& ABelegNr)
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.MaskeMalen_Versand", [&] {
        FMaske->HeaderCaption_Set(QStringLiteral("Versand"));
        MaskeMalen_ArtikelDaten(CZAMFarbe_ButtonFlaeche, true, {});
        Zeile_Setzen(zMitteUnten, QStringLiteral("auf"), CZAMFarbe_ButtonFlaeche);
        TIntTrio vbs;
        QString name;
        if (DM_Torvik->Eindeutige_Versandbereistellung_DesLagers_Ermitteln(vbs, name))
            Zeile_Setzen(zZielanzeigeOben, name, CZAMFarbe_Hervorhebung);
        else
            FussTipSet(QStringLiteral("Keine eindeutige Versandbereistellung Lag. %1").arg(DM_Torvik->FAktLager), true,
                       true);
        Zeile_Setzen(zZielanzeige, QStringLiteral("für ") + ABelegNr, CZAMFarbe_Hervorhebung);
        Ziel_Setzen(vbs, name, true);
    });
}
