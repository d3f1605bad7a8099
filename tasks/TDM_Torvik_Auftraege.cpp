// Order and disposition locks, the open orders of a product, and the quantities of an order in the
// order files.
#include "TDM_Torvik.h"

#include "IZAM_AuftragsDateien.h"
#include "TQIV_ArtvLesenToolsDispoWEMani.h"
#include "TQIV_EXBI_Mani.h"
#include "TZAM_Hausregel.h"
#include "ZAMBestandsarten.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

namespace {
const QString CAuftragSperre = QStringLiteral("Zephran_Auftrag");
const QString CDispoSperre = QStringLiteral("Zephran_Dispo");
} // namespace

bool TDM_Torvik::Auftrag_Sperren(const TIntPair& AAuftrag)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Auftrag_Sperren", false, [&] {
        return CommonLock().LockObjekt(CAuftragSperre, AAuftrag.ToTextUnformatted(9));
    });
}

void TDM_Torvik::Auftrag_Entsperren(const TIntPair& AAuftrag)
{
    // Only this program's lock goes; a key another device holds stays locked.
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Auftrag_Entsperren",
        [&] { CommonLock().UnlockObjekt(CAuftragSperre, AAuftrag.ToTextUnformatted(9), false, false); }, false);
}

bool TDM_Torvik::Dispo_Sperren(const TIntTrio& ADispoId)
{
    if (ADispoId.IsNull())
        return true;
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Dispo_Sperren", false, [&] {
        return CommonLock().LockObjekt(CDispoSperre, ADispoId.ToTextUnformatted(9));
    });
}

void TDM_Torvik::Dispo_Entsperren(const TIntTrio& ADispoId)
{
    if (ADispoId.IsNull())
        return;
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Dispo_Entsperren",
        [&] { CommonLock().UnlockObjekt(CDispoSperre, ADispoId.ToTextUnformatted(9), false, false); }, false);
}

bool TDM_Torvik::Auftraege_Sperren(const QList<TIntPair>& AAuftraege, const TIntTrio& ADispoOhneAuftrag,
                                   QString& AMeldung)
{
    AMeldung.clear();
    QList<TIntPair> gesperrt;
    QStringList fehlgeschlagen;
    for (const TIntPair& a : AAuftraege) {
        if (Auftrag_Sperren(a))
            gesperrt << a;
        else
            fehlgeschlagen << a.ToTextUnformatted(9);
    }
    if (fehlgeschlagen.isEmpty() && Dispo_Sperren(ADispoOhneAuftrag))
        return true;
    for (const TIntPair& a : gesperrt)
        Auftrag_Entsperren(a);
    AMeldung = fehlgeschlagen.isEmpty()
                   ? QStringLiteral("Dispo ") + ADispoOhneAuftrag.ToText() + QStringLiteral(" ist gesperrt!")
                   : QStringLiteral("Aufträge sind gesperrt: ") + fehlgeschlagen.join(QStringLiteral(", "));
    return false;
}

void TDM_Torvik::Auftraege_Entsperren(const QList<TIntPair>& AAuftraege, const TIntTrio& ADispoOhneAuftrag)
{
    for (const TIntPair& a : AAuftraege)
        Auftrag_Entsperren(a);
    Dispo_Entsperren(ADispoOhneAuftrag);
}

