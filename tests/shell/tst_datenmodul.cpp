// The data module: options and their lookup order, the warehouse context, the caches, and the
// conversion of the task search options.
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_FormStoreServer.h"
#include "TDM_Torvik.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TQIV_Aufgaben_Suchkriterien_Options.h"
#include "TZAMFormStore.h"
#include "TZAMWarteForm.h"
#include "TZAM_Klang.h"
#include "TZAM_InfoService.h"
#include "TZAM_LagerEditServerSql.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMFormStoreListe.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QApplication>
#include <QTest>

namespace {

// Warehouse groups as a test needs them; the rest of the site stays real.
struct TLagerStruktur
{
    QList<TZAM_Lagergruppe> Gruppen;
};
TLagerStruktur GStruktur;

class TTestLagerEditServer : public TZAM_LagerEditServerSql
{
public:
    TTestLagerEditServer() : TZAM_LagerEditServerSql(TZAM_Backend::Instanz()->Datenbank()) {}
    QList<TZAM_Lagergruppe> Lagergruppen() override { return GStruktur.Gruppen; }
    bool Lagergruppe(int ANummer, TZAM_Lagergruppe& AGruppe) override
    {
        for (const TZAM_Lagergruppe& g : GStruktur.Gruppen)
            if (g.Nummer == ANummer) {
                AGruppe = g;
                return true;
            }
        return false;
    }
};

const TZAM_FormName CConfig{QStringLiteral("CONFIG"), QStringLiteral("VELTOB"), QStringLiteral("DEU")};

} // namespace

class TestDatenmodul : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;

    void Struktur(const QList<TZAM_Lagergruppe>& AGruppen)
    {
        GStruktur.Gruppen = AGruppen;
        Glob_WWSServerFactoryClass().Registrieren<IZAM_LagerEditServer>(
            [] { return std::make_unique<TTestLagerEditServer>(); });
    }
    void Speichern(const QString& ASchluessel, const QStringList& AZeilen)
    {
        auto server = Glob_WWSServerFactoryClass().Create<IZAM_FormStoreServer>();
        server->Schreiben(CConfig, ASchluessel, QString(), QStringLiteral("0"), AZeilen);
    }

