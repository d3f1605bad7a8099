// VR lists: typed cells, invariants, child lists, sorting, deep copies and grouping.
#include "EZAM_Exception.h"
#include "TVRGroupList.h"
#include "TVRList.h"
#include "Vrtools.h"
#include "ZAMInfoKoords.h"

#include <QTest>

#include <functional>

namespace {

// Columns of a small count list.
enum : int { CFil = 0, CArtikel, CName, CMenge, CPreis, CPlatz, CDatum, CKz, COk, CLief, CPos, CSpaltenAnz };

TVRList ZaehlListe()
{
    TVRList l;
    l.ColumnAdd(QStringLiteral("Fil"), vrtInteger);
    l.ColumnAdd(QStringLiteral("Artikel"), vrtInt32Trio);
    l.ColumnAdd(QStringLiteral("Name"), vrtString);
    l.ColumnAdd(QStringLiteral("Menge"), vrtInteger, 60, true, Qt::AlignRight);
    l.ColumnAdd(QStringLiteral("Preis"), vrtDouble);
    l.ColumnAdd(QStringLiteral("Platz"), vrtIntTrio);
    l.ColumnAdd(QStringLiteral("Datum"), vrtDate);
    l.ColumnAdd(QStringLiteral("Kz"), vrtChar);
    l.ColumnAdd(QStringLiteral("Ok"), vrtBoolean);
    l.ColumnAdd(QStringLiteral("Lieferant"), vrtIntPair);
    l.ColumnAdd(QStringLiteral("Position"), vrtIntQuad);
    return l;
}

int ZeileDazu(TVRList& AListe, int AFil, int AArtikel, const QString& AName, int AMenge)
{
    TVRArray a = AListe.VRArray_ForRowAdd_Generate();
    Integer2VRItem(AFil, a[CFil]);
    Int32Trio2VRItem(TInt32Trio(1, AArtikel, 0), a[CArtikel]);
    String2VRItem(AName, a[CName]);
    Integer2VRItem(AMenge, a[CMenge]);
    IntPair2VRItem(TIntPair(7, AArtikel * 10), a[CLief]);
    const int r = AListe.RowAdd(a);
    TVRList::VRArray_ForRowAdd_Dispose(a);
    return r;
}

QStringList Namen(const TVRList& AListe)
{
    QStringList n;
    for (int r = 0; r < AListe.GetRowCount(); ++r)
        n << AListe.GetCellValueAsString(r, CName);
    return n;
}

bool RaisesIllegalerParameter(const std::function<void()>& AAufruf)
{
    try {
        AAufruf();
    } catch (const EZAM_Exception& e) {
        return e.Koord() == CZAM_Info_Fehler_Standard_IllegalerParameter;
    }
    return false;
}

// Records the calls of a group method and writes "Gesamt", as total rows do.
struct TMethodenProtokoll
{
    struct TAufruf
    {
        const TVRList* Quelle;
        int QuellZeile;
        const TVRList* Ziel;
        int ZielZeile;
        int Ebene;
        int Spalte;
    };
    QList<TAufruf> Aufrufe;

    void TextGesamt(const TVRList& AQuelle, int AQuellZeile, TVRList& AZiel, int AZielZeile, int AEbene, int ASpalte)
    {
        Aufrufe.append({&AQuelle, AQuellZeile, &AZiel, AZielZeile, AEbene, ASpalte});
        AZiel.SetCellValueAsString(AZielZeile, ASpalte, QStringLiteral("Gesamt"));
    }
};

} // namespace

class TestVRList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typisierteWerteUndTextformen();
    void nullZellenLiefernLeereWerte();
    void zeilenEinfuegenUndLoeschen();
    void falscherTypUndBereichRaisen();
    void spaltenGebenJederZeileEineZelle();
    void setzerSchreibenTypisiert();
    void kindlisten();
    void mehrspaltigStabilMitKindlisten();
    void sortierungNachSpaltenvergleich();
    void kopienUnabhaengigVomOriginal();
    void gruppierenSummeErsterWertMethode();
    void gruppierenWeitereFunktionenUndEbenen();
    void gruppierenRandfaelle();
};

