#include "TQIV_AufgabenZaehler.h"

#include "EZAM_Exception.h"
#include "IZAM_AuftragsDateien.h"
#include "IZAM_BelegEditServer.h"
#include "IZAM_FilialTabelle.h"
#include "IZAM_LagerEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_AufgabenZaehlKlammer.h"
#include "TQIV_EXBI_Mani.h"
#include "TQIV_KuBe_Aufgaben_SQLQuery.h"
#include "TZAM_Hausregel.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
int Mitglieder(quint32 AMenge)
{
    int n = 0;
    for (int i = 0; i <= 15; ++i)
        n += (AMenge & ZAMSetBit(i)) ? 1 : 0;
    return n;
}
bool Enthalten(quint32 AMenge, int AWert)
{
    return AWert >= 0 && AWert < 32 && (AMenge & ZAMSetBit(AWert));
}
} // namespace

TQIV_AufgabenZaehler::TQIV_AufgabenZaehler(TDM_Torvik& ADM, int AModus, TZAM_AufgliederungLager_Set ASeparat,
                                           bool AKomplett, const TIntTrioList* AWhitelist,
                                           const TZAM_Aufgaben_Suchkriterien& AKriterien, const TAusgaben& AAusgaben)
    : FDM(ADM), FModus(AModus), FSeparat(ASeparat), FKomplett(AKomplett), FWhitelist(AWhitelist),
      FKriterien(AKriterien), FAus(AAusgaben)
{
}

void TQIV_AufgabenZaehler::Ausfuehren()
{
    if (FModus == 0) {
        IZAM_FilialTabelle* tabelle = FDM.FilialTabelle_GoC();
        FAus.Anzahlen = FilialAnzahlen_Anlegen(tabelle ? tabelle->MaxFiliale() : 0);
    }
    if (FKriterien.Lager >= 0) {
        TZAM_Lagergruppe gruppe;
        if (IZAM_LagerEditServer* lager = FDM.LagerEditServer_GoC(); lager && lager->Lagergruppe(FKriterien.Lager, gruppe))
            FFilialen = gruppe.Filialen;
    }
    QList<TAufgabe> aufgaben;
    if (FDM.GDBConfig() != 1)
        KoepfeAusAbfrage(aufgaben);
    else
        KoepfeAusDateien(aufgaben);
    FNachrichten.start();
    for (TAufgabe& a : aufgaben) {
        Nachrichten();
        Pruefen(a);
    }
    std::stable_sort(FAus.Keys.begin(), FAus.Keys.end(),
                     [](const TQIV_Kennung_Text_Datum_Rec& A, const TQIV_Kennung_Text_Datum_Rec& B) {
                         return A.Datum < B.Datum;
                     });
}

void TQIV_AufgabenZaehler::Nachrichten()
{
    // The screen stays alive during a long count; the callers' busy flags keep input out.
    if (FNachrichten.elapsed() >= 300) {
        QCoreApplication::processEvents();
        FNachrichten.restart();
    }
}

