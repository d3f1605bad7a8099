// The content of one place as the whole-bin relocation books it: its loose goods per branch and
// the containers standing on it, in the stock-list layout.
#include "TZAM_LagerBewegungEditServerSql.h"

#include "TVRList.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Hausregel.h"
#include "TZAM_Lagerort_Info.h"
#include "Vrtools.h"

namespace {

TVRItem Ganzzahl(int AWert)
{
    TVRItem i;
    Integer2VRItem(AWert, i);
    return i;
}

template <class T> TVRItem Zelle(const T& AWert, void (*AKonverter)(const T&, TVRItem&))
{
    TVRItem i;
    AKonverter(AWert, i);
    return i;
}

} // namespace

bool TZAM_LagerBewegungEditServerSql::Lagerortinhalt_Lesen(const TIntTrio& ALagerort, TVRList& AListe)
{
    AListe.RowsClear();
    TOrt ort;
    if (!ALagerort.Defined() || !Ort_Lesen(ALagerort, ort))
        return false;
    const bool ok = TZAM_Hausregel::Kern(nullptr, "TZAM_LagerBewegungEditServerSql.Lagerortinhalt_Lesen", 0, [&] {
        const QVariantList id = {ALagerort.Id1, ALagerort.Id2, ALagerort.Id3};
        Bestandsliste({}, QStringLiteral("o.id1 = ? AND o.id2 = ? AND o.id3 = ?"), id, AListe);
        const int einzige = Einzige_Filiale(ort.Lager);

        // Pieces reserved for a branch are that branch's; the rest belongs to the place's (or
        // container's) assignment, else to the warehouse's only branch, else to no branch (-1).
        QMap<QPair<TInt32Trio, int>, QList<QPair<int, int>>> reserviert;
        const TZAM_Zeilen r =
            FDb.Lesen(QStringLiteral("SELECT prod_id1, prod_id2, prod_id3, groesse, filiale, SUM(menge) FROM zam_lvpb "
                                     "WHERE lo_id1 = ? AND lo_id2 = ? AND lo_id3 = ? AND menge > 0 AND filiale >= 0 "
                                     "GROUP BY prod_id1, prod_id2, prod_id3, groesse, filiale ORDER BY filiale"),
                      id);
        for (const QVariantList& z : r.Zeilen())
            reserviert[{TInt32Trio(z.at(0).toInt(), z.at(1).toInt(), z.at(2).toInt()), z.at(3).toInt()}].append(
                {z.at(4).toInt(), int(z.at(5).toLongLong())});
        const int zeilen = AListe.GetRowCount();
        for (int i = 0; i < zeilen; ++i) {
            const int zuordnung = AListe.GetCell(i, 2).IsNull() ? einzige : AListe.GetCellValueAsInteger(i, 2);
            int rest = AListe.GetCellValueAsInteger(i, 10);
            int zeile = i; // the first part keeps the row, further parts are copies of it
            const auto teil = [&](int AFiliale, int AMenge) {
                if (zeile < 0)
                    zeile = AListe.RowAddFrom(AListe, i);
                AListe.SetCellValue(zeile, 2, Ganzzahl(AFiliale));
                AListe.SetCellValue(zeile, 10, Ganzzahl(AMenge));
                zeile = -1;
            };
            const TInt32Trio produkt = AListe.GetCellValueAsInt32Trio(i, 7);
            for (const auto& [filiale, menge] : reserviert.value({produkt, AListe.GetCellValueAsInteger(i, 20)})) {
                const int n = qMin(menge, rest);
                if (n <= 0)
                    break;
                teil(filiale, n);
                rest -= n;
            }
            if (rest > 0)
                teil(zuordnung, rest);
        }

        // The containers standing on the place: their key, no product.
        const QString platzName = FDb.LesenWert(QStringLiteral("SELECT name FROM zam_lagerort WHERE id1 = ? "
                                                               "AND id2 = ? AND id3 = ?"),
                                                id, QString())
                                      .toString();
        const TZAM_Zeilen c = FDb.Lesen(
            QStringLiteral("SELECT o.id1, o.id2, o.id3, o.name, o.filiale, COALESCE(b.filiale, -1) FROM zam_lagerort o "
                           "LEFT JOIN zam_behaelter b ON b.id1 = o.id1 AND b.id2 = o.id2 AND b.id3 = o.id3 "
                           "WHERE o.auf_id1 = ? AND o.auf_id2 = ? AND o.auf_id3 = ? ORDER BY o.name, o.id1, o.id2, "
                           "o.id3"),
            id);
        for (const QVariantList& z : c.Zeilen()) {
            const int filiale = z.at(5).toInt() >= 0   ? z.at(5).toInt()
                                : z.at(4).toInt() >= 0 ? z.at(4).toInt()
                                                       : einzige;
            const int i = AListe.RowAdd(AListe.VRArray_ForRowAdd_Generate());
            AListe.SetCellValue(i, 1, Ganzzahl(ort.Lager));
            AListe.SetCellValue(i, 2, Ganzzahl(filiale));
            AListe.SetCellValue(i, 3, Zelle(platzName, String2VRItem));
            AListe.SetCellValue(i, 4, Zelle(ALagerort, IntTrio2VRItem));
            AListe.SetCellValue(i, 5, Zelle(z.at(3).toString(), String2VRItem));
            AListe.SetCellValue(i, 6, Zelle(Trio(z, 0), IntTrio2VRItem));
            AListe.SetCellValue(i, 10, Ganzzahl(0));
        }
        // Loose goods by article, size and branch, then the containers by name.
        AListe.Sort({{5, srAufsteigend}, {8, srAufsteigend}, {20, srAufsteigend}, {2, srAufsteigend}});
    });
    if (!ok)
        AListe.RowsClear();
    return ok;
}