void TestVRList::typisierteWerteUndTextformen()
{
    TVRList l = ZaehlListe();
    TVRArray a = l.VRArray_ForRowAdd_Generate();
    QCOMPARE(int(a.size()), CSpaltenAnz);
    Integer2VRItem(12, a[CFil]);
    Int32Trio2VRItem(TInt32Trio(1, 4711, 2), a[CArtikel]);
    String2VRItem(QStringLiteral("Hose"), a[CName]);
    Integer2VRItem(-3, a[CMenge]);
    Double2VRItem(19.5, a[CPreis]);
    IntTrio2VRItem(TIntTrio(3, 40, 5), a[CPlatz]);
    Date2VRItem(QDate(2024, 3, 5), a[CDatum]);
    Char2VRItem(QChar(u'K'), a[CKz]);
    Boolean2VRItem(true, a[COk]);
    IntPair2VRItem(TIntPair(7, 70), a[CLief]);
    IntQuad2VRItem(TIntQuad(1, 2, 3, 4), a[CPos]);
    QCOMPARE(l.RowAdd(a), 0);

    QCOMPARE(l.GetRowCount(), 1);
    QCOMPARE(l.GetCellValueAsInteger(0, CFil), 12);
    QCOMPARE(l.GetCellValueAsInt32Trio(0, CArtikel), TInt32Trio(1, 4711, 2));
    QCOMPARE(l.GetCellValueAsIntTrio(0, CPlatz), TIntTrio(3, 40, 5));
    QCOMPARE(l.GetCellValueAsDouble(0, CPreis), 19.5);
    QCOMPARE(l.GetCellValueAsDate(0, CDatum), QDate(2024, 3, 5));
    QCOMPARE(l.GetCellValueAsChar(0, CKz), QChar(u'K'));
    QVERIFY(l.GetCellValueAsBoolean(0, COk));
    QCOMPARE(l.GetCellValueAsIntPair(0, CLief), TIntPair(7, 70));
    QCOMPARE(l.GetCellValueAsIntQuad(0, CPos), TIntQuad(1, 2, 3, 4));
    // Compatible readings: a boolean as integer, an integer as double, a product key as IntTrio.
    QCOMPARE(l.GetCellValueAsInteger(0, COk), 1);
    QCOMPARE(l.GetCellValueAsDouble(0, CMenge), -3.0);
    QCOMPARE(l.GetCellValueAsIntTrio(0, CArtikel), TIntTrio(1, 4711, 2));
    QCOMPARE(l.GetCellValueAsChar(0, CName), QChar(u'H'));

    const QStringList texte{QStringLiteral("12"),       QStringLiteral("1-4711-2"), QStringLiteral("Hose"),
                            QStringLiteral("-3"),       QStringLiteral("19.5"),     QStringLiteral("3-40-5"),
                            QStringLiteral("05.03.2024"), QStringLiteral("K"),      QStringLiteral("Ja"),
                            QStringLiteral("7-70"),     QStringLiteral("1-2-3-4")};
    for (int c = 0; c < CSpaltenAnz; ++c)
        QCOMPARE(l.GetCellValueAsString(0, c), texte[c]);
}

void TestVRList::nullZellenLiefernLeereWerte()
{
    TVRList l = ZaehlListe();
    TVRArray a = l.VRArray_ForRowAdd_Generate();
    Integer2VRItem(5, a[CFil]);
    VRItem2Null(a[CFil]);
    l.RowAdd(a);
    // An untyped null cell is accepted in any column, also by the moving RowAdd.
    a[CName] = TVRItem();
    l.RowAdd(a);
    TVRArray b = a;
    QCOMPARE(l.RowAdd(std::move(b)), 2);
    TVRArray falsch = l.VRArray_ForRowAdd_Generate();
    falsch[CName] = TVRItem(vrtInteger);
    QVERIFY_THROWS_EXCEPTION(EZAM_Exception, l.RowAdd(std::move(falsch)));
    QVERIFY_THROWS_EXCEPTION(EZAM_Exception, l.RowAdd(TVRArray(2)));
    QCOMPARE(l.GetRowCount(), 3);

    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < CSpaltenAnz; ++c) {
            QVERIFY(l.GetCell(r, c).IsNull());
            QCOMPARE(l.GetCell(r, c).ValueType(), l.GetColumn(c).ValueType);
            QCOMPARE(l.GetCellValueAsString(r, c), QString());
        }
        QCOMPARE(l.GetCellValueAsInteger(r, CFil), 0);
        QCOMPARE(l.GetCellValueAsInt32Trio(r, CArtikel), TInt32Trio());
        QCOMPARE(l.GetCellValueAsIntTrio(r, CPlatz), TIntTrio());
        QCOMPARE(l.GetCellValueAsDouble(r, CPreis), 0.0);
        QVERIFY(!l.GetCellValueAsDate(r, CDatum).isValid());
        QVERIFY(l.GetCellValueAsChar(r, CKz).isNull());
        QVERIFY(!l.GetCellValueAsBoolean(r, COk));
        QCOMPARE(l.GetCellValueAsIntQuad(r, CPos), TIntQuad());
    }
}

