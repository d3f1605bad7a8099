#include "TZAM_RechteServerSql.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "TZAM_SchreibklammerSql.h"
#include "ZAMInfoKoords.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QSet>

namespace {
constexpr int CHashRunden = 4096;
TIntPair GAktBenutzer; // one per process: every server instance and the rights dialog agree

TIntPair PairAus(const TZAM_Zeilen& AZeilen)
{
    if (AZeilen.IsEmpty())
        return {};
    return TIntPair(AZeilen.Wert(0, 0).toInt(), AZeilen.Wert(0, 1).toInt());
}

bool GleichOhneZeitverrat(const QByteArray& A, const QByteArray& B)
{
    if (A.size() != B.size())
        return false;
    char diff = 0;
    for (qsizetype i = 0; i < A.size(); ++i)
        diff |= char(A.at(i) ^ B.at(i));
    return diff == 0;
}
} // namespace

QString TZAM_RechteServerSql::Hash(const QString& ASalz, const QString& APasswort)
{
    const QByteArray eingabe = ASalz.toUtf8() + APasswort.toUtf8();
    QByteArray h = QCryptographicHash::hash(eingabe, QCryptographicHash::Sha256);
    for (int i = 1; i < CHashRunden; ++i)
        h = QCryptographicHash::hash(h + eingabe, QCryptographicHash::Sha256);
    return QString::fromLatin1(h.toHex());
}

QString TZAM_RechteServerSql::LoginNorm(const QString& ALogin)
{
    return ALogin.trimmed().toCaseFolded();
}

TIntPair TZAM_RechteServerSql::BenutzerZuMitarbeiter(const TIntPair& AMitarbeiter)
{
    if (AMitarbeiter.IsNull())
        return {};
    return PairAus(FDb.Lesen(QStringLiteral("SELECT id1, id2 FROM zam_benutzer WHERE mita_id1 = ? AND mita_id2 = ? "
                                            "ORDER BY id1, id2 LIMIT 1"),
                             {AMitarbeiter.Id1, AMitarbeiter.Id2}));
}

TIntPair TZAM_RechteServerSql::MitarbeiterZuBenutzer(const TIntPair& ABenutzer)
{
    if (ABenutzer.IsNull())
        return {};
    return PairAus(FDb.Lesen(QStringLiteral("SELECT mita_id1, mita_id2 FROM zam_benutzer WHERE id1 = ? AND id2 = ?"),
                             {ABenutzer.Id1, ABenutzer.Id2}));
}

TIntPair TZAM_RechteServerSql::AktBenutzer()
{
    return GAktBenutzer;
}

void TZAM_RechteServerSql::SetAktBenutzer(const TIntPair& ABenutzer)
{
    GAktBenutzer = ABenutzer;
}

void TZAM_RechteServerSql::AktBenutzerZuruecksetzen()
{
    GAktBenutzer = TIntPair();
}

bool TZAM_RechteServerSql::Anmelden(const QString& AName, const QString& APasswort, TIntPair& ABenutzer)
{
    const QString login = LoginNorm(AName);
    if (login.isEmpty() && APasswort.isEmpty()) {
        ABenutzer = TIntPair();
        GAktBenutzer = ABenutzer;
        return true;
    }
    const TZAM_Zeilen z =
        FDb.Lesen(QStringLiteral("SELECT id1, id2, hash, salz FROM zam_benutzer WHERE login_norm = ?"), {login});
    if (z.IsEmpty() || !GleichOhneZeitverrat(Hash(z.Wert(0, 3).toString(), APasswort).toLatin1(),
                                             z.Wert(0, 2).toString().toLatin1())) {
        ABenutzer = TIntPair();
        return false;
    }
    ABenutzer = TIntPair(z.Wert(0, 0).toInt(), z.Wert(0, 1).toInt());
    GAktBenutzer = ABenutzer;
    return true;
}

QString TZAM_RechteServerSql::BenutzerName(const TIntPair& ABenutzer)
{
    if (ABenutzer.IsNull())
        return {};
    return FDb
        .LesenWert(QStringLiteral("SELECT login FROM zam_benutzer WHERE id1 = ? AND id2 = ?"),
                   {ABenutzer.Id1, ABenutzer.Id2}, QString())
        .toString();
}

