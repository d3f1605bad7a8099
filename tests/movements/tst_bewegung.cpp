// The data module's stock operations against fakes of both stock services: what the module
// passes to them and what it answers, for each rule and refusal.
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "TDM_Torvik.h"
#include "TVRList.h"
#include "TZAM_Dialoghelfer.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Klang.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTreeWidget>

namespace {

const TInt32Trio CProdukt(1, 4711, 0); // no article record: written as "1-4711-0"
const TIntTrio CPlatzA(1, 1, 1), CPlatzB(1, 1, 2), CBehaelter(1, 3, 7);
using TVBSZeilen = QList<QPair<QString, QString>>; // key text, name

// What both fakes know and record; the data module's services forward to it.
struct TWelt
{
    QHash<TIntTrio, TZAM_Lagerort_Info> Orte;
    QSet<TIntTrio> ImLager, Lagerplaetze, FremdGesperrt;
    bool SperrenGelingt = true;
    TZAM_LagerVorr_Array Wurmloecher;
    int WurmlochLesungen = 0;
    bool VerteilenGelingt = true;
    TQIV_MengeUFilialeArr Verteilung;
    TVBSZeilen VBSZeilen;
    QList<int> VBSArgumente;
    QHash<int, int> BF; // free stock per branch
    bool BFFehler = false;
    QHash<int, int> WurmlochFiliale; // by the place's Id3
    QList<bool> Antworten;           // the bookings' answers in turn; true when used up
    TZAM_Lager_Gitterwagen_Zuordnungsdaten Zuordnung;
    TIntTrio StehtAuf;
    bool Fremde = false;
    QStringList Aufrufe;
    struct TBuchung
    {
        TZAM_Lager_BEW Bew;
        TZAM_Lager_BNE_Korrektur Korrektur;
        int Art = 0;
        int BuchungsFiliale = 0;
        bool Buchen = true;
    };
    QList<TBuchung> Buchungen;
    bool Antwort() { return Antworten.isEmpty() || Antworten.takeFirst(); }
};
TWelt W;

class TFakeLager : public IZAM_LagerEditServer
{
public:
    QList<TZAM_Lagergruppe> Lagergruppen() override { return {{1, QStringLiteral("Nord"), {11, 12, 13}}}; }
    bool Lagergruppe(int N, TZAM_Lagergruppe& G) override
    {
        G = Lagergruppen().first();
        return N == 1;
    }
    IZAM_FilialTabelle& Filialstamm() override { throw EZAM_Exception::Text(QStringLiteral("nicht hier")); }
    bool LagerortInfo_Lesen(const TIntTrio& O, TZAM_Lagerort_Info& I, const TQIV_Lagerort_Info_Optionen&) override
    {
        I = W.Orte.value(O);
        return W.Orte.contains(O);
    }
    QString LagerortName(const TIntTrio& O) override { return W.Orte.value(O).Name; }
    bool Lagerort_InLager(const TIntTrio& O, int L) override { return L == 1 && W.ImLager.contains(O); }
    bool Lagerplatz_Lesen(const TIntTrio& O, TZAM_Lagerplatz&, int) override { return W.Lagerplaetze.contains(O); }
    bool Behaelter_Lesen(const TZAM_Lagerort_Info&, TZAM_Behaelter&) override { return false; }
    bool BehaelterTyp_Lesen(const TIntPair&, TZAM_BehaelterTyp&) override { return false; }
    QList<TZAM_Lagerort_Info> Lagerorte_4_Bereich(int, TZAM_Lager_Ausgezeichnete_Bereiche B) override
    {
        QList<TZAM_Lagerort_Info> r;
        for (const TZAM_Lagerort_Info& i : W.Orte)
            if (i.Bereich == B)
                r << i;
        return r;
    }
    bool BearbVorbereitung_Vorhanden(int) override { return false; }
    TZAM_LagerVorr_Array Wurmloecher_Lesen(int) override { return ++W.WurmlochLesungen, W.Wurmloecher; }
    bool Lager_4_Behaelter(int&, const TIntTrio&) override { return false; }
    int Lager_4_Filiale(int) override { return 1; }
    TOrgeIdKompl Strukturelement_Orge(const TIntTrio&, int) override { return {}; }
    bool Menge_NachFilialen_Verteilen(TQIV_MengeUFilialeArr& A, const TInt32Trio&, int, int, int, qint64 S,
                                      int R) override
    {
        W.Aufrufe << QStringLiteral("Verteilen %1 %2").arg(S).arg(R);
        A = W.Verteilung;
        return W.VerteilenGelingt;
    }
    bool Behaelter_Gesperrt(const TIntTrio& B) override { return W.Aufrufe << "Gesperrt", W.FremdGesperrt.contains(B); }
    bool Behaelter_Sperren(const TIntTrio&) override { return W.Aufrufe << "Sperren", W.SperrenGelingt; }
    void Behaelter_Entsperren(const TIntTrio&) override {}
    bool Lagerort_Gesperrt(const TIntTrio&) override { return false; }
    bool Lagerort_Sperren(const TIntTrio&) override { return true; }
    void Lagerort_Entsperren(const TIntTrio&) override {}
    void VBSListe_Laden(int L, int F, int E) override
    {
        W.VBSArgumente = {L, F, E};
        FListe = TVRList();
        FListe.ColumnAdd(QStringLiteral("Name"), vrtString);
        FListe.ColumnAdd(QStringLiteral("Id"), vrtString);
        for (const auto& z : W.VBSZeilen) {
            const int r = FListe.RowAdd(FListe.VRArray_ForRowAdd_Generate());
            FListe.SetCellValueAsString(r, 0, z.second);
            FListe.SetCellValueAsString(r, 1, z.first);
        }
    }
    TVRList& VBSListe() override { return FListe; }
    int VBSListe_SpalteId() const override { return 1; }
    int VBSListe_SpalteName() const override { return 0; }

private:
    TVRList FListe;
};

class TFakeBewegung : public IZAM_LagerBewegungEditServer
{
public:
    bool Lagerbewegung_Buchen(TZAM_Lager_BEW& B, bool, TZAM_InfoMeldungListe*) override
    {
        W.Buchungen << TWelt::TBuchung{B};
        return W.Antwort();
    }
    bool UmlagerBewegung_Buchen(TZAM_Lager_BEW& B, TZAM_Lager_BNE_Korrektur& K, int A, int F, int L, bool,
                                TZAM_InfoMeldungListe*) override
    {
        W.Buchungen << TWelt::TBuchung{B, K, A, F};
        return L == 1 && W.Antwort();
    }
    bool Bestandskorrektur_Buchen(TZAM_Lager_BEW& B, TZAM_Lager_BNE_Korrektur& K, bool AB,
                                  TZAM_InfoMeldungListe*) override
    {
        W.Buchungen << TWelt::TBuchung{B, K, 0, 0, AB};
        return W.Antwort();
    }
    int Filialbestand(const TInt32Trio& P, int F, int T, int G) override
    {
        if (W.BFFehler)
            throw EZAM_Exception::Text(QStringLiteral("Datenbank weg"));
        return P == CProdukt && T == 1 && G == 3 ? W.BF.value(F) : -999;
    }
    int FilialZuordnung_Lesen(const TIntTrio& O, int A) override
    {
        return A == 3 ? W.WurmlochFiliale.value(O.Id3, -1) : -1;
    }
    int LagerZuordnung_Lesen(const TIntTrio&, int) override { return -1; }
    // One entry pair per call, for exactly the quantity asked, so a booking shows what it took along.
    void LVPBDaten_Ermitteln(const TInt32Trio&, int, TZAM_LVPB_Daten_Array& D, int, int M, const TIntTrio& An,
                             const TIntTrio& Von, const TZAM_PersArt_ExtVerweis&, int VF, int FF) override
    {
        W.Aufrufe << QStringLiteral("LVPB %1 %2 %3 %4 %5").arg(M).arg(Von.ToText(), An.ToText()).arg(VF).arg(FF);
        D << TZAM_LVPB_Daten{Von, 1, {}, 0, M, -1, FF} << TZAM_LVPB_Daten{An, 1, {}, 0, M, 1, FF};
    }
    int Lagerplatzbestand(const TInt32Trio&, int, const TIntTrio& O) override
    {
        if (W.BFFehler)
            throw EZAM_Exception::Text(QStringLiteral("Datenbank weg"));
        return O.Id3 * 10;
    }
    void LVPBSaetze_4_Behaelter(const TIntTrio&, TZAM_LVPB_Satz_Info_List&, int, int) override {}
    bool Behaelter_Zuordnung_Lesen(const TIntTrio&, TZAM_Lager_Gitterwagen_Zuordnungsdaten& D) override
    {
        W.Aufrufe << "Zuordnung";
        D = W.Zuordnung;
        return true;
    }
    bool Behaelter_Zuordnung_Loeschen(const TIntTrio&, bool) override { return true; }
    bool Lagerort_4_Behaelter(const TIntTrio&, TIntTrio& O) override { return O = W.StehtAuf, W.StehtAuf.Defined(); }
    bool Vater_4_Behaelter(const TIntTrio& B, TIntTrio& V) override { return V = B, true; }
    bool Behaelter_HatFremdeArtikel(const TIntTrio&, int, qint64) override { return W.Aufrufe << "Fremde", W.Fremde; }
    void Cache_Leeren() override {}
    bool Lagerort_HatBestand(const TIntTrio&) override { return false; }
    bool Behaelter_Zuordnen(const TIntTrio&, int, int) override { return true; }
    QList<TZAM_BehaelterFuerZiel> Behaelter_4_Ziel(int, int) override { return {}; }
    bool Sammeleinlagerung_Buchen(TQIV_Lager_Sammeleinlagerung&, TZAM_InfoMeldungListe&, bool) override
    {
        return false;
    }
    bool Bestandsliste_4_Lagerort(const TIntTrio&, TVRList&) override { return false; }
    bool Bestandsliste_4_Produkt(const TInt32Trio&, int, TVRList&, bool) override { return false; }
    void Allokation_Zuruecksetzen() override {}
    QList<TZAM_AllokationsEintrag> Aufgabe_Allokieren(const TZAM_AufgabenAllokation&, int, bool,
                                                     const TZAM_LaufwegVerbotDict*) override
    {
        return {};
    }
    bool Aufgabe_Buchen(TZAM_Lager_BEW&, TQIV_AufgabenZeile&, TZAM_Lager_BEW&, TZAM_Aufgabe_Erfuellen_Daten&, bool,
                        TZAM_Lager_BNE_Korrektur&, TZAM_Lager_BNE_Korrektur&, bool, bool, bool, bool, bool,
                        TZAM_InfoMeldungListe*, bool&) override
    {
        return false;
    }
};

TZAM_Lagerort_Info Ort(const TIntTrio& AId, int ABereich, TZAM_Lagerort_Kennung AKennung = CZAM_Lagerort_Lagerplatz)
{
    TZAM_Lagerort_Info i;
    i.LagerortId = AId;
    i.Bereich = TZAM_Lager_Ausgezeichnete_Bereiche(ABereich);
    i.Kennung = AKennung;
    i.Name = QStringLiteral("Platz %1").arg(AId.Id3);
    return i;
}

} // namespace

