#include "TZAM_Backend.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "TZAM_BuchungService.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DemoSite.h"
#include "TZAM_DienstRegistrierung.h"
#include "TZAM_InfoService.h"
#include "TZAM_Migrationen.h"
#include "TZAM_ParameterService.h"
#include "TZAM_ProgrammService.h"
#include "TZAM_Schema.h"
#include "TZAM_SperrService.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

namespace {
TZAM_Backend* GInstanz = nullptr;

QString ProtokollDatei(const TZAM_IniDatei& AIni)
{
    const QString datei = AIni.Wert(QStringLiteral("Protokoll"), QStringLiteral("Datei"));
    if (!datei.isEmpty())
        return datei;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("zam-protokoll.log"));
}

// Every stored time the program reads is a local time, which the C library converts with the
// zone; without TZ it looks up /etc/localtime again on every conversion (a task count of
// thousands of rows spent a third of its time there). TZ naming that same file lets it read the
// zone once. A TZ set by the site stays as it is.
void ZeitzoneEinmalLesen()
{
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
}
} // namespace

TZAM_Backend::TZAM_Backend(const TOptionen& AOptionen)
    : FOptionen(AOptionen),
      FIni(AOptionen.IniPfad.isEmpty() ? TZAM_IniDatei::PfadErmitteln(AOptionen.Argumente, &FIniBenannt)
                                       : AOptionen.IniPfad)
{
    if (!AOptionen.IniPfad.isEmpty())
        FIniBenannt = true;
    ZeitzoneEinmalLesen();
    const QString terminal = FIni.Wert(QStringLiteral("Terminal"), QStringLiteral("ID"), QSysInfo::machineHostName());
    FInfo = std::make_unique<TZAM_InfoService>(ProtokollDatei(FIni), terminal);
    if (FOptionen.MeldungenOhneFenster)
        FInfo->SetAutoAntwort(mrOk);
    FProgramm = std::make_unique<TZAM_ProgrammService>(*this, FOptionen.Argumente);
    GInstanz = this;
    Installieren();
}

TZAM_Backend::~TZAM_Backend()
{
    ZAMDienste_Setzen({});
    Glob_WWSServerFactoryClass().Leeren();
    Glob_ServerFactoryClass().Leeren();
    FSperren.reset(); // releases the own locks and ends the session
    FBuchung.reset(); // rolls an open bracket back
    FParameter.reset();
    FDb.reset();
    FProgramm.reset();
    FInfo.reset();
    if (GInstanz == this)
        GInstanz = nullptr;
}

TZAM_Backend* TZAM_Backend::Instanz() { return GInstanz; }

QString TZAM_Backend::DemoDatei()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("demo.sqlite"));
}

void TZAM_Backend::DatenbankOeffnen()
{
    if (FDb)
        return;
    // Only the default location may be missing: a named file that cannot be read must not
    // silently open the demo database instead of the site's server.
    if (FIniBenannt && !FIni.Vorhanden())
        throw EZAM_Exception(CZAM_Info_Fehler_Datei_Lesen, FIni.Pfad());
    const bool konfiguriert = TZAM_DBKonfig::IstKonfiguriert(FIni);
    TZAM_DBKonfig konfig = TZAM_DBKonfig::AusIni(FIni);
    if (!konfiguriert) {
        konfig = TZAM_DBKonfig();
        konfig.Datei = DemoDatei();
    }
    const QString terminal = FProgramm->TerminalID();
    auto db = std::make_unique<TZAM_Datenbank>(konfig, QStringLiteral("zam_daten"));
    db->Oeffnen();
    TZAM_Migrationen::Anwenden(*db, QStringLiteral("daten"), TZAM_Schema::Daten());

    auto parameter = std::make_unique<TZAM_ParameterService>(*db, FIni);
    if (!konfiguriert)
        TZAM_DemoSite::Aktualisieren(*db, *parameter);

    TZAM_SperrService::TEinstellungen einst;
    einst.TimeoutSekunden = FOptionen.SperrTimeoutSekunden;
    einst.HerzschlagMs = FOptionen.HerzschlagMs;
    einst.MitHerzschlag = FOptionen.MitHerzschlag;
    einst.Maschine = FOptionen.SperrMaschine;
    einst.Pid = FOptionen.SperrPid;
    einst.UhrVersatzSekunden = FOptionen.UhrVersatzSekunden;
    einst.ElternSitzung = qEnvironmentVariable("ZAM_ELTERN_SITZUNG").toLongLong();
    FSperren = std::make_unique<TZAM_SperrService>(konfig, terminal, einst);
    FBuchung = std::make_unique<TZAM_BuchungService>(*db, terminal);
    FParameter = std::move(parameter);
    FDb = std::move(db);
    Installieren();
    TZAM_DienstRegistrierung::Registrieren();
}

bool TZAM_Backend::DatenbankOffen() const { return FDb != nullptr; }

TZAM_Datenbank& TZAM_Backend::Datenbank()
{
    if (!FDb)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("Datenbank"));
    return *FDb;
}

TZAM_ParameterService& TZAM_Backend::Parameter()
{
    Datenbank();
    return *FParameter;
}

TZAM_SperrService& TZAM_Backend::Sperren()
{
    Datenbank();
    return *FSperren;
}

TZAM_BuchungService& TZAM_Backend::Buchung()
{
    Datenbank();
    return *FBuchung;
}

void TZAM_Backend::Installieren()
{
    TZAM_Dienste d;
    d.Info = FInfo.get();
    d.Programm = FProgramm.get();
    d.Parameter = FParameter.get();
    d.Lock = FSperren.get();
    d.Buchung = FBuchung.get();
    ZAMDienste_Setzen(d);
}
