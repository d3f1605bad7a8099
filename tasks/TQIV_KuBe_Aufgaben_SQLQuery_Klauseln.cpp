// The parts of the customer-order task statement. Every text is composed of the builder's
// constants, the column names of the files' data fields, the codes of the code tables and
// numbers; dates come in only as the engine's date text.
#include "TQIV_KuBe_Aufgaben_SQLQuery.h"

#include "TZAM_Hausregel.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMUtils.h"

#include <QStringList>
#include <functional>
#include <utility>

namespace {

// "'A', 'B'": the codes of the set's members from 0 to AMax, in that order.
QString CodeListe(quint32 AMenge, int AMax, const std::function<QString(int)>& ACode)
{
    QStringList codes;
    for (int i = 0; i <= AMax; ++i)
        if (AMenge & ZAMSetBit(i))
            codes << QLatin1Char('\'') + ACode(i) + QLatin1Char('\'');
    return codes.join(QStringLiteral(", "));
}

} // namespace

template <class F> QString TQIV_KuBe_Aufgaben_SQLQuery::Klausel(const char* AName, F&& ABody)
{
    bool fertig = false;
    const QString s = TZAM_Hausregel::ErgebnisOhneBusy(AName, QString(), [&] {
        QString r = ABody();
        fertig = true;
        return r;
    });
    if (!fertig)
        FKlauselFehler = true;
    return s;
}

QString TQIV_KuBe_Aufgaben_SQLQuery::SQL_Query_Get(TQIV_DBConnectorTyp_erw ATyp)
{
    // A statement missing a part would read more than was asked for: it is not run at all.
    FKlauselFehler = false;
    const QString s = Klausel("TQIV_KuBe_Aufgaben_SQLQuery.SQL_Query_Get", [&] {
        return SQL_Query_Select_Get(ATyp) + SQL_Query_Join_Get(ATyp) + SQL_Query_Where_Get(ATyp);
    });
    return FKlauselFehler ? QString() : s;
}

QString TQIV_KuBe_Aufgaben_SQLQuery::SQL_Query_Select_Get(TQIV_DBConnectorTyp_erw)
{
    return Klausel("TQIV_KuBe_Aufgaben_SQLQuery.SQL_Query_Select_Get", [&] {
        QString s = QStringLiteral("SELECT");
        const QString& auko = Alias(AUKO);
        Selection_Add_Feld(auko, FAUKOfile->AufgabenId, s);
        Selection_Add_Feld(auko, FAUKOfile->Art, s);
        Selection_Add_Feld(auko, FAUKOfile->ZeitpunktAnl, s);
        Selection_Add_Feld(auko, FAUKOfile->ZeitpunktBearb, s);
        Selection_Add_Feld(auko, FAUKOfile->GV, s);
        Selection_Add_Feld(auko, FAUKOfile->Status, s);
        const QString& aussen = Alias(AUAE_outer);
        Selection_Add_Feld(aussen, FAUAEfile->FilNrVon, s);
        Selection_Add_Feld(aussen, FAUAEfile->FilNrAn, s);
        Selection_Add_Feld(aussen, FAUAEfile->Menge, s);
        Selection_Add_Feld(aussen, FAUAEfile->BNEVorgId, s);
        Selection_Add_Feld(aussen, FAUAEfile->BNEVorgTyp, s);
        Selection_Add_Feld(aussen, FBNEPfile->Kennung, s);
        // The order the AUAE subselect computed: the task's own, else its order-line position's.
        Selection_Add_Feld(aussen, FBNEPfile->AuftragId, s);
        Selection_Add_Feld(aussen, FBNEPfile->AuftragNr, s);
        const QString& exbi = Alias(EXBI);
        Selection_Add_Feld(exbi, FEXBIfile->Kennung, s);
        Selection_Add_Feld(exbi, FEXBIfile->Bezahlt, s);
        Selection_Add_Feld(exbi, FEXBIfile->BuchFil, s);
        Selection_Add_Feld(exbi, FEXBIfile->Herkunft, s);
        const QString& atk = Alias(ATK);
        Selection_Add_Feld(atk, FATKfile->AuslieferungTyp, s);
        Selection_Add_Feld(atk, FATKfile->Zahlungsart, s);
        Selection_Add_Feld(atk, FATKfile->HerkunftsKz, s);
        Selection_Add_Feld(atk, FATKfile->Glaeubiger, s);
        Selection_Add_Feld(atk, FATKfile->GlaeubigerOrge, s);
        Selection_Add_Feld(Alias(BEZAHLT), *FDF_Bez_ANZJ, {CBezAnzJa}, s);
        Selection_Add_Feld(Alias(BEZAHLT), *FDF_Bez_ANZN, {CBezAnzNein}, s);
        s += QStringLiteral(" FROM ") + Tabelle(*FAUKOfile) + QStringLiteral(" ") + auko;
        return s;
    });
}

