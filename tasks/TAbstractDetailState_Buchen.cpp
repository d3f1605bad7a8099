// The booking of a pick: the pieces taken into the container, the shortfall booked out of the
// source, and the way on to the next row.
#include "TAbstractDetailState.h"

#include "IZAM_AufgabenEditServer.h"
#include "IZAM_Buchung.h"
#include "TDM_Torvik.h"
#include "TQIV_AufgabenLagerListe.h"
#include "TState_Aufgabe.h"
#include "TVRList.h"
#include "TZAM_AufgabenAllokation.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoMeldungListe.h"
#include "TfrmMDE.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"

namespace L = TQIV_AufgabenLagerListe;

namespace {
constexpr int COperationsArtUmlagerung = 5;
constexpr qint64 CBestandsartFrei = qint64(1) << 1;
} // namespace

bool TAbstractDetailState::Grunddaten(int AMenge, TZAM_Lager_BEW& ABew, TZAM_Aufgabe_Erfuellen_Daten& AErfuellung)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("Lagerbewegung_Erfuellung_Grunddaten", false, [&] {
        TState_Aufgabe* a = StateAufgabe();
        Lager_Bew_Init(ABew);
        ABew.ProduktId = a->GiveInt32Trio(L::CProduktId);
        ABew.GrInd = quint8(a->GiveInt(L::CGrInd));
        ABew.VonLagerortId = Quelle();
        ABew.Menge = AMenge;
        ABew.Buchungszeit = zam_Now();
        ABew.Mitarbeiter = DM_Torvik->FMitarbeiter;
        AErfuellung.Clear();
        AErfuellung.AufgabenId = a->GiveIntTrio(L::CAufgabenId);
        AErfuellung.Mitarbeiter = DM_Torvik->FMitarbeiter;
        AErfuellung.Menge = AMenge;
        return true;
    });
}

bool TAbstractDetailState::AufgabenzeilendatenEinlesen(TQIV_AufgabenZeile& AZeile)
{
    return TZAM_Hausregel::ErgebnisOhneBusy(
        "TAbstractDetailState.AbsortierungBuchen_U_Weiter.AufgabenzeilendatenEinlesen", false, [&] {
            TState_Aufgabe* a = StateAufgabe();
            const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
            AZeile.Clear();
            AZeile.AufgabenId = a->GiveIntTrio(L::CAufgabenId);
            AZeile.ProduktId = a->GiveInt32Trio(L::CProduktId);
            AZeile.Menge = d.Nachsort.IstMenge;
            AZeile.GrInd = quint8(a->GiveInt(L::CGrInd));
            if (d.Nachsort.FilNummer > 0) {
                AZeile.QuellFiliale = DM_Torvik->FAktBewFiliale;
                AZeile.ZielFiliale = d.Nachsort.FilNummer;
            } else if (d.Nachsort.KommBeh.KomBehAnLag > 0) {
                AZeile.QuellFiliale = qint16(a->GiveInt(L::CVonFiliale));
                AZeile.ZielFiliale = qint16(a->GiveInt(L::CAnFiliale));
            }
            AZeile.BNEVerweis = a->GiveIntTrio(L::CBNE);
            AZeile.BewTyp = a->GiveArtBewTyp(L::CBewTyp);
            AZeile.ExtVerweis = a->GiveExtVerweis(L::CExtVerweis);
            return true;
        });
}