class TestBewegung : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;

    QString Protokoll()
    {
        QFile f(QDir(FUmg->Verzeichnis()).filePath(QStringLiteral("protokoll.log")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // A relocation from A to B in the given areas, 10 pieces of size 3, warehouse branch 11.
    bool Umlagern(int AVon, int AAn, bool AStop, bool& AWeniger, bool& ANichts, QString& AMeldung, int AFilNr = 11,
                  qint16 AVonFil = -1)
    {
        AWeniger = false;
        return FDM->Umlagerung_MitBewegungen_Buchen(AWeniger, Ort(CPlatzA, AVon), Ort(CPlatzB, AAn), CProdukt, 3, 10,
                                                    AVonFil, -1, -1, -1, AFilNr, false, AStop, nullptr, ANichts,
                                                    AMeldung);
    }

private Q_SLOTS:
    void init()
    {
        W = TWelt();
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmSQLite);
        Glob_WWSServerFactoryClass().Registrieren<IZAM_LagerEditServer>([] { return std::make_unique<TFakeLager>(); });
        Glob_WWSServerFactoryClass().Registrieren<IZAM_LagerBewegungEditServer>(
            [] { return std::make_unique<TFakeBewegung>(); });
        FDM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog")});
        FDM->SetAktLager(1);
        FDM->AktLagerFilialen_Aus_AktLager();
        FDM->SetAktFiliale(11);
        FDM->FMitarbeiter = TIntPair(2, 5);
        FDM->FBenutzer = TIntPair(2, 1);
        ZAMInfo().GezeigteMeldungenHolen();
        TZAM_Klang::GespielteHolen();
    }
    void cleanup()
    {
        FDM.reset();
        FUmg.reset();
    }

    void bereichsregeln_data()
    {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("an");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("1 Wurmloch-Wurmloch") << 3 << 3 << "Von- und An-Lagerplatz sind Wurmlöcher!";
        QTest::newRow("2 geblockt-Wurmloch")
            << 5 << 3 << "Geblockte Ware kann nicht in ein Wurmloch umgelagert werden!";
        QTest::newRow("3 Wurmloch-geblockt")
            << 3 << 5 << "Geblockte Ware kann nicht aus einem Wurmloch umgelagert werden!";
        QTest::newRow("4 Bearbeitung") << 6 << 0 << "Ware in Bearbeitung kann nicht nach Lager umgelagert werden!";
        QTest::newRow("4 Bearbeitung-KuBe") << 6 << 4 << "";
        QTest::newRow("5 Vorbereitung")
            << 7 << 2
            << "Ware auf einer Bearbeitungs-Vorbereitung kann nicht nach Versandbereitstellung umgelagert werden!";
        QTest::newRow("6 Start")
            << 8 << 5 << "Ware auf einem Bearbeitungs-Start kann nicht nach Geblockte Ware umgelagert werden!";
        // Rules 5 and 6 let 7 and 8 go to 6; rule 7 refuses it all the same (first match, literal).
        QTest::newRow("7 nach Bearbeitung")
            << 7 << 6 << "Ware in Bearbeitung kann nicht von Bearbeitungs-Vorbereitung umgelagert werden!";
        QTest::newRow("7 Start nach Bearbeitung")
            << 8 << 6 << "Ware in Bearbeitung kann nicht von Bearbeitungs-Start umgelagert werden!";
        QTest::newRow("8 nach Vorbereitung")
            << 1 << 7 << "Ware in Bearbeitung kann nicht von Wareneingangslager umgelagert werden!";
        QTest::newRow("Lager-Wurmloch") << 0 << 3 << "";
        QTest::newRow("Vorbereitung-Vorbereitung") << 7 << 7 << "";
    }
    void bereichsregeln()
    {
        QFETCH(int, von);
        QFETCH(int, an);
        QFETCH(QString, meldung);
        QString m = QStringLiteral("alt");
        QCOMPARE(FDM->Umlagerung_MitBewegungen_Lagerorte_Testen(Ort(CPlatzA, von), Ort(CPlatzB, an), m),
                 meldung.isEmpty());
        QCOMPARE(m, meldung);
    }

    void wurmloch_data()
    {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("an");
        QTest::addColumn<int>("wurmlochFiliale");
        QTest::addColumn<int>("bestand"); // BF of branch 12; -1: the read fails
        QTest::addColumn<bool>("stop");
        QTest::addColumn<bool>("ergebnis");
        QTest::addColumn<bool>("nichts");
        QTest::addColumn<bool>("weniger");
        QTest::addColumn<int>("gebucht"); // quantity booked, -1 none
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Filiale 0: normal") << 0 << 3 << 0 << 0 << true << true << false << false << 10 << 1 << "";
        QTest::newRow("reicht") << 0 << 3 << 25 << 20 << true << true << false << false << 10 << 5 << "";
        QTest::newRow("4 von 10") << 0 << 3 << 25 << 4 << false << true << false << true << 4 << 5 << "";
        QTest::newRow("4 von 10 mit Stop") << 0 << 3 << 25 << 4 << true << false << false << false << -1 << 0
                                           << "Verf. Best. 4 von 1-4711-0 in GrInd 3 reicht nicht aus!";
        QTest::newRow("keiner") << 0 << 3 << 25 << 0 << false << true << true << true << -1 << 0 << "";
        QTest::newRow("Lesefehler") << 0 << 3 << 25 << -1 << false << false << false << false << -1 << 0
                                    << "Datenbank weg";
        QTest::newRow("aus Wurmloch") << 3 << 0 << 25 << 0 << false << true << false << false << 10 << 6 << "";
    }
    void wurmloch()
    {
        QFETCH(int, von);
        QFETCH(int, an);
        QFETCH(int, wurmlochFiliale);
        QFETCH(int, bestand);
        QFETCH(bool, stop);
        QFETCH(int, gebucht);
        QFETCH(int, art);
        QFETCH(QString, meldung);
        W.WurmlochFiliale = {{CPlatzA.Id3, wurmlochFiliale}, {CPlatzB.Id3, wurmlochFiliale}};
        W.BF = {{12, bestand}};
        W.BFFehler = bestand < 0;
        bool weniger, nichts;
        QString m;
        QTEST(Umlagern(von, an, stop, weniger, nichts, m), "ergebnis");
        QTEST(nichts, "nichts");
        QTEST(weniger, "weniger");
        QCOMPARE(m, meldung);
        QCOMPARE(W.Buchungen.size(), gebucht < 0 ? 0 : 1);
        if (!meldung.isEmpty() && stop)
            QVERIFY(Protokoll().contains(
                QStringLiteral("Verf. Best. 4 von Artikel 1-4711-0 (1-4711-0) in Gr. GrInd 3 reicht nicht aus!")));
        if (gebucht < 0)
            return;
        const TWelt::TBuchung& b = W.Buchungen.first();
        QCOMPARE(b.Art, art);
        QCOMPARE(b.Bew.Menge, gebucht);
        QCOMPARE(b.Bew.Mitarbeiter, TIntPair(2, 5));
        // Into a wormhole the goods leave (target emptied), out of one they arrive.
        QCOMPARE(b.Bew.AnLagerortId, art == 5 ? TIntTrio() : CPlatzB);
        QCOMPARE(b.Bew.VonLagerortId, art == 6 ? TIntTrio() : CPlatzA);
        const bool korrektur = art != 1;
        QCOMPARE(int(b.Korrektur.KorrekturArt), korrektur ? 2 : 0);
        if (korrektur) {
            QCOMPARE(b.Korrektur.Menge, gebucht);
            QCOMPARE(int(b.Korrektur.VonFiliale), art == 5 ? 11 : 25);
            QCOMPARE(int(b.Korrektur.AnFiliale), art == 5 ? 25 : 11);
        }
    }

    // Blocked goods split over three branches; the second booking is refused.
    void geblocktSplitBrichtAb()
    {
        W.Verteilung = {{3, 11}, {4, 12}, {5, 13}};
        W.Antworten = {true, false, true};
        bool weniger, nichts;
        QString m;
        QVERIFY(!Umlagern(5, 0, false, weniger, nichts, m, 10000, 11));
        QCOMPARE(W.Buchungen.size(), 2);
        QCOMPARE(W.Aufrufe.first(), QStringLiteral("Verteilen 4 1")); // stock type 2 as a bit set
        for (int i = 0; i < 2; ++i) {
            const TWelt::TBuchung& b = W.Buchungen.at(i);
            const int menge = 3 + i, filiale = 11 + i;
            QCOMPARE(b.Art, 8);
            QCOMPARE(b.Bew.Menge, menge);
            QCOMPARE(int(b.Korrektur.KorrekturArt), 4);
            QCOMPARE(b.Korrektur.Menge, menge);
            QCOMPARE(int(b.Korrektur.VonFiliale), filiale);
            QCOMPARE(int(b.Korrektur.AnFiliale), filiale);
            // Each pass takes along only its own pieces' reservations.
            QCOMPARE(b.Bew.LVPB.size(), 2);
            QCOMPARE(b.Bew.LVPB.first().Menge, menge);
            QCOMPARE(W.Aufrufe.at(1 + i), QStringLiteral("LVPB %1 1-1-1 1-1-2 11 %2").arg(menge).arg(filiale));
        }
        QCOMPARE(W.Aufrufe.size(), 3);
    }

    void inGeblockt_data()
    {
        QTest::addColumn<int>("bestand");
        QTest::addColumn<bool>("ergebnis");
        QTest::addColumn<int>("gebucht");
        QTest::newRow("keiner") << 0 << false << 0;
        QTest::newRow("4 von 10") << 4 << true << 4;
    }
    void inGeblockt()
    {
        QFETCH(int, bestand);
        QFETCH(int, gebucht);
        W.BF = {{12, bestand}};
        bool weniger, nichts;
        QString m;
        QTEST(Umlagern(0, 5, false, weniger, nichts, m, 12, 11), "ergebnis");
        QVERIFY(weniger);
        QCOMPARE(m,
                 gebucht ? QString() : QStringLiteral("Bestand von Artikel 1-4711-0 reicht in Filiale 12 nicht aus!"));
        QCOMPARE(W.Buchungen.size(), gebucht ? 1 : 0);
        QCOMPARE(W.Aufrufe.size(), gebucht ? 1 : 0); // no reservations read for nothing
        if (gebucht) {
            QCOMPARE(W.Buchungen.first().Art, 7);
            QCOMPARE(W.Buchungen.first().Bew.Menge, 4);
            QCOMPARE(W.Buchungen.first().Bew.LVPB.first().Menge, 4);
            QCOMPARE(int(W.Buchungen.first().Korrektur.KorrekturArt), 3);
            QCOMPARE(W.Buchungen.first().Korrektur.Menge, 4);
        }
    }

    void bestandsdifferenz_data()
    {
        QTest::addColumn<QList<bool>>("antworten");
        QTest::addColumn<bool>("zugang");
        QTest::addColumn<bool>("ergebnis");
        QTest::newRow("Test lehnt ab") << QList<bool>{false} << true << false;
        QTest::newRow("Buchung lehnt ab") << QList<bool>{true, false} << false << false;
        QTest::newRow("Zugang") << QList<bool>{true, true} << true << true;
        QTest::newRow("Abgang") << QList<bool>{true, true} << false << true;
    }
    void bestandsdifferenz()
    {
        QFETCH(QList<bool>, antworten);
        QFETCH(bool, zugang);
        W.Antworten = antworten;
        QTEST(FDM->Bestandsdifferenz_buchen(CProdukt, 3, 2, 12, CPlatzA, zugang, nullptr), "ergebnis");
        QCOMPARE(W.Buchungen.size(), antworten.size());
        QVERIFY(!W.Buchungen.first().Buchen);
        const TWelt::TBuchung& b = W.Buchungen.last();
        QCOMPARE(b.Bew.AnLagerortId, zugang ? CPlatzA : TIntTrio());
        QCOMPARE(b.Bew.VonLagerortId, zugang ? TIntTrio() : CPlatzA);
        QCOMPARE(int(b.Korrektur.KorrekturArt), zugang ? 66 : 62);
        QCOMPARE(int(b.Korrektur.VonFiliale), 12);
        QCOMPARE(int(b.Korrektur.AnFiliale), 12);
    }

    void umlagerungBuchen_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<bool>("antwort");
        QTest::addColumn<QList<int>>("vorzeichen");
        QTest::newRow("abgelehnt") << int(mlpNein) << false << QList<int>{};
        QTest::newRow("von") << int(mlpJaVonLO) << true << QList<int>{-1};
        QTest::newRow("an") << int(mlpJaAnLO) << true << QList<int>{1};
        QTest::newRow("beide") << int(mlpJaBeideLO) << true << QList<int>{-1, 1};
    }
    void umlagerungBuchen()
    {
        QFETCH(int, modus);
        QFETCH(bool, antwort);
        QFETCH(QList<int>, vorzeichen);
        W.Antworten = {antwort};
        QCOMPARE(FDM->UmlagerungBuchen(CProdukt, 6, 3, CPlatzA, CPlatzB, 2, TIntTrio(4, 4, 4), 9, TQIV_MitLVPB(modus),
                                       1, TIntTrio(8, 8, 8)),
                 antwort);
        const TZAM_Lager_BEW& b = W.Buchungen.first().Bew;
        QCOMPARE(b.Mitarbeiter, TIntPair(2, 1)); // the user, not the employee
        QList<int> v;
        for (const TZAM_LVPB_Daten& d : b.LVPB) {
            v << d.Vorzeichen;
            QCOMPARE(d.LagerortId, d.Vorzeichen < 0 ? CPlatzA : CPlatzB);
            QCOMPARE(d.Menge, 6);
            QCOMPARE(d.VerweisId, TIntTrio(8, 8, 8));
        }
        QCOMPARE(v, vorzeichen);
    }

    void barcode_data()
    {
        QTest::addColumn<QString>("barcode");
        QTest::addColumn<bool>("stumm");
        QTest::addColumn<QString>("meldung");
        const QString gut = zam_TIntTrio2String(CPlatzA) + QStringLiteral("12345");
        QTest::newRow("21 Zeichen") << gut.left(21) << false << "Fehler beim Lesen des Barcodes!";
        QTest::newRow("23 Zeichen stumm") << gut + u'9' << true << "";
        QTest::newRow("kein Schlüssel") << QStringLiteral("0000A000001000001XXXXX") << false
                                        << "Fehler beim Konvertieren der ID.";
        QTest::newRow("unbekannt") << zam_TIntTrio2String(TIntTrio(9, 9, 9)) + QStringLiteral("00000") << false
                                   << "Unbekannter Lagerort!";
        QTest::newRow("anderes Lager stumm") << zam_TIntTrio2String(CPlatzB) + QStringLiteral("00000") << true
                                             << "Der Lagerplatz gehört nicht zum eingestellten Lager.";
        QTest::newRow("gut") << gut << true << "-";
    }
    void barcode()
    {
        QFETCH(QString, barcode);
        QFETCH(bool, stumm);
        QFETCH(QString, meldung);
        W.Orte = {{CPlatzA, Ort(CPlatzA, 2)}, {CPlatzB, Ort(CPlatzB, 0)}};
        W.Orte[CPlatzA].Kurz = QStringLiteral("A-1");
        W.ImLager = {CPlatzA};
        TZAM_Lagerort_Info info = Ort(CPlatzB, 4);
        const bool ok = meldung == QStringLiteral("-");
        TQIV_Umsetzen_Optionen optionen{stumm, true};
        QCOMPARE(FDM->Lagerplatz_Behaelter_umsetzen(barcode, info, optionen), ok);
        QCOMPARE(info, ok ? W.Orte[CPlatzA] : TZAM_Lagerort_Info());
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen(), meldung.isEmpty() || ok ? QStringList() : QStringList{meldung});
        QCOMPARE(TZAM_Klang::GespielteHolen().size(), ok ? 0 : 1);
        QCOMPARE(
            Protokoll().contains(
                QStringLiteral("TDM_Torvik.Lagerplatz_Behaelter_umsetzen: nicht erfolgreich für Barcode ") + barcode),
            !ok);

        TIntTrio id(5, 5, 5);
        QString name;
        TZAM_Lagerort_Kennung kennung = 9;
        bool gesperrt = true;
        TZAM_Lager_Ausgezeichnete_Bereiche bereich = 9;
        QCOMPARE(FDM->Lagerplatz_Behaelter_umsetzen(barcode, id, name, kennung, gesperrt, bereich, optionen), ok);
        QCOMPARE(id, ok ? CPlatzA : TIntTrio(5, 5, 5));
        QCOMPARE(name, ok ? QStringLiteral("A-1") : QString());
        QCOMPARE(int(bereich), ok ? 2 : 0);
        QCOMPARE(int(kennung) + int(gesperrt), 0);
    }

    void behaelterUmsetzen()
    {
        W.Orte = {{CBehaelter, Ort(CBehaelter, 0, CZAM_Lagerort_Behaelter)}, {CPlatzA, Ort(CPlatzA, 0)}};
        TIntTrio id;
        QString name;
        QVERIFY(!FDM->Behaelter_umsetzen(zam_TIntTrio2String(CPlatzA), id, name)); // no container
        QVERIFY(!FDM->Behaelter_umsetzen(QStringLiteral("1234"), id, name));
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen(),
                 QStringList{QStringLiteral("Fehler beim Konvertieren der Behälter-ID.")});
        QVERIFY(FDM->Behaelter_umsetzen(zam_TIntTrio2String(CBehaelter) + QStringLiteral("00000"), id, name));
        QCOMPARE(id, CBehaelter);
        QCOMPARE(name, QStringLiteral("Platz 7"));
    }

    void behaelterPruefen_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QStringList>("aufrufe");
        const QStringList bisZuordnung{"Gesperrt", "Zuordnung"};
        const QStringList alle{"Gesperrt", "Zuordnung", "Fremde", "Sperren"};
        QTest::newRow("fremd gesperrt") << "gesperrt"
                                        << "Behälter gesperrt" << QStringList{"Gesperrt"};
        QTest::newRow("Filiale 0 ist zugeordnet")
            << "filiale0"
            << "Dieser Behälter ist bereits einer anderen Filiale zugeordnet!" << bisZuordnung;
        QTest::newRow("anderes Lager") << "lager"
                                       << "Dieser Behälter ist bereits einem anderen Lager zugeordnet!" << bisZuordnung;
        QTest::newRow("nur zugeordnete") << "nurzugeordnete"
                                         << "Dieser Behälter ist keiner Filiale / keinem Lager zugeordnet!"
                                         << bisZuordnung;
        QTest::newRow("Transport") << "transport"
                                   << "Dieser Behälter wurde bereits auf Transport gebucht!" << bisZuordnung;
        QTest::newRow("Schein") << "schein"
                                << "Für diesen Behälter wurde bereits ein Warenbegleitschein gedruckt!" << bisZuordnung;
        QTest::newRow("Lagerplatz") << "lagerplatz"
                                    << "Dieser Behälter liegt auf einem Lagerplatz!" << bisZuordnung;
        QTest::newRow("fremde Artikel") << "fremde"
                                        << "In diesem Behälter liegen Artikel, die nicht in die Zielfiliale sollen!"
                                        << QStringList{"Gesperrt", "Zuordnung", "Fremde"};
        QTest::newRow("Sperre scheitert") << "sperre"
                                          << "Der Behälter konnte nicht gesperrt werden!" << alle;
        QTest::newRow("auf Behälter, eigene Sperre") << "behaelter"
                                                     << "" << alle;
        QTest::newRow("eigene Filiale 12") << "filiale12"
                                           << "" << QStringList{"Gesperrt", "Zuordnung", "Sperren"};
    }
    void behaelterPruefen()
    {
        QFETCH(QString, fall);
        QFETCH(QString, meldung);
        if (fall == "gesperrt")
            W.FremdGesperrt = {CBehaelter};
        W.Zuordnung.Filiale = fall == "filiale0" ? 0 : fall == "filiale12" ? 12 : -1;
        W.Zuordnung.Lager = fall == "lager" ? 2 : -1;
        W.Zuordnung.AufTransport = fall == "transport";
        W.Zuordnung.WBSListenNr = fall == "schein" ? TIntPair(1, 3) : TIntPair();
        W.StehtAuf = fall == "lagerplatz" || fall == "behaelter" ? CPlatzA : TIntTrio();
        if (fall == "lagerplatz")
            W.Lagerplaetze = {CPlatzA};
        W.Fremde = fall == "fremde";
        W.SperrenGelingt = fall != "sperre";
        bool gesperrt = true;
        QString m = QStringLiteral("alt");
        QCOMPARE(FDM->Behaelter_pruefen(CBehaelter, 12, 1, fall == "nurzugeordnete", true, gesperrt, m),
                 meldung.isEmpty());
        QCOMPARE(m, meldung);
        QCOMPARE(gesperrt, meldung.isEmpty());
        QTEST(W.Aufrufe, "aufrufe");
    }

    void behaelterPruefenOhneSchluessel()
    {
        bool gesperrt = true;
        QString m = QStringLiteral("alt");
        QVERIFY(FDM->Behaelter_pruefen(TIntTrio(), 12, 1, true, true, gesperrt, m));
        QVERIFY(!gesperrt && m.isEmpty() && W.Aufrufe.isEmpty());
    }

    void eindeutigeVBS_data()
    {
        QTest::addColumn<TVBSZeilen>("zeilen");
        QTest::addColumn<bool>("ergebnis");
        using Z = TVBSZeilen;
        QTest::newRow("eine") << Z{{"1-2-3", "VBS 21"}} << true;
        QTest::newRow("keine") << Z{} << false;
        QTest::newRow("zwei") << Z{{"1-2-3", "VBS 21"}, {"1-2-4", "VBS 21b"}} << false;
        QTest::newRow("unlesbar") << Z{{"kaputt", "VBS 21"}} << false;
        QTest::newRow("leer") << Z{{"0-0-0", "VBS 21"}} << false;
    }
    void eindeutigeVBS()
    {
        QFETCH(bool, ergebnis);
        QFETCH(TVBSZeilen, zeilen);
        W.VBSZeilen = zeilen;
        for (bool eigene : {false, true}) {
            TIntTrio id(9, 9, 9);
            QString name = QStringLiteral("alt");
            QCOMPARE(eigene ? FDM->Eindeutige_Versandbereistellung_DesLagers_Ermitteln(id, name)
                            : FDM->Eindeutige_VBS_FuerFiliale_Ermitteln(21, id, name),
                     ergebnis);
            QCOMPARE(W.VBSArgumente, eigene ? (QList<int>{1, -1, 1}) : (QList<int>{1, 21, -1}));
            QCOMPARE(id, ergebnis ? TIntTrio(1, 2, 3) : TIntTrio());
            QCOMPARE(name, ergebnis ? QStringLiteral("VBS 21") : QString());
        }
    }

    void lagerortWaehlen()
    {
        W.Orte = {{CPlatzA, Ort(CPlatzA, 0)}, {CBehaelter, Ort(CBehaelter, 0, CZAM_Lagerort_Behaelter)}};
        TZAM_Lagerort_Info info = Ort(CPlatzB, 1);
        ZAM_BeimNaechstenDialog([](QWidget* D) {
            QCOMPARE(D->windowTitle(), QStringLiteral("Auswahl eines Behälters"));
            ZAM_Klicken(D, QStringLiteral("btnAbbrechen"));
        });
        QVERIFY(!FDM->Lagerort_waehlen(true, true, -1, info));
        QCOMPARE(info, TZAM_Lagerort_Info());

        int zeilen = -1;
        ZAM_BeimNaechstenDialog([&](QWidget* D) {
            auto* liste = D->findChild<QTreeWidget*>(QStringLiteral("lvLagerorte"));
            zeilen = liste->topLevelItem(0)->childCount(); // the container is left out
            liste->setCurrentItem(liste->topLevelItem(0)->child(0));
            ZAM_Klicken(D, QStringLiteral("btnOK"));
        });
        QVERIFY(FDM->Lagerort_waehlen(true, false, -1, info));
        QCOMPARE(zeilen, 1);
        QCOMPARE(info, W.Orte[CPlatzA]);
    }

    void wurmloecherUndBestand()
    {
        W.Wurmloecher = {{CPlatzB, QStringLiteral("WL Süd"), 25}, {CPlatzA, QStringLiteral("wl Nord"), 21}};
        TQIV_StringInttrio_List l;
        QVERIFY(FDM->AlleWurmloecherErmitteln(false, l));
        QCOMPARE(l.first().first, QStringLiteral("WL Süd"));
        QVERIFY(FDM->AlleWurmloecherErmitteln(true, l));
        QCOMPARE(l.first(), qMakePair(QStringLiteral("wl Nord"), CPlatzA));
        QCOMPARE(W.WurmlochLesungen, 1);
        FDM->SetAktLager(2); // another warehouse has other wormholes
        W.Wurmloecher.clear();
        QVERIFY(!FDM->AlleWurmloecherErmitteln(true, l));
        QVERIFY(l.isEmpty());

        W.BF = {{11, 2}, {13, 5}, {14, 100}};
        QCOMPARE(FDM->Realbestand(1, CProdukt, 3), 7);
        QCOMPARE(FDM->Realbestand(2, CProdukt, 3), 0);
        QCOMPARE(FDM->Realbestand4Filiale(13, CProdukt, 3), 5);
        bool fehler = true;
        QCOMPARE(FDM->Lagerbestand(CPlatzB, CProdukt, 3, fehler), 20);
        QVERIFY(!fehler);
        W.BFFehler = true;
        QCOMPARE(FDM->Lagerbestand(CPlatzB, CProdukt, 3, fehler), 0);
        QVERIFY(fehler);
        QCOMPARE(FDM->BestandSuchen(CProdukt, 3, CPlatzB), 0);
        QCOMPARE(FDM->Realbestand(1, CProdukt, 3), 0);
        FDM->LagerortInfo(CPlatzA);
        const QString p = Protokoll();
        for (const char* name : {"TDM_Torvik.Lagerbestand", "TDM_Torvik.LageplatzSuchen", "TDM_Torvik.Realbestand",
                                 "TDM_Torvik.LagerortInfo"})
            QVERIFY2(p.contains(QLatin1String(name)), name);
    }
};

QTEST_MAIN(TestBewegung)
#include "tst_bewegung.moc"