void TQIV_AufgabenZaehler::KoepfeAusAbfrage(QList<TAufgabe>& AAufgaben)
{
    TZAM_Hausregel::OhneBusy(
        "SQL_Query_Ggf_Ausfuehren",
        [&] {
            TKuBeAufgQuerySel s;
            s.AufgabeArt = FKriterien.Arten;
            s.GV = FKriterien.Geschaeftsvorfaelle;
            s.Status = FKriterien.Status;
            s.Anlagedatum.Von = FKriterien.ErstelltVon;
            s.Anlagedatum.Bis = FKriterien.ErstelltBis;
            s.Bearbeitungsdatum.Von = FKriterien.BearbeitungVon;
            s.Bearbeitungsdatum.Bis = FKriterien.BearbeitungBis;
            s.FilNrVon = FFilialen;
            if (FKriterien.QuellFiliale > 0 && !s.FilNrVon.contains(FKriterien.QuellFiliale))
                s.FilNrVon << FKriterien.QuellFiliale;
            const auto lesen = [&] {
                TQIV_AufgabenZaehlKlammer::TZeilen zeilen;
                TQIV_KuBe_Aufgaben_SQLQuery q(nullptr);
                q.FSelektion = s;
                for (bool zeile = q.Get_first(); zeile; zeile = q.Get_next())
                    zeilen << q.FErgSatz;
                return zeilen;
            };
            TQIV_AufgabenZaehlKlammer* klammer = FDM.AufgabenZaehlKlammer();
            for (const TKuBeAufgQueryErgebnis& e : klammer ? klammer->Zeilen(s, lesen) : lesen()) {
                TAufgabe a;
                a.AusAbfrage = true;
                a.Id = e.AufgabenID;
                a.Art = e.AufgabenArt;
                a.GV = e.AufgabenGV;
                a.Quell = qint16(e.Fil_Nr_Von);
                a.Ziel = qint16(e.Fil_Nr_An);
                a.Menge = e.Menge;
                a.Vorgang = e.BNE_Vorg_ID;
                a.BewTyp = CZAM_ArtBewTyp4BNEWert(e.BNE_Vorg_Typ);
                // The task's own order: an external order, or a customer-order document. A task
                // without one takes its reference from its order-line position (TesteExtVerweis).
                a.VerweisAusZeile = !e.KubeId.IsNull();
                if (a.VerweisAusZeile)
                    a.Verweis = TZAM_PersArt_ExtVerweis::Construct(
                        e.EXBI_Kennung.isEmpty() ? CZAM_PersArtExt_KuBe : CZAM_PersArtExt_EXBI, e.KubeId, e.KubeErgNr);
                a.ExbiBezahlt = e.EXBI_Bezahlt;
                a.ExbiHerkunft = e.EXBI_Herkunft;
                a.ExbiBuchFil = e.EXBI_BuchFil;
                a.AtkAuslieferung = e.ATK_auslieferungtyp;
                a.AtkZahlungsart = e.ATK_zahlungsart;
                a.AtkHerkunft = e.ATK_herkunftskz;
                a.GlaeubigerOrge = e.ATK_GlaeubigerOrge;
                a.BezAnzNein = e.Pos_Bez_Anz_Nein;
                AAufgaben << a;
            }
        },
        false);
}

void TQIV_AufgabenZaehler::KoepfeAusDateien(QList<TAufgabe>& AAufgaben)
{
    IZAM_AufgabenEditServer* server = FDM.AufgabenEditServer_Temp_GoC();
    if (!server)
        return;
    TZAM_AufgabenKopfFilter f;
    if (Mitglieder(FKriterien.Arten) == 1)
        for (int i = 0; i <= CZAM_Aufgabe_Art_Max; ++i)
            if (Enthalten(FKriterien.Arten, i))
                f.ArtKuerzel = CZAM_Aufgabe_Art_2_Kuerzel(i);
    if (Mitglieder(FKriterien.Geschaeftsvorfaelle) == 1)
        for (int i = 0; i <= CZAM_Aufgabe_Geschaeftsvorfall_Max; ++i)
            if (Enthalten(FKriterien.Geschaeftsvorfaelle, i))
                f.GVKuerzel = CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(i);
    for (int i = 0; i <= CZAM_Aufgabe_Status_Max; ++i)
        if (Enthalten(FKriterien.Status, i))
            f.StatusZeichen += CZAM_Aufgabe_Status_2_Char(i);
    f.ErstelltVon = FKriterien.ErstelltVon;
    f.ErstelltBis = FKriterien.ErstelltBis;
    f.BearbeitungVon = FKriterien.BearbeitungVon;
    f.BearbeitungBis = FKriterien.BearbeitungBis;
    for (const TZAM_AufgabenKopf& k : server->Aufgabenkoepfe_Lesen(f)) {
        TAufgabe a;
        a.Id = k.Id;
        a.Art = k.ArtKuerzel;
        a.GV = k.GVKuerzel;
        a.Verweis = k.ExtVerweis;
        AAufgaben << a;
    }
}

void TQIV_AufgabenZaehler::Pruefen(TAufgabe& A)
{
    if (!A.AusAbfrage && Mitglieder(FKriterien.Arten) >= 2 &&
        !Enthalten(FKriterien.Arten, Kuerzel_2_TZAM_Aufgabe_Art_Erw(A.Art)))
        return;
    qsizetype pos = 0;
    if (FModus >= 1 && FWhitelist && !FWhitelist->Find(A.Id, pos))
        return;
    if (!TesteFiliale(A))
        return;
    if (!A.AusAbfrage && !TesteGV(A))
        return;
    GVUmbiegen(A);
    if (!TesteExtVerweis(A))
        return;
    if (FKriterien.NurBezahlte && A.Verweis.Defined() && !TesteKannVersendetWerden(A))
        return;
    switch (FModus) {
    case 0: FilialeZaehlen(A); break;
    case 1: HerkunftZaehlen(A); break;
    default: PositionenZaehlen(A); break;
    }
}