bool TAbstractDetailState::ScanMengeBuchen(TZAM_InfoMeldungListe& AMeldungen)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("AbsortierungBuchen_U_Weiter_ScanMenge", false, [&] {
        TState_Aufgabe* a = StateAufgabe();
        const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        const TQIV_ZPMDE_Nachsort_KomBeh& kb = d.Nachsort.KommBeh;
        const int ist = d.Nachsort.IstMenge;
        const int art = Kuerzel_2_TZAM_Aufgabe_Art_Erw(a->GiveString(L::CArt));
        TZAM_Lager_BEW bew;
        TZAM_Aufgabe_Erfuellen_Daten erfuellung;
        if (!Grunddaten(ist, bew, erfuellung))
            return false;
        bew.VerweisTyp = 1;
        TZAM_Lager_BNE_Korrektur korrektur;
        TQIV_NachsortBuchenUndWeiter_SteuerungsRec steuerung;
        steuerung.AufgabenArt = art;
        if (art == CZAM_Aufgabe_Art_Handlager) {
            // The hand store is the target; no picking container takes part.
            bew.AnLagerortId = a->GiveIntTrio(L::CAnLagerortId);
            steuerung.NurErfuellung = DM_Torvik->HLAnfoGrund_NurAufgabe_Ermitteln(a->GiveIntTrio(L::CGrund));
        } else if (kb.Kommissionierbehaelter == CMaxIntTrio) {
            // The pseudo container: the pieces leave the warehouse to the branch.
            korrektur.ProduktId = bew.ProduktId;
            korrektur.GrInd = bew.GrInd;
            korrektur.Menge = ist;
            korrektur.VonFiliale = qint16(a->GiveInt(L::CVonFiliale));
            korrektur.AnFiliale = kb.KomBehAnFil;
            korrektur.KorrekturArt = CZAM_Korrektur_PseudoBehaelter;
            korrektur.BNEPVon = korrektur.BNEPAn = a->GiveIntTrio(L::CBNE);
            korrektur.BewegungsTyp = quint8(a->GiveArtBewTyp(L::CBewTyp));
        } else {
            bew.AnLagerortId = kb.Kommissionierbehaelter;
            TZAM_LVPB_Daten lvpb;
            lvpb.LagerortId = kb.Kommissionierbehaelter;
            lvpb.VerweisArt = 1;
            lvpb.Menge = ist;
            lvpb.Vorzeichen = 1;
            bew.LVPB << lvpb;
        }
        TQIV_AufgabenZeile zeile;
        if (!AufgabenzeilendatenEinlesen(zeile))
            return false;
        TZAM_Lager_BEW keineBew;
        TZAM_Lager_BNE_Korrektur keineKorrektur;
        bool geloescht = false;
        const bool ok = DM_Torvik->LagerbewUndErfuellungAufgabe_Oder_UmlagMitBew_buchen(
            steuerung, bew, zeile, keineBew, erfuellung, false, korrektur, keineKorrektur, false, true, false,
            FMaske->FModus == CZPMDEM_KuBe, false, &AMeldungen, geloescht);
        // A task-only reason fulfils without moving: the place would be offered again and again.
        if (ok && art == CZAM_Aufgabe_Art_Handlager && a->GiveInt(L::CMenge) == ist && ist < a->GiveInt(L::CGesamt) &&
            steuerung.NurErfuellung)
            a->LWVerbotDict_AktDatenHinzu();
        return ok;
    });
}

