// The article relocation: activation, header, the places scanned and their test.
#include "TAbstractState_ReineLagerBewegung.h"

#include "TDM_Torvik.h"
#include "TVRList.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

namespace {

const QString CJaNeinQuelleZiel = QStringLiteral("\r\n\"Ja\" - Quelle %1.\r\n\"Nein\" - Ziel %1.");

// An assignment of 0 or below is none.
int Zuordnung(int AWert)
{
    return AWert > 0 ? AWert : -1;
}

} // namespace

TAbstractState_ReineLagerBewegung::~TAbstractState_ReineLagerBewegung()
{
    // The screen closed while a source was held: its lock goes back.
    if (FVonLagerortGesperrt.Defined() && DM_Torvik)
        TZAM_Hausregel::Zerstoeren("TAbstractState_ReineLagerBewegung.Destroy.Kontrolle",
                                   [&] { VonLagerortEntsperren(); });
}

void TAbstractState_ReineLagerBewegung::StateAnfangVariablenClear()
{
    TAbstractLagerZuAbGangState::StateAnfangVariablenClear();
    TZAM_Hausregel::OhneBusy("TAbstractState_ReineLagerBewegung.StateAnfangVariablenClear", [&] {
        FFehlPruefenScannen = true;
        FFehlPruefenBuchen = true;
        if (!Wiedereintritt())
            Lagerorte_Leeren();
    });
}

void TAbstractState_ReineLagerBewegung::Lagerorte_Leeren()
{
    VonLagerortEntsperren();
    Lagerort_Info_Init(FVonLagerort);
    Lagerort_Info_Init(FAnLagerort);
    FFilZuordVon = FFilZuordAn = -1;
    FLagZuordVon = FLagZuordAn = -1;
}

QString TAbstractState_ReineLagerBewegung::Caption_Get()
{
    const bool von = FVonLagerort.LagerortId.Defined(), an = FAnLagerort.LagerortId.Defined();
    if (!von && !an)
        return QStringLiteral("Umlagerung Artikel");
    const QString unbekannt = QStringLiteral("Unbekannt");
    const QString vonName = von ? FVonLagerort.AnzeigeName() : unbekannt;
    const QString anName = an ? FAnLagerort.AnzeigeName() : unbekannt;
    const bool vonGeblockt = FVonLagerort.Bereich == CZAM_Bereich_GeblockteWare;
    const bool anGeblockt = FAnLagerort.Bereich == CZAM_Bereich_GeblockteWare;
    if (anGeblockt && !vonGeblockt)
        return QStringLiteral("%1 block. %2").arg(vonName, anName);
    if (vonGeblockt && !anGeblockt)
        return QStringLiteral("%1 entblock. %2").arg(vonName, anName);
    return QStringLiteral("%1 -> %2").arg(vonName, anName);
}

QString TAbstractState_ReineLagerBewegung::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte scannen Sie die Lagerorte und den / die Artikel!");
}

void TAbstractState_ReineLagerBewegung::KopfAktualisieren()
{
    FMaske->HeaderCaption_Set(Caption_Get());
}

bool TAbstractState_ReineLagerBewegung::HatEingaben() const
{
    return FVonLagerort.LagerortId.Defined() || FAnLagerort.LagerortId.Defined() ||
           TAbstractLagerZuAbGangState::HatEingaben();
}

void TAbstractState_ReineLagerBewegung::VonLagerortEntsperren()
{
    if (!FVonLagerortGesperrt.Defined())
        return;
    const TIntTrio ort = std::exchange(FVonLagerortGesperrt, TIntTrio());
    TZAM_BewegungsDienste::Lager(*DM_Torvik).Lagerort_Entsperren(ort);
}

void TAbstractState_ReineLagerBewegung::Verlassen()
{
    Lagerorte_Leeren();
    TAbstractLagerZuAbGangState::Verlassen();
}

void TAbstractState_ReineLagerBewegung::Gescannt_Lagerort(const TZAM_Lagerort_Info& AInfo)
{
    TZAM_Hausregel::OhneBusy("TAbstractState_ReineLagerBewegung.Gescannt_Lagerort", [&] {
        FGescannt = AInfo;
        if (!FVonLagerort.LagerortId.Defined()) {
            Lagerort_Uebernehmen(AInfo, true);
            return;
        }
        if (!FAnLagerort.LagerortId.Defined()) {
            Lagerort_Uebernehmen(AInfo, false);
            return;
        }
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Es wurden bereits beide Lagerorte gescannt! Wollen Sie einen der Lagerorte ersetzen?") +
                CJaNeinQuelleZiel.arg(QStringLiteral("ersetzen")),
            [this, AInfo](TZAM_TriState_Enum AAntwort, bool) {
                TZAM_Hausregel::OhneBusy("TAbstractState_ReineLagerBewegung.Gescannt_Lagerort", [&] {
                    if (AAntwort != tsUndefined)
                        Lagerort_Uebernehmen(AInfo, AAntwort == tsTrue);
                });
            }));
    });
}

