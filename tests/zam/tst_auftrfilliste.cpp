// What the goods-receipt posting reads of the framework besides articles, on both engines: the
// suppliers' order-branch lists through the global list, the mask file's records, the terminal's
// number, and the label printer's jobs per layout.
#include "IZAM_AuftrFilServer.h"
#include "IZAM_DruckerKonfig.h"
#include "TQIV_EtikDrucker.h"
#include "TZAM_AuftrFilListe.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DruckSql.h"
#include "TZAM_DruckerKonfigSql.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "Tmaskfile.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QTest>

namespace {
using TA = TZAM_TestArtikel;
const TIntPair CNord{5, 702}, CSued{5, 701}, CLeer{5, 999};

TEinzelEtikettInfo Info(TA::TNr AArtikel, QList<QPair<int, int>> AMengen, int AAnzahl = 0)
{
    TEinzelEtikettInfo i;
    i.ProduktId = TA::A(AArtikel).Id();
    i.Filiale = 12;
    i.EtikettenAnzahl = AAnzahl;
    i.Sortiment.Init();
    for (const auto& [groesse, menge] : AMengen)
        i.Sortiment.Me[groesse] = menge;
    i.Sortiment.MinMax_Bestimmen();
    return i;
}
} // namespace

class TestAuftrFilListe : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

    // Printer, layout and pages of each print job.
    QStringList Auftraege()
    {
        QStringList l;
        const TZAM_Zeilen z = Db().Lesen(QStringLiteral("SELECT drucker, seiten FROM zam_druckauftrag ORDER BY id"));
        for (const QVariantList& r : z.Zeilen())
            l << r.at(0).toString() + u'/' + r.at(1).toString();
        return l;
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    // Entries and branches in their stored order, counted from 0; -1 and 0 outside the list;
    // every holder shares one instance, freed with the last.
    void auftragsfilialen_data() { ZAM_MotorenDaten(); }
    void auftragsfilialen()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        auto server = TestDienst<IZAM_AuftrFilServer>();
        server->Speichern(CNord, {{1, {12, 14, 21}}, {17, {17}}, {1, {50}}});
        server->Speichern(CSued, {{30, {30, 31}}});
        // Stored numbers need not start at 1 or follow each other; the order counts.
        Db().Schreiben(QStringLiteral("UPDATE zam_auftrfil SET eintrag = eintrag * 10, pos = 7 - pos WHERE "
                                      "lieferant_id2 = 701"));

        TZAM_AuftrFilListe* liste = GlobAuftrFilListe_GetInstance();
        QCOMPARE(GlobAuftrFilListe_GetInstance(), liste);
        GlobAuftrFilListe_ReleaseInstance();
        const struct
        {
            TIntPair Lieferant;
            QList<QPair<qint16, QList<qint16>>> Eintraege;
        } faelle[] = {
            {CNord, {{1, {12, 14, 21}}, {17, {17}}, {1, {50}}}},
            {CSued, {{30, {31, 30}}}},
            {CLeer, {}},
            {TIntPair(), {}},
        };
        for (const auto& f : faelle) {
            liste->Koord_Lief_Id_Set(f.Lieferant);
            QCOMPARE(liste->AuftrFilNrN_Anz_Get(), f.Eintraege.size());
            for (int e = 0; e < f.Eintraege.size(); ++e) {
                QCOMPARE(liste->AuftrFilNrN_Get(e), f.Eintraege.at(e).first);
                QCOMPARE(liste->AuftrFilNrN_FilAnz_Get(e), f.Eintraege.at(e).second.size());
                for (int i = 0; i < f.Eintraege.at(e).second.size(); ++i)
                    QCOMPARE(liste->AuftrFilNrN_FilNr_Get(e, i), f.Eintraege.at(e).second.at(i));
                QCOMPARE(liste->AuftrFilNrN_FilNr_Get(e, int(f.Eintraege.at(e).second.size())), qint16(-1));
            }
            const int n = int(f.Eintraege.size());
            QVERIFY(liste->AuftrFilNrN_Get(n) == -1 && liste->AuftrFilNrN_Get(-1) == -1);
            QVERIFY(liste->AuftrFilNrN_FilAnz_Get(n) == 0 && liste->AuftrFilNrN_FilNr_Get(n, 0) == -1);
        }

        // Storing again replaces the supplier's list.
        server->Speichern(CNord, {{14, {14}}});
        liste->Koord_Lief_Id_Set(CNord);
        QVERIFY(liste->AuftrFilNrN_Anz_Get() == 1 && liste->AuftrFilNrN_Get(0) == 14);
        GlobAuftrFilListe_ReleaseInstance();
    }

    // A record is found by exactly its five keys; its body is name=value lines.
    void maskendatei_data() { ZAM_MotorenDaten(); }
    void maskendatei()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        Tmaskfile datei;
        QCOMPARE(Fehler([&] { datei.Lesen("DEU", "LV", "RECHCONF", "LPNEU", "1"); }),
                 CZAM_Info_Fehler_Standard_IllegalerParameter);
        QVERIFY(datei.Oeffnen());
        const QStringList zeilen{QStringLiteral("cmbEtikettenDruck.Text=Fragen"), QStringLiteral("a=b=c")};
        QVERIFY(datei.Schreiben("DEU", "LV", "RECHCONF", "LPNEU", "1", zeilen));
        QVERIFY(datei.Schreiben("DEU", "LV", "RECHCONF", "LPNEU", "2", {QStringLiteral("cmbEtikettenDruck.Text=Ja")}));
        const struct
        {
            QStringList Schluessel;
            bool Gefunden;
        } faelle[] = {
            {{"DEU", "LV", "RECHCONF", "LPNEU", "1"}, true},   {{"deu", "LV", "RECHCONF", "LPNEU", "1"}, false},
            {{"DEU", "LV", "RECHCONF", "LPNEU", "01"}, false}, {{"DEU", "LV", "RECHCONF", "LPNEU", "1 "}, false},
            {{"DEU", "LV", "RECHCONF", "LPNEU", ""}, false},   {{"DEU", "LV", "CONFIG", "LPNEU", "1"}, false},
        };
        for (const auto& f : faelle) {
            const QStringList& s = f.Schluessel;
            QVERIFY2(datei.Lesen(s[0], s[1], s[2], s[3], s[4]) == f.Gefunden, qPrintable(s.join(u'|')));
            QCOMPARE(datei.Inhalt(), f.Gefunden ? zeilen : QStringList());
        }
        QVERIFY(datei.Lesen("DEU", "LV", "RECHCONF", "LPNEU", "1"));
        QCOMPARE(datei.Wert(QStringLiteral("cmbetikettendruck.text")), QStringLiteral("Fragen"));
        QCOMPARE(datei.Wert(QStringLiteral("a")), QStringLiteral("b=c"));
        QCOMPARE(datei.Wert(QStringLiteral("fehlt")), QString());

        // Storing again replaces the body.
        QVERIFY(datei.Schreiben("DEU", "LV", "RECHCONF", "LPNEU", "1", {QStringLiteral("x=1")}));
        QVERIFY(datei.Lesen("DEU", "LV", "RECHCONF", "LPNEU", "1"));
        QCOMPARE(datei.Inhalt(), QStringList{QStringLiteral("x=1")});
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_maskfile")), 2);
        datei.Schliessen();
        QVERIFY(!datei.IstOffen() && datei.Inhalt().isEmpty());
    }

    // The terminal's number: the terminal table's, the same after a restart, another for another
    // identification.
    void terminalnummer_data() { ZAM_MotorenDaten(); }
    void terminalnummer()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        Db().Schreiben(QStringLiteral("INSERT INTO zam_terminal (kennung, nummer) VALUES ('ANDERES', 1)"));
        const int nr = ZAMProgramm().GetRId();
        QCOMPARE(nr, 2);
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT nummer FROM zam_terminal WHERE kennung = ?"),
                            {ZAMProgramm().TerminalID()}),
                 nr);
        FUmg->Neustart();
        QCOMPARE(ZAMProgramm().GetRId(), nr);
    }

    // One job per layout in the order the layouts come, each label as often as its count and the
    // settings ask; a layout that is missing prints nothing at all.
    void etikettendrucker_data() { ZAM_MotorenDaten(); }
    void etikettendrucker()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        TA::Anlegen(Db());
        TZAM_DruckSql::EtikettLayout_Anlegen(Db(), {QStringLiteral("Standard"), 60, 40, true, true});
        TZAM_DruckSql::EtikettLayout_Anlegen(Db(), {QStringLiteral("Klein"), 40, 25, false, false});
        TZAM_DruckerKonfigSql::Anlegen(Db(), {CZAM_DruckerTyp_Etiketten, QStringLiteral("PDF")});
        const QString layout = QStringLiteral("UPDATE zam_artikel SET etiketten_layout = ? WHERE prod_id2 = ?");
        Db().Schreiben(layout, {QStringLiteral("Standard"), TA::A(TA::Schuh).Id().Id2});
        Db().Schreiben(layout, {QStringLiteral("Klein"), TA::A(TA::Flasche).Id().Id2});
        Db().Schreiben(layout, {QStringLiteral("Fehlt"), TA::A(TA::Hemd).Id().Id2});

        const QList<TEinzelEtikettInfo> etiketten{Info(TA::Schuh, {{1, 2}}), Info(TA::Flasche, {{0, 1}}, 2),
                                                  Info(TA::Schuh, {{3, 1}}), Info(TA::Hemd, {})};
        TQIV_EtikDruck_Settings s;
        s.Kopien = 5;
        s.Init();
        QCOMPARE(s.Kopien, 1);
        TQIV_EtikDrucker drucker;
        QVERIFY(drucker.Execute(QString(), etiketten, s));
        QCOMPARE(Auftraege(), (QStringList{"PDF/3", "PDF/2"}));
        s.Kopien = 2;
        QVERIFY(drucker.Execute(QStringLiteral("pdf"), etiketten.mid(1, 1), s));
        QCOMPARE(Auftraege().mid(2), (QStringList{"pdf/4"}));
        s.NurPruefen = true;
        QVERIFY(drucker.Execute(QString(), etiketten, s));
        QCOMPARE(Auftraege().size(), 3);

        s.Init();
        QVERIFY(!drucker.Execute(QString(), {Info(TA::Hemd, {}), Info(TA::Schuh, {{1, 0}})}, s));
        QCOMPARE(Fehler([&] {
                     drucker.Execute(QString(), {Info(TA::Schuh, {{1, 1}}), Info(TA::Hemd, {{1, 1}})}, s);
                 }),
                 CZAM_Info_Lager_EtikettVorlageFehlt);
        TEinzelEtikettInfo unbekannt = Info(TA::Schuh, {{1, 1}});
        unbekannt.ProduktId = TInt32Trio(7, 999, 0);
        QCOMPARE(Fehler([&] {
                     drucker.Execute(QString(), {Info(TA::Schuh, {{1, 1}}), unbekannt}, s);
                 }),
                 CZAM_Info_Fehler_Datei_Lesen);
        QCOMPARE(Auftraege().size(), 3);
    }
};

QTEST_MAIN(TestAuftrFilListe)
#include "tst_auftrfilliste.moc"
