// The handheld goods receipt on the demo site: which places a receipt takes, articles counted per
// branch and size through the branch choice, the numeric keys, deleting rows, the label question
// of a posting, the reservation mode's automatic place and the colours of rows that failed.
#include "TDM_Torvik.h"
#include "TQIV_MDEBildschirmText.h"
#include "TState_Filialauswahl.h"
#include "TState_Wareneingang.h"
#include "TVRList.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestHandgeraet.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"
#include "ZAMLagerKonstanten.h"
#include "ZAMUtils.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
const TInt32Trio CSchuh{1, 100001, 0}, CTrikot{1, 100002, 0};
const TIntTrio CA0101{1, 1, 1}, CB0201{1, 2, 1}, CSperr{2, 5, 1}, CS0101{3, 1, 1};
} // namespace

class TestWareneingangState : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;
    std::unique_ptr<TfrmMDE> FMaske;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    TQIV_ZPMDE_Datentraeger& D() { return FMaske->Datentraeger_Get(); }
    TState_Wareneingang* WE()
    {
        return static_cast<TState_Wareneingang*>(FMaske->GiveState(StateKlasse<TState_Wareneingang>()));
    }
    void Starten(TZAM_TestUmgebung::TMotor AMotor, bool AReservierung = false)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        FUmg->DemoAnlegen();
        FUmg->ParameterSetzen(QStringLiteral("PWSCHUTZ"), QStringLiteral("N"));
        if (AReservierung) {
            FUmg->ParameterSetzen(QStringLiteral("WEMode_Param"), QStringLiteral("2"));
            FUmg->ParameterSetzen(QStringLiteral("RESAUFKUBELP"), QStringLiteral("J"));
        }
        ZAM_HandgeraetOeffnen(FDM, FMaske);
        ZAMInfo().GezeigteMeldungenHolen();
    }
    void Oeffnen()
    {
        FMaske->FModus = CZPMDEM_Wareneingang;
        FMaske->ChangeState<TState_Wareneingang>();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Wareneingang"));
    }
    void Scan(const QString& AText)
    {
        TZAM_UmgesetztUArtikelScanDaten d;
        FMaske->AktState()->Gescannt(AText, d);
    }
    void Artikel(const TInt32Trio& AProdukt, int AGrInd)
    {
        TZAM_UmgesetztUArtikelScanDaten d;
        d.Umgesetzt = tsTrue;
        d.ArtikelScanDaten.ProduktId = AProdukt;
        d.ArtikelScanDaten.GroessenIndex = TZAM_Intv100_IndErw(AGrInd);
        FMaske->AktState()->Gescannt(QStringLiteral("x"), d);
    }
    // An article scanned and its branch chosen.
    void ArtikelFuer(const TInt32Trio& AProdukt, int AGrInd, int AFiliale)
    {
        Artikel(AProdukt, AGrInd);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Filialauswahl"));
        for (int i = 0; i < FMaske->btnmButtons->Count(); ++i)
            if (FMaske->btnmButtons->Item(i).Tag == AFiliale) {
                emit FMaske->btnmButtons->ButtonClick(i);
                QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Wareneingang"));
                return;
            }
        QFAIL("kein Knopf der Filiale");
    }
    QString Tip(bool* AWarnung = nullptr)
    {
        bool lang = false, warnung = false;
        const QString t = FMaske->FussTipLesen(lang, warnung);
        if (AWarnung)
            *AWarnung = warnung;
        return t;
    }
    // The rows as "name|size|branch|quantity", article rows indented by two blanks.
    QStringList Zeilen()
    {
        QStringList l;
        const TVRList* liste = WE()->Liste();
        for (int z = 0; liste && z < liste->GetRowCount(); ++z) {
            l << QStringLiteral("%1|%2").arg(liste->GetCellValueAsString(z, 0)).arg(liste->GetCellValueAsInteger(z, 8));
            const TVRList* k = liste->GetRowChild(z);
            for (int c = 0; k && c < k->GetRowCount(); ++c)
                l << QStringLiteral("  %1|%2|%3|%4")
                         .arg(k->GetCellValueAsString(c, 0), k->GetCellValueAsString(c, 4),
                              k->GetCellValueAsString(c, 6))
                         .arg(k->GetCellValueAsInteger(c, 8));
        }
        return l;
    }
    bool Frage() { return FMaske->pnlSicherheitsAbfrage->isVisible(); }
    QString FrageText() { return FMaske->findChild<QLabel*>(QStringLiteral("lblSicherheitsAbfrage"))->text(); }
    void Antwort(const char* AKnopf) { FMaske->findChild<QPushButton*>(QString::fromLatin1(AKnopf))->click(); }
    void Waehlen(const TVTVRKnoten& AKnoten) { FMaske->vtVRList->SetFocusedNode(AKnoten); }
    void Tippen(const QString& AZiffern)
    {
        for (QChar c : AZiffern)
            FMaske->AktState()->NummernBlockEingabe(c.digitValue());
    }

