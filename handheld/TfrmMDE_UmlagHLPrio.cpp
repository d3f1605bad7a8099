// Urgent sales-floor requests: the check timer, the question, and the second instance that
// works them off while this screen waits.
#include "TfrmMDE.h"

#include "TState_Aufgabe.h"

#include "EZAM_Exception.h"
#include "IZAM_AufgabenEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_ScanFeld.h"
#include "TZAM_GrundCache.h"
#include "TZAM_Hausregel.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>

namespace {

// Runs ABody under the program object's work guard; nothing when another work runs.
void UnterWache(const void* AOwner, const char* AName, const std::function<void()>& ABody)
{
    if (!ZAMProgramm().WorkStartTry(AOwner, QString::fromLatin1(AName), 5))
        return;
    TZAM_Hausregel::OhneBusy(AName, ABody);
    ZAMProgramm().WorkDone(AOwner);
}

// Starts the program again and waits for its end with the event loop running.
bool KindStarten(const QString& AProgramm, const QStringList& AArgumente, const QProcessEnvironment& AUmgebung,
                 QString& AFehler)
{
    QProcess kind;
    kind.setProgram(AProgramm);
    kind.setArguments(AArgumente);
    kind.setProcessEnvironment(AUmgebung);
    kind.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop warten;
    QObject::connect(&kind, &QProcess::finished, &warten, &QEventLoop::quit);
    QObject::connect(&kind, &QProcess::errorOccurred, &warten, [&](QProcess::ProcessError AFehlerArt) {
        if (AFehlerArt == QProcess::FailedToStart)
            warten.quit();
    });
    kind.start();
    if (!kind.waitForStarted(10000)) {
        AFehler = kind.errorString();
        return false;
    }
    if (kind.state() != QProcess::NotRunning)
        warten.exec();
    return true;
}

} // namespace

TfrmMDE::TKindStarter& TfrmMDE::UmlagHLPrio_KindStarter()
{
    static TKindStarter GStarter = KindStarten;
    return GStarter;
}

int TfrmMDE::UmlagHLPrio_Aufschub(int AIntervallMs, quint32 AMinSek, quint32 AMaxSek)
{
    const qint64 min = qint64(AMinSek) * 1000, max = qint64(AMaxSek) * 1000;
    if (AIntervallMs >= max)
        return int(max);
    return int(std::min(std::max(qint64(AIntervallMs) * 2, min), max));
}

void TfrmMDE::PrioTimerEinstellenUndStarten()
{
    // The second instance works the requests off; it never starts one of its own.
    if (FUmlagHLPrioLaeuft || (DM_Torvik && DM_Torvik->FUmlagHLPrioModus))
        return;
    tiUmlagHLPrio->stop();
    tiUmlagHLPrio->setInterval(int(std::min<quint32>(FOptionen.UmlagHL.PrioTimerIntervall, 2147483) * 1000));
    if (tiUmlagHLPrio->interval() != 0)
        tiUmlagHLPrio->start();
}

void TfrmMDE::tiUmlagHLPrioTimer()
{
    tiUmlagHLPrio->stop();
    FUmlagHLPrioLaeuft = true;
    bool gefragt = false;
    UnterWache(tiUmlagHLPrio, "TfrmMDE.tiUmlagHLPrioTimer", [&] {
        if (DialogOffen() || !DM_Torvik)
            return;
        // Without urgent reasons nothing is urgent: no additional ids would take every task.
        TIntTrioList gruende;
        if (!DM_Torvik->AlleHLAnfoGrundIdsErmitteln(agsKeine, tsTrue, gruende))
            return;
        IZAM_AufgabenEditServer* server = DM_Torvik->AufgabenEditServer_Temp_GoC();
        if (!server)
            return;
        TZAM_Aufgaben_Suchkriterien k;
        k.Arten = ZAMSetBit(CZAM_Aufgabe_Art_Handlager);
        k.Geschaeftsvorfaelle = ZAMSetBit(CZAM_Aufgabe_GV_Handlager);
        k.Status = CZAM_Aufgabe_Status_Standard;
        k.Lager = DM_Torvik->FAktLager;
        k.ZusatzIds = gruende;
        if (!server->AufgabenVorhanden(k))
            return;
        gefragt = true;
        UmlagHLPrio_Fragen(gruende);
    });
    if (!gefragt)
        UmlagHLPrio_TimerWeiter();
}

void TfrmMDE::UmlagHLPrio_TimerWeiter()
{
    FUmlagHLPrioLaeuft = false;
    if (tiUmlagHLPrio->interval() != 0)
        tiUmlagHLPrio->start();
}

void TfrmMDE::UmlagHLPrio_Fragen(const TIntTrioList& AGruende)
{
    DM_Torvik->PlayHintSound(QStringLiteral("MAILBEEP"));
    QString zeilen;
    TZAM_GrundCache* cache = DM_Torvik->HLAnfoGrundCache_GoC();
    for (const TIntTrio& g : AGruende)
        zeilen += QStringLiteral("- ") + (cache ? cache->Bezeichnung(g) : g.ToText()) + QStringLiteral("\r\n");
    const QString text = QStringLiteral("Es gibt eilige\r\nVerkaufsraumanforderungen:\r\n%1\r\nWollen Sie diese jetzt "
                                        "bearbeiten?")
                             .arg(zeilen);
    TQIV_SicherheitsAbfrage_Options o = TQIV_SicherheitsAbfrage_Options::Kurz(text, [this](TZAM_TriState_Enum A, bool) {
        TZAM_Hausregel::OhneBusy("TfrmMDE.UmlagHLPrio_FragenCallback", [&] {
            if (A == tsFalse) {
                tiUmlagHLPrio->setInterval(UmlagHLPrio_Aufschub(tiUmlagHLPrio->interval(),
                                                                FOptionen.UmlagHL.PrioAufschiebenMin,
                                                                FOptionen.UmlagHL.PrioAufschiebenMax));
                UmlagHLPrio_TimerWeiter();
                return;
            }
            tiUmlagHLPrio->setInterval(int(FOptionen.UmlagHL.PrioTimerIntervall * 1000));
            if (!FDatenTraeger.UmlagerungHandlager.MerkLagerortBez.isEmpty())
                UmlagHLPrio_Starten();
            else
                UmlagHLPrio_LagerplatzFragen();
        });
    });
    o.FontSize = std::max(8, 17 - int(AGruende.size()));
    SicherheitsAbfrageAn(o);
}

