// The data module's stock queries, plain relocations and inventory differences.
#include "TDM_Torvik.h"

#include "TArtikelTools.h"
#include "TQIV_Intv100_Sortiment_QIV_GG.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "ZAMBestandsarten.h"
#include "ZAMUtils.h"

#include <algorithm>

int TDM_Torvik::Lagerbestand(const TIntTrio& ALagerort, const TInt32Trio& AProduktId, int AGrInd)
{
    bool fehler = false;
    return Lagerbestand(ALagerort, AProduktId, AGrInd, fehler);
}

int TDM_Torvik::Lagerbestand(const TIntTrio& ALagerort, const TInt32Trio& AProduktId, int AGrInd, bool& AFehler)
{
    AFehler = true;
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Lagerbestand", 0, [&] {
        const int bestand = TZAM_BewegungsDienste::Bewegung(*this).Lagerplatzbestand(AProduktId, AGrInd, ALagerort);
        AFehler = false;
        return bestand;
    });
}

int TDM_Torvik::BestandSuchen(const TInt32Trio& AProduktId, int AGrInd, const TIntTrio& ALagerort)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.LageplatzSuchen", 0, [&] {
        return TZAM_BewegungsDienste::Bewegung(*this).Lagerplatzbestand(AProduktId, AGrInd, ALagerort);
    });
}

int TDM_Torvik::Realbestand_Lesen(int ALager, const TInt32Trio& AProduktId, int AGrInd)
{
    TZAM_Lagergruppe gruppe;
    if (!TZAM_BewegungsDienste::Lager(*this).Lagergruppe(ALager, gruppe))
        return 0;
    int summe = 0;
    for (int filiale : gruppe.Filialen)
        summe += Realbestand4Filiale_Lesen(filiale, AProduktId, AGrInd);
    return summe;
}

int TDM_Torvik::Realbestand4Filiale_Lesen(int AFiliale, const TInt32Trio& AProduktId, int AGrInd)
{
    return TZAM_BewegungsDienste::Bewegung(*this).Filialbestand(AProduktId, AFiliale, CZAM_ArtBestTyp_Frei, AGrInd);
}

int TDM_Torvik::Realbestand(int ALager, const TInt32Trio& AProduktId, int AGrInd)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Realbestand", 0,
                                            [&] { return Realbestand_Lesen(ALager, AProduktId, AGrInd); });
}

int TDM_Torvik::Realbestand4Filiale(qint16 AFiliale, const TInt32Trio& AProduktId, int AGrInd)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Realbestand4Filiale", 0,
                                            [&] { return Realbestand4Filiale_Lesen(AFiliale, AProduktId, AGrInd); });
}

QString TDM_Torvik::GroessenText(const TInt32Trio& AProduktId, int AGrInd)
{
    QString text = QStringLiteral("GrInd ") + QString::number(AGrInd);
    // Only a text for a message: a grid that cannot be read leaves the index (protocol only).
    TZAM_Hausregel::Kern(nullptr, "TDM_Torvik.GroessenText", 0, [&] {
        TQIV_Intv100_Sortiment_QIV_GG gg;
        if (TArtikelTools::GetGG_4_ProdId(AProduktId, gg) && gg.Enthaelt(AGrInd) && !gg.Groesse(AGrInd).isEmpty())
            text = gg.Groesse(AGrInd);
    });
    return text;
}

bool TDM_Torvik::AlleWurmloecherErmitteln(bool ASorted, TQIV_StringInttrio_List& AListe)
{
    AListe.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.AlleWurmloecherErmitteln", false, [&] {
        if (FWurmlochArr.isEmpty())
            FWurmlochArr = TZAM_BewegungsDienste::Lager(*this).Wurmloecher_Lesen(FAktLager);
        for (const TZAM_LagerVorr& w : FWurmlochArr)
            AListe.append({w.Name, w.Id});
        if (ASorted)
            std::stable_sort(AListe.begin(), AListe.end(), [](const auto& A, const auto& B) {
                return A.first.compare(B.first, Qt::CaseInsensitive) < 0;
            });
        return !AListe.isEmpty();
    });
}

bool TDM_Torvik::UmlagerungBuchen(const TInt32Trio& AProduktId, int AMenge, int AGrInd, const TIntTrio& AVonLagerort,
                                  const TIntTrio& AAnLagerort, quint8 AVerweisTyp, const TIntTrio& AVerweisId,
                                  quint8 AVerweisBewTyp, TQIV_MitLVPB AMitLVPB, quint8 ALVPBVerweisArt,
                                  const TIntTrio& ALVPBVerweisId, TZAM_InfoMeldungListe* AMeldungen)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.UmlagerungBuchen", false, [&] {
        TZAM_Lager_BEW bew =
            TZAM_BewegungsDienste::Satz(AProduktId, AGrInd, AVonLagerort, AAnLagerort, AMenge, FBenutzer);
        bew.VerweisTyp = AVerweisTyp;
        bew.VerweisId = AVerweisId;
        bew.VerweisBewTyp = AVerweisBewTyp;
        bew.Flag = false;
        auto eintrag = [&](const TIntTrio& AOrt, int AVorzeichen) {
            TZAM_LVPB_Daten d;
            LVPB_Daten_Init(d);
            d.LagerortId = AOrt;
            d.VerweisArt = ALVPBVerweisArt;
            d.VerweisId = ALVPBVerweisId;
            d.Menge = AMenge;
            d.Vorzeichen = AVorzeichen;
            bew.LVPB.append(d);
        };
        if (AMitLVPB == mlpJaVonLO || AMitLVPB == mlpJaBeideLO)
            eintrag(AVonLagerort, -1);
        if (AMitLVPB == mlpJaAnLO || AMitLVPB == mlpJaBeideLO)
            eintrag(AAnLagerort, +1);
        // Callers stop on a refusal, so the answer is the service's.
        return TZAM_BewegungsDienste::Bewegung(*this).Lagerbewegung_Buchen(bew, true, AMeldungen);
    });
}

bool TDM_Torvik::Bestandsdifferenz_buchen(const TInt32Trio& AProduktId, int AGrInd, int AMenge, qint16 AFiliale,
                                          const TIntTrio& ALagerort, bool AZugang, TZAM_InfoMeldungListe* AMeldungen)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Bestandsdifferenz_buchen", false, [&] {
        TZAM_Lager_BEW bew = TZAM_BewegungsDienste::Satz(AProduktId, AGrInd, AZugang ? TIntTrio() : ALagerort,
                                                         AZugang ? ALagerort : TIntTrio(), AMenge, FMitarbeiter);
        TZAM_Lager_BNE_Korrektur korrektur;
        Lager_BNE_Korrektur_Init(korrektur);
        korrektur.ProduktId = AProduktId;
        korrektur.GrInd = quint8(AGrInd);
        korrektur.Menge = AMenge;
        korrektur.VonFiliale = AFiliale;
        korrektur.AnFiliale = AFiliale;
        korrektur.KorrekturArt = AZugang ? CZAM_Korrektur_InventurPlus : CZAM_Korrektur_InventurMinus;
        IZAM_LagerBewegungEditServer& server = TZAM_BewegungsDienste::Bewegung(*this);
        if (!server.Bestandskorrektur_Buchen(bew, korrektur, false, AMeldungen))
            return false;
        // The test can pass while the booking is still refused (another device took the stock
        // in between): a difference reported as booked must be booked.
        return server.Bestandskorrektur_Buchen(bew, korrektur, true, AMeldungen);
    });
}