private Q_SLOTS:
    void init()
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmSQLite);
        FUmg->DemoAnlegen();
        // These cases start from a terminal without options: the demo's default set goes.
        Speichern(CZAM_FormStore_Standard, {});
        ZAMInfo().GezeigteMeldungenHolen();
    }
    void cleanup()
    {
        FUmg.reset();
        GStruktur = {};
    }

    void ohneGespeicherteOptionenDasEinzigeLager()
    {
        Struktur({{0, QStringLiteral("OhneLager"), {}}, {3, QStringLiteral("Nord"), {31}}});
        TDM_Torvik dm({QStringLiteral("prog")});
        QCOMPARE(dm.FOptionen.AktLager, 3);
        QCOMPARE(dm.FAktLager, 3);
        QCOMPARE(dm.FAktBewFiliale, qint16(31)); // the single branch books
        QCOMPARE(dm.GetAktLagerFilialen(), QList<int>{31});
        QCOMPARE(dm.FOptionen.SichtbareSpalten_KuBe.first(), 40);
        QCOMPARE(dm.FOptionen.Anzeige_Nachsort.Rechts3, 55);
        QCOMPARE(dm.FOptionen.Anzeige_KuBe.Links, 14);
        QVERIFY(dm.LagerExistiert_Und_IstEinFilialLager(3));
    }

    void zweiFilialenKeineBuchungsfiliale()
    {
        Struktur({{0, QStringLiteral("OhneLager"), {}}, {3, QStringLiteral("Nord"), {31, 32}}});
        TDM_Torvik dm({QStringLiteral("prog")});
        QCOMPARE(dm.FAktLager, 3);
        QCOMPARE(dm.FAktBewFiliale, qint16(-1));
        QCOMPARE(dm.GetAktLagerFilialen(), (QList<int>{31, 32}));
        QVERIFY(!dm.LagerExistiert_Und_IstEinFilialLager(3));
        // The branch-PC extension starts with the booking branch and follows it, its warehouse reset.
        QCOMPARE(dm.DMExtFilPC_GoC()->Filiale(), qint16(-1));
        dm.DMExtFilPC_GoC()->SetLager(3);
        dm.SetAktFiliale(32);
        QCOMPARE(dm.DMExtFilPC_GoC()->Filiale(), qint16(32));
        QCOMPARE(dm.DMExtFilPC_GoC()->Lager(), -1);
    }

    void zweiLaegerOhneWahlKeinLager()
    {
        Struktur({{0, QStringLiteral("OhneLager"), {}}, {3, QStringLiteral("Nord"), {31}}, {4, QStringLiteral("Süd"), {41}}});
        TDM_Torvik dm({QStringLiteral("prog")});
        QList<int> laeger;
        dm.LaegerHolen(laeger);
        QCOMPARE(laeger, (QList<int>{3, 4}));
        QCOMPARE(dm.FOptionen.AktLager, -1);
        QCOMPARE(dm.FAktBewFiliale, qint16(-1));
    }

    void suchreihenfolgeTerminalDannStandardDannRueckfall()
    {
        Struktur({{3, QStringLiteral("Nord"), {31}}, {4, QStringLiteral("Süd"), {41, 42}}});
        // The default set applies to a terminal without its own.
        Speichern(CZAM_FormStore_Standard, {QStringLiteral("AktFili=4"), QStringLiteral("BildNs=J")});
        {
            TDM_Torvik dm({QStringLiteral("prog")});
            QCOMPARE(dm.FAktLager, 4);
            QVERIFY(dm.FOptionen.MitBild_Nachsort);
            // Keys missing from a stored set keep the initial values, not the fallback.
            QVERIFY(dm.FOptionen.SichtbareSpalten_Nachsort.isEmpty());
            QCOMPARE(dm.FOptionen.Anzeige_Nachsort.Rechts3, CZAM_AufgabenListe_Spalte_Keine);
        }
        // This terminal's own set wins.
        Speichern(ZAMInfoTerminalID(), {QStringLiteral("AktFili=3"), QStringLiteral("KomBeh=N")});
        TDM_Torvik dm({QStringLiteral("prog")});
        QCOMPARE(dm.FAktLager, 3);
        QCOMPARE(dm.FAktBewFiliale, qint16(31));
        QVERIFY(!dm.FOptionen.KommissionierbehaelterBenutzern);
        QVERIFY(!dm.FOptionen.MitBild_Nachsort);
    }

    void speichernUndWiederLesen()
    {
        Struktur({{3, QStringLiteral("Nord"), {31}}, {7, QStringLiteral("West"), {71, 72}}});
        TDM_Torvik dm({QStringLiteral("prog")});
        QCOMPARE(dm.FOptionen.AktLager, -1); // two warehouses: none chosen yet
        TQIV_VELTOB_Optionen o = dm.FOptionen;
        o.AktLager = 7;
        o.SichtbareSpalten_Nachsort = {26, 11, 83};
        o.Anzeige_KuBe.Rechts5 = 19;
        o.EWAHandEingabeMandant = TIntPair(5, 6);
        o.DruckerWBS = QStringLiteral("Drucker 2");
        o.ZeitFuerWBS = 14;
        o.NurLPImLaufweg = true;
        QVERIFY(dm.Optionen_Uebernehmen_u_Buchen(o));
        // Storing switches the warehouse at once.
        QCOMPARE(dm.FAktLager, 7);
        QCOMPARE(dm.FAktBewFiliale, qint16(-1));
        QCOMPARE(dm.GetAktLagerFilialen(), (QList<int>{71, 72}));
        QString anzeige;
        QVERIFY(FormStoreStringListAuslesen(dm.strlvconfig(), QStringLiteral("AnzeKb"), anzeige));
        QVERIFY(anzeige.contains(QStringLiteral("5:") + CZAM_AufgabenListe_Spalte_2_Kuerzel(19)));

        TDM_Torvik neu({QStringLiteral("prog")});
        QCOMPARE(neu.FOptionen, o);
        QCOMPARE(neu.FAktLager, 7);
    }

    void anzeigeTexte()
    {
        TQIV_AnzeigeInfosNachsortfrm a;
        a.Rechts3 = 55;
        a.Rechts7 = 19;
        a.Links = 14;
        const QString text = TDM_Torvik::NachSortAnzInfo_2_String(a);
        QVERIFY(text.startsWith(QStringLiteral("3:")));
        QCOMPARE(text.count(QStringLiteral("#&")), 5);
        QVERIFY(text.contains(QStringLiteral("#&l:")));
        TQIV_AnzeigeInfosNachsortfrm b;
        TDM_Torvik::String_2_NachSortAnzInfo(text, b);
        QCOMPARE(b, a);
        QCOMPARE(TDM_Torvik::String_2_Spalten(TDM_Torvik::Spalten_2_String({40, 26, 0, 83})), (QList<int>{40, 26, 0, 83}));

        // A bad prefix raises the parameter error; the fields after it stay at none.
        TQIV_AnzeigeInfosNachsortfrm c;
        bool fehler = false;
        try {
            TDM_Torvik::String_2_NachSortAnzInfo(CZAM_AufgabenListe_Spalte_2_Kuerzel(55).prepend(QStringLiteral("3:")) +
                                                     QStringLiteral("#&9:x#&4:") + CZAM_AufgabenListe_Spalte_2_Kuerzel(16),
                                                 c);
        } catch (const EZAM_Exception& E) {
            fehler = E.Koord() == CZAM_Info_Fehler_Standard_IllegalerParameter &&
                     E.Methode() == QLatin1String("String_2_NachSortAnzInfo_Einzeln");
        }
        QVERIFY(fehler);
        QCOMPARE(c.Rechts3, 55);
        QCOMPARE(c.Rechts4, CZAM_AufgabenListe_Spalte_Keine);
    }

    void verdorbenerAnzeigetextVerliertDieAnderenOptionenNicht()
    {
        Struktur({{3, QStringLiteral("Nord"), {31}}, {4, QStringLiteral("Süd"), {41}}});
        Speichern(ZAMInfoTerminalID(), {QStringLiteral("AnzeNs=x:y"), QStringLiteral("AktFili=4")});
        TDM_Torvik dm({QStringLiteral("prog")});
        QCOMPARE(dm.FAktLager, 4);
        QCOMPARE(dm.FOptionen.Anzeige_Nachsort, TQIV_AnzeigeInfosNachsortfrm());
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen().size(), 1);
    }

    void teamsportPlusNachLagerwechselNeu()
    {
        // The demo's branch table: find a team-sport-plus branch and an ordinary one.
        int plus = -1, normal = -1;
        for (const TZAM_Filiale& f : Glob_WWSServerFactoryClass().Create<IZAM_FilialTabelle>()->Filialen())
            (f.TeamsportPlus ? plus : normal) = f.Nummer;
        QVERIFY(plus >= 0 && normal >= 0);
        Struktur({{5, QStringLiteral("Leer"), {}}, {6, QStringLiteral("Plus"), {plus}}, {8, QStringLiteral("Gemischt"), {plus, normal}}});
        TDM_Torvik dm({QStringLiteral("prog")});
        QVERIFY(dm.FilialeIstRezeVudazPlusFiliale(plus));
        QVERIFY(!dm.FilialeIstRezeVudazPlusFiliale(normal));
        QVERIFY(!dm.FilialeIstRezeVudazPlusFiliale(9999));
        dm.SetAktLager(5);
        dm.AktLagerFilialen_Aus_AktLager();
        QVERIFY(!dm.AktLagerIstRezeVudazPlusLager()); // no branches
        dm.SetAktLager(6);
        dm.AktLagerFilialen_Aus_AktLager();
        QVERIFY(dm.AktLagerIstRezeVudazPlusLager());
        dm.SetAktLager(8);
        dm.AktLagerFilialen_Aus_AktLager();
        QVERIFY(!dm.AktLagerIstRezeVudazPlusLager());
    }

    void nachbarnOrganisationBenutzerUndHilfen()
    {
        // The demo: warehouse 1 with branches 1, 12, 14, 17; 12-14, 17-21 and 14-25 adjacent.
        Speichern(ZAMInfoTerminalID(), {QStringLiteral("AktFili=1")});
        TDM_Torvik dm({QStringLiteral("prog")});
        QCOMPARE(dm.FAktLager, 1);
        QVERIFY(dm.FilialeBenachbartZuLager(21));
        QVERIFY(dm.FilialeBenachbartZuLager(25));
        QVERIFY(!dm.FilialeBenachbartZuLager(99));

        TZAM_Filiale f;
        QVERIFY(dm.FilialTabelle_GoC()->Filiale(14, f));
        QCOMPARE(dm.OrgeID2Filiale(f.OrgeId), 14);
        QCOMPARE(dm.OrgeID2Filiale(TOrgeIdKompl{TIntPair(9, 9), TIntPair(9, 9)}), -1);

        TGepData user;
        dm.UserDataByUserId(user, TIntPair(2, 1));
        QCOMPARE(user.Name, QStringLiteral("anna"));
        dm.UserDataByUserId(user, TIntPair(2, 99));
        QVERIFY(user.Name.isEmpty());

        QVERIFY(!dm.GetMandFuerEWA());
        FUmg->ParameterSetzen(QStringLiteral("WEMODE_PARAM"), QStringLiteral("5"));
        QVERIFY(!dm.GetMandFuerEWA()); // answered once per run
        QVERIFY(TDM_Torvik({QStringLiteral("prog")}).GetMandFuerEWA());

        TZAM_Klang::GespielteHolen();
        dm.PlayHintSound();
        dm.PlayHintSound(QStringLiteral("MAILBEEP"));
        QCOMPARE(TZAM_Klang::GespielteHolen(), (QStringList{QStringLiteral("SYSTEMEXCLAMATION"), QStringLiteral("MAILBEEP")}));

        QWidget form;
        dm.Wartemaske_Zeigen(&form, QStringLiteral("Aufgaben laden."), QStringLiteral("Einen Moment"));
        TZAMWarteForm* warte = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<TZAMWarteForm*>(w))
                warte = t;
        QVERIFY(warte && warte->isVisible());
        QCOMPARE(warte->Caption(), QStringLiteral("Aufgaben laden. Bitte warten ..."));
        QCOMPARE(warte->Text(), QStringLiteral("Einen Moment"));
        dm.Wartemaske_Verstecken(&form);
        QVERIFY(!warte->isVisible());
        dm.Wartemaske_Zeigen(&form, QString(), QStringLiteral(" "));
        QCOMPARE(warte->Caption(), QStringLiteral("Bitte warten ..."));
        QCOMPARE(warte->Text(), QStringLiteral("Einen Moment")); // a blank message keeps the text
        dm.Wartemaske_Verstecken(&form);
    }

    void kommandozeile()
    {
        QVERIFY(TDM_Torvik({QStringLiteral("p"), QStringLiteral("/mde")}).FMDEModus);
        QVERIFY(TDM_Torvik({QStringLiteral("p"), QStringLiteral("-MdE")}).FMDEModus);
        QVERIFY(!TDM_Torvik({QStringLiteral("p"), QStringLiteral("MDE")}).FMDEModus);
        QVERIFY(!TDM_Torvik({QStringLiteral("p"), QStringLiteral("-MDEX")}).FMDEModus);
        const TDM_Torvik prio({QStringLiteral("p"), QStringLiteral("-mde"), QStringLiteral("-umlaghlprio")});
        QVERIFY(prio.FMDEModus && prio.FUmlagHLPrioModus);
    }

    void suchkriterien()
    {
        Struktur({{1, QStringLiteral("Zentrallager"), {1, 12}}});
        TDM_Torvik dm({QStringLiteral("prog")});
        TQIV_Aufgaben_Suchkriterien_Options o;
        TZAM_Aufgaben_Suchkriterien k;

        Aufgaben_Suchkriterien_Options_Init(o, CZAM_Kundenbestellung);
        Aufgaben_Suchkriterien_Get(o, k);
        QCOMPARE(k.Arten, TZAM_Aufgabe_ArtSet(ZAMSetBit(1)));
        QCOMPARE(k.Lager, 1);
        QCOMPARE(k.ZielFiliale, qint16(-1));
        QCOMPARE(k.Status, TZAM_Aufgabe_StatusSet(20));
        QCOMPARE(k.Geschaeftsvorfaelle, CZAM_Aufgabe_Geschaeftsvorfall_Alle);
        QCOMPARE(k.ExtVerweisEinschluss, TZAM_ExtVerweis_KennungSet(10));
        QCOMPARE(k.ExtVerweisAusschluss, TZAM_ExtVerweis_KennungSet(0));
        QVERIFY(k.NurBezahlte); // the terminal option decides when the search leaves it open
        o.KubeNurBezahlte = tsFalse;
        Aufgaben_Suchkriterien_Get(o, k);
        QVERIFY(!k.NurBezahlte);

        Aufgaben_Suchkriterien_Options_Init(o, CZAM_Filialnachsortierung);
        o.GeschaeftsvorSet = 0;
        o.FilNr = 12;
        Aufgaben_Suchkriterien_Get(o, k);
        QCOMPARE(k.Geschaeftsvorfaelle, TZAM_Aufgabe_GeschaeftsvorfallSet(0x1ff & ~0x18));
        QCOMPARE(k.ExtVerweisAusschluss, TZAM_ExtVerweis_KennungSet(0));
        QCOMPARE(k.ZielFiliale, qint16(12));
        QVERIFY(!k.NurBezahlte);
        o.GeschaeftsvorSet = ZAMSetBit(0);
        Aufgaben_Suchkriterien_Get(o, k);
        QCOMPARE(k.ExtVerweisAusschluss, TZAM_ExtVerweis_KennungSet(10));

        Aufgaben_Suchkriterien_Options_Init(o, CZAM_Umlagerung_Handlager);
        o.GeschaeftsvorSet = 0;
        o.Herkunft = u'W';
        o.BuchFilNr = 4711; // unknown: restricts to nothing rather than to everything
        Aufgaben_Suchkriterien_Get(o, k);
        QCOMPARE(k.Arten, TZAM_Aufgabe_ArtSet(ZAMSetBit(8)));
        QCOMPARE(k.Geschaeftsvorfaelle, TZAM_Aufgabe_GeschaeftsvorfallSet(ZAMSetBit(8)));
        QCOMPARE(k.Herkuenfte, QSet<QChar>{u'W'});
        QCOMPARE(k.BuchFilialen.size(), 1);
        QVERIFY(k.BuchFilialen.first().IsNull());
    }
};

QTEST_MAIN(TestDatenmodul)
#include "tst_datenmodul.moc"