private Q_SLOTS:
    void cleanup()
    {
        FMaske.reset();
        FDM.reset();
        FUmg.reset();
    }

    // Each place as the first scan of a receipt: taken (a place row, the header) or refused with
    // its footer; a container changes nothing and says nothing.
    void lagerplaetze_data() { ZAM_MotorenDaten(); }
    void lagerplaetze()
    {
        ZAM_MOTOR(m);
        struct TFall
        {
            TIntTrio Ort;
            QStringList Zeilen;
            QString Kopf;
            QString Tip;
            bool Warnung;
        };
        const QString leer = QStringLiteral("Bitte scannen Sie den Lagerplatz!");
        const TFall faelle[] = {
            {CA0101, {"A-01-01|0"}, "Wareneingang", "Bitte scannen Sie die Artikel für A-01-01!", false},
            {CSperr, {"SPERR-01|0"}, "Wareneingang + blocken", "Bitte scannen Sie die Artikel für SPERR-01!", false},
            {{2, 7, 1}, {"BVORB-01|0"}, "Wareneingang", "Bitte scannen Sie die Artikel für BVORB-01!", false},
            {TrioAusPair(CZAM_Lagerverwaltung_Halle, 1),
             {},
             "Wareneingang",
             "Auf die Halle kann kein Wareneingang gebucht werden!",
             true},
            {TrioAusPair(CZAM_Lagerverwaltung_DefaultKube, 1),
             {},
             "Wareneingang",
             "Kein Wareneingang auf den Default-KUBE-Lagerplatz möglich!",
             true},
            {TrioAusPair(CZAM_Lagerverwaltung_DefaultWEFR, 1),
             {},
             "Wareneingang",
             "Kein Wareneingang auf den Default-WEFR-Lagerplatz möglich!",
             true},
            {{2, 1, 1}, {}, "Wareneingang", "Kein Wareneingang auf Lagerplätze aus der Warenannahme möglich!", true},
            {{2, 2, 1}, {}, "Wareneingang", "Kein Wareneingang auf Versandbereitstellungen möglich!", true},
            {{2, 3, 1}, {}, "Wareneingang", "Kein Wareneingang auf Lagerplätze für Filialaustäusche möglich!", true},
            {{2, 4, 1}, {}, "Wareneingang", "Kein Wareneingang auf Kunden-Versandbereitstellungen möglich!", true},
            {{2, 6, 1}, {}, "Wareneingang", "Kein Wareneingang auf Lagerplätze für Warenbearbeitung möglich!", true},
            {{1, 3, 4}, {}, "Wareneingang", "C-03-04 ist Gesperrt!", true},
            {{5, 0, 1}, {}, "Wareneingang", leer, false},
        };
        Starten(m);
        for (const TFall& f : faelle) {
            Oeffnen();
            Scan(ZAM_Barcode(f.Ort));
            const QString name = f.Ort.ToText();
            bool warnung = false;
            QCOMPARE(Tip(&warnung), f.Tip);
            QVERIFY2(warnung == f.Warnung, qPrintable(name));
            QCOMPARE(Zeilen(), f.Zeilen);
            QCOMPARE(FMaske->HeaderCaption_Get(), f.Kopf);
            QCOMPARE(WE()->LagerplatzID().Defined(), !f.Zeilen.isEmpty());
            FMaske->AktState()->btnZurueckClick();
            if (Frage())
                Antwort("btnJa");
            QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Menue"));
        }
        // A second place is refused; the first stays.
        Oeffnen();
        Scan(ZAM_Barcode(CA0101));
        Scan(ZAM_Barcode(CB0201));
        QVERIFY(FMaske->WarnungAktiv());
        QCOMPARE(Zeilen(), QStringList{"A-01-01|0"});
        QCOMPARE(WE()->LagerplatzID(), CA0101);
    }

    // Articles per branch and size: the same again adds to its row, another branch makes a row of
    // its own at the top; the place row counts them all. The dump shows the tree.
    void artikelJeFiliale_data() { ZAM_MotorenDaten(); }
    void artikelJeFiliale()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Oeffnen();
        Scan(ZAM_Barcode(CA0101));
        Artikel(CSchuh, 3);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Filialauswahl"));
        QCOMPARE(FMaske->HeaderCaption_Get(), QStringLiteral("Filialauswahl"));
        QCOMPARE(Tip(), QStringLiteral("Bitte wählen Sie die Filiale, in die Ware hineingebucht werden soll."));
        QStringList knoepfe;
        for (int i = 0; i < FMaske->btnmButtons->Count(); ++i)
            knoepfe << FMaske->btnmButtons->Item(i).LeftCaption + u'|' +
                           QString::number(FMaske->btnmButtons->Item(i).Tag);
        QCOMPARE(knoepfe.first(), QStringLiteral("&1 - Zentrallager Nord|1"));
        QVERIFY(knoepfe.contains(QStringLiteral("&12 - Filiale Altstadt|12")));
        QCOMPARE(knoepfe.size(), FDM->GetAktLagerFilialen().size());
        for (int i = 0; i < FMaske->btnmButtons->Count(); ++i)
            if (FMaske->btnmButtons->Item(i).Tag == 12)
                emit FMaske->btnmButtons->ButtonClick(i);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Wareneingang"));
        QCOMPARE(Zeilen(), (QStringList{"A-01-01|1", "  300101|EU 42|12|1"}));
        ArtikelFuer(CSchuh, 3, 12);
        ArtikelFuer(CSchuh, 3, 14);
        ArtikelFuer(CSchuh, 4, 14);
        QCOMPARE(Zeilen(),
                 (QStringList{"A-01-01|4", "  300101|EU 43|14|1", "  300101|EU 42|14|1", "  300101|EU 42|12|2"}));
        QCOMPARE(D().Wareneingang.LagerplatzID, CA0101);
        QVERIFY(!D().Wareneingang.Produkt_Id.Defined());
        QVERIFY(!D().Filialauswahl.UrsprungsState);

        QStringList dump;
        QVERIFY(TQIV_MDEBildschirmText::Zeilen(FMaske.get(), dump, false));
        const QString text = dump.join(u'\n');
        QVERIFY2(
            text.contains(QStringLiteral("  Zeile (normal): A-01-01 |  |  | 4\n    Zeile (normal): 300101 | EU 43 | "
                                         "14 | 1\n    Zeile (normal): 300101 | EU 42 | 14 | 1")),
            qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Kopf: Wareneingang")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Knöpfe: Zurück, Buchen, Artikelnummer-Handeingabe")), qPrintable(text));
    }

    // Digits and Backspace act on article rows only; a typed quantity never passes 99999.
    void tasten_data() { ZAM_MotorenDaten(); }
    void tasten()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Oeffnen();
        Scan(ZAM_Barcode(CA0101));
        ArtikelFuer(CSchuh, 3, 12);
        ArtikelFuer(CSchuh, 3, 12);
        struct TSchritt
        {
            TVTVRKnoten Knoten;
            QString Eingabe; // digits, "<" Backspace
            int Menge;       // of the article row
            int Summe;       // of the place row
            bool Warnung;
        };
        const TSchritt schritte[] = {
            {{0, -1}, "<", 2, 2, false}, // the place row: nothing
            {{0, -1}, "7", 2, 2, false},
            {{0, 0}, "<", 1, 1, false}, // not typed: one less
            {{0, 0}, "3", 3, 3, false}, // the first digit replaces
            {{0, 0}, "5", 35, 35, false},
            {{0, 0}, "<", 3, 3, false}, // typed: the last digit goes
            {{0, 0}, "9999", 39999, 39999, false},
            {{0, 0}, "9", 39999, 39999, true}, // 399999 is refused
            {{0, 0}, "000000", 39999, 39999, true},
        };
        for (const TSchritt& s : schritte) {
            FMaske->Warnung_Ruecksetzen();
            Waehlen(s.Knoten);
            for (QChar c : s.Eingabe)
                if (c == u'<')
                    FMaske->AktState()->KeyBackSpace();
                else
                    Tippen(c);
            QCOMPARE(WE()->Liste()->GetRowChild(0)->GetCellValueAsInteger(0, 8), s.Menge);
            QCOMPARE(WE()->Liste()->GetCellValueAsInteger(0, 8), s.Summe);
            QCOMPARE(FMaske->WarnungAktiv(), s.Warnung);
        }
        // Ten digits from a fresh row: the value never passes the limit.
        ArtikelFuer(CTrikot, 1, 12);
        Waehlen({0, 0});
        Tippen(QStringLiteral("1234567890"));
        const int menge = WE()->Liste()->GetRowChild(0)->GetCellValueAsInteger(0, 8);
        QCOMPARE(menge, 12345);
        QVERIFY(FMaske->WarnungAktiv());
    }

    // A row of one piece goes without a question, one of two asks; the place row ends the receipt.
    void loeschen_data() { ZAM_MotorenDaten(); }
    void loeschen()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Oeffnen();
        Scan(ZAM_Barcode(CA0101));
        ArtikelFuer(CSchuh, 3, 12);
        ArtikelFuer(CSchuh, 4, 12);
        ArtikelFuer(CSchuh, 4, 12);
        QCOMPARE(Zeilen(), (QStringList{"A-01-01|3", "  300101|EU 43|12|2", "  300101|EU 42|12|1"}));
        Waehlen({0, 1});
        FMaske->AktState()->ZeileLoeschenClick();
        QVERIFY(!Frage());
        QCOMPARE(Zeilen(), (QStringList{"A-01-01|2", "  300101|EU 43|12|2"}));
        Waehlen({0, 0});
        FMaske->AktState()->ZeileLoeschenClick();
        QVERIFY(Frage());
        QCOMPARE(FrageText(), QStringLiteral("Wollen Sie Artikel 300101 in Größe EU 43 von A-01-01 entfernen?"));
        Antwort("btnNein");
        QCOMPARE(Zeilen(), (QStringList{"A-01-01|2", "  300101|EU 43|12|2"}));
        FMaske->AktState()->ZeileLoeschenClick();
        Antwort("btnJa");
        QCOMPARE(Zeilen(), QStringList{"A-01-01|0"});
        Waehlen({0, -1});
        FMaske->AktState()->ZeileLoeschenClick();
        QCOMPARE(FrageText(), QStringLiteral("Sind Sie sicher, dass Sie diese Wareneingang abbrechen wollen?"));
        Antwort("btnJa");
        QCOMPARE(Zeilen(), QStringList{});
        QVERIFY(!WE()->LagerplatzID().Defined());
        QCOMPARE(Tip(), QStringLiteral("Bitte scannen Sie den Lagerplatz!"));
    }

    // Articles that cannot be counted: without size (a typed article number), without a place row
    // selected, the branch choice left with back. None changes the list.
    void nichtGezaehlt_data() { ZAM_MotorenDaten(); }
    void nichtGezaehlt()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Oeffnen();
        Artikel(CSchuh, 3); // no place yet
        QVERIFY(FMaske->WarnungAktiv());
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Wareneingang"));
        Scan(ZAM_Barcode(CA0101));
        bool warnung = false;
        Artikel(CSchuh, CZAM_Intv100_OhneGroesse);
        QCOMPARE(Tip(&warnung), TState_Wareneingang::CTextOhneGroesse);
        QVERIFY(warnung);
        Scan(QStringLiteral("300101")); // our article number: the article without size
        QCOMPARE(Tip(&warnung), TState_Wareneingang::CTextOhneGroesse);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Wareneingang"));
        Artikel(CSchuh, 3);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Filialauswahl"));
        FMaske->AktState()->btnZurueckClick();
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Wareneingang"));
        QCOMPARE(Zeilen(), QStringList{"A-01-01|0"});
        QCOMPARE(D().Wareneingang.FilNr, qint16(0));
        QVERIFY(!D().Wareneingang.Produkt_Id.Defined());
        QCOMPARE(D().Wareneingang.GrInd0, quint8(255));
        // The list survived the branch choice: the next article is counted below the same place.
        ArtikelFuer(CSchuh, 3, 14);
        QCOMPARE(Zeilen(), (QStringList{"A-01-01|1", "  300101|EU 42|14|1"}));
    }

    // A warehouse of one branch (warehouse 2, branch 30) takes it without the choice.
    void eineFiliale_data() { ZAM_MotorenDaten(); }
    void eineFiliale()
    {
        ZAM_MOTOR(m);
        Starten(m);
        FMaske->FOptionen.Allgemein.AktLager = 2;
        FMaske->LagerAnwenden();
        QCOMPARE(FDM->GetAktLagerFilialen(), QList<int>{30});
        Oeffnen();
        Scan(ZAM_Barcode(CS0101));
        Artikel(CTrikot, 2);
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Wareneingang"));
        Artikel(CTrikot, 2);
        QCOMPARE(Zeilen(), (QStringList{"S-01-01|2", "  300102|Konfektion S|30|2"}));
    }

    // "Fragen" asks for labels once per posting attempt, after the posting question.
    void etikettenFrage_data() { ZAM_MotorenDaten(); }
    void etikettenFrage()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Oeffnen();
        FMaske->AktState()->btnBuchenClick(); // without a place: nothing
        QVERIFY(!Frage());
        Scan(ZAM_Barcode(CA0101));
        ArtikelFuer(CSchuh, 3, 12);
        QString einstellung;
        QVERIFY(FDM->WEmitMDE_Konfig(einstellung));
        QCOMPARE(einstellung, QStringLiteral("Fragen"));
        const QString etikettenFrage =
            ZAMInfo().Meldungstext({"LAGER", 1205}).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        for (const char* antwort : {"btnNein", "btnJa"}) {
            FMaske->AktState()->btnBuchenClick();
            QCOMPARE(FrageText(), QStringLiteral("Wollen Sie die Wareneingang wirklich buchen?"));
            Antwort(antwort);
            if (QByteArray(antwort) == "btnNein") {
                QVERIFY(!Frage());
                continue;
            }
            QCOMPARE(FrageText(), etikettenFrage);
            Antwort("btnJa");
            QVERIFY2(!Frage(), qPrintable(FrageText()));
        }
        // Posted: the receipt starts afresh.
        QCOMPARE(Zeilen(), QStringList{});
        QVERIFY(!D().Wareneingang.LagerplatzID.Defined());
    }

    // In branch-reservation mode the receipt starts on the automatic place; back without articles
    // asks nothing.
    void reservierung_data() { ZAM_MotorenDaten(); }
    void reservierung()
    {
        ZAM_MOTOR(m);
        Starten(m, true);
        Oeffnen();
        QCOMPARE(Zeilen(), QStringList{"Autom.-Lagerpl.|0"});
        QCOMPARE(WE()->LagerplatzID(), TrioAusPair(CZAM_Lagerverwaltung_DefaultWERE, 1));
        QCOMPARE(Tip(), QStringLiteral("Bitte scannen Sie die Artikel für Autom.-Lagerpl.!"));
        Scan(ZAM_Barcode(CA0101));
        QVERIFY(FMaske->WarnungAktiv());
        ArtikelFuer(CSchuh, 3, 12);
        QCOMPARE(Zeilen(), (QStringList{"Autom.-Lagerpl.|1", "  300101|EU 42|12|1"}));
        FMaske->AktState()->btnZurueckClick();
        QVERIFY(Frage());
        Antwort("btnNein");
        Waehlen({0, 0});
        FMaske->AktState()->ZeileLoeschenClick();
        FMaske->AktState()->btnZurueckClick();
        QVERIFY(!Frage());
        QCOMPARE(FMaske->AktStateName(), QStringLiteral("TState_Menue"));
    }

    // Rows with a posting error are marked, alternating by the count of marked rows in their own
    // list; the row's click shows the reason.
    void markierteZeilen_data() { ZAM_MotorenDaten(); }
    void markierteZeilen()
    {
        ZAM_MOTOR(m);
        Starten(m);
        Oeffnen();
        Scan(ZAM_Barcode(CA0101));
        for (int g : {1, 2, 3, 4})
            ArtikelFuer(CSchuh, g, 12);
        // As the rebuild after a refused posting leaves them (sizes 43 and 41 refused).
        auto* kinder = const_cast<TVRList*>(WE()->Liste()->GetRowChild(0));
        kinder->SetCellValueAsString(0, 11, QStringLiteral("gesperrt"));
        kinder->SetCellValueAsString(2, 11, QStringLiteral("gesperrt"));
        const QColor normal;
        const QColor erste(255, 220, 220), zweite(255, 170, 170), gelb(255, 255, 191);
        QCOMPARE(FMaske->ZeilenFarbe(*kinder, 0, 1), erste);
        QCOMPARE(FMaske->ZeilenFarbe(*kinder, 1, 1), gelb);
        QCOMPARE(FMaske->ZeilenFarbe(*kinder, 2, 1), zweite);
        QCOMPARE(FMaske->ZeilenFarbe(*kinder, 3, 1), gelb);
        QCOMPARE(FMaske->ZeilenFarbe(*WE()->Liste(), 0, 0), normal);
        QStringList dump;
        QVERIFY(TQIV_MDEBildschirmText::Zeilen(FMaske.get(), dump, false));
        QVERIFY2(dump.contains(QStringLiteral("    Zeile (markiert): 300101 | EU 43 | 12 | 1")),
                 qPrintable(dump.join(u'\n')));
        FMaske->AktState()->vtVRListColumnNodeClick(0, {0, 2});
        QCOMPARE(FrageText(), QStringLiteral("300101, Gr. EU 41:\ngesperrt"));
    }
};

QTEST_MAIN(TestWareneingangState)
#include "tst_wareneingangstate.moc"