void TZAM_RechteServerSql::Abmelden()
{
    GAktBenutzer = TIntPair();
}

bool TZAM_RechteServerSql::RechtePruefen(const TIntPair& ABenutzer, const QList<TQIV_WPF_Recht>& ARechte,
                                         int AFunktionsTyp)
{
    if (ARechte.isEmpty())
        return true;
    QStringList platz;
    QVariantList rechte;
    for (TQIV_WPF_Recht r : ARechte) {
        platz << QStringLiteral("?");
        rechte << int(r);
    }
    const QString liste = platz.join(QStringLiteral(", "));
    QVariantList werte = QVariantList{AFunktionsTyp} + rechte;
    werte << ABenutzer.Id1 << ABenutzer.Id2 << AFunktionsTyp;
    werte += rechte;
    // No user has the empty key, so the empty user gets the open rights only.
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT recht FROM zam_recht_offen WHERE funktionstyp = ? AND recht IN (%1) "
                       "UNION SELECT recht FROM zam_benutzer_recht WHERE benutzer_id1 = ? AND benutzer_id2 = ? "
                       "AND funktionstyp = ? AND recht IN (%1)")
            .arg(liste),
        werte);
    QSet<int> gewaehrt;
    for (const QVariantList& zeile : z.Zeilen())
        gewaehrt.insert(zeile.at(0).toInt());
    for (TQIV_WPF_Recht r : ARechte)
        if (!gewaehrt.contains(int(r)))
            return false;
    return true;
}

void TZAM_RechteServerSql::BenutzerAnlegen(TZAM_Datenbank& ADb, const QString& ALogin, const QString& APasswort,
                                           const TIntPair& ABenutzer, const TIntPair& AMitarbeiter)
{
    const QString login = LoginNorm(ALogin);
    if (!ABenutzer.Defined() || login.isEmpty())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("Benutzer '%1' %2").arg(ALogin, ABenutzer.ToText()),
                             QStringLiteral("TZAM_RechteServerSql.BenutzerAnlegen"));
    QByteArray salz(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salz.data()), salz.size() / 4);
    const QString salzText = QString::fromLatin1(salz.toHex());
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_benutzer (id1, id2, login, login_norm, hash, salz, mita_id1, "
                                 "mita_id2) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                  {ABenutzer.Id1, ABenutzer.Id2, ALogin.trimmed(), login, Hash(salzText, APasswort), salzText,
                   AMitarbeiter.Id1, AMitarbeiter.Id2});
}

void TZAM_RechteServerSql::RechteVergeben(TZAM_Datenbank& ADb, const TIntPair& ABenutzer,
                                          const QList<TQIV_WPF_Recht>& ARechte, int AFunktionsTyp)
{
    TZAM_SchreibklammerSql::Ausfuehren(ADb, QStringLiteral("TZAM_RechteServerSql.RechteVergeben"), [&] {
        for (TQIV_WPF_Recht r : ARechte) {
            ADb.Schreiben(QStringLiteral("DELETE FROM zam_benutzer_recht WHERE benutzer_id1 = ? AND benutzer_id2 = ? "
                                         "AND recht = ? AND funktionstyp = ?"),
                          {ABenutzer.Id1, ABenutzer.Id2, int(r), AFunktionsTyp});
            ADb.Schreiben(QStringLiteral("INSERT INTO zam_benutzer_recht (benutzer_id1, benutzer_id2, recht, "
                                         "funktionstyp) VALUES (?, ?, ?, ?)"),
                          {ABenutzer.Id1, ABenutzer.Id2, int(r), AFunktionsTyp});
        }
    });
}

void TZAM_RechteServerSql::RechtFuerAlle(TZAM_Datenbank& ADb, TQIV_WPF_Recht ARecht, int AFunktionsTyp)
{
    TZAM_SchreibklammerSql::Ausfuehren(ADb, QStringLiteral("TZAM_RechteServerSql.RechtFuerAlle"), [&] {
        ADb.Schreiben(QStringLiteral("DELETE FROM zam_recht_offen WHERE recht = ? AND funktionstyp = ?"),
                      {int(ARecht), AFunktionsTyp});
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_recht_offen (recht, funktionstyp) VALUES (?, ?)"),
                      {int(ARecht), AFunktionsTyp});
    });
}