bool TQIV_AufgabenZaehler::TesteFiliale(TAufgabe& A)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TesteFiliale", false, [&] {
        if (!A.AusAbfrage) {
            TZAM_AufgabenAusfuehrung e;
            IZAM_AufgabenEditServer* server = FDM.AufgabenEditServer_Temp_GoC();
            if (!server || !server->Ausfuehrung_Lesen(A.Id, e))
                return false;
            if (FKriterien.QuellFiliale >= 1 ? e.QuellFiliale != FKriterien.QuellFiliale
                                             : !FFilialen.contains(e.QuellFiliale))
                return false;
            A.Quell = e.QuellFiliale;
            A.Ziel = e.ZielFiliale;
            A.Menge = e.Menge;
            A.Vorgang = e.VorgangsKey;
            A.BewTyp = CZAM_ArtBewTyp4BNEWert(e.VorgangsTyp);
        }
        if (FModus >= 1)
            return FKriterien.ZielFiliale >= 1 ? A.Ziel == FKriterien.ZielFiliale : A.Ziel == A.Quell;
        return true;
    });
}

bool TQIV_AufgabenZaehler::TesteGV(const TAufgabe& A)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TesteGV", false, [&] {
        return Mitglieder(FKriterien.Geschaeftsvorfaelle) < 2 ||
               Enthalten(FKriterien.Geschaeftsvorfaelle, Kuerzel_2_TZAM_Aufgabe_Geschaeftsvorfall_Erw(A.GV));
    });
}

void TQIV_AufgabenZaehler::GVUmbiegen(TAufgabe& A)
{
    A.GVNeu = 0;
    TZAM_Hausregel::OhneBusy(
        "GVUmbiegen",
        [&] {
            // The header's code read as a breakdown category.
            const int kategorie = Kuerzel_2_TZAM_Aufgabe_AufgliederungLager_Erw(A.GV);
            if (Enthalten(FSeparat, kategorie))
                A.GVNeu = CZAM_Aufgabe_AufgliederungLager_2_Geschaeftsvorfall(kategorie);
        },
        false);
}

bool TQIV_AufgabenZaehler::TesteExtVerweis(TAufgabe& A)
{
    // A failure of the statement's reference test lets the task pass.
    const char* name = A.AusAbfrage ? "TesteExtVerweisSQL" : "TesteExtVerweis";
    return TZAM_Hausregel::ErgebnisOhneBusy(name, A.AusAbfrage, [&] {
        if (A.Verweis.Id.IsNull()) {
            IZAM_AuftragsDateien* d = FDM.AuftragsDateien_GoC();
            TZAM_PersArt_ExtVerweis v;
            if (d && d->BNEP_ExtVerweis(A.Vorgang, A.Ziel == A.Quell ? 0 : A.Ziel, A.Menge, v))
                A.Verweis = v;
            else
                A.Verweis.Clear();
        }
        if (!A.Verweis.Defined())
            return FKriterien.ExtVerweisEinschluss == 0;
        if (FKriterien.ExtVerweisEinschluss != 0 && !Enthalten(FKriterien.ExtVerweisEinschluss, A.Verweis.Kennung))
            return false;
        return !Enthalten(FKriterien.ExtVerweisAusschluss, A.Verweis.Kennung);
    });
}

bool TQIV_AufgabenZaehler::TesteKannVersendetWerden(const TAufgabe& A)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TesteKannVersendetWerden", false, [&] {
        if (A.Verweis.Kennung == CZAM_PersArtExt_EXBI) {
            if (A.VerweisAusZeile)
                return JNToBool(QString(A.ExbiBezahlt));
            const TIntQuad key = QuadAusTrio(A.Verweis.Id, A.Verweis.Nummer);
            if (!FExbiBezahlt.contains(key)) {
                TQIV_EXBI_Info info;
                TQIV_EXBI_Mani* mani = FDM.EXBIMani_GoC();
                FExbiBezahlt.insert(key, mani && mani->BestellInfos_4_PersArt_ExtVerweis(A.Verweis, info) && info.Bezahlt);
            }
            return FExbiBezahlt.value(key);
        }
        if (A.VerweisAusZeile)
            return IstBezahlt_Erw(A.AtkAuslieferung, A.AtkZahlungsart, A.BezAnzNein < 1);
        IZAM_AufgabenEditServer* server = FDM.AufgabenEditServer_Temp_GoC();
        const TIntTrio beleg = server ? server->BelegId_4_ExtVerweis(A.Verweis) : TIntTrio();
        if (beleg.IsNull())
            return false;
        if (!FBelegBezahlt.contains(beleg)) {
            IZAM_BelegEditServer* belege = FDM.BelegEditServer_GoC();
            FBelegBezahlt.insert(beleg, belege && belege->Beleg_Laden(beleg, false) && belege->IstBezahlt());
        }
        return FBelegBezahlt.value(beleg);
    });
}

