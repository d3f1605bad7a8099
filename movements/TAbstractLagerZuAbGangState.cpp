// The stock receipt and issue: activation, header and footer, scans and the place rules.
#include "TAbstractLagerZuAbGangState.h"

#include "Behaelter_Test_Inventur.h"
#include "EZAM_Exception.h"
#include "TDM_Torvik.h"
#include "TState_Filialauswahl.h"
#include "TVRList.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "Vrtools.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

#include <utility>

TAbstractLagerZuAbGangState::TAbstractLagerZuAbGangState(TfrmMDE* AMaske) : TAbstractVRListState(AMaske) {}

TAbstractLagerZuAbGangState::~TAbstractLagerZuAbGangState()
{
    // A place still locked (the screen closed without booking or leaving) goes back.
    if (FLagerortGesperrt.Defined() && DM_Torvik)
        TZAM_Hausregel::Zerstoeren("TAbstractLagerZuAbGangState.Destroy", [&] { LagerortEntsperren(); });
}

TZAM_Lagerbewegung_Modus TAbstractLagerZuAbGangState::Modus() const
{
    return FMaske->Datentraeger_Get().Manuell.Modus;
}

bool TAbstractLagerZuAbGangState::Wiedereintritt() const
{
    const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    return d.Filialauswahl.UrsprungsState == EigeneStateKlasse() || !d.Manuell.ExternGescannt.isEmpty();
}

void TAbstractLagerZuAbGangState::StateAnfangVariablenClear()
{
    TZAM_Hausregel::OhneBusy("TAbstractLagerZuAbGangState.StateAnfangVariablenClear", [&] {
        if (Wiedereintritt())
            return;
        LagerortEntsperren();
        FLagerort.Clear();
        Lagerort_Info_Init(FGescannt);
        FFilNrNotwendig = false;
        auto& m = FMaske->Datentraeger_Get().Manuell;
        m.FMerkDaten = TQIV_ZPMDE_Manuell_Merkdaten();
    });
}

void TAbstractLagerZuAbGangState::StateAnfangMaskeMalen()
{
    TZAM_Hausregel::OhneBusy("TAbstractLagerZuAbGangState.StateAnfangMaskeMalen", [&] {
        TVTVRList* anzeige = FMaske->vtVRList;
        anzeige->BeginUpdate();
        TVTVRList_GroesseAnpassen(FMaske->FOptionen.Nachsort.ListeFontSize);
        const bool neu = !FVRListe;
        if (neu) {
            FVRListe = std::make_unique<TVRList>();
            FVRListe->ColumnAdd(QStringLiteral("Fil."), vrtString, 45, false);
            FVRListe->ColumnAdd(QStringLiteral("FilNr"), vrtInteger, 0, false);
            FVRListe->ColumnAdd(QStringLiteral("Artikel"), vrtString, 110);
            FVRListe->ColumnAdd(QString(), vrtInt32Trio, 0, false);
            FVRListe->ColumnAdd(QStringLiteral("GrIdx"), vrtInteger, 0, false);
            FVRListe->ColumnAdd(QStringLiteral("Gr."), vrtString, 70);
            FVRListe->ColumnAdd(QStringLiteral("#"), vrtInteger, 50, true, Qt::AlignRight | Qt::AlignVCenter);
            FVRListe->ColumnAdd(QStringLiteral("Manuell"), vrtBoolean, 0, false);
        }
        if (neu || !Wiedereintritt()) {
            FVRListe->RowsClear();
            TVRArray a = FVRListe->VRArray_ForRowAdd_Generate();
            String2VRItem(QStringLiteral("Gesamt"), a[CArtikel]);
            Integer2VRItem(0, a[CMenge]);
            Boolean2VRItem(false, a[CManuell]);
            FVRListe->RowAdd(a);
            FVRListe->RowChild_GoC(0);
        }
        anzeige->VRList_Set(FVRListe.get());
        anzeige->EndUpdate();
        Summieren();
        anzeige->setFocus();
    });
}