void TestVRList::zeilenEinfuegenUndLoeschen()
{
    TVRList l = ZaehlListe();
    ZeileDazu(l, 1, 1, QStringLiteral("a"), 1);
    ZeileDazu(l, 1, 2, QStringLiteral("c"), 1);
    TVRArray a = l.VRArray_ForRowAdd_Generate();
    String2VRItem(QStringLiteral("b"), a[CName]);
    QCOMPARE(l.RowInsert(1, a), 1);
    String2VRItem(QStringLiteral("d"), a[CName]);
    QCOMPARE(l.RowInsert(3, a), 3);
    String2VRItem(QStringLiteral("0"), a[CName]);
    QCOMPARE(l.RowInsert(0, a), 0);
    QCOMPARE(Namen(l), QStringList({"0", "a", "b", "c", "d"}));

    l.RowChild_GoC(2);
    l.RowDelete(2);
    QCOMPARE(Namen(l), QStringList({"0", "a", "c", "d"}));
    QVERIFY(!l.GetRowChild(2));
    l.RowsClear();
    QCOMPARE(l.GetRowCount(), 0);
    QCOMPARE(l.GetColumnCount(), CSpaltenAnz);
}

void TestVRList::falscherTypUndBereichRaisen()
{
    TVRList l = ZaehlListe();
    ZeileDazu(l, 1, 1, QStringLiteral("a"), 1);
    TVRArray a = l.VRArray_ForRowAdd_Generate();

    const QList<QPair<const char*, std::function<void()>>> faelle{
        {"string converter on integer cell", [&] { String2VRItem(QStringLiteral("x"), a[CFil]); }},
        {"IntTrio converter on Int32Trio cell", [&] { IntTrio2VRItem(TIntTrio(1, 2, 3), a[CArtikel]); }},
        {"time converter on date cell", [&] { Time2VRItem(QTime(1, 2), a[CDatum]); }},
        {"too few cells", [&] { l.RowAdd(TVRArray(CSpaltenAnz - 1)); }},
        {"free cell of wrong type", [&] {
             TVRArray b = l.VRArray_ForRowAdd_Generate();
             TVRItem frei;
             Integer2VRItem(3, frei);
             b[CName] = frei;
             l.RowAdd(b);
         }},
        {"insert beyond the end", [&] { l.RowInsert(2, l.VRArray_ForRowAdd_Generate()); }},
        {"row -1", [&] { l.GetCellValueAsInteger(-1, CFil); }},
        {"row = count", [&] { l.GetCellValueAsString(1, CFil); }},
        {"column = count", [&] { l.GetCellValueAsString(0, CSpaltenAnz); }},
        {"pair getter on integer column", [&] { l.GetCellValueAsIntPair(0, CFil); }},
        {"integer getter on string column", [&] { l.GetCellValueAsInteger(0, CName); }},
        {"date getter on double column", [&] { l.GetCellValueAsDate(0, CPreis); }},
        {"integer setter on string column", [&] { l.SetCellValueAsInteger(0, CName, 5); }},
        {"string setter on integer column", [&] { l.SetCellValueAsString(0, CFil, QStringLiteral("5")); }},
        {"item of another type", [&] {
             TVRItem i;
             Double2VRItem(1.0, i);
             l.SetCellValue(0, CMenge, i);
         }},
        {"delete a missing row", [&] { l.RowDelete(1); }},
        {"child of a missing row", [&] { l.RowChild_GoC(1); }},
        {"sort by a missing column", [&] { l.Sort({{CFil, srAufsteigend}, {CSpaltenAnz, srAufsteigend}}); }},
        {"column without type", [&] { l.ColumnAdd(QStringLiteral("x"), vrtUnbestimmt); }},
    };
    for (const auto& [name, aufruf] : faelle)
        QVERIFY2(RaisesIllegalerParameter(aufruf), name);

    // Nothing of the refused calls reached the list.
    QCOMPARE(l.GetRowCount(), 1);
    QCOMPARE(l.GetColumnCount(), CSpaltenAnz);
    QCOMPARE(l.GetCellValueAsInteger(0, CMenge), 1);
    QCOMPARE(l.GetCellValueAsString(0, CName), QStringLiteral("a"));
}

