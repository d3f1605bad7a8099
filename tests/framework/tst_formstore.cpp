// The form store component with its events and default set, and the key/value routines of its
// lists; against an in-memory store service.
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "TZAMFormStore.h"
#include "ZAMFormStoreListe.h"
#include "ZAMInfoKoords.h"

#include <QMap>
#include <QTest>

namespace {

struct TStoreDaten
{
    QMap<QString, QStringList> Saetze; // form|key|index -> lines
    QStringList Protokoll;
    QString LetzterName;
};

QString Ablage(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AIndex)
{
    return QStringList{AForm.Maske, AForm.Programm, AForm.Sprache, ASchluessel, AIndex}.join(u'|');
}

class TFakeFormStore : public IZAM_FormStoreServer
{
public:
    explicit TFakeFormStore(TStoreDaten& ADaten) : D(ADaten) {}
    bool Vorhanden(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AIndex) override
    {
        return D.Saetze.contains(Ablage(AForm, ASchluessel, AIndex));
    }
    QStringList Lesen(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AIndex) override
    {
        D.Protokoll << QStringLiteral("Lesen");
        return D.Saetze.value(Ablage(AForm, ASchluessel, AIndex));
    }
    void Schreiben(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AName, const QString& AIndex,
                   const QStringList& AZeilen) override
    {
        D.Protokoll << QStringLiteral("Schreiben");
        D.LetzterName = AName;
        D.Saetze[Ablage(AForm, ASchluessel, AIndex)] = AZeilen;
    }

private:
    TStoreDaten& D;
};

TZAM_FormName MdeOptionen()
{
    return {QStringLiteral("CONFMDE"), QStringLiteral("VELTOB"), QStringLiteral("DEU")};
}

} // namespace

class TestFormStore : public QObject
{
    Q_OBJECT

    TStoreDaten FDaten;

    // A store set up as the handheld options use it.
    void Einrichten(TZAMFormStore& AStore, QStringList& AListe)
    {
        AStore.SetFormName(MdeOptionen());
        AStore.SetIndexName(QStringLiteral("0"));
        AStore.SetGespeicherteListe(&AListe);
    }

private Q_SLOTS:
    void init()
    {
        FDaten = TStoreDaten();
        Glob_WWSServerFactoryClass().Leeren();
        Glob_WWSServerFactoryClass().Registrieren<IZAM_FormStoreServer>(
            [this] { return std::make_unique<TFakeFormStore>(FDaten); });
    }
    void cleanupTestCase() { Glob_WWSServerFactoryClass().Leeren(); }

    void restoreErsetztDieListeVorDemEreignis()
    {
        FDaten.Saetze[Ablage(MdeOptionen(), QStringLiteral("T1"), QStringLiteral("0"))] = {
            QStringLiteral("DruckerWBS=Laser"), QStringLiteral("Praefix=F11")};
        TZAMFormStore store;
        QStringList liste{QStringLiteral("alt=1")};
        Einrichten(store, liste);
        QString gesehen;
        QObject* sender = nullptr;
        store.OnRestoreEnd = [&](QObject* ASender) {
            sender = ASender;
            FormStoreStringListAuslesen(liste, QStringLiteral("DruckerWBS"), gesehen);
        };

        store.Restore(QStringLiteral("T1"), QStringLiteral("0"));
        QCOMPARE(gesehen, QStringLiteral("Laser"));
        QCOMPARE(sender, &store);
        QCOMPARE(liste, QStringList({QStringLiteral("DruckerWBS=Laser"), QStringLiteral("Praefix=F11")}));

        // Nothing stored: the list ends empty, the owner still hears of it.
        int ereignisse = 0;
        store.OnRestoreEnd = [&](QObject*) { ++ereignisse; };
        store.Restore(QStringLiteral("T2"), QStringLiteral("0"));
        QVERIFY(liste.isEmpty());
        QCOMPARE(ereignisse, 1);
    }

    void storeFragtDenEigentuemerVorDemSchreiben()
    {
        TZAMFormStore store;
        QStringList liste;
        Einrichten(store, liste);
        store.OnStoreStart = [&](QObject* ASender) {
            QCOMPARE(ASender, &store);
            FDaten.Protokoll << QStringLiteral("StoreStart");
            FormStoreStringListItemAdd(liste, QStringLiteral("AktLager"), 3);
        };

        store.Store(QStringLiteral("T1"), QStringLiteral("Optionen"), QStringLiteral("0"));
        QCOMPARE(FDaten.Protokoll, QStringList({QStringLiteral("StoreStart"), QStringLiteral("Schreiben")}));
        QCOMPARE(FDaten.LetzterName, QStringLiteral("Optionen"));
        QCOMPARE(FDaten.Saetze.value(Ablage(MdeOptionen(), QStringLiteral("T1"), QStringLiteral("0"))),
                 QStringList({QStringLiteral("AktLager=3")}));
    }

