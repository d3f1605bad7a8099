#pragma once

#include "IZAM_RechteServer.h"

class TZAM_Datenbank;

// Users (zam_benutzer), their rights (zam_benutzer_recht) and the rights open to everyone
// (zam_recht_offen). Passwords are kept only as salted, iterated SHA-256. Login names are
// compared without letter case. The current user is one per process, shared by every instance.
class TZAM_RechteServerSql : public IZAM_RechteServer
{
public:
    explicit TZAM_RechteServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    TIntPair BenutzerZuMitarbeiter(const TIntPair& AMitarbeiter) override;
    TIntPair MitarbeiterZuBenutzer(const TIntPair& ABenutzer) override;
    TIntPair AktBenutzer() override;
    void SetAktBenutzer(const TIntPair& ABenutzer) override;
    // An empty name with an empty password logs on nobody: true with the empty user, who then
    // holds only the open rights. A wrong name or password answers false and changes nothing.
    bool Anmelden(const QString& AName, const QString& APasswort, TIntPair& ABenutzer) override;
    // The log-on name as it was entered when the user was created.
    QString BenutzerName(const TIntPair& ABenutzer) override;
    void Abmelden() override;
    bool RechtePruefen(const TIntPair& ABenutzer, const QList<TQIV_WPF_Recht>& ARechte, int AFunktionsTyp = 1) override;

    // Administration (demo site, tests). A user key must be defined; the employee may be empty.
    static void BenutzerAnlegen(TZAM_Datenbank& ADb, const QString& ALogin, const QString& APasswort,
                                const TIntPair& ABenutzer, const TIntPair& AMitarbeiter);
    static void RechteVergeben(TZAM_Datenbank& ADb, const TIntPair& ABenutzer, const QList<TQIV_WPF_Recht>& ARechte,
                               int AFunktionsTyp = 1);
    static void RechtFuerAlle(TZAM_Datenbank& ADb, TQIV_WPF_Recht ARecht, int AFunktionsTyp = 1);
    // A new program run starts without a current user.
    static void AktBenutzerZuruecksetzen();

private:
    static QString Hash(const QString& ASalz, const QString& APasswort);
    static QString LoginNorm(const QString& ALogin);

    TZAM_Datenbank& FDb;
};