QString TQIV_KuBe_Aufgaben_SQLQuery::SQL_Query_Join_Get(TQIV_DBConnectorTyp_erw ATyp)
{
    return Klausel("TQIV_KuBe_Aufgaben_SQLQuery.SQL_Query_Join_Get", [&] {
        const QString& aussen = Alias(AUAE_outer);
        const QString& atpb = Alias(ATPB_ToAtk);
        const QString& atpk = Alias(ATPK_ToAtk);
        const QString& atk = Alias(ATK);
        const QString& exbi = Alias(EXBI);
        const QString& bezahlt = Alias(BEZAHLT);
        const TBNEPFile& b = *FBNEPfile;
        const Tatpbfile& pb = *FATPBfile;
        const Tatpkfile& pk = *FATPKfile;
        QString s = QStringLiteral(" inner join ") + QStringLiteral("( ") + SQL_Query_SubSelect_AUAE_Get(ATyp) +
                    QStringLiteral(") ") + aussen + QStringLiteral(" on ") +
                    EqualsJoinOnStatement(Alias(AUKO), FAUKOfile->AufgabenId, aussen, FAUAEfile->AufgabenId);
        if (!FSelektion.FilNrVon.isEmpty()) {
            QStringList filialen;
            for (qint32 f : FSelektion.FilNrVon)
                filialen << QString::number(f);
            s += QStringLiteral(" and ") + Qualifiziert(aussen, FAUAEfile->FilNrVon.Spalte()) +
                 QStringLiteral(" in (") + filialen.join(QStringLiteral(", ")) + QStringLiteral(")");
        }
        s += QStringLiteral(" left join ") + Tabelle(*FEXBIfile) + QStringLiteral(" ") + exbi + QStringLiteral(" on ") +
             EqualsJoinOnStatement(exbi, FEXBIfile->Kennung, aussen, b.Kennung) + QStringLiteral(" and ") +
             EqualsJoinOnStatement(exbi, FEXBIfile->AuftragId, aussen, b.AuftragId) + QStringLiteral(" and ") +
             EqualsJoinOnStatement(exbi, FEXBIfile->AuftragNr, aussen, b.AuftragNr);
        s += QStringLiteral(" left join ") + Tabelle(pb) + QStringLiteral(" ") + atpb + QStringLiteral(" on ") +
             EqualsJoinOnStatementTrioAnd3Ints(aussen, b.AuftragId, atpb, pb.AuftragId1, pb.AuftragId2, pb.AuftragId3) +
             QStringLiteral(" and ") + EqualsJoinOnStatement(aussen, b.AuftragNr, atpb, pb.AuftragNr);
        s += QStringLiteral(" left join ") + Tabelle(pk) + QStringLiteral(" ") + atpk + QStringLiteral(" on ") +
             EqualsJoinOnStatement(atpk, pk.PosKey1, atpb, pb.PosLink1) + QStringLiteral(" and ") +
             EqualsJoinOnStatement(atpk, pk.PosKey2, atpb, pb.PosLink2) + QStringLiteral(" and ") +
             EqualsJoinOnStatement(atpk, pk.PosKey3, atpb, pb.PosLink3) + QStringLiteral(" and ") +
             EqualsJoinOnStatement(atpk, pk.PosKey4, atpb, pb.AuftragNr);
        s += QStringLiteral(" left join ") + Tabelle(*FATKfile) + QStringLiteral(" ") + atk + QStringLiteral(" on ") +
             EqualsJoinOnStatement(atk, FATKfile->Key1, atpk, pk.AtkKey1) + QStringLiteral(" and ") +
             EqualsJoinOnStatement(atk, FATKfile->Key2, atpk, pk.AtkKey2);
        s += QStringLiteral(" left join ") + QStringLiteral("( ") + SQL_Query_SubSelect_BEZAHLT_Get(ATyp) +
             QStringLiteral(") ") + bezahlt + QStringLiteral(" on ") +
             EqualsJoinOnStatement(bezahlt, pk.AtkKey1, atk, FATKfile->Key1) + QStringLiteral(" and ") +
             EqualsJoinOnStatement(bezahlt, pk.AtkKey2, atk, FATKfile->Key2);
        return s;
    });
}