    void vorhandenJeSchluesselIndexUndMaske()
    {
        TZAMFormStore store;
        QStringList liste{QStringLiteral("a=1")};
        Einrichten(store, liste);
        QVERIFY(!store.Vorhanden(QStringLiteral("T1"), QStringLiteral("0")));
        store.Store(QStringLiteral("T1"), QString(), QStringLiteral("0"));
        QVERIFY(store.Vorhanden(QStringLiteral("T1"), QStringLiteral("0")));
        QVERIFY(!store.Vorhanden(QStringLiteral("T2"), QStringLiteral("0")));
        QVERIFY(!store.Vorhanden(QStringLiteral("T1"), QStringLiteral("1")));

        TZAMFormStore terminal;
        QStringList andere;
        Einrichten(terminal, andere);
        terminal.FormName().Maske = QStringLiteral("CONFIG");
        QVERIFY(!terminal.Vorhanden(QStringLiteral("T1"), QStringLiteral("0")));
    }

    void standardSatzFuerTerminalsOhneEintrag()
    {
        TZAMFormStore store;
        QStringList liste{QStringLiteral("Praefix=F12")};
        Einrichten(store, liste);
        QVERIFY(!store.StandardVorhanden());
        store.StoreStandard(QStringLiteral("Standard"));
        QVERIFY(store.StandardVorhanden());
        QVERIFY(store.Vorhanden(CZAM_FormStore_Standard, QStringLiteral("0")));
        QVERIFY(!store.Vorhanden(QStringLiteral("T9"), QStringLiteral("0")));

        // A second component (another run) reads the default set back.
        TZAMFormStore neu;
        QStringList gelesen;
        Einrichten(neu, gelesen);
        bool geladen = false;
        neu.OnRestoreEnd = [&](QObject*) { geladen = true; };
        neu.RestoreStandard();
        QVERIFY(geladen);
        QCOMPARE(gelesen, QStringList({QStringLiteral("Praefix=F12")}));
    }

    void fehlerOhneListeOderDienst()
    {
        TZAMFormStore store;
        store.SetFormName(MdeOptionen());
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, store.Restore(QStringLiteral("T1"), QStringLiteral("0")));
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, store.Store(QStringLiteral("T1"), QString(), QStringLiteral("0")));
        QVERIFY(FDaten.Protokoll.isEmpty());

        // A form may hold a store while the service is missing; only its use fails.
        Glob_WWSServerFactoryClass().Leeren();
        TZAMFormStore ohneDienst;
        try {
            ohneDienst.Vorhanden(QStringLiteral("T1"), QStringLiteral("0"));
            QFAIL("kein Fehler ohne Dienst");
        } catch (const EZAM_Exception& e) {
            QCOMPARE(e.Koord(), CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar);
        }
    }

    void schluesselWerteTexte()
    {
        QStringList l;
        FormStoreStringListItemAdd(l, QStringLiteral("DruckerWBS"), QStringLiteral("\\\\srv\\a=b=c"));
        FormStoreStringListItemAdd(l, QStringLiteral("Leer"), QString());
        FormStoreStringListItemAdd(l, QStringLiteral("Fenster"), QStringLiteral("480"));
        QCOMPARE(l.first(), QStringLiteral("DruckerWBS=\\\\srv\\a=b=c"));

        QString s;
        QVERIFY(FormStoreStringListAuslesen(l, QStringLiteral("DruckerWBS"), s));
        QCOMPARE(s, QStringLiteral("\\\\srv\\a=b=c"));
        QVERIFY(FormStoreStringListAuslesen(l, QStringLiteral("druckerwbs"), s));
        QCOMPARE(s, QStringLiteral("\\\\srv\\a=b=c"));
        s = QStringLiteral("bleibt");
        QVERIFY(FormStoreStringListAuslesen(l, QStringLiteral("Leer"), s));
        QCOMPARE(s, QString());

        // Only whole keys count: neither a prefix nor a longer key matches.
        s = QStringLiteral("bleibt");
        QVERIFY(!FormStoreStringListAuslesen(l, QStringLiteral("Drucker"), s));
        QVERIFY(!FormStoreStringListAuslesen(l, QStringLiteral("FensterBreite"), s));
        QVERIFY(!FormStoreStringListAuslesen(l, QStringLiteral("Fehlt"), s));
        QCOMPARE(s, QStringLiteral("bleibt"));
    }

    void schluesselWerteZahlen()
    {
        QStringList l;
        FormStoreStringListItemAdd(l, QStringLiteral("Fenster"), 480);
        FormStoreStringListItemAdd(l, QStringLiteral("Negativ"), -5);
        FormStoreStringListItemAdd(l, QStringLiteral("Text"), QStringLiteral("abc"));
        FormStoreStringListItemAdd(l, QStringLiteral("fenster"), 800);
        QCOMPARE(l.size(), 3);
        QCOMPARE(FormStoreStringListAuslesen(l, QStringLiteral("Fenster"), 0), 800);
        QCOMPARE(FormStoreStringListAuslesen(l, QStringLiteral("Negativ"), 0), -5);
        QCOMPARE(FormStoreStringListAuslesen(l, QStringLiteral("Text"), 7), 7);
        QCOMPARE(FormStoreStringListAuslesen(l, QStringLiteral("Fehlt"), 42), 42);
    }
};

QTEST_MAIN(TestFormStore)
#include "tst_formstore.moc"
