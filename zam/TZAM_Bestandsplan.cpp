#include "TZAM_Bestandsplan.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Werteliste.h"
#include "ZAMInfoKoords.h"

namespace {

struct TTabellenText
{
    QString Name;
    QStringList Spalten;
};

const TTabellenText& Tabelle(int ATabelle)
{
    static const TTabellenText GTabellen[] = {
        {QStringLiteral("zam_bestand"),
         {QStringLiteral("lo_id1"), QStringLiteral("lo_id2"), QStringLiteral("lo_id3"), QStringLiteral("prod_id1"),
          QStringLiteral("prod_id2"), QStringLiteral("prod_id3"), QStringLiteral("groesse"),
          QStringLiteral("bestandsart")}},
        {QStringLiteral("zam_lvpb"),
         {QStringLiteral("lo_id1"), QStringLiteral("lo_id2"), QStringLiteral("lo_id3"), QStringLiteral("prod_id1"),
          QStringLiteral("prod_id2"), QStringLiteral("prod_id3"), QStringLiteral("groesse"),
          QStringLiteral("verweis_art"), QStringLiteral("verweis_id1"), QStringLiteral("verweis_id2"),
          QStringLiteral("verweis_id3"), QStringLiteral("verweis_nummer"), QStringLiteral("filiale")}},
        {QStringLiteral("zam_bf"),
         {QStringLiteral("prod_id1"), QStringLiteral("prod_id2"), QStringLiteral("prod_id3"), QStringLiteral("filiale"),
          QStringLiteral("bestandsart"), QStringLiteral("groesse")}},
    };
    return GTabellen[ATabelle];
}

QString Bedingung(const TTabellenText& t)
{
    return t.Spalten.join(QStringLiteral(" = ? AND ")) + QStringLiteral(" = ?");
}

QVariantList Werte(const QList<int>& ASchluessel)
{
    QVariantList w;
    for (int v : ASchluessel)
        w << v;
    return w;
}

qint64 Gelesen(TZAM_Datenbank& ADb, int ATabelle, const QList<int>& ASchluessel)
{
    const TTabellenText& t = Tabelle(ATabelle);
    return ADb
        .LesenWert(QStringLiteral("SELECT menge FROM %1 WHERE %2").arg(t.Name, Bedingung(t)), Werte(ASchluessel), 0)
        .toLongLong();
}

} // namespace

void TZAM_Bestandsplan::Aendern(TTabelle ATabelle, const QList<int>& ASchluessel, qint64 ADelta,
                                const TInfoKoord& AMeldung, const QStringList& AEinfuegungen)
{
    TZeile& z = FZeilen[TSchluessel(int(ATabelle), ASchluessel)];
    z.Delta += ADelta;
    if (ADelta < 0 || z.Meldung.IsNull()) {
        z.Meldung = AMeldung;
        z.Einfuegungen = AEinfuegungen;
    }
}

qint64 TZAM_Bestandsplan::Stand(TZAM_Datenbank& ADb, TTabelle ATabelle, const QList<int>& ASchluessel) const
{
    return Gelesen(ADb, ATabelle, ASchluessel) + FZeilen.value(TSchluessel(int(ATabelle), ASchluessel)).Delta;
}

bool TZAM_Bestandsplan::Pruefen(TZAM_Datenbank& ADb, TZAM_InfoMeldungListe& AMeldungen) const
{
    bool ok = true;
    for (auto it = FZeilen.cbegin(); it != FZeilen.cend(); ++it)
        if (it->Delta < 0 && Gelesen(ADb, it.key().first, it.key().second) + it->Delta < 0) {
            AMeldungen.Meldung_Add(it->Meldung, it->Einfuegungen);
            ok = false;
        }
    return ok;
}

bool TZAM_Bestandsplan::Ausfuehren(TZAM_Datenbank& ADb, TZAM_InfoMeldungListe& AMeldungen) const
{
    // QMap keeps the keys in order: table first, then the key parts. Rows that rise go in one
    // statement per table and run, in that order too, so that devices lock rows alike.
    if (!FZeilen.isEmpty() && !ADb.InTransaktion())
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_NichtOffen, QStringLiteral("Bestandsplan"));
    int tabelle = -1;
    QList<QVariantList> steigend;
    const auto einfuegen = [&] {
        if (steigend.isEmpty())
            return;
        const TTabellenText& t = Tabelle(tabelle);
        zam_ZeilenEinfuegen(ADb, t.Name, t.Spalten + QStringList{QStringLiteral("menge")}, steigend,
                            QStringLiteral("ON CONFLICT (%1) DO UPDATE SET menge = %2.menge + excluded.menge")
                                .arg(t.Spalten.join(QStringLiteral(", ")), t.Name));
        steigend.clear();
    };
    for (auto it = FZeilen.cbegin(); it != FZeilen.cend(); ++it) {
        if (it->Delta == 0)
            continue;
        if (it.key().first != tabelle || it->Delta < 0)
            einfuegen();
        tabelle = it.key().first;
        const QVariantList werte = Werte(it.key().second);
        if (it->Delta > 0) {
            steigend << (werte + QVariantList{it->Delta});
            continue;
        }
        const TTabellenText& t = Tabelle(tabelle);
        if (!ADb.MengeAendern(t.Name, QStringLiteral("menge"), Bedingung(t), werte, it->Delta)) {
            AMeldungen.Meldung_Add(it->Meldung, it->Einfuegungen);
            return false;
        }
    }
    einfuegen();
    return true;
}
