#include "TZAM_SperrService.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Herzschlag.h"
#include "TZAM_Migrationen.h"
#include "TZAM_Schema.h"
#include "ZAMInfoKoords.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <type_traits>
#include <unistd.h>

namespace {

const QString CAbsort = QStringLiteral("ABSORT");
const QString COhneHalter = QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM zam_sperre_halter h "
                                           "WHERE h.art = zam_sperre.art AND h.schluessel = zam_sperre.schluessel)");

bool ProzessLebt(qint64 APid)
{
    if (APid <= 0)
        return false;
    return ::kill(pid_t(APid), 0) == 0 || errno == EPERM;
}

// A pid names the same process only within one boot and one pid namespace; empty when unknown.
QString PidRaum()
{
    const QByteArray boot = QSysInfo::bootUniqueId();
    char ns[64] = {};
    const ssize_t n = ::readlink("/proc/self/ns/pid", ns, sizeof ns - 1);
    if (boot.isEmpty())
        return QString();
    return QString::fromLatin1(boot) + u'/' + QString::fromLatin1(ns, n > 0 ? int(n) : 0);
}

QString GPArt(const QString& AArt) { return QStringLiteral("GP:") + AArt; }

} // namespace

TZAM_SperrService::TZAM_SperrService(const TZAM_DBKonfig& AKonfig, const QString& ATerminal,
                                     const TEinstellungen& AEinstellungen)
    : FDb(std::make_unique<TZAM_Datenbank>(AKonfig.FuerSperren(), QStringLiteral("zam_sperren_%1").arg(quintptr(this)))),
      FEinst(AEinstellungen), FTerminal(ATerminal),
      FMaschine(AEinstellungen.Maschine.isEmpty() ? QString::fromLatin1(QSysInfo::machineUniqueId())
                                                  : AEinstellungen.Maschine),
      FBoot(PidRaum())
{
    FDb->Oeffnen();
    TZAM_Migrationen::Anwenden(*FDb, QStringLiteral("sperren"), TZAM_Schema::Sperren());
    SitzungOeffnen();
    FHerzschlag = std::make_unique<TZAM_Herzschlag>(FDb->Konfig(), FSitzung, FEinst.HerzschlagMs,
                                                    FEinst.UhrVersatzSekunden);
    if (FEinst.MitHerzschlag)
        FHerzschlag->start();
}

TZAM_SperrService::~TZAM_SperrService() { Beenden(); }

void TZAM_SperrService::SitzungOeffnen()
{
    // The family is named by its first session: the parent's, or this program's first one, which
    // it keeps after a lost session so that its urgent-request instance still belongs to it.
    const qint64 familie = FEinst.ElternSitzung > 0 ? FEinst.ElternSitzung : FFamilie;
    const TZAM_Zeilen z = FDb->SchreibenMitErgebnis(
        QStringLiteral("INSERT INTO zam_sitzung (host, maschine, boot, pid, terminal, eltern, benutzer, benutzer_name, "
                       "gestartet, herzschlag) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"),
        {QSysInfo::machineHostName(), FMaschine, FBoot, FEinst.Pid > 0 ? FEinst.Pid : QCoreApplication::applicationPid(),
         FTerminal, familie > 0 ? QVariant(familie) : QVariant(),
         FBenutzer.IsNull() ? QString() : FBenutzer.ToTextUnformatted(9), FBenutzerName, Jetzt(), Jetzt()});
    FSitzung = z.Wert(0, 0).toLongLong();
    FFamilie = familie > 0 ? familie : FSitzung;
    FVerloren = false;
}

void TZAM_SperrService::Beenden() noexcept
{
    if (FHerzschlag) {
        FHerzschlag->Anhalten();
        FHerzschlag.reset();
    }
    if (FSitzung == 0)
        return;
    try {
        EigeneFreigeben();
        FDb->Schreiben(QStringLiteral("DELETE FROM zam_sitzung WHERE id = ?"), {FSitzung});
    } catch (...) {
        // The session row stays behind; other programs see it dead after the timeout.
    }
    FSitzung = 0;
    FDb->Schliessen();
}

bool TZAM_SperrService::SitzungVerloren() const { return FVerloren || (FHerzschlag && FHerzschlag->Verloren()); }

bool TZAM_SperrService::SitzungDa(qint64 ASitzung)
{
    return FDb->LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_sitzung WHERE id = ?"), {ASitzung}, 0).toInt() > 0;
}