void TAbstractState_ReineLagerBewegung::Lagerort_Uebernehmen(const TZAM_Lagerort_Info& AInfo, bool AAlsQuelle)
{
    qint16 filZuord = -1;
    qint32 lagZuord = -1;
    if (!LagerortTest(AInfo, AAlsQuelle, filZuord, lagZuord))
        return;
    const TVRList* zeilen = Zeilen();
    const bool mitArtikeln = zeilen && zeilen->GetRowCount() > 0;
    // Blocked goods change their owner's stock type: which branch's goods move is decided by the
    // articles, so both places must be known before them.
    if (mitArtikeln && AInfo.Bereich == CZAM_Bereich_GeblockteWare) {
        FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
            AAlsQuelle ? QStringLiteral("Wenn Artikel von einen Lagerort für geblockte Ware umgelagert werden "
                                        "soll,\r\nmuss der Quelllagerort zuerst gescannt werden!")
                       : QStringLiteral("Beim Umlagern auf einen Lagerort für geblockte Ware,\r\nmuss die Reihenfolge "
                                        "so sein:\r\n1. Quelllagerort\r\n2. Ziellagerort\r\n3. Artikel")));
        return;
    }
    const TZAM_Lagerort_Info& andere = AAlsQuelle ? FAnLagerort : FVonLagerort;
    if (andere.LagerortId == AInfo.LagerortId) {
        // Which of the two was meant is the worker's answer; until then neither is kept.
        Lagerorte_Leeren();
        KopfAktualisieren();
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Beide Lagerorte sind gleich! Welchen Lagerort haben Sie gerade gescannt?") +
                CJaNeinQuelleZiel.arg(QStringLiteral("gescannt")),
            [this, AInfo](TZAM_TriState_Enum AAntwort, bool) {
                TZAM_Hausregel::OhneBusy("TAbstractState_ReineLagerBewegung.Lagerort_Uebernehmen", [&] {
                    if (AAntwort != tsUndefined)
                        Lagerort_Uebernehmen(AInfo, AAntwort == tsTrue);
                });
            }));
        return;
    }
    Lagerort_Setzen(AInfo, AAlsQuelle, filZuord, lagZuord);
}

void TAbstractState_ReineLagerBewegung::Lagerort_Setzen(const TZAM_Lagerort_Info& AInfo, bool AAlsQuelle,
                                                        qint16 AFilZuord, qint32 ALagZuord)
{
    if (AAlsQuelle) {
        VonLagerortEntsperren();
        Lagerort_Info_Init(FVonLagerort);
        FFilZuordVon = -1;
        FLagZuordVon = -1;
        if (!TZAM_BewegungsDienste::Lager(*DM_Torvik).Lagerort_Sperren(AInfo.LagerortId)) {
            KopfAktualisieren();
            FussTipSet(QStringLiteral("Der Lagerplatz konnte nicht gesperrt werden!"), true, true);
            return;
        }
        FVonLagerortGesperrt = AInfo.LagerortId;
        FVonLagerort = AInfo;
        FFilZuordVon = AFilZuord;
        FLagZuordVon = ALagZuord;
    } else {
        FAnLagerort = AInfo;
        FFilZuordAn = AFilZuord;
        FLagZuordAn = ALagZuord;
    }
    KopfAktualisieren();
    bool lang = true;
    FussTipSet(FussTip(lang), lang, false);
}