void TestVRList::spaltenGebenJederZeileEineZelle()
{
    TVRList l = ZaehlListe();
    ZeileDazu(l, 1, 1, QStringLiteral("a"), 1);
    TVRList& kind = l.RowChild_GoC(0);
    ZeileDazu(kind, 1, 1, QStringLiteral("k"), 1);

    const int neu = l.ColumnAdd(QStringLiteral("Bemerkung"), vrtString, 120, false);
    QCOMPARE(neu, CSpaltenAnz);
    QCOMPARE(l.GetColumn(neu).Caption, QStringLiteral("Bemerkung"));
    QVERIFY(!l.GetColumn(neu).Visible);
    QVERIFY(l.GetCell(0, neu).IsNull());
    // The child list keeps the parent's columns.
    QCOMPARE(kind.GetColumnCount(), CSpaltenAnz + 1);
    QCOMPARE(kind.GetCell(0, neu).ValueType(), vrtString);
    TVRArray a = l.VRArray_ForRowAdd_Generate();
    String2VRItem(QStringLiteral("neu"), a[neu]);
    l.RowAdd(a);
    QCOMPARE(l.GetCellValueAsString(1, neu), QStringLiteral("neu"));

    l.SetColumnCaption(CMenge, QStringLiteral("Me"));
    l.SetColumnVisible(CMenge, false);
    l.SetColumnWidth(CMenge, 33);
    QCOMPARE(l.GetColumn(CMenge).Caption, QStringLiteral("Me"));
    QVERIFY(!l.GetColumn(CMenge).Visible);
    QCOMPARE(l.GetColumn(CMenge).Width, 33);
    QCOMPARE(l.GetColumn(CMenge).Alignment, Qt::Alignment(Qt::AlignRight));

    l.ColumnsClear();
    QCOMPARE(l.GetColumnCount(), 0);
    QCOMPARE(l.GetRowCount(), 0);
}

void TestVRList::setzerSchreibenTypisiert()
{
    TVRList l = ZaehlListe();
    ZeileDazu(l, 1, 1, QStringLiteral("a"), 1);
    l.SetCellValueAsInteger(0, CMenge, 42);
    l.SetCellValueAsString(0, CName, QStringLiteral("neu"));
    l.SetCellValueAsString(0, CKz, QStringLiteral("Xyz"));
    TVRItem platz;
    IntTrio2VRItem(TIntTrio(9, 8, 7), platz);
    l.SetCellValue(0, CPlatz, platz);
    QCOMPARE(l.GetCellValueAsInteger(0, CMenge), 42);
    QCOMPARE(l.GetCellValueAsString(0, CName), QStringLiteral("neu"));
    QCOMPARE(l.GetCellValueAsChar(0, CKz), QChar(u'X'));
    QCOMPARE(l.GetCellValueAsIntTrio(0, CPlatz), TIntTrio(9, 8, 7));

    l.SetCellValue(0, CMenge, TVRItem());
    QVERIFY(l.GetCell(0, CMenge).IsNull());
    QCOMPARE(l.GetCell(0, CMenge).ValueType(), vrtInteger);
    // The nulled cell still takes its own type.
    l.SetCellValueAsInteger(0, CMenge, 3);
    QCOMPARE(l.GetCellValueAsInteger(0, CMenge), 3);
}

void TestVRList::kindlisten()
{
    TVRList l = ZaehlListe();
    ZeileDazu(l, 1, 1, QStringLiteral("a"), 1);
    ZeileDazu(l, 2, 2, QStringLiteral("b"), 1);
    QVERIFY(!l.GetRowChild(0));

    TVRList& kind = l.RowChild_GoC(0);
    QCOMPARE(&l.RowChild_GoC(0), &kind);
    QCOMPARE(l.GetRowChild(0), &kind);
    QVERIFY(kind.SameColumns(l));
    QCOMPARE(kind.GetColumn(CName).Caption, QStringLiteral("Name"));
    ZeileDazu(kind, 1, 5, QStringLiteral("a1"), 2);
    QCOMPARE(l.GetRowChild(0)->GetCellValueAsString(0, CName), QStringLiteral("a1"));
    QVERIFY(!l.GetRowChild(1));

    TVRList quelle = ZaehlListe();
    ZeileDazu(quelle, 2, 6, QStringLiteral("b1"), 3);
    ZeileDazu(quelle.RowChild_GoC(0), 2, 6, QStringLiteral("b1x"), 3);
    TVRList& klon = l.RowCloneChild(1, quelle);
    quelle.SetCellValueAsString(0, CName, QStringLiteral("geaendert"));
    quelle.GetRowChild(0)->RowsClear();
    QCOMPARE(klon.GetCellValueAsString(0, CName), QStringLiteral("b1"));
    QCOMPARE(klon.GetRowChild(0)->GetCellValueAsString(0, CName), QStringLiteral("b1x"));

    // Cloning a row's own child list into that row keeps its content.
    l.RowCloneChild(1, *l.GetRowChild(1));
    QCOMPARE(l.GetRowChild(1)->GetCellValueAsString(0, CName), QStringLiteral("b1"));

    TVRList fremd;
    fremd.ColumnAdd(QStringLiteral("x"), vrtString);
    QVERIFY(RaisesIllegalerParameter([&] { l.RowCloneChild(0, fremd); }));
    QCOMPARE(l.GetRowChild(0)->GetRowCount(), 1);

    l.RowChildDelete(0);
    QVERIFY(!l.GetRowChild(0));
}

