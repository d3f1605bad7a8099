// Users, log-on with salted passwords, the shared current user, rights and employees.
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_GPListenServer.h"
#include "IZAM_RechteServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_GPListenServerSql.h"
#include "TZAM_RechteServerSql.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMInfoKoords.h"

#include <QTest>

namespace {
const TIntPair CAnna{2, 1};
const TIntPair CBernd{2, 2};
const TIntPair COhneMita{2, 3};
const TIntPair CMitaAnna{1, 1001};
const TIntPair CMitaBernd{1, 1002};
const TIntPair CMitaCarla{1, 1003};

std::unique_ptr<IZAM_RechteServer> Rechte()
{
    return Glob_WWSServerFactoryClass().Create<IZAM_RechteServer>();
}

} // namespace

class TestRechte : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        TZAM_RechteServerSql::BenutzerAnlegen(Db(), QStringLiteral("Anna"), QStringLiteral("anna1234"), CAnna,
                                              CMitaAnna);
        TZAM_RechteServerSql::BenutzerAnlegen(Db(), QStringLiteral("bernd"), QStringLiteral("anna1234"), CBernd,
                                              CMitaBernd);
        TZAM_RechteServerSql::BenutzerAnlegen(Db(), QStringLiteral("lager"), QStringLiteral("x"), COhneMita, {});
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void anmeldenMitRichtigemUndFalschemPasswort_data() { ZAM_MotorenDaten(); }
    void anmeldenMitRichtigemUndFalschemPasswort()
    {
        ZAM_MOTOR(m);
        Starten(m);
        auto r = Rechte();
        QVERIFY(r->AktBenutzer().IsNull());
        TIntPair b;
        QVERIFY(r->Anmelden(QStringLiteral("anna"), QStringLiteral("anna1234"), b));
        QCOMPARE(b, CAnna);
        QCOMPARE(r->AktBenutzer(), CAnna);

        // Wrong password, other letter case of the password, unknown name: refused, nothing changes.
        for (const auto& [name, pw] : {std::pair{QStringLiteral("bernd"), QStringLiteral("falsch")},
                                       std::pair{QStringLiteral("bernd"), QStringLiteral("ANNA1234")},
                                       std::pair{QStringLiteral("bernd"), QString()},
                                       std::pair{QStringLiteral("carla"), QStringLiteral("anna1234")},
                                       std::pair{QString(), QStringLiteral("anna1234")}}) {
            TIntPair x = CBernd;
            QVERIFY2(!r->Anmelden(name, pw, x), qPrintable(name + QLatin1Char('/') + pw));
            QVERIFY(x.IsNull());
            QCOMPARE(r->AktBenutzer(), CAnna);
        }
        // The name in any letter case; the same password under another user is that user.
        QVERIFY(r->Anmelden(QStringLiteral(" BERND "), QStringLiteral("anna1234"), b));
        QCOMPARE(b, CBernd);
        QCOMPARE(r->AktBenutzer(), CBernd);
        QCOMPARE(r->BenutzerName(CAnna), QStringLiteral("Anna"));
        QCOMPARE(r->BenutzerName({7, 7}), QString());

        // Empty name and password log on nobody.
        QVERIFY(r->Anmelden(QString(), QString(), b));
        QVERIFY(b.IsNull());
        QVERIFY(r->AktBenutzer().IsNull());

        // Log-on names are unique without letter case; a user needs a defined key.
        QCOMPARE(
            Fehler([&] {
                TZAM_RechteServerSql::BenutzerAnlegen(Db(), QStringLiteral("ANNA"), QStringLiteral("y"), {2, 9}, {});
            }),
            CZAM_Info_Fehler_DB_Anweisung);
        QCOMPARE(Fehler([&] {
                     TZAM_RechteServerSql::BenutzerAnlegen(Db(), QStringLiteral("neu"), QStringLiteral("y"), {}, {});
                 }),
                 CZAM_Info_Fehler_Standard_IllegalerParameter);
    }

    void passwortNichtImKlartext_data() { ZAM_MotorenDaten(); }
    void passwortNichtImKlartext()
    {
        ZAM_MOTOR(m);
        Starten(m);
        const TZAM_Zeilen z = Db().Lesen(QStringLiteral("SELECT * FROM zam_benutzer ORDER BY id2"));
        QCOMPARE(z.Anzahl(), 3);
        for (const QVariantList& zeile : z.Zeilen())
            for (const QVariant& w : zeile)
                QVERIFY(!w.toString().contains(QLatin1String("anna1234")));
        // Same password, different salt: the stored hashes differ.
        QVERIFY(z.Wert(0, QStringLiteral("hash")).toString() != z.Wert(1, QStringLiteral("hash")).toString());
        QVERIFY(z.Wert(0, QStringLiteral("salz")).toString() != z.Wert(1, QStringLiteral("salz")).toString());
        QVERIFY(z.Wert(0, QStringLiteral("hash")).toString().size() >= 64);
    }

    void aktuellerBenutzerGiltFuerJedeInstanz_data() { ZAM_MotorenDaten(); }
    void aktuellerBenutzerGiltFuerJedeInstanz()
    {
        ZAM_MOTOR(m);
        Starten(m);
        auto eins = Rechte();
        auto zwei = Rechte();
        TIntPair b;
        QVERIFY(eins->Anmelden(QStringLiteral("anna"), QStringLiteral("anna1234"), b));
        QCOMPARE(zwei->AktBenutzer(), CAnna);
        zwei->SetAktBenutzer(CBernd);
        QCOMPARE(eins->AktBenutzer(), CBernd);
        eins.reset();
        QCOMPARE(Rechte()->AktBenutzer(), CBernd); // outlives the instance that set it
        zwei->Abmelden();
        QVERIFY(Rechte()->AktBenutzer().IsNull());

        // A new program run starts without user.
        zwei->SetAktBenutzer(CAnna);
        zwei.reset();
        FUmg->Neustart();
        QVERIFY(Rechte()->AktBenutzer().IsNull());
    }

    void rechteGewaehrtFehlendUndOffen_data() { ZAM_MotorenDaten(); }
    void rechteGewaehrtFehlendUndOffen()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_RechteServerSql::RechteVergeben(Db(), CAnna, {380, 381, 482});
        TZAM_RechteServerSql::RechteVergeben(Db(), CAnna, {381}); // again: no duplicate, no error
        TZAM_RechteServerSql::RechteVergeben(Db(), CBernd, {385}, 2);
        TZAM_RechteServerSql::RechtFuerAlle(Db(), 900);
        auto r = Rechte();

        QVERIFY(r->RechtePruefen(CAnna, {380, 381}));
        QVERIFY(r->RechtePruefen(CAnna, {380, 381, 381}));
        QVERIFY(!r->RechtePruefen(CAnna, {380, 385}));
        QVERIFY(!r->RechtePruefen(CAnna, {385}));
        QVERIFY(r->RechtePruefen(CAnna, {380, 900}));
        QVERIFY(r->RechtePruefen(CAnna, {}));
        // A right of another function type does not count for execute, nor the reverse.
        QVERIFY(!r->RechtePruefen(CBernd, {385}));
        QVERIFY(r->RechtePruefen(CBernd, {385}, 2));
        QVERIFY(!r->RechtePruefen(CAnna, {380}, 2));
        // Another user gets only the open rights, and so does nobody.
        QVERIFY(!r->RechtePruefen(CBernd, {380}));
        QVERIFY(r->RechtePruefen(CBernd, {900}));
        QVERIFY(r->RechtePruefen(TIntPair(), {900}));
        QVERIFY(!r->RechtePruefen(TIntPair(), {900, 380}));
        QVERIFY(!r->RechtePruefen({9, 9}, {380}));
        // The check does not depend on who is current.
        r->SetAktBenutzer(CAnna);
        QVERIFY(!r->RechtePruefen(CBernd, {380}));
    }

    void benutzerUndMitarbeiter_data() { ZAM_MotorenDaten(); }
    void benutzerUndMitarbeiter()
    {
        ZAM_MOTOR(m);
        Starten(m);
        auto r = Rechte();
        QCOMPARE(r->BenutzerZuMitarbeiter(CMitaAnna), CAnna);
        QCOMPARE(r->BenutzerZuMitarbeiter(CMitaBernd), CBernd);
        QCOMPARE(r->MitarbeiterZuBenutzer(CAnna), CMitaAnna);
        // Employee without user, user without employee, unknown and empty keys.
        QVERIFY(r->BenutzerZuMitarbeiter(CMitaCarla).IsNull());
        QVERIFY(r->MitarbeiterZuBenutzer(COhneMita).IsNull());
        QVERIFY(r->MitarbeiterZuBenutzer({9, 9}).IsNull());
        QVERIFY(r->BenutzerZuMitarbeiter(TIntPair()).IsNull()); // not the user stored without employee
        QVERIFY(r->MitarbeiterZuBenutzer(TIntPair()).IsNull());
    }

    void demoBenutzer_data() { ZAM_MotorenDaten(); }
    void demoBenutzer()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();
        auto r = Rechte();
        TIntPair anna, bernd;
        QVERIFY(r->Anmelden(QStringLiteral("anna"), QStringLiteral("anna1234"), anna));
        QVERIFY(r->Anmelden(QStringLiteral("bernd"), QStringLiteral("bernd123"), bernd));
        TIntPair falsch;
        QVERIFY(!r->Anmelden(QStringLiteral("anna"), QStringLiteral("bernd123"), falsch));
        QVERIFY(r->RechtePruefen(anna, {380, 381, 382, 383, 384, 385, 482, 483}));
        QVERIFY(r->RechtePruefen(anna, {380, 452, 453})); // the shortfall booking of a pick
        QVERIFY(!r->RechtePruefen(bernd, {380}));
        QVERIFY(!r->RechtePruefen(bernd, {381}));

        auto gp = Glob_WWSServerFactoryClass().Create<IZAM_GPListenServer>();
        QCOMPARE(gp->Name(r->MitarbeiterZuBenutzer(anna)).section(QLatin1Char(' '), 0, 0), QStringLiteral("Anna"));
        const QList<TZAM_GPEintrag> carla = gp->Suchen(QStringLiteral("Carla Cordes"), gpaMitarbeiter);
        QCOMPARE(carla.size(), 1);
        QVERIFY(r->BenutzerZuMitarbeiter(carla.at(0).GepNr).IsNull());
    }
};

QTEST_MAIN(TestRechte)
#include "tst_rechte.moc"
