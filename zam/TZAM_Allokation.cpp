#include "TZAM_Allokation.h"

#include "TZAM_Datenbank.h"
#include "TZAM_Lagerort_Info.h"
#include "TZAM_Lagersperren.h"
#include "TZAM_Werteliste.h"

#include <algorithm>

namespace {
// Free stock on the places of a warehouse, less what personalised entries hold, with what the
// allocation needs to know of the place, for the article sizes of the list "a" (product and size).
QString BestandAbfrage(const QString& AArtikel)
{
    return QStringLiteral(
               "SELECT b.lo_id1, b.lo_id2, b.lo_id3, b.menge - COALESCE((SELECT SUM(p.menge) FROM zam_lvpb p "
               "WHERE p.lo_id1 = b.lo_id1 AND p.lo_id2 = b.lo_id2 AND p.lo_id3 = b.lo_id3 AND "
               "p.prod_id1 = b.prod_id1 AND p.prod_id2 = b.prod_id2 AND p.prod_id3 = b.prod_id3 AND "
               "p.groesse = b.groesse), 0), o.art, o.name, o.bereich, o.gesperrt, o.auf_id1, o.auf_id2, o.auf_id3, "
               "b.prod_id1, b.prod_id2, b.prod_id3, b.groesse FROM ") +
           AArtikel +
           QStringLiteral(" JOIN zam_bestand b ON b.prod_id1 = a.column1 AND b.prod_id2 = a.column2 AND "
                          "b.prod_id3 = a.column3 AND b.groesse = a.column4 JOIN zam_lagerort o ON o.id1 = b.lo_id1 "
                          "AND o.id2 = b.lo_id2 AND o.id3 = b.lo_id3 WHERE b.bestandsart = 1 AND b.menge > 0 AND "
                          "o.lager = ?");
}
// The article list of n sizes, named a.
QString ArtikelWerte(qsizetype AAnzahl)
{
    return zam_Werteliste(AAnzahl, 4) + QStringLiteral(" a");
}
constexpr int CArtikelJeAbfrage = 100;

bool Sonderbereich(int ABereich)
{
    return ABereich >= CZAM_Bereich_Wareneingang && ABereich <= CZAM_Bereich_BearbStart;
}

struct TKandidat
{
    TZAM_AllokationsEintrag Eintrag;
    int Frei = 0;
};
} // namespace

void TZAM_Allokation::Zuruecksetzen()
{
    FVergeben.clear();
    FOrte.clear();
    FTraeger.clear();
    FFremd.reset();
    FBestand.clear();
    FBestandLager = -1;
}

void TZAM_Allokation::BestandUebernehmen(const QVariantList& r, QList<TBestandZeile>& AListe)
{
    const TIntTrio quelle(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt());
    if (!FOrte.contains(quelle)) {
        TOrt o{r.at(4).toInt(), r.at(5).toString(), r.at(6).toInt(), r.at(7).toInt() != 0, {}};
        if (!r.at(8).isNull())
            o.Auf = TIntTrio(r.at(8).toInt(), r.at(9).toInt(), r.at(10).toInt());
        FOrte.insert(quelle, o);
    }
    AListe.append({quelle, r.at(3).toInt()});
}

void TZAM_Allokation::Vorbereiten(const QList<QPair<TInt32Trio, int>>& AArtikel, int ALager)
{
    if (FBestandLager != ALager)
        FBestand.clear();
    FBestandLager = ALager;
    QList<TArtikel> offen;
    for (const TArtikel& a : AArtikel)
        if (!FBestand.contains(a) && !offen.contains(a))
            offen << a;
    for (qsizetype i = 0; i < offen.size(); i += CArtikelJeAbfrage) {
        const QList<TArtikel> teil = offen.mid(i, CArtikelJeAbfrage);
        QVariantList werte;
        for (const TArtikel& a : teil) {
            werte << a.first.Id1 << a.first.Id2 << a.first.Id3 << a.second;
            FBestand.insert(a, {}); // known, also without stock
        }
        const TZAM_Zeilen z = FDb.Lesen(BestandAbfrage(ArtikelWerte(teil.size())), werte << ALager);
        for (const QVariantList& r : z.Zeilen())
            BestandUebernehmen(r, FBestand[{TInt32Trio(r.at(11).toInt(), r.at(12).toInt(), r.at(13).toInt()),
                                            r.at(14).toInt()}]);
    }
}

QList<TZAM_Allokation::TBestandZeile> TZAM_Allokation::Bestand(const TInt32Trio& AProdukt, int AGrInd, int ALager)
{
    if (FBestandLager == ALager) {
        const auto it = FBestand.constFind({AProdukt, AGrInd});
        if (it != FBestand.constEnd())
            return *it;
    }
    QList<TBestandZeile> zeilen;
    const TZAM_Zeilen z =
        FDb.Lesen(BestandAbfrage(ArtikelWerte(1)), {AProdukt.Id1, AProdukt.Id2, AProdukt.Id3, AGrInd, ALager});
    for (const QVariantList& r : z.Zeilen())
        BestandUebernehmen(r, zeilen);
    return zeilen;
}

int TZAM_Allokation::LaufwegPos(const QList<TIntTrio>& ALaufweg, const TIntTrio& AOrt)
{
    if (ALaufweg.constData() != FLaufweg.constData() || ALaufweg.size() != FLaufweg.size()) {
        FLaufweg = ALaufweg;
        FLaufwegIndex.clear();
        FLaufwegIndex.reserve(ALaufweg.size());
        for (qsizetype i = ALaufweg.size() - 1; i >= 0; --i)
            FLaufwegIndex.insert(ALaufweg.at(i), int(i) + 1); // a place twice: its first position
    }
    return FLaufwegIndex.value(AOrt, 0);
}

