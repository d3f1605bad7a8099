#include "TZAM_SperrService.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Herzschlag.h"
#include "TZAM_Migrationen.h"
#include "TZAM_Schema.h"
#include "ZAMInfoKoords.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <cerrno>
#include <csignal>

namespace {

const QString CAbsort = QStringLiteral("ABSORT");

bool ProzessLebt(qint64 APid)
{
    if (APid <= 0)
        return false;
    return ::kill(pid_t(APid), 0) == 0 || errno == EPERM;
}

QString GPArt(const QString& AArt) { return QStringLiteral("GP:") + AArt; }

} // namespace

TZAM_SperrService::TZAM_SperrService(const TZAM_DBKonfig& AKonfig, const QString& ATerminal,
                                     const TEinstellungen& AEinstellungen)
    : FDb(std::make_unique<TZAM_Datenbank>(AKonfig.FuerSperren(), QStringLiteral("zam_sperren_%1").arg(quintptr(this)))),
      FEinst(AEinstellungen), FHost(QSysInfo::machineHostName())
{
    FDb->Oeffnen();
    TZAM_Migrationen::Anwenden(*FDb, QStringLiteral("sperren"), TZAM_Schema::Sperren());
    const TZAM_Zeilen z = FDb->SchreibenMitErgebnis(
        FDb->Sql(QStringLiteral("INSERT INTO zam_sitzung (host, pid, terminal, eltern, gestartet, herzschlag) "
                                "VALUES (?, ?, ?, ?, {JETZT}, {JETZT}) RETURNING id")),
        {FHost, QCoreApplication::applicationPid(), ATerminal,
         FEinst.ElternSitzung > 0 ? QVariant(FEinst.ElternSitzung) : QVariant()});
    FSitzung = z.Wert(0, 0).toLongLong();
    if (FEinst.MitHerzschlag) {
        FHerzschlag = std::make_unique<TZAM_Herzschlag>(AKonfig.FuerSperren(), FSitzung, FEinst.HerzschlagMs);
        FHerzschlag->start();
    }
}

TZAM_SperrService::~TZAM_SperrService() { Beenden(); }

void TZAM_SperrService::Beenden() noexcept
{
    if (FHerzschlag) {
        FHerzschlag->Anhalten();
        FHerzschlag.reset();
    }
    if (FSitzung == 0)
        return;
    try {
        FDb->Schreiben(QStringLiteral("DELETE FROM zam_sperre WHERE sitzung = ?"), {FSitzung});
        FDb->Schreiben(QStringLiteral("DELETE FROM zam_sitzung WHERE id = ?"), {FSitzung});
    } catch (...) {
        // The session row stays behind; other programs see it dead after the timeout.
    }
    FSitzung = 0;
    FDb->Schliessen();
}

void TZAM_SperrService::SetBenutzer(const TIntPair& ABenutzer, const QString& AName)
{
    FBenutzer = ABenutzer;
    FBenutzerName = AName;
    FDb->Schreiben(QStringLiteral("UPDATE zam_sitzung SET benutzer = ?, benutzer_name = ? WHERE id = ?"),
                   {ABenutzer.ToTextUnformatted(9), AName, FSitzung});
}

QList<TZAM_SperrService::THalter> TZAM_SperrService::Halter(const QString& AArt, const QString& ASchluessel,
                                                            bool APraefix)
{
    const QString bedingung = APraefix ? QStringLiteral("s.art = ? AND substr(s.schluessel, 1, ?) = ?")
                                       : QStringLiteral("s.art = ? AND s.schluessel = ?");
    const QVariantList werte = APraefix ? QVariantList{AArt, int(ASchluessel.size()), ASchluessel}
                                        : QVariantList{AArt, ASchluessel};
    const TZAM_Zeilen z = FDb->Lesen(
        FDb->Sql(QStringLiteral("SELECT s.sitzung, s.benutzer, s.benutzer_name, z.id, z.host, z.pid, z.eltern, "
                                "z.herzschlag, {JETZT} FROM zam_sperre s LEFT JOIN zam_sitzung z ON z.id = s.sitzung "
                                "WHERE ") + bedingung + QStringLiteral(" ORDER BY s.seit, s.sitzung")),
        werte);
    QList<THalter> halter;
    for (int i = 0; i < z.Anzahl(); ++i) {
        THalter h;
        h.Sitzung = z.Wert(i, 0).toLongLong();
        h.Benutzer = z.Wert(i, 1).toString();
        h.Name = z.Wert(i, 2).toString();
        const qint64 eltern = z.Wert(i, 6).toLongLong();
        h.Eigen = h.Sitzung == FSitzung || (FEinst.ElternSitzung > 0 && h.Sitzung == FEinst.ElternSitzung) ||
                  eltern == FSitzung;
        const bool ohneSitzung = z.Wert(i, 3).isNull();
        const bool gleicherHost = z.Wert(i, 4).toString() == FHost;
        const qint64 alter = z.Wert(i, 8).toLongLong() - z.Wert(i, 7).toLongLong();
        h.Tot = !h.Eigen && (ohneSitzung || alter > FEinst.TimeoutSekunden ||
                             (gleicherHost && !ProzessLebt(z.Wert(i, 5).toLongLong())));
        halter << h;
    }
    return halter;
}

void TZAM_SperrService::ToteSitzungEntfernen(qint64 ASitzung)
{
    FDb->Schreiben(QStringLiteral("DELETE FROM zam_sperre WHERE sitzung = ?"), {ASitzung});
    FDb->Schreiben(QStringLiteral("DELETE FROM zam_sitzung WHERE id = ?"), {ASitzung});
}