QString TQIV_KuBe_Aufgaben_SQLQuery::SQL_Query_SubSelect_AUAE_Get(TQIV_DBConnectorTyp_erw ATyp)
{
    return Klausel("TQIV_KuBe_Aufgaben_SQLQuery.SQL_Query_SubSelect_AUAE_Get", [&] {
        const QString& innen = Alias(AUAE_inner);
        const QString& bnep = Alias(BNEP);
        const Tauaefile& a = *FAUAEfile;
        const TBNEPFile& b = *FBNEPfile;
        const auto spalte = [&](const QString& AAlias, const TDatenFeld& AFeld, int ATeil = 0) {
            return Qualifiziert(AAlias, AFeld.Spalte(ATeil));
        };
        QString s = QStringLiteral("SELECT ") + spalte(innen, a.AufgabenId, 0);
        const QList<std::pair<const TDatenFeld*, int>> weitere = {
            {&a.AufgabenId, 1}, {&a.AufgabenId, 2}, {&a.FilNrVon, 0},  {&a.FilNrAn, 0},    {&a.Menge, 0},
            {&a.BNEVorgId, 0},  {&a.BNEVorgId, 1},  {&a.BNEVorgId, 2}, {&a.BNEVorgTyp, 0}, {&a.KubeId, 0},
            {&a.KubeId, 1},     {&a.KubeId, 2},     {&a.KubeErgNr, 0}};
        for (const auto& [feld, teil] : weitere)
            s += QStringLiteral(", ") + spalte(innen, *feld, teil);
        s += QStringLiteral(", ") + CaseHolen(spalte(bnep, b.Kennung), QStringLiteral("'KUBE'"), b.Kennung.Spalte());
        for (int i = 0; i < 3; ++i)
            s += QStringLiteral(", ") +
                 CaseHolen(spalte(bnep, b.AuftragId, i), spalte(innen, a.KubeId, i), b.AuftragId.Spalte(i));
        s += QStringLiteral(", ") +
             CaseHolen(spalte(bnep, b.AuftragNr), spalte(innen, a.KubeErgNr), b.AuftragNr.Spalte());
        s += QStringLiteral(" FROM ") + Tabelle(*FAUAEfile) + QStringLiteral(" ") + innen;
        // Only the executions of tasks the statement can answer: the order-line lookups above run
        // per row of this subselect, before the outer join could drop it.
        const QString filter = QStringLiteral("AUKO_Filter");
        QString innenBed;
        if (const QString bed = Bedingungen(filter, ATyp); !bed.isEmpty()) {
            QString id;
            for (int i = 0; i < 3; ++i)
                id = Command_Add_With_And(id, Qualifiziert(filter, FAUKOfile->AufgabenId.Spalte(i)) +
                                                  QStringLiteral(" = ") + spalte(innen, a.AufgabenId, i));
            innenBed = QStringLiteral("exists (select 1 from ") + Tabelle(*FAUKOfile) + QStringLiteral(" ") + filter +
                       QStringLiteral(" where ") + Command_Add_With_And(id, bed) + QStringLiteral(")");
        }
        if (!FSelektion.FilNrVon.isEmpty()) {
            QStringList filialen;
            for (qint32 f : FSelektion.FilNrVon)
                filialen << QString::number(f);
            innenBed = Command_Add_With_And(innenBed, spalte(innen, a.FilNrVon) + QStringLiteral(" in (") +
                                                          filialen.join(QStringLiteral(", ")) + QStringLiteral(")"));
        }
        if (!innenBed.isEmpty())
            s += QStringLiteral(" where ") + innenBed;
        return s;
    });
}