void TestVRList::mehrspaltigStabilMitKindlisten()
{
    TVRList l = ZaehlListe();
    // Name records the insertion order; Fil ascending, Menge descending.
    ZeileDazu(l, 2, 1, QStringLiteral("r0"), 5);
    ZeileDazu(l, 1, 1, QStringLiteral("r1"), 5);
    ZeileDazu(l, 2, 1, QStringLiteral("r2"), 9);
    ZeileDazu(l, 1, 1, QStringLiteral("r3"), 7);
    ZeileDazu(l, 2, 1, QStringLiteral("r4"), 5);
    ZeileDazu(l, 1, 1, QStringLiteral("r5"), 5);
    TVRArray a = l.VRArray_ForRowAdd_Generate();
    String2VRItem(QStringLiteral("null"), a[CName]);
    l.RowAdd(a);

    TVRList& kind = l.RowChild_GoC(0);
    ZeileDazu(kind, 3, 1, QStringLiteral("k0"), 1);
    ZeileDazu(kind, 1, 1, QStringLiteral("k1"), 1);
    ZeileDazu(kind, 1, 1, QStringLiteral("k2"), 4);
    TVRList& enkel = kind.RowChild_GoC(0);
    ZeileDazu(enkel, 5, 1, QStringLiteral("e0"), 1);
    ZeileDazu(enkel, 4, 1, QStringLiteral("e1"), 1);

    l.Sort({{CFil, srAufsteigend}, {CMenge, srAbsteigend}});
    // Null sorts first ascending; equal keys keep their order (r1 before r5, r0 before r4).
    QCOMPARE(Namen(l), QStringList({"null", "r3", "r1", "r5", "r2", "r0", "r4"}));
    const TVRList* k = l.GetRowChild(5);
    QVERIFY(k);
    QCOMPARE(Namen(*k), QStringList({"k2", "k1", "k0"}));
    QCOMPARE(Namen(*k->GetRowChild(2)), QStringList({"e1", "e0"}));

    l.SortByColumn(CFil, srAbsteigend);
    QCOMPARE(Namen(l), QStringList({"r2", "r0", "r4", "r3", "r1", "r5", "null"}));
    QCOMPARE(Namen(*l.GetRowChild(1)), QStringList({"k0", "k2", "k1"}));

    l.SortByColumn(CName, srAufsteigend);
    QCOMPARE(Namen(l), QStringList({"null", "r0", "r1", "r2", "r3", "r4", "r5"}));

    // Enough rows that an unstable sort would reorder equal keys.
    TVRList viele = ZaehlListe();
    for (int i = 0; i < 64; ++i)
        ZeileDazu(viele, (i * 7) % 3, 1, QString(), i);
    viele.SortByColumn(CFil, srAbsteigend);
    for (int r = 1; r < viele.GetRowCount(); ++r) {
        const int filVorher = viele.GetCellValueAsInteger(r - 1, CFil);
        const int fil = viele.GetCellValueAsInteger(r, CFil);
        QVERIFY(filVorher >= fil);
        if (filVorher == fil)
            QVERIFY(viele.GetCellValueAsInteger(r - 1, CMenge) < viele.GetCellValueAsInteger(r, CMenge));
    }
}

void TestVRList::sortierungNachSpaltenvergleich()
{
    TVRList l;
    TVRColumn c;
    c.Caption = QStringLiteral("Beleg");
    c.ValueType = vrtString;
    // Document numbers "year/number": by number, not by text.
    c.Vergleich = [](const TVRItem& A, const TVRItem& B) {
        const int a = A.AlsText().section(u'/', 1).toInt();
        const int b = B.AlsText().section(u'/', 1).toInt();
        return a < b ? -1 : (a > b ? 1 : 0);
    };
    l.ColumnAdd(c);
    for (const char* t : {"24/100", "23/9", "24/20"}) {
        TVRArray a = l.VRArray_ForRowAdd_Generate();
        String2VRItem(QString::fromLatin1(t), a[0]);
        l.RowAdd(a);
    }
    l.SortByColumn(0, srAufsteigend);
    QCOMPARE(l.GetCellValueAsString(0, 0), QStringLiteral("23/9"));
    QCOMPARE(l.GetCellValueAsString(1, 0), QStringLiteral("24/20"));
    QCOMPARE(l.GetCellValueAsString(2, 0), QStringLiteral("24/100"));
}