bool TDM_Torvik::AuftragsNrN_4_ProduktId(const TInt32Trio& AProduktId, int AGrIdx, TIntPairList& AAuftragsNrN,
                                         TIntTrioList& ADIOhneAuftr)
{
    AAuftragsNrN.clear();
    ADIOhneAuftr.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.AuftragsNrN_4_ProduktId", false, [&] {
        if (!zam_Intv100_IstGroesse(AGrIdx) && AGrIdx != -1 && AGrIdx != CZAM_Intv100_Anzahl)
            FehlerRaise(QStringLiteral("TDM_Torvik.AuftragsNrN_4_ProduktId"),
                        CZAM_Info_Fehler_Standard_IllegalerParameter, QString::number(AGrIdx));
        TQIV_ArtvLesenToolsDispoWEMani* mani = DispoWEMani_GoC();
        if (!mani)
            return false;
        // Filled aside: a failure half-way answers nothing.
        TIntPairList auftraege;
        TIntTrioList ohneAuftrag;
        for (int filiale : GetAktLagerFilialen()) {
            TIntPairList a;
            TIntTrioList o;
            mani->Offene_4_Produkt(AProduktId, AGrIdx, qint16(filiale), a, o);
            for (const TIntPair& k : a)
                if (!auftraege.contains(k))
                    auftraege.append(k);
            for (const TIntTrio& k : o)
                if (!ohneAuftrag.contains(k))
                    ohneAuftrag.append(k);
        }
        AAuftragsNrN = auftraege;
        ADIOhneAuftr = ohneAuftrag;
        return !AAuftragsNrN.isEmpty() || !ADIOhneAuftr.isEmpty();
    });
}

int TDM_Torvik::MengeAusBFP(const TZAM_PersArt_ExtVerweis& AVerweis, int AFiliale, int ABestandsart)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.MengeAusBFP", -1, [&] {
        IZAM_AuftragsDateien* d = AuftragsDateien_GoC();
        return d ? d->BFP_Summe(AVerweis, AFiliale, ABestandsart != 0 ? CZAM_ArtBestTyp_BFWert(ABestandsart) : QString())
                 : -1;
    });
}

int TDM_Torvik::MengeAusBFP(const TZAM_PersArt_ExtVerweis& AVerweis, int AZielFiliale, int AQuellFiliale,
                            int ABewTyp)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.MengeAusBFP", -1, [&] {
        IZAM_AuftragsDateien* d = AuftragsDateien_GoC();
        return d ? d->BNEP_Summe(AVerweis, AZielFiliale, AQuellFiliale, ABewTyp) : -1;
    });
}

int TDM_Torvik::MengeAusBNEP(const TIntTrio& ADispoId, int AZielFiliale, int AQuellFiliale, int ABewTyp,
                             const TZAM_PersArt_ExtVerweis& AVerweis)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.MengeAusBNEP", -1, [&] {
        IZAM_AuftragsDateien* d = AuftragsDateien_GoC();
        return d ? d->BNEP_Menge(ADispoId, AZielFiliale, AQuellFiliale, ABewTyp, AVerweis) : -1;
    });
}

int TDM_Torvik::AFInZielFil_4_VEBE(int& AAnzVerweise, int& AOffenMenge24, qint16 AFiliale, int APosNr,
                                   const TIntTrio& AAuftragsKey, bool& ANeuLaden)
{
    AAnzVerweise = 0;
    AOffenMenge24 = 0;
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.AFInZielFil_4_VEBE", -1, [&] {
        TQIV_EXBI_Mani* mani = EXBIMani_GoC();
        TQIV_EXBI_Info info;
        if (!mani || !mani->BestellInfos_4_PersArt_ExtVerweis(
                         TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_EXBI, AAuftragsKey, APosNr), info))
            return 0;
        QList<TZAM_PersArt_ExtVerweis> verweise;
        mani->ExtVerweise_4_BelegId_AusDict(info.BestellNr, ANeuLaden, verweise);
        AAnzVerweise = int(verweise.size());
        int imZiel = 0;
        for (const TZAM_PersArt_ExtVerweis& v : verweise) {
            const int bestand = MengeAusBFP(v, AFiliale, CZAM_ArtBestTyp_Reserviert);
            const int offen = MengeAusBFP(v, int(AFiliale), 0, 24);
            if (bestand < 0 || offen < 0)
                return -1; // registered by the read
            imZiel += bestand;
            AOffenMenge24 += offen;
        }
        return imZiel;
    });
}