QString TQIV_KuBe_Aufgaben_SQLQuery::CaseHolen(const QString& AWert, const QString& ASonst, const QString& AName)
{
    return Klausel("CaseHolen", [&] {
        const QString& innen = Alias(AUAE_inner);
        const QString& bnep = Alias(BNEP);
        const Tauaefile& a = *FAUAEfile;
        const TBNEPFile& b = *FBNEPfile;
        // Of the positions that match, one of the task's own source branch comes before one for any
        // source branch (0), then the first by key: every column takes the same position. A matching
        // position with a source branch other than 0 is one of the task's own; the order says so
        // without naming the task, as SQLite's ORDER BY of a subquery cannot see the outer row.
        return QStringLiteral("case when ") + QStringLiteral("(") + Qualifiziert(innen, a.KubeId.Spalte(0)) +
               QStringLiteral("= 0) and") + QStringLiteral("(") + Qualifiziert(innen, a.KubeId.Spalte(1)) +
               QStringLiteral("= 0) and") + QStringLiteral("(") + Qualifiziert(innen, a.KubeId.Spalte(2)) +
               QStringLiteral("= 0) and") + QStringLiteral("(") + Qualifiziert(innen, a.KubeErgNr.Spalte()) +
               QStringLiteral("= 0) then") + QStringLiteral("(") + QStringLiteral("SELECT ") + AWert +
               QStringLiteral(" FROM ") + Tabelle(b) + QStringLiteral(" where ") +
               EqualsJoinOnStatement(bnep, b.BNEVorgId, innen, a.BNEVorgId) + QStringLiteral(" AND ") +
               EqualsJoinOnStatement(bnep, b.BNEVorgTyp, innen, a.BNEVorgTyp) + QStringLiteral(" AND ") +
               EqualsJoinOnStatement(bnep, b.FilNrAn, innen, a.FilNrAn) + QStringLiteral(" AND (") +
               EqualsJoinOnStatement(bnep, b.FilNrVon, innen, a.FilNrVon) + QStringLiteral(" OR ") +
               Qualifiziert(bnep, b.FilNrVon.Spalte()) + QStringLiteral("= 0)") +
               QStringLiteral(" ORDER BY case when ") + Qualifiziert(bnep, b.FilNrVon.Spalte()) +
               QStringLiteral(" = 0 then 1 else 0 end, ") + Qualifiziert(bnep, b.PosId.Spalte()) +
               QStringLiteral(" LIMIT 1") + QStringLiteral(") else ") + ASonst + QStringLiteral(" end as ") + AName;
    });
}

QString TQIV_KuBe_Aufgaben_SQLQuery::SQL_Query_SubSelect_BEZAHLT_Get(TQIV_DBConnectorTyp_erw)
{
    return Klausel("TQIV_KuBe_Aufgaben_SQLQuery.SQL_Query_SubSelect_BEZAHLT_Get", [&] {
        const QString& von = Alias(ATPK_FromAtk);
        const Tatpkfile& pk = *FATPKfile;
        // One row per order: the counts of its positions added up, so that a task meets its order once.
        const QString key1 = Qualifiziert(von, pk.AtkKey1.Spalte());
        const QString key2 = Qualifiziert(von, pk.AtkKey2.Spalte());
        return QStringLiteral("SELECT ") + key1 + QStringLiteral(", ") + key2 + QStringLiteral(", CAST(SUM((") +
               JNHolen(true) + QStringLiteral(")) AS INTEGER) AS ") + CBezAnzJa + QStringLiteral(", CAST(SUM((") +
               JNHolen(false) + QStringLiteral(")) AS INTEGER) AS ") + CBezAnzNein + QStringLiteral(" FROM ") +
               Tabelle(pk) + QStringLiteral(" ") + von + QStringLiteral(" GROUP BY ") + key1 + QStringLiteral(", ") +
               key2;
    });
}

