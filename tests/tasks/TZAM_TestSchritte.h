#pragma once

// The step states of a task row on a real screen: the stock tests' warehouse with a route over P1
// and P3, the re-sorting tasks for branch 11 loaded as the pick list does, the first row current.
#include "IZAM_AufgabenEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_Aufgaben_Suchkriterien_Options.h"
#include "TState_Aufgabe.h"
#include "TState_VonPlatzScan.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestAufgaben.h"
#include "TZAM_TestLager.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

struct TZAM_TestSchritte
{
    std::unique_ptr<TZAM_TestUmgebung> Umg;
    std::unique_ptr<TDM_Torvik> DM;
    std::unique_ptr<TfrmMDE> Maske;
    const TInt32Trio Schuh = TZAM_TestArtikel::A(TZAM_TestArtikel::Schuh).Id();
    static inline const TIntTrio Laufweg{1, 1, 1};

    TZAM_Datenbank& Db() { return Umg->Backend().Datenbank(); }
    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        Umg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        TZAM_TestArtikel::Anlegen(Db());
        TZAM_TestLager::Anlegen(Db());
        TZAM_TestLager::PickOrte(Db());
        Db().Schreiben(
            QStringLiteral("INSERT INTO zam_laufweg (id1, id2, id3, lager, name) VALUES (1, 1, 1, 1, 'Weg')"));
        int pos = 0;
        for (const TIntTrio& p : {TZAM_TestLager::P1, TZAM_TestLager::P3})
            Db().Schreiben(QStringLiteral("INSERT INTO zam_laufweg_platz (laufweg_id1, laufweg_id2, laufweg_id3, pos, "
                                          "lo_id1, lo_id2, lo_id3) VALUES (1, 1, 1, ?, ?, ?, ?)"),
                           {++pos, p.Id1, p.Id2, p.Id3});
        Umg->ParameterSetzen(QStringLiteral("PWSCHUTZ"), QStringLiteral("N"));
    }
    // The pick list of branch 11 with the picking container, its first row current, the source step.
    void Liste(const TQIV_ZPMDE_Nachsort_KomBeh& ABehaelter, int AModus = CZPMDEM_FilNachsort)
    {
        // No terminal options are stored: the screen opens on them, and the warehouse is set here.
        DM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog"), QStringLiteral("-mde")});
        Maske = std::make_unique<TfrmMDE>();
        Maske->show();
        QTRY_COMPARE(Maske->AktStateName(), QStringLiteral("TState_Optionen"));
        Maske->FOptionen.Allgemein.AktLager = 1;
        Maske->LagerAnwenden();
        Maske->FModus = TZPMDEModus_erw(AModus);
        TQIV_ZPMDE_Datentraeger& d = Maske->Datentraeger_Get();
        d.Nachsort.FilNummer = 11;
        d.Nachsort.LagNummer = 0;
        d.Nachsort.LaufwegID = Laufweg;
        d.Nachsort.KommBeh = ABehaelter;
        TQIV_Aufgaben_Suchkriterien_Options o;
        Aufgaben_Suchkriterien_Options_Init(o, CZAM_Filialnachsortierung);
        o.FilNr = 11;
        TZAM_Aufgaben_Suchkriterien k;
        Aufgaben_Suchkriterien_Get(o, k);
        IZAM_AufgabenEditServer* server = DM->AufgabenEditServer_GoC();
        QVERIFY(server->Aufgabenliste_Laden(k, false, true, false, true, true));
        d.Nachsort.AufgabenVRListe_Verweis = &server->AufgabenVRListe();
        TState_Aufgabe* a = Aufgabe();
        a->DoAufgabenListe_2_AufgabenLagerListe(-1);
        QVERIFY(a->ZeilenAnzahl() > 0);
        a->FAufgabenIdx = 0;
        a->FAktAufgId = a->GiveIntTrio(10);
        Maske->ChangeState<TState_VonPlatzScan>();
    }
    void Beenden()
    {
        Maske.reset();
        DM.reset();
        Umg.reset();
    }
    TState_Aufgabe* Aufgabe() { return static_cast<TState_Aufgabe*>(Maske->GiveState(StateKlasse<TState_Aufgabe>())); }
    TState_VonPlatzScan* VonPlatz()
    {
        return static_cast<TState_VonPlatzScan*>(Maske->GiveState(StateKlasse<TState_VonPlatzScan>()));
    }
    QString State() { return Maske->AktStateName(); }
    void Scan(const QString& AText)
    {
        TZAM_UmgesetztUArtikelScanDaten d;
        Maske->AktState()->Gescannt(AText, d);
    }
    void OrtScan(const TIntTrio& AOrt) { Scan(zam_TIntTrio2String(AOrt) + QStringLiteral("00000")); }
    void ArtikelScan(const TInt32Trio& AProdukt, int AGrInd)
    {
        TZAM_UmgesetztUArtikelScanDaten d;
        d.Umgesetzt = tsTrue;
        d.ArtikelScanDaten.ProduktId = AProdukt;
        d.ArtikelScanDaten.GroessenIndex = TZAM_Intv100_IndErw(AGrInd);
        Maske->AktState()->Gescannt(QStringLiteral("x"), d);
    }
    void Tippen(const QString& AZiffern)
    {
        for (QChar c : AZiffern)
            Maske->AktState()->NummernBlockEingabe(c.digitValue());
    }
    QString Tip()
    {
        bool lang = false, warnung = false;
        return Maske->FussTipLesen(lang, warnung);
    }
    bool Frage() { return Maske->pnlSicherheitsAbfrage->isVisible(); }
    QString FrageText() { return Maske->findChild<QLabel*>(QStringLiteral("lblSicherheitsAbfrage"))->text(); }
    void Klicken(const char* AName) { Maske->findChild<QPushButton*>(QString::fromLatin1(AName))->click(); }
    qint64 Wert(const QString& ASql, const QVariantList& AWerte = {})
    {
        return Db().LesenWert(ASql, AWerte).toLongLong();
    }
    qint64 Bestand(const TIntTrio& AOrt)
    {
        return Wert(QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_bestand WHERE lo_id1 = ? AND lo_id2 = ? "
                                   "AND lo_id3 = ?"),
                    {AOrt.Id1, AOrt.Id2, AOrt.Id3});
    }
    qint64 Erfuellt(int ANr)
    {
        return Wert(QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM zam_aufgabe_erfuellung WHERE auf_id1 = 1 AND "
                                   "auf_id2 = 1 AND auf_id3 = ?"),
                    {ANr});
    }
};