void TestVRList::kopienUnabhaengigVomOriginal()
{
    TVRList original = ZaehlListe();
    ZeileDazu(original, 1, 1, QStringLiteral("a"), 1);
    ZeileDazu(original, 2, 2, QStringLiteral("b"), 2);
    ZeileDazu(original.RowChild_GoC(0), 1, 1, QStringLiteral("a1"), 1);
    ZeileDazu(original.GetRowChild(0)->RowChild_GoC(0), 1, 1, QStringLiteral("a11"), 1);

    std::unique_ptr<TVRList> kopie = CreateCopyVRList(original);
    QCOMPARE(Namen(*kopie), Namen(original));
    QVERIFY(kopie->GetRowChild(0) != original.GetRowChild(0));
    kopie->SetCellValueAsString(0, CName, QStringLiteral("x"));
    kopie->GetRowChild(0)->SetCellValueAsInteger(0, CMenge, 99);
    kopie->GetRowChild(0)->GetRowChild(0)->RowDelete(0);
    kopie->RowDelete(1);
    kopie->SetColumnCaption(CName, QStringLiteral("Bez"));

    QCOMPARE(Namen(original), QStringList({"a", "b"}));
    QCOMPARE(original.GetRowChild(0)->GetCellValueAsInteger(0, CMenge), 1);
    QCOMPARE(original.GetRowChild(0)->GetRowChild(0)->GetRowCount(), 1);
    QCOMPARE(original.GetColumn(CName).Caption, QStringLiteral("Name"));

    // The clone replaces the target's former content and does not follow the original later.
    TVRList ziel;
    ziel.ColumnAdd(QStringLiteral("alt"), vrtInteger);
    CloneVRList(original, ziel);
    QCOMPARE(ziel.GetColumnCount(), CSpaltenAnz);
    QCOMPARE(Namen(ziel), QStringList({"a", "b"}));
    original.GetRowChild(0)->SetCellValueAsString(0, CName, QStringLiteral("geaendert"));
    original.RowsClear();
    QCOMPARE(ziel.GetRowChild(0)->GetCellValueAsString(0, CName), QStringLiteral("a1"));
    QCOMPARE(ziel.GetRowChild(0)->GetRowChild(0)->GetCellValueAsString(0, CName), QStringLiteral("a11"));

    TVRList& selbst = ziel;
    ziel = selbst;
    QCOMPARE(Namen(ziel), QStringList({"a", "b"}));
}