bool TAbstractState_ReineLagerBewegung::LagerortTest(const TZAM_Lagerort_Info& AInfo, bool AAlsQuelle,
                                                     qint16& AFilZuord, qint32& ALagZuord)
{
    IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
    const bool paketversand = Modus() == CZAM_LB_Modus_Paketversand;
    const bool behaelter = AInfo.Kennung == CZAM_Lagerort_Behaelter;
    AFilZuord = qint16(Zuordnung(bewegung.FilialZuordnung_Lesen(AInfo.LagerortId, 2)));
    // A picking container names its branch as its delivery branch: that is the branch the parcel
    // goes to.
    if (paketversand && behaelter && AFilZuord <= 0)
        AFilZuord = qint16(Zuordnung(bewegung.FilialZuordnung_Lesen(AInfo.LagerortId, 0)));
    ALagZuord = Zuordnung(bewegung.LagerZuordnung_Lesen(AInfo.LagerortId, 2));
    auto ablehnen = [&](const QString& AText) {
        FussTipSet(AText, true, true);
        return false;
    };
    if (AInfo.Gesperrt)
        return ablehnen(QStringLiteral("Der Lagerort ist gesperrt!"));
    if (AInfo.Bereich == CZAM_Bereich_Wareneingang)
        return ablehnen(QStringLiteral("In das Wareneingangslager darf nicht direkt gebucht werden."));
    if (AInfo.Bereich == CZAM_Bereich_Versandbereitstellung && !paketversand)
        return ablehnen(QStringLiteral("Auf die bzw. von der Versandbereitstellung darf nicht direkt gebucht werden."));
    if (paketversand && AAlsQuelle &&
        ((AInfo.Bereich != CZAM_Bereich_Versandbereitstellung && !behaelter) || AFilZuord <= 0))
        return ablehnen(QStringLiteral("Paketversand nur aus VBS oder Kommissionierbehältern möglich."));
    if (AInfo.Bereich == CZAM_Bereich_KundenVBS)
        return ablehnen(QStringLiteral("Auf bzw. von Kunden-VBS darf nicht direkt gebucht werden."));
    const TZAM_Lagerort_Info& andere = AAlsQuelle ? FAnLagerort : FVonLagerort;
    if (andere.LagerortId.Defined()) {
        const int andereFil = AAlsQuelle ? FFilZuordAn : FFilZuordVon;
        const int andereLag = AAlsQuelle ? FLagZuordAn : FLagZuordVon;
        // A container without branch may take the other side's branch as long as it holds no
        // goods of another branch.
        const bool filGleich = AFilZuord == andereFil || (AFilZuord <= 0 && behaelter &&
                                                          !bewegung.Behaelter_HatFremdeArtikel(AInfo.LagerortId, 0, 0));
        if (!filGleich || ALagZuord != andereLag)
            return ablehnen(QStringLiteral("Die Filialzuordnung der beiden Lagerorte stimmt nicht überein!"));
    }
    if (AAlsQuelle && ALagZuord > 0 && !DM_Torvik->LagerExistiert_Und_IstEinFilialLager(ALagZuord))
        return ablehnen(QStringLiteral("Von-Lagerort darf keinem Mehr-Filial-Lager zugeordnet sein."));
    return true;
}

void TAbstractState_ReineLagerBewegung::Artikel_Pruefen(const TInt32Trio& AProduktId, int AGrInd, int AFilNr,
                                                        const std::function<void()>& AWeiter)
{
    // The pieces of this article size after the scan, over every branch's rows.
    TZAM_Intv100_Sortiment_MeMitProduktIdMitFil v;
    v.ProduktId = AProduktId;
    v.Filiale = qint16(AFilNr);
    v.Menge.Init();
    v.Menge.Me[AGrInd] = 1;
    const TVRList* zeilen = Zeilen();
    for (int z = 0; zeilen && z < zeilen->GetRowCount(); ++z)
        if (zeilen->GetCellValueAsInt32Trio(z, CProduktId) == AProduktId &&
            zeilen->GetCellValueAsInteger(z, CGrIdx) == AGrInd)
            v.Menge.Me[AGrInd] += qMax(zeilen->GetCellValueAsInteger(z, CMenge), 0);
    v.Menge.MinMax_Bestimmen();
    const TZAM_MengenMitFil mengen{v};

    const auto verfuegbarPruefen = [this, mengen, AWeiter] {
        if (FAnLagerort.LagerortId.Defined() && FAnLagerort.Bereich == CZAM_Bereich_Wurmloch) {
            // Into a wormhole the goods leave the warehouse: its branches must hold them.
            const QStringList fehl = VerfBestandTest(mengen);
            if (!fehl.isEmpty()) {
                FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
                    QStringLiteral("Zu wenig verf. Bestand:\r\n%1").arg(fehl.join(QStringLiteral("\r\n")))));
                return;
            }
        }
        AWeiter();
    };
    if (!FFehlPruefenScannen || !FVonLagerort.LagerortId.Defined() || FVonLagerort.Bereich == CZAM_Bereich_Wurmloch) {
        verfuegbarPruefen();
        return;
    }
    const QStringList fehl = FehlmengenTest(mengen, FVonLagerort.LagerortId);
    if (fehl.isEmpty()) {
        verfuegbarPruefen();
        return;
    }
    const QString name = FVonLagerort.AnzeigeName();
    const QString zeilenText = fehl.join(QStringLiteral("\r\n"));
    const bool nurMeldung =
        Modus() == CZAM_LB_Modus_Paketversand ||
        (FVonLagerort.Bereich >= CZAM_Bereich_GeblockteWare && FVonLagerort.Bereich <= CZAM_Bereich_BearbStart);
    if (nurMeldung) {
        FMaske->MeldungAn(
            TQIV_Meldung_Options::Kurz(QStringLiteral("%1 Zu wenig Bestand:\r\n%2").arg(name, zeilenText)));
        return;
    }
    FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
        QStringLiteral("%1 Zu wenig Bestand:\r\n%2 Wollen Sie trotzdem umlagern?").arg(name, zeilenText),
        [verfuegbarPruefen](TZAM_TriState_Enum AAntwort, bool) {
            TZAM_Hausregel::OhneBusy("TAbstractState_ReineLagerBewegung.Artikel_Pruefen", [&] {
                if (AAntwort == tsTrue)
                    verfuegbarPruefen();
            });
        }));
}