bool TAbstractDetailState::FehlmengeBuchen(int AMenge, bool AMitErfuellung, TZAM_InfoMeldungListe& AMeldungen)
{
    // Nothing to book out: a call would only be refused and take the whole booking with it.
    if (AMenge <= 0)
        return true;
    return TZAM_Hausregel::ErgebnisOhneBusy("AbsortierungBuchen_U_Weiter_Fehlmenge", false, [&] {
        TState_Aufgabe* a = StateAufgabe();
        const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        const int art = Kuerzel_2_TZAM_Aufgabe_Art_Erw(a->GiveString(L::CArt));
        TZAM_Lager_BEW bew;
        TZAM_Aufgabe_Erfuellen_Daten erfuellung;
        if (!Grunddaten(AMenge, bew, erfuellung))
            return false;
        TZAM_Lager_BNE_Korrektur korrektur;
        korrektur.ProduktId = bew.ProduktId;
        korrektur.GrInd = bew.GrInd;
        korrektur.Menge = AMenge;
        if (d.Nachsort.FilNummer > 0)
            korrektur.AnFiliale = d.Nachsort.FilNummer;
        else if (d.Nachsort.KommBeh.KomBehAnLag > 0)
            korrektur.AnFiliale = qint16(a->GiveInt(L::CVonFiliale));
        const TQIV_NachsortBuchenUndWeiter_SteuerungsRec steuerung;
        auto buchen = [&] {
            TZAM_Lager_BEW keineBew;
            TQIV_AufgabenZeile keineZeile;
            TZAM_Lager_BNE_Korrektur keineKorrektur;
            bool geloescht = false;
            return DM_Torvik->LagerbewUndErfuellungAufgabe_Oder_UmlagMitBew_buchen(
                steuerung, keineBew, keineZeile, bew, erfuellung, AMitErfuellung, keineKorrektur, korrektur, true,
                false, true, FMaske->FModus == CZPMDEM_KuBe, false, &AMeldungen, geloescht);
        };
        if (AMitErfuellung && art != CZAM_Aufgabe_Art_Handlager) {
            korrektur.VonFiliale = qint16(a->GiveInt(L::CVonFiliale));
            korrektur.BNEPVon = korrektur.BNEPAn = a->GiveIntTrio(L::CBNE);
            korrektur.BewegungsTyp = quint8(a->GiveArtBewTyp(L::CBewTyp));
            korrektur.KorrekturArt =
                korrektur.BewegungsTyp == 24 ? CZAM_Korrektur_FehlmengeErfuellt24 : CZAM_Korrektur_FehlmengeErfuellt;
            return buchen();
        }
        korrektur.KorrekturArt = CZAM_Korrektur_InventurMinus;
        TQIV_MengeUFilialeArr verteilung;
        if (!TZAM_BewegungsDienste::Lager(*DM_Torvik)
                 .Menge_NachFilialen_Verteilen(verteilung, bew.ProduktId, bew.GrInd, AMenge, DM_Torvik->FAktLager,
                                               CBestandsartFrei, 1) ||
            verteilung.isEmpty())
            return false;
        // A refused part ends the split: the rest would be booked without it.
        for (const TQIV_MengeUFiliale& e : verteilung) {
            bew.Menge = korrektur.Menge = erfuellung.Menge = e.Menge;
            korrektur.VonFiliale = e.Filiale;
            if (!buchen())
                return false;
        }
        return true;
    });
}

