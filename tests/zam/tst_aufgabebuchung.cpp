// The booking of a task on both engines: the pick moves the pieces and fulfils the task, a
// shortfall is booked out with or without fulfilling, a finished task is closed and leaves the
// task files, and a refused part leaves nothing stored.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestAufgaben.h"
#include "TZAM_TestLager.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>

using TA = TZAM_TestArtikel;
using TL = TZAM_TestLager;

class TestAufgabeBuchung : public QObject
{
    Q_OBJECT

    struct TFall
    {
        const char* Name;
        TIntTrio Aufgabe;
        int Physisch, Fehlmenge, KorrekturArt;
        bool Erfuellt;
        bool Ergebnis;
        QString Stand; // P1, C, BF of branch 10, fulfilled of the task, task status
        bool Geloescht;
    };

private Q_SLOTS:
    void buchen_data() { ZAM_MotorenDaten(); }
    void buchen()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TA::Anlegen(db);
        TL::Anlegen(db);
        const TInt32Trio schuh = TA::A(TA::Schuh).Id();
        TL::Bestand(db, TL::P1, schuh, 1, 1, 4, 10);
        for (const auto& [nr, menge] : {std::pair{1, 3}, {2, 2}})
            TZAM_TestAufgaben::Nachsortierung(db, nr, schuh, 1, menge);
        const auto wert = [&](const QString& ASql, const QVariantList& AWerte) {
            const QVariant v = db.LesenWert(ASql, AWerte);
            return v.isValid() ? v.toString() : QStringLiteral("-");
        };
        const auto stand = [&](const TIntTrio& AAufgabe) {
            const auto bestand = [&](const TIntTrio& AOrt) {
                return wert(QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_bestand WHERE lo_id1 = ? AND "
                                           "lo_id2 = ? AND lo_id3 = ?"),
                            {AOrt.Id1, AOrt.Id2, AOrt.Id3});
            };
            const QVariantList id{AAufgabe.Id1, AAufgabe.Id2, AAufgabe.Id3};
            return QStringList{
                bestand(TL::P1), bestand(TL::C),
                wert(QStringLiteral("SELECT menge FROM zam_bf WHERE filiale = 10 AND bestandsart = 1"), {}),
                wert(QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_aufgabe_erfuellung WHERE "
                                    "auf_id1 = ? AND auf_id2 = ? AND auf_id3 = ?"),
                     id),
                wert(QStringLiteral("SELECT status FROM zam_auko WHERE id1 = ? AND id2 = ? AND id3 = ?"), id)}
                .join(u' ');
        };

        const TIntTrio t1{1, 1, 1}, t2{1, 1, 2};
        // clang-format off
        const TFall faelle[] = {
            {"Pick 2 von 3", t1, 2, 0, 0, false, true, "2 2 4 2 T", false},
            {"mehr als offen", t1, 2, 0, 0, false, false, "2 2 4 2 T", false},
            {"Fehlmenge erfüllt", t1, 0, 1, CZAM_Korrektur_FehlmengeErfuellt, true, true, "1 2 3 3 L", true},
            {"Fehlmenge ohne Erfüllung", t2, 0, 1, CZAM_Korrektur_InventurMinus, false, true, "0 2 2 0 O", false},
            {"kein Bestand mehr", t2, 1, 0, 0, false, false, "0 2 2 0 O", false},
            {"Pseudobehälter", t2, 1, 0, CZAM_Korrektur_PseudoBehaelter, false, true, "0 2 2 1 T", false},
        };
        // clang-format on
        auto bew = Glob_WWSServerFactoryClass().Create<IZAM_LagerBewegungEditServer>();
        for (const TFall& f : faelle) {
            TZAM_Lager_BEW physisch, fehl;
            for (TZAM_Lager_BEW* b : {&physisch, &fehl}) {
                b->ProduktId = schuh;
                b->GrInd = 1;
                b->VonLagerortId = TL::P1;
                b->Mitarbeiter = TIntPair(1, 1001);
            }
            physisch.AnLagerortId = TL::C;
            physisch.Menge = f.Physisch;
            fehl.Menge = f.Fehlmenge;
            TQIV_AufgabenZeile zeile;
            zeile.AufgabenId = f.Aufgabe;
            TZAM_Aufgabe_Erfuellen_Daten daten;
            daten.AufgabenId = f.Aufgabe;
            daten.Mitarbeiter = TIntPair(1, 1001);
            TZAM_Lager_BNE_Korrektur korrektur;
            korrektur.ProduktId = schuh;
            korrektur.GrInd = 1;
            korrektur.Menge = f.Fehlmenge;
            korrektur.VonFiliale = 10;
            korrektur.AnFiliale = 11;
            korrektur.KorrekturArt = quint8(f.KorrekturArt);
            TZAM_InfoMeldungListe meldungen;
            bool geloescht = true;
            TZAM_Lager_BNE_Korrektur physischKorrektur;
            if (f.KorrekturArt == CZAM_Korrektur_PseudoBehaelter) {
                // Picked into the pseudo container of branch 11: off the warehouse, owned by 11.
                physischKorrektur = korrektur;
                physischKorrektur.Menge = f.Physisch;
                physisch.AnLagerortId = TL::C2;
                TL::Bestand(db, TL::P1, schuh, 1, 1, 1, 10);
            }
            const bool ok = bew->Aufgabe_Buchen(physisch, zeile, fehl, daten, f.Erfuellt, physischKorrektur, korrektur,
                                                f.Fehlmenge > 0, f.Physisch > 0, f.Fehlmenge > 0, false, false,
                                                &meldungen, geloescht);
            QVERIFY2(ok == f.Ergebnis, f.Name);
            QVERIFY2(ok || meldungen.Meldungen_Anz_Get() > 0, f.Name);
            QCOMPARE(stand(f.Aufgabe), f.Stand);
            QVERIFY2(geloescht == f.Geloescht, f.Name);
        }
        QCOMPARE(wert(QStringLiteral("SELECT menge FROM zam_bf WHERE filiale = 11 AND bestandsart = 1"), {}),
                 QStringLiteral("1"));
        // The finished task keeps its fulfilment records.
        QCOMPARE(wert(QStringLiteral("SELECT COUNT(*) FROM zam_aufgabe_erfuellung WHERE auf_id3 = 1"), {}),
                 QStringLiteral("2"));
    }
};

QTEST_MAIN(TestAufgabeBuchung)
#include "tst_aufgabebuchung.moc"