void TAbstractLagerZuAbGangState::Nach_Anfang()
{
    TZAM_Hausregel::OhneBusy("TAbstractLagerZuAbGangState.Nach_Anfang", [&] {
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        if (d.Filialauswahl.UrsprungsState == EigeneStateKlasse()) {
            d.Filialauswahl.UrsprungsState = nullptr;
            // The article that waited for its branch; none when the choice was left.
            const TQIV_ZPMDE_Manuell_Merkdaten merk = d.Manuell.FMerkDaten;
            if (merk.Produkt_Id.Defined() && d.Manuell.FFilZuordQuelle > 0)
                Gescannt_Artikel(merk.Produkt_Id, merk.GrInd0);
        }
        if (!d.Manuell.ExternGescannt.isEmpty()) {
            const QString text = std::exchange(d.Manuell.ExternGescannt, QString());
            TZAM_UmgesetztUArtikelScanDaten daten;
            GescanntIntern(text, daten);
        }
    });
}

void TAbstractLagerZuAbGangState::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(true);
    FMaske->BtnArtNrHandEinVisible_Set(true);
}

QString TAbstractLagerZuAbGangState::Caption_Get()
{
    QString caption;
    TZAM_Hausregel::OhneBusy(
        "TfrmMDE.TAbstractLagerZuAbGangState.Caption_Get",
        [&] {
            const TZAM_Lagerbewegung_Modus modus = Modus();
            if (modus != CZAM_LB_Modus_Lagerzugang && modus != CZAM_LB_Modus_Lagerabgang)
                throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                                     QStringLiteral("Modus = ") + Lagerbewegung_Modus_Text(modus),
                                     QStringLiteral("TfrmMDE.TAbstractLagerZuAbGangState.Caption_Get"));
            const QString wort = Lagerbewegung_Modus_Text(modus);
            if (!FLagerort.Defined()) {
                caption = wort;
                return;
            }
            const auto& m = FMaske->Datentraeger_Get().Manuell;
            const TZAM_Lagerort_Info& ort = modus == CZAM_LB_Modus_Lagerzugang ? m.FZiel : m.FQuelle;
            caption = ort.AnzeigeName() + QStringLiteral(" - ") + wort;
        },
        false);
    return caption;
}

QString TAbstractLagerZuAbGangState::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte scannen Sie den Lagerort und den / die Artikel!");
}

void TAbstractLagerZuAbGangState::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractLagerZuAbGangState.Gescannt",
                               [&] { GescanntIntern(AText, AScanndaten); });
}

void TAbstractLagerZuAbGangState::GescanntIntern(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    Warnung_Ruecksetzen();
    if (AScanndaten.Umgesetzt == tsUndefined) {
        // The article reader decides first; a code of several articles lets the worker choose.
        FMaske->ArtikelAuswahlAn(AText, [this](const QString& AText2, TZAM_UmgesetztUArtikelScanDaten& ADaten) {
            TZAM_Hausregel::OhneBusy("TAbstractLagerZuAbGangState.Gescannt", [&] { GescanntIntern(AText2, ADaten); });
        });
        return;
    }
    const TZAM_ArtikelScanDaten& scan = AScanndaten.ArtikelScanDaten;
    if (AScanndaten.Umgesetzt == tsTrue) {
        Gescannt_Artikel(scan.ProduktId, scan.GroessenIndex);
        return;
    }
    if (scan.IstEAN || scan.IstUPC) {
        FMaske->EAN_UPC_Zuordnen_an(scan, AText,
                                    [this](bool AErfolg, const TInt32Trio& AProdukt, TZAM_Intv100_IndErw AGrInd) {
                                        TZAM_Hausregel::OhneBusy("TAbstractLagerZuAbGangState.Gescannt_Artikel", [&] {
                                            if (AErfolg)
                                                Gescannt_Artikel(AProdukt, AGrInd);
                                        });
                                    });
        return;
    }
    TQIV_Umsetzen_Optionen o;
    o.Stumm = true;
    o.EtikKuerzel = true;
    TZAM_Lagerort_Info info;
    if (!DM_Torvik->Lagerplatz_Behaelter_umsetzen(AText, info, o)) {
        FussTipSet(QStringLiteral("Unbekannter Barcode!"), false, true);
        return;
    }
    Gescannt_Lagerort(info);
}

