#pragma once

#include "TBNEPFile.h"
#include "TEXBIFile.h"
#include "TKuBeAufgQueryErgebnis.h"
#include "TKuBeAufgQuerySel.h"
#include "TQIV_DB_Query.h"
#include "Tatkfile.h"
#include "Tatpbfile.h"
#include "Tatpkfile.h"
#include "Tauaefile.h"
#include "Taukofile.h"

#include <array>
#include <memory>

// The customer-order task statement: one row per task of the selection with its header, its
// execution, the customer order it belongs to (its own, or the one its order-line position names),
// the external order information, the order header and the order's paid and unpaid position
// counts. Use: set FSelektion, then Get_first and Get_next; each row is in FErgSatz.
class TQIV_KuBe_Aufgaben_SQLQuery : public TQIV_DB_Query
{
public:
    // The aliases of the statement.
    enum TDateien
    {
        AUKO,
        AUAE_inner,
        AUAE_outer,
        BNEP,
        EXBI,
        ATPB_ToAtk,
        ATPK_ToAtk,
        ATK,
        ATPK_FromAtk,
        ATPK_SubSelect,
        ATPB_SubSelect,
        BEZAHLT,
        DateienAnzahl
    };
    using TDateinamen = std::array<QString, DateienAnzahl>;

    // Raises catalogue error 1101 of "DBCONNEC" when the framework parameter GDBCONFIG is 1 (the
    // task files are then not in a database the statement can read).
    explicit TQIV_KuBe_Aufgaben_SQLQuery(QObject* AOwner);
    ~TQIV_KuBe_Aufgaben_SQLQuery() override;

    // Select, join and where part; empty when a part could not be built.
    QString SQL_Query_Get(TQIV_DBConnectorTyp_erw ATyp) override;
    // A failure is registered and answers false.
    bool Get_first() override;
    bool Get_next() override;

    QString SQL_Query_Select_Get(TQIV_DBConnectorTyp_erw ATyp);
    QString SQL_Query_Join_Get(TQIV_DBConnectorTyp_erw ATyp);
    QString SQL_Query_SubSelect_AUAE_Get(TQIV_DBConnectorTyp_erw ATyp);
    QString SQL_Query_SubSelect_BEZAHLT_Get(TQIV_DBConnectorTyp_erw ATyp);
    QString SQL_Query_Where_Get(TQIV_DBConnectorTyp_erw ATyp);
    // The conditions of the where part on the task headers under AAuko; empty without any.
    QString Bedingungen(const QString& AAuko, TQIV_DBConnectorTyp_erw ATyp);

    // The files the statement reads, for whoever checks them against the database.
    QList<const TZAM_Datei*> Dateien() const;

    TKuBeAufgQuerySel FSelektion;
    TKuBeAufgQueryErgebnis FErgSatz;
    TDateinamen FDateinamen;

private:
    // The two computed count columns and their data fields.
    static inline const QString CBezAnzJa = QStringLiteral("BEZ_ANZ_JA");
    static inline const QString CBezAnzNein = QStringLiteral("BEZ_ANZ_NEIN");

    static int GDBConfig();
    static QString Tabelle(const TZAM_Datei& ADatei);
    const QString& Alias(TDateien ADatei) const { return FDateinamen[ADatei]; }
    // A clause builder's frame: registers a failure under AName and answers an empty text, which
    // empties the whole statement.
    template <class F> QString Klausel(const char* AName, F&& ABody);
    QString CaseHolen(const QString& AWert, const QString& ASonst, const QString& AName);
    QString JNHolen(bool ABezahlt);
    void FillErgSatz();

    std::unique_ptr<Taukofile> FAUKOfile;
    std::unique_ptr<Tauaefile> FAUAEfile;
    std::unique_ptr<TBNEPFile> FBNEPfile;
    std::unique_ptr<TEXBIFile> FEXBIfile;
    std::unique_ptr<Tatpbfile> FATPBfile;
    std::unique_ptr<Tatpkfile> FATPKfile;
    std::unique_ptr<Tatkfile> FATKfile;
    std::unique_ptr<TIntegerDatenFeld> FDF_Bez_ANZJ;
    std::unique_ptr<TIntegerDatenFeld> FDF_Bez_ANZN;
    bool FKlauselFehler = false;
};