TOrgeIdKompl TQIV_AufgabenZaehler::OrgeDerFiliale(int AFiliale)
{
    TZAM_Filiale f;
    IZAM_FilialTabelle* tabelle = FDM.FilialTabelle_GoC();
    return tabelle && tabelle->Filiale(AFiliale, f) ? f.OrgeId : TOrgeIdKompl();
}

TOrgeIdKompl TQIV_AufgabenZaehler::OrgeDerOrganisation(const TIntPair& AOrge)
{
    if (IZAM_FilialTabelle* tabelle = FDM.FilialTabelle_GoC())
        for (const TZAM_Filiale& f : tabelle->Filialen())
            if (f.OrgeId.OrgeId == AOrge)
                return f.OrgeId;
    return TOrgeIdKompl{AOrge, {}};
}

bool TQIV_AufgabenZaehler::GetHerkunft_4_ExtVerweis(const TAufgabe& A, QChar& AHerkunft, TOrgeIdKompl& ABuchFiliale)
{
    AHerkunft = QChar();
    ABuchFiliale = TOrgeIdKompl();
    return TZAM_Hausregel::ErgebnisOhneBusy("GetHerkunft_4_ExtVerweis", false, [&] {
        if (A.Verweis.Kennung == CZAM_PersArtExt_EXBI) {
            if (A.VerweisAusZeile) {
                AHerkunft = A.ExbiHerkunft;
                ABuchFiliale = OrgeDerFiliale(A.ExbiBuchFil);
                return true;
            }
            TQIV_EXBI_Info info;
            TQIV_EXBI_Mani* mani = FDM.EXBIMani_GoC();
            if (!mani || !mani->BestellInfos_4_PersArt_ExtVerweis(A.Verweis, info))
                return false;
            AHerkunft = info.Herkunft;
            ABuchFiliale = OrgeDerFiliale(info.BuchFiliale);
            return true;
        }
        if (A.VerweisAusZeile) {
            AHerkunft = A.AtkHerkunft;
            ABuchFiliale = OrgeDerOrganisation(A.GlaeubigerOrge);
            return true;
        }
        IZAM_AufgabenEditServer* server = FDM.AufgabenEditServer_Temp_GoC();
        IZAM_BelegEditServer* belege = FDM.BelegEditServer_GoC();
        const TIntTrio beleg = server ? server->BelegId_4_ExtVerweis(A.Verweis) : TIntTrio();
        return belege && !beleg.IsNull() && belege->Herkunft_4_Beleg(beleg, AHerkunft, ABuchFiliale);
    });
}

void TQIV_AufgabenZaehler::FilialeZaehlen(const TAufgabe& A)
{
    AufgabeFuerFilZaehlen(FAus.Anzahlen, A.Id.ToText(), A.Quell, A.Ziel,
                          CZAM_Aufgabe_Geschaeftsvorfall_2_AufgliederungLager(A.GVNeu));
}

void TQIV_AufgabenZaehler::HerkunftZaehlen(const TAufgabe& A)
{
    QChar herkunft;
    TOrgeIdKompl buchFiliale;
    GetHerkunft_4_ExtVerweis(A, herkunft, buchFiliale);
    TQIV_Herkunft_Anzahl_Liste& liste = FAus.Herkuenfte[herkunft];
    for (auto& paar : liste)
        if (paar.first == buchFiliale) {
            ++paar.second;
            return;
        }
    liste.append(qMakePair(buchFiliale, 1));
}

void TQIV_AufgabenZaehler::PositionenZaehlen(const TAufgabe& A)
{
    if (!FKriterien.Herkuenfte.isEmpty() || !FKriterien.BuchFilialen.isEmpty()) {
        QChar herkunft;
        TOrgeIdKompl buchFiliale;
        GetHerkunft_4_ExtVerweis(A, herkunft, buchFiliale);
        if (!FKriterien.Herkuenfte.isEmpty() && !FKriterien.Herkuenfte.contains(herkunft))
            return;
        if (!FKriterien.BuchFilialen.isEmpty() && !FKriterien.BuchFilialen.contains(buchFiliale))
            return;
    }
    PosAnzErmitteln(A);
}