void TAbstractLagerZuAbGangState::ArtNrHandEin_An()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractLagerZuAbGangState.ArtNrHandEin_An", [&] {
        FMaske->ArtNrHandEingabeAn(
            [this](bool AErfolg, const TInt32Trio& AProdukt, TZAM_Intv100_IndErw AGrInd) {
                TZAM_Hausregel::OhneBusy("TAbstractLagerZuAbGangState.Gescannt_Artikel", [&] {
                    if (AErfolg)
                        Gescannt_Artikel(AProdukt, AGrInd);
                });
            },
            true);
    });
}

QString TAbstractLagerZuAbGangState::LagerortAblehnung(const TZAM_Lagerort_Info& AInfo) const
{
    if (AInfo.Gesperrt)
        return QStringLiteral("Der Lagerort ist gesperrt!");
    switch (AInfo.Bereich) {
    case CZAM_Bereich_Wareneingang:
        return QStringLiteral("In das Wareneingangslager darf nicht direkt gebucht werden.");
    case CZAM_Bereich_Versandbereitstellung:
        return QStringLiteral("Auf die bzw. von der Versandbereitstellung darf nicht direkt gebucht werden.");
    case CZAM_Bereich_Wurmloch:
        return QStringLiteral("Ein Wurmloch darf nicht direkt bebucht werden.");
    case CZAM_Bereich_KundenVBS:
        return QStringLiteral("Auf bzw. von Kunden-VBS darf nicht direkt gebucht werden.");
    case CZAM_Bereich_Bearbeitung:
        return QStringLiteral("Ein Lagerort zur Warenbearbeitung darf nicht direkt bebucht werden.");
    case CZAM_Bereich_BearbVorbereitung:
        return QStringLiteral("Eine Bearbeitungs-Vorbereitung darf nicht direkt bebucht werden.");
    case CZAM_Bereich_BearbStart:
        return QStringLiteral("Ein Bearbeitungs-Start darf nicht direkt bebucht werden.");
    default:
        break;
    }
    if (AInfo.Kennung == CZAM_Lagerort_Behaelter) {
        QString meldung;
        if (!Behaelter_Test_Inventur(AInfo, TIntTrio(), false, meldung))
            return meldung;
    }
    if (AInfo.Bereich == CZAM_Bereich_GeblockteWare)
        return Modus() == CZAM_LB_Modus_Lagerzugang
                   ? QStringLiteral("Für geblockte Ware darf kein Lagerabzugang gebucht werden.")
                   : QStringLiteral("Für geblockte Ware darf kein Lagerabgang gebucht werden.");
    return {};
}

void TAbstractLagerZuAbGangState::Gescannt_Lagerort(const TZAM_Lagerort_Info& AInfo)
{
    TZAM_Hausregel::OhneBusy("TAbstractLagerZuAbGangState.Gescannt_Lagerort", [&] {
        const QString ablehnung = LagerortAblehnung(AInfo);
        if (!ablehnung.isEmpty()) {
            FussTipSet(ablehnung, true, true);
            return;
        }
        FGescannt = AInfo;
        if (!FLagerort.Defined()) {
            Gescannt_Lagerort_Nach_Frage(AInfo);
            return;
        }
        if (FLagerort == AInfo.LagerortId)
            return; // the place again: nothing to replace
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Wollen Sie den bisherigen Lagerort durch %1 ersetzen?").arg(AInfo.AnzeigeName()),
            [this, AInfo](TZAM_TriState_Enum AAntwort, bool) {
                if (AAntwort == tsTrue)
                    Gescannt_Lagerort_Nach_Frage(AInfo);
            }));
    });
}