QString TZAM_SperrService::HalterText(const THalter& AHalter)
{
    if (!AHalter.Name.isEmpty())
        return AHalter.Name;
    if (!AHalter.Benutzer.isEmpty() && !TIntPair::FromTextSecure(AHalter.Benutzer).IsNull())
        return AHalter.Benutzer;
    return QStringLiteral("Sitzung %1").arg(AHalter.Sitzung);
}

bool TZAM_SperrService::Sperren(const QString& AArt, const QString& ASchluessel, const QString& ABenutzer,
                                QString* AHalter)
{
    for (int versuch = 0; versuch < 3; ++versuch) {
        const int n = FDb->Schreiben(
            FDb->Sql(QStringLiteral("INSERT INTO zam_sperre (art, schluessel, sitzung, benutzer, benutzer_name, seit) "
                                    "VALUES (?, ?, ?, ?, ?, {JETZT}) ON CONFLICT DO NOTHING")),
            {AArt, ASchluessel, FSitzung, ABenutzer, FBenutzerName});
        if (n == 1)
            return true;
        const QList<THalter> halter = Halter(AArt, ASchluessel, false);
        if (halter.isEmpty())
            continue; // released in between
        const THalter& h = halter.first();
        if (h.Eigen)
            return true;
        if (!h.Tot) {
            if (AHalter)
                *AHalter = HalterText(h);
            return false;
        }
        ToteSitzungEntfernen(h.Sitzung);
    }
    if (AHalter)
        *AHalter = QString();
    return false;
}

bool TZAM_SperrService::LockObjekt(const QString& AArt, const QString& ASchluessel)
{
    return Sperren(AArt, ASchluessel, FBenutzer.ToTextUnformatted(9), nullptr);
}

void TZAM_SperrService::UnlockObjekt(const QString& AArt, const QString& ASchluessel, bool AAuchFremde,
                                     bool AMussGesperrtSein)
{
    int n = 0;
    if (AAuchFremde) {
        n = FDb->Schreiben(QStringLiteral("DELETE FROM zam_sperre WHERE art = ? AND schluessel = ?"), {AArt, ASchluessel});
    } else {
        n = FDb->Schreiben(QStringLiteral("DELETE FROM zam_sperre WHERE art = ? AND schluessel = ? AND (sitzung = ? "
                                          "OR sitzung = ? OR sitzung IN (SELECT id FROM zam_sitzung WHERE eltern = ?))"),
                           {AArt, ASchluessel, FSitzung, FEinst.ElternSitzung, FSitzung});
    }
    if (n == 0 && AMussGesperrtSein)
        throw EZAM_Exception(CZAM_Info_Fehler_Sperre, QStringLiteral("%1 %2 ist nicht gesperrt").arg(AArt, ASchluessel));
}

bool TZAM_SperrService::IsLockedOtherObjekt(const QString& AArt, const QString& ASchluessel, QString* AHalter)
{
    for (const THalter& h : Halter(AArt, ASchluessel, false)) {
        if (h.Eigen || h.Tot)
            continue;
        if (AHalter)
            *AHalter = HalterText(h);
        return true;
    }
    return false;
}

bool TZAM_SperrService::GPLockBeleg(const QString& AArt, const TIntPair& ABeleg, QString* AHalter)
{
    return Sperren(GPArt(AArt), ABeleg.ToTextUnformatted(9), FBenutzer.ToTextUnformatted(9), AHalter);
}

void TZAM_SperrService::GPUnlockBeleg(const QString& AArt, const TIntPair& ABeleg)
{
    UnlockObjekt(GPArt(AArt), ABeleg.ToTextUnformatted(9), false, false);
}

bool TZAM_SperrService::IsLockedOtherGPBeleg(const QString& AArt, const TIntPair& ABeleg, QString* AHalter)
{
    return IsLockedOtherObjekt(GPArt(AArt), ABeleg.ToTextUnformatted(9), AHalter);
}

QString TZAM_SperrService::AbsortPraefix(int AFiliale, const QString& ASchluessel)
{
    return QStringLiteral("%1|%2|").arg(AFiliale).arg(ASchluessel);
}

bool TZAM_SperrService::LockAbsort(int AFiliale, const QString& ASchluessel, const TIntPair& ABenutzer)
{
    // Shared: one row per holding session.
    const QString schluessel = AbsortPraefix(AFiliale, ASchluessel) + QString::number(FSitzung);
    return Sperren(CAbsort, schluessel, ABenutzer.ToTextUnformatted(9), nullptr);
}

void TZAM_SperrService::UnlockAbsort(int AFiliale, const QString& ASchluessel, const TIntPair& ABenutzer)
{
    FDb->Schreiben(QStringLiteral("DELETE FROM zam_sperre WHERE art = ? AND schluessel = ?"),
                   {CAbsort, AbsortPraefix(AFiliale, ASchluessel) + QString::number(FSitzung)});
}

bool TZAM_SperrService::IsLockedOtherAbsort(int AFiliale, const QString& ASchluessel, const TIntPair& ABenutzer,
                                            QList<TIntPair>* AHalter, QStringList* AHalterNamen)
{
    bool fremd = false;
    for (const THalter& h : Halter(CAbsort, AbsortPraefix(AFiliale, ASchluessel), true)) {
        if (h.Tot) {
            ToteSitzungEntfernen(h.Sitzung);
            continue;
        }
        if (h.Eigen)
            continue;
        fremd = true;
        if (AHalter)
            AHalter->append(TIntPair::FromTextSecure(h.Benutzer));
        if (AHalterNamen)
            AHalterNamen->append(HalterText(h));
    }
    return fremd;
}

void TZAM_SperrService::AlleEigenenFreigeben()
{
    FDb->Schreiben(QStringLiteral("DELETE FROM zam_sperre WHERE sitzung = ?"), {FSitzung});
}
