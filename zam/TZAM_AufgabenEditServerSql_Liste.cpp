// Loading the task list: one statement over the task files with the article, size, target place,
// order numbers, fulfilled quantity and today's selling price joined or as subqueries.
#include "TZAM_AufgabenEditServerSql.h"

#include "TZAM_AufgabenFilterSql.h"
#include "TZAM_CodeForm.h"
#include "TZAM_Datenbank.h"
#include "Vrtools.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMAufgabenlisteSpalten.h"

namespace {

// The select list with its bound values, in the order of the columns.
struct TAuswahl
{
    QStringList Ausdruecke;
    QVariantList Werte;

    int Dazu(const QString& AAusdruck, const QVariantList& AWerte = {})
    {
        Ausdruecke << AAusdruck;
        Werte += AWerte;
        return int(Ausdruecke.size()) - 1;
    }
    // The three (or four) columns of a key; answers the first one's index.
    int Schluessel(const QString& APraefix, int ATeile = 3)
    {
        const int erste = Dazu(APraefix + QLatin1Char('1'));
        for (int i = 2; i <= ATeile; ++i)
            Dazu(APraefix + QString::number(i));
        return erste;
    }
};

// Column numbers of the task-list catalogue filled here.
enum : int
{
    spArt = 0,
    spKennung = 1,
    spErstDatum = 4,
    spErstZeit = 5,
    spBearbDatum = 6,
    spBearbZeit = 7,
    spPrio = 8,
    spStatus = 9,
    spAufgabenId = 10,
    spArtNr = 11,
    spProdukt = 12,
    spBezeichnung = 13,
    spHersteller = 14,
    spHerstArtNr = 16,
    spMaterial = 17,
    spFarbe = 18,
    spPreis = 19,
    spMenge = 20,
    spGroesse = 21,
    spGroesseLang = 22,
    spGrInd = 23,
    spVonFiliale = 24,
    spAnFiliale = 25,
    spAnLagerplatz = 28,
    spAnLagerplatzId = 29,
    spErfuellt = 32,
    spRest = 33,
    spVorgangsTyp = 34,
    spVorgangsId = 35,
    spExtVerweis = 37,
    spBelegNr = 38,
    spLager = 43,
    spRegPreis = 45,
    spGVKurz = 48,
    spGV = 63,
    spGtin = 64,
    spArtikelBez = 65,
    spGesamtMenge = 79,
    spGrund = 83
};

// Today's selling price of the task's article size in its target branch; a task of the
// warehouse for itself (target = source) takes the warehouse's first branch.
const QString CPreis =
    QStringLiteral("(SELECT p.preis_cent FROM zam_vkpreis p WHERE p.prod_id1 = a.prod_id1 AND p.prod_id2 = a.prod_id2 "
                   "AND p.prod_id3 = a.prod_id3 AND p.groesse = a.groesse AND p.filiale = CASE WHEN e.ziel_filiale = "
                   "e.quell_filiale THEN (SELECT lf.filiale FROM zam_lagergruppe_filiale lf WHERE lf.lager = a.lager "
                   "ORDER BY lf.reihenfolge, lf.filiale LIMIT 1) ELSE e.ziel_filiale END AND p.ab <= ? "
                   "ORDER BY p.ab DESC LIMIT 1)");

const QString CErfuellt = QStringLiteral(
    "COALESCE((SELECT SUM(f.menge) FROM zam_aufgabe_erfuellung f WHERE f.auf_id1 = a.id1 AND f.auf_id2 = a.id2 "
    "AND f.auf_id3 = a.id3), 0)");

const QString CArtikel = QStringLiteral(
    " LEFT JOIN zam_artikel ar ON ar.prod_id1 = a.prod_id1 AND ar.prod_id2 = a.prod_id2 AND ar.prod_id3 = a.prod_id3"
    " LEFT JOIN zam_artikel_groesse g ON g.prod_id1 = a.prod_id1 AND g.prod_id2 = a.prod_id2 "
    "AND g.prod_id3 = a.prod_id3 AND g.groesse = a.groesse"
    " LEFT JOIN zam_lagerort lo ON lo.id1 = a.ziel_lo_id1 AND lo.id2 = a.ziel_lo_id2 AND lo.id3 = a.ziel_lo_id3");

constexpr int CGtinArt = 1;

void Text(TVRArray& AZeile, int ASpalte, const QVariant& AWert)
{
    if (!AWert.isNull())
        String2VRItem(AWert.toString(), AZeile[size_t(ASpalte)]);
}

void Zahl(TVRArray& AZeile, int ASpalte, int AWert)
{
    Integer2VRItem(AWert, AZeile[size_t(ASpalte)]);
}

void Zeitpunkt(TVRArray& AZeile, int ADatum, int AZeit, const QVariant& AWert)
{
    const QDateTime t = TZAM_Datenbank::ZeitpunktLesen(AWert);
    if (!t.isValid())
        return;
    Date2VRItem(t.date(), AZeile[size_t(ADatum)]);
    Time2VRItem(t.time(), AZeile[size_t(AZeit)]);
}

} // namespace