bool TAbstractDetailState::AbsortierungBuchen_U_Weiter(bool ARestAusbuchen)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TAbstractDetailState.AbsortierungBuchen_U_Weiter", false, [&] {
        if (!CheckBehaelter())
            return false;
        TState_Aufgabe* a = StateAufgabe();
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        const TQIV_ZPMDE_Nachsort_KomBeh& kb = d.Nachsort.KommBeh;
        const int soll = a->GiveInt(L::CMenge);
        const int ist = d.Nachsort.IstMenge;
        if (ist > soll || ist < 0) {
            FussTipSet(QStringLiteral("Die Ist-Menge darf nicht größer als die Soll-Menge sein!"), false, true);
            return false;
        }
        const int p = soll - ist;
        if (ist > 0 && kb.KomBehBehaelter && FMaske->FModus != CZPMDEM_UmlagHL) {
            bool gesperrt = false;
            QString meldung;
            if (!DM_Torvik->Behaelter_pruefen(kb.Kommissionierbehaelter, d.Nachsort.FilNummer, d.Nachsort.LagNummer,
                                              false, false, gesperrt, meldung)) {
                FussTipSet(meldung, true, true);
                return false;
            }
        }
        TZAM_InfoMeldungListe meldungen;
        const TIntTrio quelle = Quelle();
        const TInt32Trio produkt = a->GiveInt32Trio(L::CProduktId);
        const int grInd = a->GiveInt(L::CGrInd);
        bool ok = true;
        if (ARestAusbuchen) {
            const int art = Kuerzel_2_TZAM_Aufgabe_Art_Erw(a->GiveString(L::CArt));
            const int s = DM_Torvik->Lagerbestand(quelle, produkt, grInd);
            const int r0 = DM_Torvik->Realbestand(DM_Torvik->FAktLager, produkt, grInd);
            const int r = art == CZAM_Aufgabe_Art_Handlager ? qMin(s - ist, r0 - ist) : qMin(s - ist, r0 + p);
            IZAM_Buchung& buchung = ZAMBuchung();
            buchung.Oeffnen(COperationsArtUmlagerung, QString());
            ok = ist < 1 || ScanMengeBuchen(meldungen);
            if (art != CZAM_Aufgabe_Art_Handlager) {
                int v = r0;
                if (ok && r > p) {
                    v = r0 + p - r;
                    ok = FehlmengeBuchen(p > v ? r0 : r, false, meldungen);
                }
                if (ok) {
                    if (p > v)
                        ok = FehlmengeBuchen(p - v, true, meldungen);
                    else if (r <= p)
                        ok = FehlmengeBuchen(p, false, meldungen);
                }
            } else if (ok) {
                if (ist + r == r0)
                    ok = FehlmengeBuchen(r, true, meldungen);
                else {
                    const int ohne = qMin(r0 - ist - r, r);
                    ok = FehlmengeBuchen(ohne, false, meldungen);
                    if (ok && r - qMax(ohne, 0) > 0)
                        ok = FehlmengeBuchen(r - qMax(ohne, 0), true, meldungen);
                }
            }
            if (!ok)
                buchung.Abbrechen();
            buchung.Schliessen(QString());
        } else
            ok = ist == 0 || ScanMengeBuchen(meldungen);

        if (!ok) {
            FussTipSet(meldungen.Meldungen_AlsText(QStringLiteral("; ")), true, true);
            return false;
        }

        if (FMaske->FModus == CZPMDEM_KuBe && d.Kundenbestellung.PosAnzahl == bpaWagen)
            d.Kundenbestellung.AufgabeGebucht = true;
        const TIntTrio aufgabe = a->GiveIntTrio(L::CAufgabenId);
        a->FLetzterLagerplatz = quelle;
        a->FLetzteProduktId = produkt;
        a->FLetzterGroeInd0 = grInd;
        a->FLetzteAufgId = aufgabe;
        bool neuLaden = soll < a->GiveInt(L::CGesamt);
        if (!neuLaden && ist < soll && !ARestAusbuchen && d.Nachsort.LaufwegVerbotDict)
            neuLaden = d.Nachsort.LaufwegVerbotDict->Verboten(
                {qRound64(a->GiveDouble(L::CPreis) * 100), grInd, produkt}, quelle);
        if (neuLaden) {
            NachBuchungNeuLaden(aufgabe);
            a->NichtErledigteAufaben_NeuLaden(true);
        } else {
            a->Aufgabe_Entsperren_Und_StatusRuecksetzen();
            a->NextAufgabe(true);
        }
        return true;
    });
}

void TAbstractDetailState::NachBuchungNeuLaden(const TIntTrio& AId)
{
    TVRList* aufgaben = FMaske->Datentraeger_Get().Nachsort.AufgabenVRListe_Verweis;
    if (!aufgaben || !AufgabeEinzelnLaden(AId))
        return;
    const TVRList& neu = EigenerAufgabenServer().AufgabenVRListe();
    for (int z = 0; z < aufgaben->GetRowCount(); ++z) {
        if (aufgaben->GetCellValueAsIntTrio(z, L::CAufgabenId) != AId)
            continue;
        for (L::TSpalte s : {L::CGesamt, L::CMenge, L::CRestmenge, L::CErfuellt, L::CPreis})
            aufgaben->SetCellValue(z, s, neu.GetCell(0, s));
        return;
    }
}