void TestVRList::gruppierenSummeErsterWertMethode()
{
    TVRList quelle = ZaehlListe();
    ZeileDazu(quelle, 2, 10, QStringLiteral("q0"), 1);
    ZeileDazu(quelle, 1, 20, QStringLiteral("q1"), 2);
    ZeileDazu(quelle, 2, 10, QStringLiteral("q2"), 4);
    ZeileDazu(quelle, 1, 10, QStringLiteral("q3"), 8);
    ZeileDazu(quelle, 1, 20, QStringLiteral("q4"), 16);
    ZeileDazu(quelle.RowChild_GoC(4), 1, 20, QStringLiteral("q4k"), 16);

    TMethodenProtokoll protokoll;
    TVRGroupList gruppen;
    TVRGroup& g = gruppen.GroupAdd();
    g.SpalteAdd(CFil);
    g.SpalteAdd(CArtikel);
    g.FunktionAdd(CFil, gfErsterWert);
    g.FunktionAdd(CArtikel, gfErsterWert);
    g.FunktionAdd(CLief, gfErsterWert);
    g.FunktionAdd(CMenge, gfSumme);
    g.FunktionAdd(CName, gfMethode, VRGroupMethode(&protokoll, &TMethodenProtokoll::TextGesamt));

    const std::unique_ptr<TVRList> grp = CreateGroupedVRList(quelle, gruppen, 0);
    QVERIFY(grp->SameColumns(quelle));
    QCOMPARE(grp->GetRowCount(), 3);
    const QList<QPair<int, int>> schluessel{{1, 10}, {1, 20}, {2, 10}};
    const QList<int> summen{8, 18, 5};
    const QList<QStringList> kinder{{"q3"}, {"q1", "q4"}, {"q0", "q2"}};
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(grp->GetCellValueAsInteger(r, CFil), schluessel[r].first);
        QCOMPARE(grp->GetCellValueAsInt32Trio(r, CArtikel), TInt32Trio(1, schluessel[r].second, 0));
        QCOMPARE(grp->GetCellValueAsIntPair(r, CLief), TIntPair(7, schluessel[r].second * 10));
        QCOMPARE(grp->GetCellValueAsInteger(r, CMenge), summen[r]);
        QCOMPARE(grp->GetCellValueAsString(r, CName), QStringLiteral("Gesamt"));
        QVERIFY(grp->GetCell(r, CPreis).IsNull());
        QVERIFY(grp->GetCell(r, CPlatz).IsNull());
        const TVRList* kind = grp->GetRowChild(r);
        QVERIFY(kind);
        QCOMPARE(Namen(*kind), kinder[r]);
    }

    // The method is called once per source row with the six arguments, in sorted order.
    const QList<QPair<int, int>> erwartet{{3, 0}, {1, 1}, {4, 1}, {0, 2}, {2, 2}};
    QCOMPARE(protokoll.Aufrufe.size(), erwartet.size());
    for (int i = 0; i < erwartet.size(); ++i) {
        const TMethodenProtokoll::TAufruf& a = protokoll.Aufrufe[i];
        QCOMPARE(a.Quelle, static_cast<const TVRList*>(&quelle));
        QCOMPARE(a.QuellZeile, erwartet[i].first);
        QCOMPARE(a.Ziel, static_cast<const TVRList*>(grp.get()));
        QCOMPARE(a.ZielZeile, erwartet[i].second);
        QCOMPARE(a.Ebene, 0);
        QCOMPARE(a.Spalte, int(CName));
    }

    // Child rows are copies, children included; the source keeps its order and values.
    TVRList* kind = grp->GetRowChild(1);
    QCOMPARE(kind->GetCellValueAsInteger(1, CMenge), 16);
    QCOMPARE(kind->GetRowChild(1)->GetCellValueAsString(0, CName), QStringLiteral("q4k"));
    kind->SetCellValueAsInteger(1, CMenge, 0);
    kind->GetRowChild(1)->RowsClear();
    QCOMPARE(quelle.GetCellValueAsInteger(4, CMenge), 16);
    QCOMPARE(quelle.GetRowChild(4)->GetRowCount(), 1);
    QCOMPARE(Namen(quelle), QStringList({"q0", "q1", "q2", "q3", "q4"}));
}