void TAbstractLagerZuAbGangState::Gescannt_Lagerort_Nach_Frage(const TZAM_Lagerort_Info& AInfo)
{
    TZAM_Hausregel::OhneBusy("TAbstractLagerZuAbGangState.Gescannt_Lagerort_Nach_Frage", [&] {
        auto& m = FMaske->Datentraeger_Get().Manuell;
        if (Modus() == CZAM_LB_Modus_Lagerabgang) {
            // The goods are taken off this place: nobody else books on it meanwhile.
            LagerortEntsperren();
            FLagerort.Clear();
            Lagerort_Info_Init(m.FQuelle);
            if (!TZAM_BewegungsDienste::Lager(*DM_Torvik).Lagerort_Sperren(AInfo.LagerortId)) {
                FMaske->HeaderCaption_Set(Caption_Get());
                FussTipSet(QStringLiteral("Der Lagerplatz konnte nicht gesperrt werden!"), true, true);
                return;
            }
            FLagerortGesperrt = AInfo.LagerortId;
            m.FQuelle = AInfo;
        } else {
            m.FZiel = AInfo;
        }
        FLagerort = AInfo.LagerortId;
        FMaske->HeaderCaption_Set(Caption_Get());
        bool lang = true;
        FussTipSet(FussTip(lang), lang, false);
    });
}

void TAbstractLagerZuAbGangState::Gescannt_Artikel(const TInt32Trio& AProduktId, int AGrInd)
{
    TZAM_Hausregel::OhneBusy("TAbstractLagerZuAbGangState.Gescannt_Artikel", [&] {
        if (!AProduktId.Defined())
            return;
        // A row must name its size: an article number alone cannot be booked.
        if (!zam_Intv100_IstGroesse(AGrInd)) {
            FussTipSet(QStringLiteral("Bitte wählen Sie die Größe des Artikels!"), true, true);
            return;
        }
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        int filiale = -1;
        switch (Modus()) {
        case CZAM_LB_Modus_UmlagerungArtikel:
        case CZAM_LB_Modus_Lagerzugang:
        case CZAM_LB_Modus_Lagerabgang:
        case CZAM_LB_Modus_UmlagerungAuftrag:
        case CZAM_LB_Modus_Paketversand:
            if (d.Manuell.FFilZuordQuelle <= 0) {
                // The branch first; the article goes on when this state is entered again.
                d.Manuell.FMerkDaten.Produkt_Id = AProduktId;
                d.Manuell.FMerkDaten.GrInd0 = quint8(AGrInd);
                d.Filialauswahl.UrsprungsState = EigeneStateKlasse();
                ChangeState(StateKlasse<TState_Filialauswahl>());
                return;
            }
            filiale = d.Manuell.FFilZuordQuelle;
            break;
        default:
            break;
        }
        // Every article asks for its branch again.
        d.Manuell.FMerkDaten = TQIV_ZPMDE_Manuell_Merkdaten();
        d.Manuell.FFilZuordQuelle = -1;
        Artikel_Pruefen(AProduktId, AGrInd, filiale,
                        [this, AProduktId, AGrInd, filiale] { Artikel_Dazu(AProduktId, AGrInd, filiale); });
    });
}

void TAbstractLagerZuAbGangState::Artikel_Pruefen(const TInt32Trio& AProduktId, int AGrInd, int AFilNr,
                                                  const std::function<void()>& AWeiter)
{
    AWeiter();
}

void TAbstractLagerZuAbGangState::LagerortEntsperren()
{
    if (!FLagerortGesperrt.Defined())
        return;
    const TIntTrio ort = std::exchange(FLagerortGesperrt, TIntTrio());
    TZAM_BewegungsDienste::Lager(*DM_Torvik).Lagerort_Entsperren(ort);
}