bool TZAM_SperrService::SitzungWeg() { return SitzungVerloren() || !SitzungDa(FSitzung); }

void TZAM_SperrService::Pruefen()
{
    if (SitzungWeg())
        Verloren();
}

void TZAM_SperrService::Verloren()
{
    FVerloren = true;
    throw EZAM_Exception(CZAM_Info_Fehler_Sperre_SitzungVerloren, QStringLiteral("Sitzung %1").arg(FSitzung));
}

template <class F>
auto TZAM_SperrService::Geprueft(F&& ARumpf) -> decltype(ARumpf())
{
    Pruefen();
    try {
        return ARumpf();
    } catch (const EZAM_Exception&) {
        Pruefen(); // a failure because the session went meanwhile is that loss
        throw;
    }
}

template <class F>
auto TZAM_SperrService::InTransaktion(F&& ARumpf) -> decltype(ARumpf())
{
    if (FDb->InTransaktion())
        return ARumpf();
    FDb->TransaktionBeginnen();
    try {
        if constexpr (std::is_void_v<decltype(ARumpf())>) {
            ARumpf();
            FDb->TransaktionFestschreiben();
        } else {
            auto e = ARumpf();
            FDb->TransaktionFestschreiben();
            return e;
        }
    } catch (...) {
        FDb->TransaktionZuruecksetzen();
        throw;
    }
}

qint64 TZAM_SperrService::Jetzt() const { return QDateTime::currentSecsSinceEpoch() + FEinst.UhrVersatzSekunden; }

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
    const QString bedingung = APraefix ? QStringLiteral("a.art = ? AND substr(a.schluessel, 1, ?) = ?")
                                       : QStringLiteral("a.art = ? AND a.schluessel = ?");
    const QVariantList werte = APraefix ? QVariantList{AArt, int(ASchluessel.size()), ASchluessel}
                                        : QVariantList{AArt, ASchluessel};
    const TZAM_Zeilen z = FDb->Lesen(
        QStringLiteral("SELECT a.schluessel, a.familie, h.sitzung, h.benutzer, h.benutzer_name, s.zaehler, "
                       "s.maschine, s.boot, s.pid FROM zam_sperre a "
                       "LEFT JOIN zam_sperre_halter h ON h.art = a.art AND h.schluessel = a.schluessel "
                       "LEFT JOIN zam_sitzung s ON s.id = h.sitzung WHERE ") +
            bedingung + QStringLiteral(" ORDER BY a.seit, a.schluessel, h.sitzung"),
        werte);
    QList<THalter> halter;
    for (int i = 0; i < z.Anzahl(); ++i) {
        THalter h;
        h.Schluessel = z.Wert(i, 0).toString();
        h.Eigen = z.Wert(i, 1).toLongLong() == FFamilie;
        h.Sitzung = z.Wert(i, 2).toLongLong();
        h.Benutzer = z.Wert(i, 3).toString();
        h.Name = z.Wert(i, 4).toString();
        h.Zaehler = z.Wert(i, 5).toLongLong();
        // The pid means something only on this machine in this boot; the silence of the counter
        // is measured on this program's own clock, whatever the holder's wall clock says.
        const bool hier = !FMaschine.isEmpty() && !FBoot.isEmpty() && z.Wert(i, 6).toString() == FMaschine &&
                          z.Wert(i, 7).toString() == FBoot;
        h.Tot = !h.Eigen && (h.Sitzung == 0 || (hier && !ProzessLebt(z.Wert(i, 8).toLongLong())) ||
                             FHerzschlag->StillMs(h.Sitzung, h.Zaehler) > FEinst.TimeoutSekunden * 1000LL);
        halter << h;
    }
    return halter;
}

bool TZAM_SperrService::SitzungEntfernen(const THalter& AHalter)
{
    // Only while it is still dead: a beat that came back in between moved the counter.
    if (FDb->Schreiben(QStringLiteral("DELETE FROM zam_sitzung WHERE id = ? AND zaehler = ?"),
                       {AHalter.Sitzung, AHalter.Zaehler}) == 1)
        return true;
    return !SitzungDa(AHalter.Sitzung);
}

// On PostgreSQL a change of a lock's holders first locks the lock rows it depends on, so that the
// statements after it see every holder that joined meanwhile. SQLite's transaction holds the file.
void TZAM_SperrService::AnkerSperren(const QString& ABedingung, const QVariantList& AWerte)
{
    if (!FDb->IstSQLite())
        FDb->Lesen(QStringLiteral("SELECT art FROM zam_sperre WHERE ") + ABedingung +
                       QStringLiteral(" ORDER BY art, schluessel FOR UPDATE"),
                   AWerte);
}