void TZAM_AufgabenEditServerSql::ListeAnlegen()
{
    FZeilen.clear();
    FListe.ColumnsClear();
    for (int s = 0; s < CZAM_AufgabenListe_SpaltenAnzahl; ++s) {
        const TZAM_AufgabenlisteSpalteInfo& info = CZAM_Aufgabenliste_Spalten(s);
        FListe.ColumnAdd(info.Caption, info.Typ, info.Breite);
    }
}

void TZAM_AufgabenEditServerSql::Laden(const TZAM_Aufgaben_Suchkriterien& AKriterien,
                                       const TQIVAufgabenlisteLaden_Options& AOptionen)
{
    ListeAnlegen();
    const bool voll = !AOptionen.NurIdsLaden;
    TAuswahl s;
    const int cId = s.Schluessel(QStringLiteral("a.id"));
    const int cZiel = s.Dazu(QStringLiteral("e.ziel_filiale"));
    const int cTyp = s.Dazu(QStringLiteral("e.bne_typ"));
    const int cBne = s.Schluessel(QStringLiteral("e.bne_id"));
    const int cKube = s.Schluessel(QStringLiteral("e.kube_id"));
    const int cKubeNr = s.Dazu(QStringLiteral("e.kube_nr"));
    int cArt = -1, cErstellt = -1, cBearb = -1, cGV = -1, cStatus = -1, cPrio = -1, cLager = -1, cProd = -1,
        cGrInd = -1, cZielLo = -1, cGrund = -1, cKennung = -1, cExtId = -1, cExtNr = -1, cQuelle = -1, cMenge = -1,
        cErfuellt = -1, cArtNr = -1, cLang = -1, cLoName = -1, cBelegNr = -1, cBestellNr = -1, cPreis = -1, cBez = -1,
        cHerst = -1, cHArtNr = -1, cMaterial = -1, cFarbe = -1, cGtin = -1, cGrName = -1, cRegPreis = -1;
    if (voll) {
        cArt = s.Dazu(QStringLiteral("a.art"));
        cErstellt = s.Dazu(QStringLiteral("a.erstellt"));
        cBearb = s.Dazu(QStringLiteral("a.bearbeitung"));
        cGV = s.Dazu(QStringLiteral("a.gv"));
        cStatus = s.Dazu(QStringLiteral("a.status"));
        cPrio = s.Dazu(QStringLiteral("a.prioritaet"));
        cLager = s.Dazu(QStringLiteral("a.lager"));
        cProd = s.Schluessel(QStringLiteral("a.prod_id"));
        cGrInd = s.Dazu(QStringLiteral("a.groesse"));
        cZielLo = s.Schluessel(QStringLiteral("a.ziel_lo_id"));
        cGrund = s.Schluessel(QStringLiteral("a.grund_id"));
        cKennung = s.Dazu(QStringLiteral("a.ext_kennung"));
        cExtId = s.Schluessel(QStringLiteral("a.ext_id"));
        cExtNr = s.Dazu(QStringLiteral("a.ext_nummer"));
        cQuelle = s.Dazu(QStringLiteral("e.quell_filiale"));
        cMenge = s.Dazu(QStringLiteral("e.menge"));
        cErfuellt = s.Dazu(CErfuellt);
        cArtNr = s.Dazu(QStringLiteral("ar.artnr"));
        cLang = s.Dazu(QStringLiteral("g.langname"));
        cLoName = s.Dazu(QStringLiteral("lo.name"));
        cBelegNr = s.Dazu(QStringLiteral("(SELECT k.belegnr FROM zam_atk k WHERE a.ext_kennung = ? AND ") +
                              TZAM_AufgabenFilterSql::BelegZuAufgabe() + QLatin1Char(')'),
                          {int(CZAM_PersArtExt_KuBe)});
        // An order position could be known from several sources: one number, the same on both engines.
        cBestellNr = s.Dazu(QStringLiteral("(SELECT MIN(x.bestellnr {BINAER}) FROM zam_exbi x WHERE a.ext_kennung = ? "
                                           "AND ") +
                                TZAM_AufgabenFilterSql::ExbiZuAufgabe() + QLatin1Char(')'),
                            {int(CZAM_PersArtExt_EXBI)});
        cPreis = s.Dazu(CPreis, {QDate::currentDate()});
        if (AOptionen.LadenZusatzDaten) {
            cBez = s.Dazu(QStringLiteral("ar.bezeichnung"));
            cHerst = s.Dazu(QStringLiteral("ar.hersteller"));
            cHArtNr = s.Dazu(QStringLiteral("ar.hersteller_artnr"));
            cMaterial = s.Dazu(QStringLiteral("ar.material"));
            cFarbe = s.Dazu(QStringLiteral("ar.farbe"));
            cGtin = s.Dazu(QStringLiteral("(SELECT MIN(c.code {BINAER}) FROM zam_artikel_code c WHERE "
                                          "c.prod_id1 = a.prod_id1 AND c.prod_id2 = a.prod_id2 AND "
                                          "c.prod_id3 = a.prod_id3 AND c.art = ? AND c.groesse = a.groesse)"),
                           {CGtinArt});
        }
        if (AOptionen.LadenGroessen)
            cGrName = s.Dazu(QStringLiteral("g.name"));
        if (AOptionen.GroesseLaden)
            cRegPreis = s.Dazu(QStringLiteral("ar.preis_cent"));
    }

    const TZAM_AufgabenFilterSql filter(AKriterien);
    const TZAM_Zeilen z = FDb.Lesen(FDb.Sql(QStringLiteral("SELECT ") + s.Ausdruecke.join(QStringLiteral(", ")) +
                                            TZAM_AufgabenFilterSql::Von() + (voll ? CArtikel : QString()) +
                                            filter.Where() + QStringLiteral(" ORDER BY a.id1, a.id2, a.id3")),
                                    s.Werte + filter.Werte());

    FZeilen.reserve(z.Anzahl());
    FListe.RowsReserve(z.Anzahl());
    const TVRArray leer = FListe.VRArray_ForRowAdd_Generate();
    for (const QVariantList& r : z.Zeilen()) {
        TQIV_AufgabenZeile zeile;
        zeile.AufgabenId = Trio(r, cId);
        zeile.ZielFiliale = qint16(r[cZiel].toInt());
        const int typ = r[cTyp].toInt();
        zeile.VorgangsTyp = typ > 0 ? QChar(typ) : QChar();
        zeile.VorgangsKey = Trio(r, cBne);
        zeile.AuftragsKey = QuadAusTrio(Trio(r, cKube), r[cKubeNr].toInt());
        FZeilen << zeile;
        // Counting wants the tasks only: the list view stays empty.
        if (!voll)
            continue;

        TVRArray v = leer;
        IntTrio2VRItem(zeile.AufgabenId, v[spAufgabenId]);
        {
            Text(v, spArt, r[cArt]);
            Zeitpunkt(v, spErstDatum, spErstZeit, r[cErstellt]);
            Zeitpunkt(v, spBearbDatum, spBearbZeit, r[cBearb]);
            const QString gv = r[cGV].toString();
            Text(v, spGVKurz, gv);
            if (const int nr = Kuerzel_2_TZAM_Aufgabe_Geschaeftsvorfall_Erw(gv); nr != CZAM_Aufgabe_Unbekannt)
                Text(v, spGV, CZAM_Aufgabe_Geschaeftsvorfall_2_String(nr));
            const QString status = r[cStatus].toString();
            if (!status.isEmpty())
                Text(v, spStatus, CZAM_Aufgabe_Status_2_String(Char_2_TZAM_Aufgabe_Status_Erw(status.at(0))));
            Zahl(v, spPrio, r[cPrio].toInt());
            Zahl(v, spLager, r[cLager].toInt());
            Int32Trio2VRItem(TInt32Trio(r[cProd].toInt(), r[cProd + 1].toInt(), r[cProd + 2].toInt()), v[spProdukt]);
            Zahl(v, spGrInd, r[cGrInd].toInt());
            IntTrio2VRItem(Trio(r, cZielLo), v[spAnLagerplatzId]);
            Text(v, spAnLagerplatz, r[cLoName]);
            IntTrio2VRItem(Trio(r, cGrund), v[spGrund]);
            const auto verweis =
                TZAM_PersArt_ExtVerweis::Construct(quint8(r[cKennung].toInt()), Trio(r, cExtId), r[cExtNr].toInt());
            if (verweis.Defined()) {
                Text(v, spKennung, CZAM_PersArtExtKennung_2_Kuerzel(verweis.Kennung));
                Text(v, spExtVerweis, verweis.ToText());
            }
            Text(v, spBelegNr, r[cBelegNr].isNull() ? r[cBestellNr] : r[cBelegNr]);
            Zahl(v, spVonFiliale, r[cQuelle].toInt());
            Zahl(v, spAnFiliale, zeile.ZielFiliale);
            const int menge = r[cMenge].toInt();
            const int erfuellt = r[cErfuellt].toInt();
            Zahl(v, spGesamtMenge, menge);
            Zahl(v, spErfuellt, erfuellt);
            Zahl(v, spRest, menge - erfuellt);
            Zahl(v, spMenge, menge - erfuellt);
            if (typ > 0)
                Text(v, spVorgangsTyp, QString(QChar(typ)));
            IntTrio2VRItem(zeile.VorgangsKey, v[spVorgangsId]);
            if (!r[cArtNr].isNull())
                Text(v, spArtNr, TZAM_CodeForm::ArtNr_Text(r[cArtNr].toInt()));
            Text(v, spGroesseLang, r[cLang]);
            Double2VRItem(r[cPreis].toLongLong() / 100.0, v[spPreis]);
            if (AOptionen.LadenZusatzDaten) {
                for (auto [spalte, feld] :
                     {std::pair{spBezeichnung, cBez}, std::pair{spArtikelBez, cBez}, std::pair{spHersteller, cHerst},
                      std::pair{spHerstArtNr, cHArtNr}, std::pair{spMaterial, cMaterial}, std::pair{spFarbe, cFarbe},
                      std::pair{spGtin, cGtin}})
                    Text(v, spalte, r[feld]);
            }
            if (AOptionen.LadenGroessen)
                Text(v, spGroesse, r[cGrName]);
            if (AOptionen.GroesseLaden && !r[cRegPreis].isNull())
                Double2VRItem(r[cRegPreis].toLongLong() / 100.0, v[spRegPreis]);
        }
        FListe.RowAdd(std::move(v));
    }
}