void TQIV_AufgabenZaehler::BelegZaehlen(TQIV_Beleg_Info& AInfo, const TAufgabe& A)
{
    FAus.MehrPos << A.Id;
    if (FKomplett && AInfo.FArtikelAnzIst + AInfo.FAFInZielFil == AInfo.FArtikelAnzSoll)
        FAus.Komplett << AInfo.FAufgabenIds;
}

void TQIV_AufgabenZaehler::PosAnzErmitteln(const TAufgabe& A)
{
    TZAM_Hausregel::OhneBusy(
        "PosAnzErmitteln",
        [&] {
            const int q = A.Menge;
            auto vorhanden = [&](const TQIV_Kennung_Text_Datum_Rec& AKey) {
                const auto it = FAus.Belege.find(AKey);
                if (it == FAus.Belege.end())
                    return false;
                ++it->FAufgAnzIst;
                it->FAufgabenIds << A.Id;
                it->FArtikelAnzIst += q;
                BelegZaehlen(*it, A);
                return true;
            };
            auto neu = [&](const TQIV_Kennung_Text_Datum_Rec& AKey, const QString& ABelegNr, const QDate& ADatum,
                           int ASoll, int AInZiel) {
                TQIV_Beleg_Info info;
                info.FBelegNr = ABelegNr;
                info.FDatum = ADatum;
                info.FAufgAnzIst = 1;
                info.FArtikelAnzSoll = ASoll;
                info.FArtikelAnzIst = q;
                info.FAFInZielFil = AInZiel;
                info.FAufgabenIds << A.Id;
                FAus.Keys << TQIV_Kennung_Text_Datum_Rec{AKey.Kennung, AKey.Text, ADatum};
                BelegZaehlen(*FAus.Belege.insert(AKey, info), A);
            };
            auto einzel = [&] {
                FAus.Einzel << qMakePair(A.Id, q);
                FAus.Komplett << A.Id;
            };

            if (A.Verweis.Kennung == CZAM_PersArtExt_KuBe) {
                IZAM_AufgabenEditServer* server = FDM.AufgabenEditServer_Temp_GoC();
                const TIntTrio beleg = server ? server->BelegId_4_ExtVerweis(A.Verweis) : TIntTrio();
                if (beleg.IsNull())
                    return;
                const TQIV_Kennung_Text_Datum_Rec key{CZAM_PersArtExt_KuBe, beleg.ToTextUnformatted(9), QDate()};
                if (vorhanden(key))
                    return;
                IZAM_BelegEditServer* belege = FDM.BelegEditServer_GoC();
                if (!belege || !belege->Beleg_Laden(beleg, FKomplett))
                    return;
                const int n = belege->ArtikelAnzahl();
                if (q == n)
                    einzel();
                else if (q < n)
                    neu(key, belege->BelegNrFormatiert(), belege->BelegDatum().date(), n,
                        belege->ArtikelInZielFiliale(A.Ziel));
                return;
            }
            if (A.Verweis.Kennung == CZAM_PersArtExt_EXBI) {
                TQIV_EXBI_Mani* mani = FDM.EXBIMani_GoC();
                TQIV_EXBI_Info info;
                if (!mani || !mani->BestellInfos_4_PersArt_ExtVerweis(A.Verweis, info) || info.BestellNr.isEmpty())
                    return;
                if (info.Positionen == 1 && q == FDM.MengeAusBFP(A.Verweis, int(A.Ziel), 0, A.BewTyp)) {
                    einzel();
                    return;
                }
                const TQIV_Kennung_Text_Datum_Rec key{CZAM_PersArtExt_EXBI, info.BestellNr, QDate()};
                if (vorhanden(key))
                    return;
                int soll = -1, imZiel = -1;
                if (FKomplett) {
                    bool neuLaden = true;
                    QList<TZAM_PersArt_ExtVerweis> verweise;
                    mani->ExtVerweise_4_BelegId_AusDict(info.BestellNr, neuLaden, verweise);
                    soll = std::max(0, info.Positionen - int(verweise.size()));
                    for (const TZAM_PersArt_ExtVerweis& v : verweise)
                        soll += std::max(0, FDM.MengeAusBFP(v, 0, 0, 0));
                    int anz = 0, offen = 0;
                    bool neu24 = false;
                    imZiel = FDM.AFInZielFil_4_VEBE(anz, offen, A.Ziel, A.Verweis.Nummer, A.Verweis.Id, neu24);
                }
                neu(key, info.BestellNr, info.Datum.date(), soll, imZiel);
                return;
            }
            FAus.Einzel << qMakePair(A.Id, q);
        },
        false);
}