bool TZAM_Allokation::Fremd(const TIntTrio& AId)
{
    if (!FFremd) {
        QSet<QString> fremd;
        if (!TZAM_Lagersperren::AlleFremden(fremd))
            return TZAM_Lagersperren::Fremd(AId);
        FFremd = std::move(fremd);
    }
    return FFremd->contains(TZAM_Lagersperren::Schluessel(AId));
}

const TZAM_Allokation::TOrt* TZAM_Allokation::Ort(const TIntTrio& AId)
{
    const auto it = FOrte.constFind(AId);
    if (it != FOrte.constEnd())
        return &*it;
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT art, name, bereich, gesperrt, auf_id1, auf_id2, auf_id3 "
                                                   "FROM zam_lagerort WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                                    {AId.Id1, AId.Id2, AId.Id3});
    if (z.IsEmpty())
        return nullptr;
    TOrt o;
    o.Art = z.Wert(0, 0).toInt();
    o.Name = z.Wert(0, 1).toString();
    o.Bereich = z.Wert(0, 2).toInt();
    o.Gesperrt = z.Wert(0, 3).toInt() != 0;
    if (!z.Wert(0, 4).isNull())
        o.Auf = TIntTrio(z.Wert(0, 4).toInt(), z.Wert(0, 5).toInt(), z.Wert(0, 6).toInt());
    return &*FOrte.insert(AId, o);
}

bool TZAM_Allokation::Traeger(const TIntTrio& AQuelle, TIntTrio& ATraeger)
{
    // Asked once per source and run: the lock table is not read for every task of an article.
    auto it = FTraeger.constFind(AQuelle);
    if (it == FTraeger.constEnd()) {
        TIntTrio traeger;
        it = FTraeger.insert(AQuelle, TraegerSuchen(AQuelle, traeger) ? traeger : TIntTrio());
    }
    ATraeger = *it;
    return ATraeger.Defined();
}

bool TZAM_Allokation::TraegerSuchen(const TIntTrio& AQuelle, TIntTrio& ATraeger)
{
    TIntTrio id = AQuelle;
    for (int tiefe = 0; tiefe < 32; ++tiefe) {
        const TOrt* o = Ort(id);
        if (!o || o->Gesperrt || Fremd(id))
            return false;
        if (o->Art != CZAM_Lagerort_Behaelter) {
            ATraeger = id;
            return o->Art == CZAM_Lagerort_Halle || (o->Art == CZAM_Lagerort_Lagerplatz && !Sonderbereich(o->Bereich));
        }
        if (!o->Auf.Defined())
            return false; // a container standing nowhere is on no pick route
        id = o->Auf;
    }
    return false;
}

QList<TZAM_AllokationsEintrag> TZAM_Allokation::Allokieren(const TZAM_AufgabenAllokation& AAufgabe, int ALager,
                                                           bool ANurLaufweg, const TZAM_LaufwegVerbotDict* AVerbote)
{
    if (AAufgabe.Rest <= 0)
        return {};
    const TInt32Trio& p = AAufgabe.ProduktId;
    QList<TKandidat> kandidaten;
    for (const TBestandZeile& b : Bestand(p, AAufgabe.GrInd, ALager)) {
        const TIntTrio& quelle = b.Quelle;
        const int frei = b.Menge - FVergeben.value({quelle, p, AAufgabe.GrInd});
        TIntTrio traeger;
        if (frei <= 0 || (AVerbote && AVerbote->Verboten(AAufgabe.Schluessel(), quelle)) || !Traeger(quelle, traeger))
            continue;
        TKandidat k;
        k.Frei = frei;
        TZAM_AllokationsEintrag& e = k.Eintrag;
        e.LagerortId = traeger;
        e.Lagerort = Ort(traeger)->Name;
        if (quelle != traeger) {
            e.BehaelterId = quelle;
            e.Behaelter = Ort(quelle)->Name;
        }
        if (const int pos = LaufwegPos(AAufgabe.LaufwegPlaetze, traeger); pos > 0)
            e.LaufwegPos = pos;
        else if (ANurLaufweg)
            continue;
        else
            e.LaufwegPos =
                Ort(traeger)->Art == CZAM_Lagerort_Halle ? CZAM_LaufwegPos_Halle : CZAM_LaufwegPos_AusserhalbLaufweg;
        kandidaten << k;
    }
    std::sort(kandidaten.begin(), kandidaten.end(), [](const TKandidat& A, const TKandidat& B) {
        const TZAM_AllokationsEintrag &a = A.Eintrag, &b = B.Eintrag;
        return std::tie(a.LaufwegPos, a.Lagerort, a.Behaelter, a.BehaelterId.Id1, a.BehaelterId.Id2,
                        a.BehaelterId.Id3) <
               std::tie(b.LaufwegPos, b.Lagerort, b.Behaelter, b.BehaelterId.Id1, b.BehaelterId.Id2, b.BehaelterId.Id3);
    });
    QList<TZAM_AllokationsEintrag> ergebnis;
    int rest = AAufgabe.Rest;
    for (TKandidat& k : kandidaten) {
        if (rest <= 0)
            break;
        k.Eintrag.Menge = std::min(rest, k.Frei);
        rest -= k.Eintrag.Menge;
        FVergeben[{k.Eintrag.QuelleId(), p, AAufgabe.GrInd}] += k.Eintrag.Menge;
        ergebnis << k.Eintrag;
    }
    return ergebnis;
}