void TfrmMDE::UmlagHLPrio_LagerplatzFragen()
{
    edtScannFeld->clear();
    TQIV_Meldung_Options o = TQIV_Meldung_Options::Kurz(
        QStringLiteral("Bitte scannen Sie\r\neinen Lagerplatz\r\nin der Nähe Ihres Wagens.\r\n\r\n(um diesen besser "
                       "wiederzufinden zu können)"),
        false, [this](TZAM_TriState_Enum, bool) {
            TZAM_Hausregel::OhneBusy("TfrmMDE.UmlagHLPrio_LagerplatzCallback", [&] {
                const QString scan = edtScannFeld->text().trimmed();
                edtScannFeld->clear();
                if (scan.isEmpty()) {
                    FDatenTraeger.UmlagerungHandlager.MerkLagerortBez.clear();
                    UmlagHLPrio_Starten();
                    return;
                }
                TZAM_Lagerort_Info info;
                if (!DM_Torvik->Lagerplatz_Behaelter_umsetzen(scan, info, TQIV_Umsetzen_Optionen())) {
                    UmlagHLPrio_LagerplatzFragen();
                    return;
                }
                FDatenTraeger.UmlagerungHandlager.MerkLagerortBez = info.Name;
                UmlagHLPrio_Starten();
            });
        });
    o.CaptionOK = QStringLiteral("Nein danke.");
    o.IgnoreScan = istNeinMitCallback;
    o.IgnoreBusy = true; // the scan answers it from inside the scan handler
    MeldungAn(o);
}

void TfrmMDE::UmlagHLPrio_Starten()
{
    tiUmlagHLPrio->stop();
    QString fehler;
    bool gestartet = false;
    UnterWache(this, "TfrmMDE.UmlagHLPrio_Starten", [&] {
        QStringList argumente{QStringLiteral("-mde"), QStringLiteral("-UmlagHLPrio")};
        const TIntPair benutzer = DM_Torvik->FBenutzer;
        if (IntPairDefined(benutzer))
            argumente << QStringLiteral("USEREXTERN=") + benutzer.ToTextUnformatted(9);
        // The same ini file; never the script, which drives this instance only. The child gets a
        // script of its own when one is named for it (end-to-end runs, replays).
        const QStringList eigene = QCoreApplication::arguments();
        const qsizetype ini = eigene.indexOf(QStringLiteral("--ini"));
        if (ini > 0 && ini + 1 < eigene.size())
            argumente << eigene.at(ini) << eigene.at(ini + 1);
        const qsizetype kind = eigene.indexOf(QStringLiteral("--kindskript"));
        if (kind > 0 && kind + 1 < eigene.size())
            argumente << QStringLiteral("--script") << eigene.at(kind + 1);
        // The parent waits: no idle end (it would free the locks the child works under), no input.
        const int leerlauf = ZAMProgramm().GetAutoTerminate();
        ZAMProgramm().SetAutoTerminate(0);
        FFormShowUeberspringen = true;
        setEnabled(false);
        showMinimized();
        gestartet = UmlagHLPrio_KindStarter()(QCoreApplication::applicationFilePath(), argumente,
                                              ZAMProgramm().KindUmgebung(), fehler);
        showNormal();
        setEnabled(true);
        activateWindow();
        FFormShowUeberspringen = false;
        ZAMProgramm().SetAutoTerminate(leerlauf);
        ZAMProgramm().PreventAutoTermination();
    });
    const QString ort = FDatenTraeger.UmlagerungHandlager.MerkLagerortBez;
    QString text;
    if (!gestartet)
        text = QStringLiteral("Die eiligen Verkaufsraumanforderungen\r\nkonnten nicht gestartet werden:\r\n") + fehler;
    else if (!ort.isEmpty())
        text = QStringLiteral("Alle eiligen\r\nVerkaufsraumanforderungen\r\nwurden bearbeitet.\r\n\r\nIhr Wagen "
                              "steht\r\nin der Nähe von\r\n%1")
                   .arg(ort);
    else
        text = QStringLiteral("Alle eiligen\r\nVerkaufsraumanforderungen\r\nwurden bearbeitet.\r\n\r\nEs wird "
                              "jetzt\r\nzum vorherigen Programmpunkt\r\nzurückgewechselt.");
    TQIV_Meldung_Options o = TQIV_Meldung_Options::Kurz(text);
    o.FontSize = 14;
    MeldungAn(o);
    UmlagHLPrio_TimerWeiter();
}

void TfrmMDE::UmlagHLPrio_Ausfuehren()
{
    static_cast<TState_Aufgabe*>(GiveState(StateKlasse<TState_Aufgabe>()))->UmlagHLPrio_Ausfuehren();
}
