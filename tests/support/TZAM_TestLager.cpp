#include "TZAM_TestLager.h"

#include "TZAM_Datenbank.h"
#include "TZAM_Lagerort_Info.h"
#include "ZAMLagerKonstanten.h"

namespace {

void Ort(TZAM_Datenbank& ADb, const TIntTrio& AId, int AArt, int ABereich, int AWurmlochFiliale, const TIntTrio& AAuf)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name, bereich, "
                                 "wurmloch_filiale, auf_id1, auf_id2, auf_id3) "
                                 "VALUES (?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?)"),
                  {AId.Id1, AId.Id2, AId.Id3, AArt, AId.ToText(), ABereich, AWurmlochFiliale,
                   AAuf.IsNull() ? QVariant() : AAuf.Id1, AAuf.IsNull() ? QVariant() : AAuf.Id2,
                   AAuf.IsNull() ? QVariant() : AAuf.Id3});
}

} // namespace

void TZAM_TestLager::Anlegen(TZAM_Datenbank& ADb)
{
    for (const auto& [lager, name] : {std::pair{1, "Lager 1"}, {2, "Lager 2"}})
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe (nummer, name, reihenfolge) VALUES (?, ?, ?)"),
                      {lager, QString::fromLatin1(name), lager});
    // Branch 11 has the lower number in the group order only by its position: 10 comes first.
    for (const auto& [lager, filiale, folge] : {std::tuple{1, 11, 2}, {1, 10, 1}, {2, 20, 1}})
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_lagergruppe_filiale (lager, filiale, reihenfolge) VALUES (?, ?, ?)"),
            {lager, filiale, folge});
    for (const auto& [filiale, lager] : {std::pair{10, 1}, {11, 1}, {20, 2}, {30, 0}})
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_filiale (nummer, name, lager) VALUES (?, ?, ?)"),
                      {filiale, QStringLiteral("Filiale %1").arg(filiale), lager});
    Ort(ADb, P1, CZAM_Lagerort_Lagerplatz, CZAM_Bereich_Lager, -1, {});
    Ort(ADb, P2, CZAM_Lagerort_Lagerplatz, CZAM_Bereich_Lager, -1, {});
    Ort(ADb, Wurmloch, CZAM_Lagerort_Lagerplatz, CZAM_Bereich_Wurmloch, 30, {});
    Ort(ADb, Geblockt, CZAM_Lagerort_Lagerplatz, CZAM_Bereich_GeblockteWare, -1, {});
    Ort(ADb, C, CZAM_Lagerort_Behaelter, CZAM_Bereich_Lager, -1, P2);
    Ort(ADb, C2, CZAM_Lagerort_Behaelter, CZAM_Bereich_Lager, -1, C);
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_behaelter (id1, id2, id3) VALUES (?, ?, ?)"), {C.Id1, C.Id2, C.Id3});
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_behaelter (id1, id2, id3, filiale) VALUES (?, ?, ?, 11)"),
                  {C2.Id1, C2.Id2, C2.Id3});
}

TIntTrio TZAM_TestLager::Halle()
{
    return TrioAusPair(CZAM_Lagerverwaltung_Halle, 1);
}

void TZAM_TestLager::PickOrte(TZAM_Datenbank& ADb)
{
    Ort(ADb, P3, CZAM_Lagerort_Lagerplatz, CZAM_Bereich_Lager, -1, {});
    Ort(ADb, Halle(), CZAM_Lagerort_Halle, CZAM_Bereich_Lager, -1, {});
}

void TZAM_TestLager::Bestand(TZAM_Datenbank& ADb, const TIntTrio& AOrt, const TInt32Trio& AProdukt, int AGrInd,
                             int ATyp, int AMenge, int AFiliale)
{
    const QVariantList ort = {AOrt.Id1, AOrt.Id2, AOrt.Id3, AProdukt.Id1, AProdukt.Id2, AProdukt.Id3, AGrInd, ATyp};
    if (ADb.Schreiben(QStringLiteral("UPDATE zam_bestand SET menge = menge + ? WHERE lo_id1 = ? AND lo_id2 = ? "
                                     "AND lo_id3 = ? AND prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ? "
                                     "AND groesse = ? AND bestandsart = ?"),
                      QVariantList{AMenge} + ort) == 0)
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_bestand (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, prod_id3, "
                                     "groesse, bestandsart, menge) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      ort + QVariantList{AMenge});
    const QVariantList bf = {AProdukt.Id1, AProdukt.Id2, AProdukt.Id3, AFiliale, ATyp, AGrInd};
    if (ADb.Schreiben(QStringLiteral("UPDATE zam_bf SET menge = menge + ? WHERE prod_id1 = ? AND prod_id2 = ? "
                                     "AND prod_id3 = ? AND filiale = ? AND bestandsart = ? AND groesse = ?"),
                      QVariantList{AMenge} + bf) == 0)
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_bf (prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse, "
                                     "menge) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                      bf + QVariantList{AMenge});
}

QString TZAM_TestLager::B(const TIntTrio& AOrt, const TInt32Trio& AProdukt, int AGrInd, int ATyp)
{
    return QStringLiteral("B %1 %2 %3 %4").arg(AOrt.ToText(), AProdukt.ToText()).arg(AGrInd).arg(ATyp);
}

QString TZAM_TestLager::F(const TInt32Trio& AProdukt, int AFiliale, int ATyp, int AGrInd)
{
    return QStringLiteral("F %1 %2 %3 %4").arg(AProdukt.ToText()).arg(AFiliale).arg(ATyp).arg(AGrInd);
}

QMap<QString, qint64> TZAM_TestLager::Stand(TZAM_Datenbank& ADb)
{
    QMap<QString, qint64> stand;
    const TZAM_Zeilen bestand =
        ADb.Lesen(QStringLiteral("SELECT lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, prod_id3, groesse, bestandsart, "
                                 "menge FROM zam_bestand"));
    for (const QVariantList& r : bestand.Zeilen())
        stand.insert(B(TIntTrio(r[0].toInt(), r[1].toInt(), r[2].toInt()),
                       TInt32Trio(r[3].toInt(), r[4].toInt(), r[5].toInt()), r[6].toInt(), r[7].toInt()),
                     r[8].toLongLong());
    const TZAM_Zeilen bf = ADb.Lesen(
        QStringLiteral("SELECT prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse, menge FROM zam_bf"));
    for (const QVariantList& r : bf.Zeilen())
        stand.insert(F(TInt32Trio(r[0].toInt(), r[1].toInt(), r[2].toInt()), r[3].toInt(), r[4].toInt(), r[5].toInt()),
                     r[6].toLongLong());
    return stand;
}

QMap<QString, qint64> TZAM_TestLager::Differenz(const QMap<QString, qint64>& AVorher,
                                                const QMap<QString, qint64>& ANachher)
{
    QMap<QString, qint64> d;
    for (auto it = ANachher.cbegin(); it != ANachher.cend(); ++it)
        if (const qint64 n = it.value() - AVorher.value(it.key()); n != 0)
            d.insert(it.key(), n);
    for (auto it = AVorher.cbegin(); it != AVorher.cend(); ++it)
        if (!ANachher.contains(it.key()) && it.value() != 0)
            d.insert(it.key(), -it.value());
    return d;
}