void TZAM_SperrService::LeereEntfernen(const QString& ABedingung, const QVariantList& AWerte)
{
    InTransaktion([&] {
        AnkerSperren(ABedingung, AWerte);
        FDb->Schreiben(QStringLiteral("DELETE FROM zam_sperre WHERE ") + ABedingung + COhneHalter, AWerte);
    });
}

void TZAM_SperrService::EigeneFreigeben()
{
    InTransaktion([&] {
        AnkerSperren(QStringLiteral("familie = ?"), {FFamilie});
        FDb->Schreiben(QStringLiteral("DELETE FROM zam_sperre_halter WHERE sitzung = ?"), {FSitzung});
        LeereEntfernen(QStringLiteral("familie = ?"), {FFamilie});
    });
}

QString TZAM_SperrService::HalterText(const THalter& AHalter)
{
    if (!AHalter.Name.isEmpty())
        return AHalter.Name;
    if (!AHalter.Benutzer.isEmpty() && !TIntPair::FromTextSecure(AHalter.Benutzer).IsNull())
        return AHalter.Benutzer;
    return QStringLiteral("Sitzung %1").arg(AHalter.Sitzung);
}

TZAM_SperrService::TErgebnis TZAM_SperrService::SperrenEinmal(const QString& AArt, const QString& ASchluessel,
                                                              const QString& ABenutzer, QString* AHalter)
{
    auto anker = [&] {
        return FDb->Schreiben(QStringLiteral("INSERT INTO zam_sperre (art, schluessel, familie, seit) "
                                             "VALUES (?, ?, ?, ?) ON CONFLICT DO NOTHING"),
                              {AArt, ASchluessel, FFamilie, Jetzt()}) == 1;
    };
    if (!anker()) {
        const QString bedingung = QStringLiteral("art = ? AND schluessel = ?");
        AnkerSperren(bedingung, {AArt, ASchluessel});
        const QVariant familie =
            FDb->LesenWert(QStringLiteral("SELECT familie FROM zam_sperre WHERE ") + bedingung, {AArt, ASchluessel});
        if (!familie.isValid())
            return seNochmal; // released in between
        if (familie.toLongLong() != FFamilie) {
            for (const THalter& h : Halter(AArt, ASchluessel, false)) {
                if (!h.Tot || (h.Sitzung != 0 && !SitzungEntfernen(h))) {
                    if (AHalter)
                        *AHalter = HalterText(h);
                    return seBelegt;
                }
            }
            // Every holder is gone: the lock passes to this family.
            FDb->Schreiben(QStringLiteral("DELETE FROM zam_sperre WHERE art = ? AND schluessel = ?"), {AArt, ASchluessel});
            anker();
        }
    }
    // The row only goes in while this session exists; an existing row of this session is fine.
    const int n = FDb->Schreiben(
        QStringLiteral("INSERT INTO zam_sperre_halter (art, schluessel, familie, sitzung, benutzer, benutzer_name) "
                       "SELECT ?, ?, ?, id, ?, ? FROM zam_sitzung WHERE id = ? ON CONFLICT DO NOTHING"),
        {AArt, ASchluessel, FFamilie, ABenutzer, FBenutzerName, FSitzung});
    if (n == 0 && FDb->LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_sperre_halter "
                                                "WHERE art = ? AND schluessel = ? AND sitzung = ?"),
                                 {AArt, ASchluessel, FSitzung}, 0)
                          .toInt() == 0)
        Verloren();
    return seGesperrt;
}

bool TZAM_SperrService::Sperren(const QString& AArt, const QString& ASchluessel, const QString& ABenutzer,
                                QString* AHalter)
{
    return Geprueft([&] {
        for (int versuch = 0; versuch < 3; ++versuch) {
            const TErgebnis e = InTransaktion([&] { return SperrenEinmal(AArt, ASchluessel, ABenutzer, AHalter); });
            if (e != seNochmal)
                return e == seGesperrt;
        }
        if (AHalter)
            *AHalter = QString();
        return false;
    });
}

bool TZAM_SperrService::LockObjekt(const QString& AArt, const QString& ASchluessel)
{
    return Sperren(AArt, ASchluessel, FBenutzer.ToTextUnformatted(9), nullptr);
}