void TestVRList::gruppierenWeitereFunktionenUndEbenen()
{
    TVRList quelle = ZaehlListe();
    const QList<std::tuple<int, int, double, QDate>> daten{
        {1, 3, 1.25, QDate(2024, 5, 1)}, {2, 1, 2.5, QDate()}, {1, 5, 0.5, QDate(2024, 4, 1)},
        {2, 1, 1.0, QDate(2024, 6, 1)},  {1, 3, 4.0, QDate(2024, 7, 1)}};
    for (int i = 0; i < daten.size(); ++i) {
        const auto& [fil, menge, preis, datum] = daten[i];
        ZeileDazu(quelle, fil, 1, QStringLiteral("q%1").arg(i), menge);
        TVRItem p, d;
        Double2VRItem(preis, p);
        quelle.SetCellValue(i, CPreis, p);
        if (datum.isValid()) {
            Date2VRItem(datum, d);
            quelle.SetCellValue(i, CDatum, d);
        }
    }

    TMethodenProtokoll protokoll;
    TVRGroupList gruppen;
    TVRGroup& oben = gruppen.GroupAdd();
    oben.SpalteAdd(CFil, srAbsteigend);
    oben.FunktionAdd(CFil, gfErsterWert);
    oben.FunktionAdd(CPreis, gfSumme);
    oben.FunktionAdd(COk, gfErsterWert);
    oben.FunktionAdd(CMenge, gfAnzahl);
    oben.FunktionAdd(CDatum, gfMinimum);
    oben.FunktionAdd(CName, gfLetzterWert);
    TVRGroup& unten = gruppen.GroupAdd();
    unten.SpalteAdd(CMenge);
    unten.FunktionAdd(CMenge, gfErsterWert);
    unten.FunktionAdd(CDatum, gfMaximum);
    unten.FunktionAdd(CName, gfMethode, VRGroupMethode(&protokoll, &TMethodenProtokoll::TextGesamt));

    const std::unique_ptr<TVRList> grp = CreateGroupedVRList(quelle, gruppen);
    QCOMPARE(grp->GetRowCount(), 2);
    QCOMPARE(grp->GetCellValueAsInteger(0, CFil), 2);
    QCOMPARE(grp->GetCellValueAsDouble(0, CPreis), 3.5);
    QCOMPARE(grp->GetCellValueAsInteger(0, CMenge), 2);
    QCOMPARE(grp->GetCellValueAsDate(0, CDatum), QDate(2024, 6, 1)); // the null date is left out
    QCOMPARE(grp->GetCellValueAsString(0, CName), QStringLiteral("q3"));
    QVERIFY(grp->GetCell(0, COk).IsNull());
    QCOMPARE(grp->GetCellValueAsInteger(1, CFil), 1);
    QCOMPARE(grp->GetCellValueAsDouble(1, CPreis), 5.75);
    QCOMPARE(grp->GetCellValueAsInteger(1, CMenge), 3);
    QCOMPARE(grp->GetCellValueAsDate(1, CDatum), QDate(2024, 4, 1));
    QCOMPARE(grp->GetCellValueAsString(1, CName), QStringLiteral("q4"));

    // Level 1 groups each group's rows again; its rows hold the source rows.
    const TVRList* zweite = grp->GetRowChild(1);
    QCOMPARE(zweite->GetRowCount(), 2);
    QCOMPARE(zweite->GetCellValueAsInteger(0, CMenge), 3);
    QCOMPARE(zweite->GetCellValueAsDate(0, CDatum), QDate(2024, 7, 1));
    QCOMPARE(zweite->GetCellValueAsString(0, CName), QStringLiteral("Gesamt"));
    QCOMPARE(Namen(*zweite->GetRowChild(0)), QStringList({"q0", "q4"}));
    QCOMPARE(Namen(*zweite->GetRowChild(1)), QStringList({"q2"}));
    QCOMPARE(protokoll.Aufrufe.size(), 5);
    for (const auto& a : protokoll.Aufrufe)
        QCOMPARE(a.Ebene, 1);
    QCOMPARE(protokoll.Aufrufe[0].Ziel, static_cast<const TVRList*>(grp->GetRowChild(0)));

    // Starting at level 1 groups by the lower level only.
    const std::unique_ptr<TVRList> nurUnten = CreateGroupedVRList(quelle, gruppen, 1);
    QCOMPARE(nurUnten->GetRowCount(), 3);
    QCOMPARE(Namen(*nurUnten->GetRowChild(0)), QStringList({"q1", "q3"}));
}

void TestVRList::gruppierenRandfaelle()
{
    TVRList quelle = ZaehlListe();
    TVRGroupList gruppen;
    TVRGroup& g = gruppen.GroupAdd();
    g.FunktionAdd(CMenge, gfSumme);

    QCOMPARE(CreateGroupedVRList(quelle, gruppen)->GetRowCount(), 0);

    // Without group columns all rows form one group.
    ZeileDazu(quelle, 1, 1, QStringLiteral("a"), 2);
    ZeileDazu(quelle, 2, 2, QStringLiteral("b"), 3);
    const std::unique_ptr<TVRList> eine = CreateGroupedVRList(quelle, gruppen);
    QCOMPARE(eine->GetRowCount(), 1);
    QCOMPARE(eine->GetCellValueAsInteger(0, CMenge), 5);
    QCOMPARE(Namen(*eine->GetRowChild(0)), QStringList({"a", "b"}));

    TVRGroupList summeText;
    summeText.GroupAdd().FunktionAdd(CName, gfSumme);
    QVERIFY(RaisesIllegalerParameter([&] { CreateGroupedVRList(quelle, summeText); }));
    TVRGroupList ohneMethode;
    ohneMethode.GroupAdd().FunktionAdd(CName, gfMethode);
    QVERIFY(RaisesIllegalerParameter([&] { CreateGroupedVRList(quelle, ohneMethode); }));
    TVRGroupList falscheSpalte;
    falscheSpalte.GroupAdd().SpalteAdd(CSpaltenAnz);
    QVERIFY(RaisesIllegalerParameter([&] { CreateGroupedVRList(quelle, falscheSpalte); }));
    QVERIFY(RaisesIllegalerParameter([&] { CreateGroupedVRList(quelle, gruppen, 1); }));
    QVERIFY(RaisesIllegalerParameter([&] { CreateGroupedVRList(quelle, TVRGroupList()); }));
}

QTEST_GUILESS_MAIN(TestVRList)
#include "tst_vrlist.moc"