QString TQIV_KuBe_Aufgaben_SQLQuery::JNHolen(bool ABezahlt)
{
    return Klausel("JNHolen", [&] {
        const QString& von = Alias(ATPK_FromAtk);
        const QString& k = Alias(ATPK_SubSelect);
        const QString& p = Alias(ATPB_SubSelect);
        const Tatpkfile& pk = *FATPKfile;
        const Tatpbfile& pb = *FATPBfile;
        return QStringLiteral("SELECT COUNT(1) FROM ") + Tabelle(pk) + QStringLiteral(" ") + k +
               QStringLiteral(" INNER JOIN ") + Tabelle(pb) + QStringLiteral(" ") + p + QStringLiteral(" ON ") +
               EqualsJoinOnStatement(k, pk.PosKey1, von, pk.PosKey1) + QStringLiteral(" and ") +
               EqualsJoinOnStatement(k, pk.PosKey2, von, pk.PosKey2) + QStringLiteral(" and ") +
               EqualsJoinOnStatement(k, pk.PosKey3, von, pk.PosKey3) + QStringLiteral(" and ") +
               EqualsJoinOnStatement(k, pk.PosKey4, von, pk.PosKey4) + QStringLiteral(" and ") +
               EqualsJoinOnStatement(p, pb.PosLink1, von, pk.PosKey1) + QStringLiteral(" and ") +
               EqualsJoinOnStatement(p, pb.PosLink2, von, pk.PosKey2) + QStringLiteral(" and ") +
               EqualsJoinOnStatement(p, pb.PosLink3, von, pk.PosKey3) + QStringLiteral(" and ") +
               EqualsJoinOnStatement(p, pb.AuftragNr, von, pk.PosKey4) + QStringLiteral(" and ") +
               Qualifiziert(p, pb.Zustand.Spalte()) + QStringLiteral(" <> 'T'") + QStringLiteral(" and ") +
               Qualifiziert(p, pb.Bezahlt.Spalte()) + QStringLiteral(" = '") + BoolToJN(ABezahlt) + QStringLiteral("'");
    });
}

QString TQIV_KuBe_Aufgaben_SQLQuery::SQL_Query_Where_Get(TQIV_DBConnectorTyp_erw ATyp)
{
    return Klausel("TQIV_KuBe_Aufgaben_SQLQuery.SQL_Query_Where_Get", [&] {
        const QString bed = Bedingungen(Alias(AUKO), ATyp);
        return bed.isEmpty() ? QString() : QStringLiteral(" WHERE ") + bed;
    });
}

QString TQIV_KuBe_Aufgaben_SQLQuery::Bedingungen(const QString& AAuko, TQIV_DBConnectorTyp_erw ATyp)
{
    const Taukofile& k = *FAUKOfile;
    const TKuBeAufgQuerySel& sel = FSelektion;
    QString bed;
    const auto inListe = [&](const TDatenFeld& AFeld, const QString& AListe) {
        if (!AListe.isEmpty())
            bed = Command_Add_With_And(bed, Qualifiziert(AAuko, AFeld.Spalte()) + QStringLiteral(" in (") + AListe +
                                                QStringLiteral(")"));
    };
    inListe(k.Art, CodeListe(sel.AufgabeArt, CZAM_Aufgabe_Art_Max, CZAM_Aufgabe_Art_2_Kuerzel));
    inListe(k.GV, CodeListe(sel.GV, CZAM_Aufgabe_Geschaeftsvorfall_Max, CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel));
    inListe(k.Status, CodeListe(sel.Status, 15, [](int AStatus) { return QString(CZAM_Aufgabe_Status_2_Char(AStatus)); }));
    const auto zeitraum = [&](const TDatenFeld& AFeld, const TQIV_VonBisDatum& ABereich) {
        const QString spalte = Qualifiziert(AAuko, AFeld.Spalte());
        if (ABereich.VonGesetzt())
            bed = Command_Add_With_And(bed, spalte + QStringLiteral(" >= '") +
                                                SQL_Convert_DateTime_2_SQLDateString(QDateTime(ABereich.Von, QTime(0, 0)),
                                                                                     ATyp) +
                                                QStringLiteral("'"));
        if (ABereich.BisGesetzt())
            bed = Command_Add_With_And(bed, spalte + QStringLiteral(" <= '") +
                                                SQL_Convert_DateTime_2_SQLDateString(
                                                    QDateTime(ABereich.Bis, QTime(23, 59, 59, 999)), ATyp) +
                                                QStringLiteral("'"));
    };
    zeitraum(k.ZeitpunktAnl, sel.Anlagedatum);
    zeitraum(k.ZeitpunktBearb, sel.Bearbeitungsdatum);
    return bed;
}