void TZAM_SperrService::UnlockObjekt(const QString& AArt, const QString& ASchluessel, bool AAuchFremde,
                                     bool AMussGesperrtSein)
{
    const QString bedingung = QStringLiteral("art = ? AND schluessel = ?");
    const QVariantList werte{AArt, ASchluessel};
    const bool gesperrt = Geprueft([&] {
        return InTransaktion([&] {
            AnkerSperren(bedingung, werte);
            const qint64 familie = FDb->LesenWert(QStringLiteral("SELECT familie FROM zam_sperre WHERE ") + bedingung,
                                                  werte, 0).toLongLong();
            const bool gehalten = FDb->LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_sperre_halter WHERE ") +
                                                     bedingung, werte, 0).toInt() > 0;
            if (AAuchFremde) {
                FDb->Schreiben(QStringLiteral("DELETE FROM zam_sperre WHERE ") + bedingung, werte);
                return gehalten;
            }
            if (familie != FFamilie)
                return false;
            // A relative that holds it too keeps it.
            FDb->Schreiben(QStringLiteral("DELETE FROM zam_sperre_halter WHERE ") + bedingung +
                               QStringLiteral(" AND sitzung = ?"),
                           werte + QVariantList{FSitzung});
            LeereEntfernen(bedingung, werte);
            return gehalten;
        });
    });
    if (!gesperrt && AMussGesperrtSein)
        throw EZAM_Exception(CZAM_Info_Fehler_Sperre, QStringLiteral("%1 %2 ist nicht gesperrt").arg(AArt, ASchluessel));
}

bool TZAM_SperrService::IsLockedOtherObjekt(const QString& AArt, const QString& ASchluessel, QString* AHalter)
{
    return Geprueft([&] {
        for (const THalter& h : Halter(AArt, ASchluessel, false)) {
            if (h.Eigen || h.Tot)
                continue;
            if (AHalter)
                *AHalter = HalterText(h);
            return true;
        }
        return false;
    });
}

QSet<QString> TZAM_SperrService::FremdGesperrt(const QString& AArt)
{
    return Geprueft([&] {
        QSet<QString> schluessel;
        for (const THalter& h : Halter(AArt, QString(), true))
            if (!h.Eigen && !h.Tot)
                schluessel.insert(h.Schluessel);
        return schluessel;
    });
}

bool TZAM_SperrService::IsLockedObjekt(const QString& AArt, const QString& ASchluessel)
{
    return Geprueft([&] {
        for (const THalter& h : Halter(AArt, ASchluessel, false))
            if (h.Eigen || !h.Tot)
                return true;
        return false;
    });
}

QDateTime TZAM_SperrService::GesperrtSeit(const QString& AArt, const QString& ASchluessel)
{
    const QVariant seit = FDb->LesenWert(QStringLiteral("SELECT seit FROM zam_sperre WHERE art = ? AND schluessel = ?"),
                                         {AArt, ASchluessel});
    return seit.isValid() ? QDateTime::fromSecsSinceEpoch(seit.toLongLong()) : QDateTime();
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
    UnlockObjekt(CAbsort, AbsortPraefix(AFiliale, ASchluessel) + QString::number(FSitzung), false, false);
}

bool TZAM_SperrService::IsLockedOtherAbsort(int AFiliale, const QString& ASchluessel, const TIntPair& ABenutzer,
                                            QList<TIntPair>* AHalter, QStringList* AHalterNamen)
{
    return Geprueft([&] {
        bool fremd = false;
        for (const THalter& h : Halter(CAbsort, AbsortPraefix(AFiliale, ASchluessel), true)) {
            if (h.Tot && (h.Sitzung == 0 || SitzungEntfernen(h))) {
                LeereEntfernen(QStringLiteral("art = ? AND schluessel = ?"), {CAbsort, h.Schluessel});
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
    });
}

void TZAM_SperrService::AlleEigenenFreigeben()
{
    if (SitzungWeg())
        Erneuern();
    else
        EigeneFreigeben();
}

void TZAM_SperrService::ArbeitsgangBeginnen()
{
    if (SitzungWeg())
        Erneuern();
}

void TZAM_SperrService::Erneuern()
{
    // The lost session holds nothing any more: this program works on under a fresh one.
    LeereEntfernen(QStringLiteral("familie = ?"), {FFamilie});
    SitzungOeffnen();
    FHerzschlag->SetSitzung(FSitzung);
}
