// The list display over a VR list: tree model, nodes and typed values, update brackets, options,
// row colours, check boxes, mouse and key signals; and the colour and font helpers.
#include "EZAM_Exception.h"
#include "TVTVRList.h"
#include "Vrtools.h"
#include "ZAMFarben.h"
#include "ZAMInfoKoords.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

enum : int { CPlatz = 0, CArtikel, CMenge, CId, CPreis, CDatum, COk, CSpaltenAnz };

void ZeileDazu(TVRList& AListe, const QString& APlatz, int AArtikel, int AMenge)
{
    TVRArray a = AListe.VRArray_ForRowAdd_Generate();
    String2VRItem(APlatz, a[CPlatz]);
    Int32Trio2VRItem(TInt32Trio(1, AArtikel, 0), a[CArtikel]);
    Integer2VRItem(AMenge, a[CMenge]);
    IntTrio2VRItem(TIntTrio(3, AArtikel, 1), a[CId]);
    Double2VRItem(AMenge * 1.5, a[CPreis]);
    Date2VRItem(QDate(2024, 1, AMenge), a[CDatum]);
    Boolean2VRItem(AMenge % 2 == 1, a[COk]);
    AListe.RowAdd(a);
}

// Places A (children a1, a2), B (none), C (child c1).
TVRList PlatzListe()
{
    TVRList l;
    l.ColumnAdd(QStringLiteral("Platz"), vrtString, 120);
    l.ColumnAdd(QStringLiteral("Artikel"), vrtInt32Trio, 90);
    l.ColumnAdd(QStringLiteral("Menge"), vrtInteger, 50, true, Qt::AlignRight | Qt::AlignVCenter);
    l.ColumnAdd(QStringLiteral("Id"), vrtIntTrio, 80, false);
    l.ColumnAdd(QStringLiteral("Preis"), vrtDouble, 60);
    l.ColumnAdd(QStringLiteral("Datum"), vrtDate, 80);
    l.ColumnAdd(QStringLiteral("Ok"), vrtBoolean, 40);
    ZeileDazu(l, QStringLiteral("A"), 10, 3);
    ZeileDazu(l, QStringLiteral("B"), 20, 4);
    ZeileDazu(l, QStringLiteral("C"), 30, 5);
    ZeileDazu(l.RowChild_GoC(0), QStringLiteral("a1"), 11, 1);
    ZeileDazu(l.RowChild_GoC(0), QStringLiteral("a2"), 12, 7);
    ZeileDazu(l.RowChild_GoC(2), QStringLiteral("c1"), 31, 2);
    return l;
}

QModelIndex Index(const TVTVRList& AView, const TVTVRKnoten& AKnoten, int ACol = 0)
{
    return AView.Model_Get()->Index_4_Knoten(AKnoten, ACol);
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

} // namespace

class TestVTVRList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modellZeigtKindzeilenUnterIhrenEltern();
    void sichtbareSpaltenBreitenUndReihenfolge();
    void fokussierteUndMarkierteZeilenTypisiert();
    void beginEndUpdateVerschachteltUndZustandBleibt();
    void optionenMerkenUndZurueckgeben();
    void option128KlapptPerDoppelklickUm();
    void zeilenhintergrundAusHook();
    void checkboxenJeKnoten();
    void enterMeldetFokussiertenKnoten();
    void klicksMeldenSpalteKnotenUndKopf();
    void kopfOffsetLesenUndSetzen();
    void farbnummernUndSchrifthoehen();
};

void TestVTVRList::modellZeigtKindzeilenUnterIhrenEltern()
{
    TVRList l = PlatzListe();
    TVTVRListModel m;
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.VRList_Set(&l);

    QCOMPARE(m.rowCount(), 3);
    QCOMPARE(m.columnCount(), int(CSpaltenAnz));
    const QModelIndex a = m.index(0, 0);
    QCOMPARE(m.rowCount(a), 2);
    QCOMPARE(m.rowCount(m.index(1, 0)), 0);
    QCOMPARE(m.rowCount(m.index(2, 0)), 1);
    const QModelIndex a2 = m.index(1, 0, a);
    QCOMPARE(a2.data().toString(), QStringLiteral("a2"));
    QCOMPARE(m.index(1, CArtikel, a).data().toString(), QStringLiteral("1-12-0"));
    QCOMPARE(m.parent(a2), a);
    QVERIFY(!m.parent(a).isValid());
    QCOMPARE(m.rowCount(a2), 0);
    QVERIFY(!m.index(2, 0, a).isValid());
    QCOMPARE(m.headerData(CMenge, Qt::Horizontal).toString(), QStringLiteral("Menge"));
    QCOMPARE(m.index(0, CMenge).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));

    QCOMPARE(m.Knoten_4_Index(a2), (TVTVRKnoten{0, 1}));
    QCOMPARE(m.Knoten_4_Index(m.index(2, 0)), (TVTVRKnoten{2, -1}));
    QCOMPARE(m.Index_4_Knoten({2, 0}, CMenge), m.index(0, CMenge, m.index(2, 0)));
    QCOMPARE(m.Ebene_4_Index(a2), 1);
    QCOMPARE(m.Ebene_4_Index(a), 0);
    QCOMPARE(m.Liste_4_Index(a2), static_cast<const TVRList*>(l.GetRowChild(0)));

    // A child list made after binding appears with the rebuild.
    ZeileDazu(l.RowChild_GoC(1), QStringLiteral("b1"), 21, 1);
    m.Neuaufbau();
    const QModelIndex b1 = m.index(0, 0, m.index(1, 0));
    QCOMPARE(b1.data().toString(), QStringLiteral("b1"));
    QCOMPARE(m.parent(b1), m.index(1, 0));

    m.VRList_Set(nullptr);
    QCOMPARE(m.rowCount(), 0);
    QCOMPARE(m.columnCount(), 0);
}

void TestVTVRList::sichtbareSpaltenBreitenUndReihenfolge()
{
    TVRList l = PlatzListe();
    TVTVRList lv;
    lv.VRList_Set(&l);
    for (int c = 0; c < CSpaltenAnz; ++c) {
        QCOMPARE(lv.isColumnHidden(c), c == CId);
        if (c != CId)
            QCOMPARE(lv.columnWidth(c), l.GetColumn(c).Width);
    }

    l.SetColumnVisible(CId, true);
    l.SetColumnVisible(CPreis, false);
    lv.setColumnWidth(CPlatz, 200);
    lv.Refresh();
    QVERIFY(!lv.isColumnHidden(CId));
    QCOMPARE(lv.columnWidth(CId), 80);
    QVERIFY(lv.isColumnHidden(CPreis));
    // A width set on the display survives the refresh until the list's own width changes.
    QCOMPARE(lv.columnWidth(CPlatz), 200);
    l.SetColumnWidth(CPlatz, 70);
    lv.Refresh();
    QCOMPARE(lv.columnWidth(CPlatz), 70);

    lv.SpaltenReihenfolge_Set({CMenge, CPlatz});
    lv.Refresh();
    QCOMPARE(lv.header()->visualIndex(CMenge), 0);
    QCOMPARE(lv.header()->visualIndex(CPlatz), 1);
    QCOMPARE(lv.header()->visualIndex(CArtikel), 2);
    QCOMPARE(lv.header()->visualIndex(COk), CSpaltenAnz - 1);
    lv.SpaltenReihenfolge_Set({CArtikel});
    QCOMPARE(lv.header()->visualIndex(CArtikel), 0);
    QCOMPARE(lv.header()->visualIndex(CPlatz), 1);
    QCOMPARE(lv.header()->visualIndex(CMenge), 2);
    // Another list comes in its own order.
    TVRList andere = PlatzListe();
    lv.VRList_Set(&andere);
    QCOMPARE(lv.header()->visualIndex(CArtikel), int(CArtikel));
    lv.VRList_Set(&l);

    lv.Hauptspalte_Set(CArtikel);
    QCOMPARE(lv.treePosition(), int(CArtikel));
    QCOMPARE(lv.Hauptspalte_Get(), int(CArtikel));
}

void TestVTVRList::fokussierteUndMarkierteZeilenTypisiert()
{
    TVRList l = PlatzListe();
    TVTVRList lv;
    lv.VRList_Set(&l);
    QVERIFY(!lv.GetFocusedNode().IsValid());

    lv.SetFocusedNode({0, 1});
    QCOMPARE(lv.GetFocusedRow(), 0);
    QCOMPARE(lv.GetFocusedChildRow(), 1);
    const TVTVRKnoten k = lv.GetFocusedNode();
    QCOMPARE(lv.GetCellValueAsString(k, CPlatz), QStringLiteral("a2"));
    QCOMPARE(lv.GetCellValueAsInt32Trio(k, CArtikel), TInt32Trio(1, 12, 0));
    QCOMPARE(lv.GetCellValueAsIntTrio(k, CId), TIntTrio(3, 12, 1));
    QCOMPARE(lv.GetCellValueAsInteger(k, CMenge), 7);
    QCOMPARE(lv.GetCellValueAsDouble(k, CPreis), 10.5);
    QCOMPARE(lv.GetCellValueAsDate(k, CDatum), QDate(2024, 1, 7));
    QVERIFY(lv.GetCellValueAsBoolean(k, COk));
    QCOMPARE(lv.GetCellValueAsChar(k, CPlatz), QChar(u'a'));

    lv.SetFocusedNode({1, -1});
    QCOMPARE(lv.GetCellValueAsString(lv.GetFocusedNode(), CPlatz), QStringLiteral("B"));
    QCOMPARE(lv.GetFocusedChildRow(), -1);
    QCOMPARE(lv.GetSelectedNodes(), QList<TVTVRKnoten>({{1, -1}}));

    lv.OptionSetzen(CVTVRList_MehrfachAuswahl);
    lv.SelectNode({2, 0});
    lv.SelectNode({0, 0});
    QCOMPARE(lv.GetSelectedNodes(), QList<TVTVRKnoten>({{0, 0}, {1, -1}, {2, 0}}));
    QCOMPARE(lv.GetFirstSelectedNode(), (TVTVRKnoten{0, 0}));
    lv.SelectNode({1, -1}, false);
    QCOMPARE(lv.GetSelectedNodes(), QList<TVTVRKnoten>({{0, 0}, {2, 0}}));
    QCOMPARE(lv.GetCellValueAsString(lv.GetSelectedNodes().last(), CPlatz), QStringLiteral("c1"));

    for (const TVTVRKnoten& falsch : {TVTVRKnoten{}, TVTVRKnoten{3, -1}, TVTVRKnoten{1, 0}, TVTVRKnoten{0, 2}})
        QVERIFY(RaisesIllegalerParameter([&] { lv.GetCellValueAsInteger(falsch, CMenge); }));
}

void TestVTVRList::beginEndUpdateVerschachteltUndZustandBleibt()
{
    TVRList l = PlatzListe();
    TVTVRList lv;
    lv.VRList_Set(&l);
    lv.expand(Index(lv, {0, -1}));
    lv.SetFocusedNode({0, 1});
    lv.setColumnWidth(CArtikel, 150);
    QSignalSpy resets(lv.Model_Get(), &QAbstractItemModel::modelReset);

    lv.BeginUpdate();
    lv.BeginUpdate();
    QVERIFY(lv.IsUpdating());
    QVERIFY(!lv.updatesEnabled());
    ZeileDazu(l, QStringLiteral("D"), 40, 6);
    l.GetRowChild(0)->SetCellValueAsString(1, CPlatz, QStringLiteral("a2neu"));
    lv.Refresh();
    lv.EndUpdate();
    QCOMPARE(resets.count(), 0);
    QVERIFY(lv.IsUpdating());
    lv.EndUpdate();
    QCOMPARE(resets.count(), 1);
    QVERIFY(!lv.IsUpdating());
    QVERIFY(lv.updatesEnabled());
    lv.EndUpdate(); // unbalanced: nothing happens
    QCOMPARE(resets.count(), 1);

    QCOMPARE(lv.Model_Get()->rowCount(), 4);
    QCOMPARE(Index(lv, {0, 1}).data().toString(), QStringLiteral("a2neu"));
    QCOMPARE(lv.GetFocusedNode(), (TVTVRKnoten{0, 1}));
    QCOMPARE(lv.GetSelectedNodes(), QList<TVTVRKnoten>({{0, 1}}));
    QVERIFY(lv.isExpanded(Index(lv, {0, -1})));
    QVERIFY(!lv.isExpanded(Index(lv, {2, -1})));
    QCOMPARE(lv.columnWidth(CArtikel), 150);

    // Another list starts afresh.
    TVRList andere = PlatzListe();
    lv.VRList_Set(&andere);
    QVERIFY(!lv.GetFocusedNode().IsValid());
    QVERIFY(!lv.isExpanded(Index(lv, {0, -1})));
    QCOMPARE(lv.columnWidth(CArtikel), 90);
}

void TestVTVRList::optionenMerkenUndZurueckgeben()
{
    TVRList l = PlatzListe();
    TVTVRList lv;
    lv.VRList_Set(&l);
    lv.resize(500, 300);
    lv.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lv));
    QCOMPARE(lv.Optionen_Get(), TVTVRListOptionen());

    TVTVRListOptionen o;
    o.Optionen = CVTVRList_MehrfachAuswahl | CVTVRList_CheckSupport | CVTVRList_ToggleOnDblClick |
                 CVTVRList_KopfSichtbar | CVTVRList_Wechselfarben;
    o.Zeilenhoehe = 30;
    o.Kopfhoehe = 25;
    o.KopfSchriftgroesse = 12;
    o.ListSchriftgroesse = 10;
    lv.Optionen_Set(o);
    const TVTVRListOptionen gemerkt = lv.Optionen_Get();
    QCOMPARE(gemerkt, o);

    lv.Optionen_Set(TVTVRListOptionen());
    QCOMPARE(lv.selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(lv.font().pointSize(), 8);

    lv.Optionen_Set(gemerkt);
    QCOMPARE(lv.Optionen_Get(), o);
    QVERIFY(lv.OptionGesetzt(CVTVRList_ToggleOnDblClick));
    QVERIFY(!lv.OptionGesetzt(CVTVRList_BaumKnoepfe));
    QCOMPARE(lv.selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(lv.Model_Get()->CheckSupport_Get());
    QVERIFY(!lv.rootIsDecorated());
    QVERIFY(lv.alternatingRowColors());
    QCOMPARE(lv.header()->font().pointSize(), 12);
    QCOMPARE(lv.font().pointSize(), 10);
    QCOMPARE(lv.visualRect(Index(lv, {1, -1})).height(), 30);
    QCOMPARE(lv.header()->height(), 25);

    // The parts can be set one by one too.
    lv.Zeilenhoehe_Set(36);
    lv.Kopfhoehe_Set(34);
    lv.KopfSchriftgroesse_Set(16);
    lv.ListSchriftgroesse_Set(15);
    QCOMPARE(lv.visualRect(Index(lv, {1, -1})).height(), 36);
    QCOMPARE(lv.header()->height(), 34);
    QCOMPARE(lv.header()->font().pointSize(), 16);
    QCOMPARE(lv.font().pointSize(), 15);
    lv.OptionSetzen(CVTVRList_KopfSichtbar, false);
    QVERIFY(lv.isHeaderHidden());
    QCOMPARE(lv.Optionen_Get().Zeilenhoehe, 36);
}

void TestVTVRList::option128KlapptPerDoppelklickUm()
{
    TVRList l = PlatzListe();
    TVTVRList lv;
    lv.VRList_Set(&l);
    lv.resize(500, 300);
    lv.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lv));
    const QModelIndex a0 = Index(lv, {0, -1});
    auto doppelklick = [&](const TVTVRKnoten& AKnoten, int ACol) {
        QTest::mouseDClick(lv.viewport(), Qt::LeftButton, {}, lv.visualRect(Index(lv, AKnoten, ACol)).center());
    };

    doppelklick({0, -1}, CArtikel);
    QVERIFY(!lv.isExpanded(a0));

    lv.OptionSetzen(CVTVRList_ToggleOnDblClick);
    doppelklick({0, -1}, CArtikel);
    QVERIFY(lv.isExpanded(a0));
    // A child row has nothing to toggle; its parent stays open.
    doppelklick({0, 1}, CMenge);
    QVERIFY(lv.isExpanded(a0));
    doppelklick({0, -1}, CPlatz);
    QVERIFY(!lv.isExpanded(a0));
    // A row without children stays as it is.
    doppelklick({1, -1}, CPlatz);
    QVERIFY(!lv.isExpanded(Index(lv, {1, -1})));

    lv.OptionSetzen(CVTVRList_ToggleOnDblClick, false);
    doppelklick({0, -1}, CArtikel);
    QVERIFY(!lv.isExpanded(a0));
    doppelklick({0, -1}, CPlatz);
    QVERIFY(!lv.isExpanded(a0));
}

void TestVTVRList::zeilenhintergrundAusHook()
{
    TVRList l = PlatzListe();
    TVTVRList lv;
    lv.VRList_Set(&l);
    QList<std::tuple<const TVRList*, int, int>> aufrufe;
    const QColor gelb(255, 255, 191), rot(255, 170, 170);
    lv.Hintergrund_Set([&](const TVRList& AListe, int AZeile, int AEbene) {
        aufrufe.append({&AListe, AZeile, AEbene});
        if (AEbene == 0)
            return AZeile % 2 == 0 ? gelb : QColor();
        return AListe.GetCellValueAsInteger(AZeile, CMenge) > 5 ? rot : QColor();
    });
    auto hintergrund = [&](const TVTVRKnoten& k, int c) { return Index(lv, k, c).data(Qt::BackgroundRole); };

    QCOMPARE(hintergrund({0, -1}, CMenge).value<QBrush>().color(), gelb);
    QVERIFY(!hintergrund({1, -1}, CPlatz).isValid());
    QCOMPARE(hintergrund({2, -1}, CPlatz).value<QBrush>().color(), gelb);
    aufrufe.clear();
    QCOMPARE(hintergrund({0, 1}, CPlatz).value<QBrush>().color(), rot);
    QCOMPARE(aufrufe.size(), 1);
    QCOMPARE(aufrufe[0], std::make_tuple(static_cast<const TVRList*>(l.GetRowChild(0)), 1, 1));
    QVERIFY(!hintergrund({0, 0}, CPlatz).isValid());

    lv.Hintergrund_Set({});
    QVERIFY(!hintergrund({0, -1}, CPlatz).isValid());
}

void TestVTVRList::checkboxenJeKnoten()
{
    TVRList l = PlatzListe();
    TVTVRList lv;
    lv.VRList_Set(&l);
    TVTVRListModel* m = lv.Model_Get();
    QVERIFY(!Index(lv, {0, -1}).data(Qt::CheckStateRole).isValid());
    QVERIFY(!(m->flags(Index(lv, {0, -1})) & Qt::ItemIsUserCheckable));

    lv.OptionSetzen(CVTVRList_CheckSupport);
    QVERIFY(m->flags(Index(lv, {0, 1})) & Qt::ItemIsUserCheckable);
    QVERIFY(!(m->flags(Index(lv, {0, 1}, CMenge)) & Qt::ItemIsUserCheckable));
    QCOMPARE(Index(lv, {0, 1}).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));

    lv.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lv));
    QSignalSpy umgeschaltet(&lv, &TVTVRList::NodeChecked);
    lv.SetFocusedNode({0, 1});
    QTest::keyClick(&lv, Qt::Key_Space);
    QCOMPARE(umgeschaltet.count(), 1);
    QCOMPARE(umgeschaltet.last(), QVariantList({0, 1, true}));
    QVERIFY(lv.Checked_Get({0, 1}));
    QCOMPARE(Index(lv, {0, 1}).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QTest::keyClick(&lv, Qt::Key_Space);
    QCOMPARE(umgeschaltet.last(), QVariantList({0, 1, false}));
    QVERIFY(!lv.Checked_Get({0, 1}));

    // Set from code: no signal; the marks survive a refresh.
    lv.Checked_Set({2, -1}, true);
    lv.Checked_Set({0, 0}, true);
    QCOMPARE(umgeschaltet.count(), 2);
    lv.Refresh();
    QCOMPARE(lv.GetCheckedNodes(), QList<TVTVRKnoten>({{0, 0}, {2, -1}}));
    lv.Checked_Set({0, 0}, false);
    QCOMPARE(lv.GetCheckedNodes(), QList<TVTVRKnoten>({{2, -1}}));

    lv.Hauptspalte_Set(CMenge);
    QVERIFY(m->flags(Index(lv, {1, -1}, CMenge)) & Qt::ItemIsUserCheckable);
    QVERIFY(!(m->flags(Index(lv, {1, -1})) & Qt::ItemIsUserCheckable));
    QVERIFY(lv.Checked_Get({2, -1}));
}

void TestVTVRList::enterMeldetFokussiertenKnoten()
{
    TVRList l = PlatzListe();
    TVTVRList lv;
    lv.VRList_Set(&l);
    lv.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lv));
    QSignalSpy enter(&lv, &TVTVRList::KeyEnter);

    lv.SetFocusedNode({2, 0});
    QTest::keyClick(&lv, Qt::Key_Return);
    QCOMPARE(enter.count(), 1);
    QCOMPARE(enter.last(), QVariantList({2, 0}));
    lv.SetFocusedNode({1, -1});
    QTest::keyClick(&lv, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(enter.last(), QVariantList({1, -1}));

    lv.setCurrentIndex({});
    QTest::keyClick(&lv, Qt::Key_Return);
    QCOMPARE(enter.last(), QVariantList({0, -1}));

    TVRList leer;
    leer.ColumnAdd(QStringLiteral("Platz"), vrtString);
    lv.VRList_Set(&leer);
    QTest::keyClick(&lv, Qt::Key_Return);
    QCOMPARE(enter.last(), QVariantList({-1, -1}));
    QCOMPARE(enter.count(), 4);

    // Other keys keep their meaning.
    lv.VRList_Set(&l);
    lv.SetFocusedNode({0, -1});
    QTest::keyClick(&lv, Qt::Key_Down);
    QCOMPARE(lv.GetFocusedNode(), (TVTVRKnoten{1, -1}));
    QCOMPARE(enter.count(), 4);
}

void TestVTVRList::klicksMeldenSpalteKnotenUndKopf()
{
    TVRList l = PlatzListe();
    TVTVRList lv;
    lv.VRList_Set(&l);
    lv.resize(700, 300);
    lv.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lv));
    lv.expandAll();
    QSignalSpy zelle(&lv, &TVTVRList::ColumnNodeClick);
    QSignalSpy kopf(&lv, &TVTVRList::HeaderClick);

    QTest::mouseClick(lv.viewport(), Qt::LeftButton, {}, lv.visualRect(Index(lv, {0, 1}, CMenge)).center());
    QCOMPARE(zelle.count(), 1);
    QCOMPARE(zelle.last(), QVariantList({0, 1, int(CMenge)}));
    QTest::mouseClick(lv.viewport(), Qt::LeftButton, {}, lv.visualRect(Index(lv, {1, -1}, CArtikel)).center());
    QCOMPARE(zelle.last(), QVariantList({1, -1, int(CArtikel)}));
    QCOMPARE(lv.GetFocusedNode(), (TVTVRKnoten{1, -1}));

    QHeaderView* h = lv.header();
    const QPoint preis(h->sectionViewportPosition(CPreis) + 5, h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, preis);
    QCOMPARE(kopf.count(), 1);
    QCOMPARE(kopf.last(), QVariantList({int(CPreis)}));
}

void TestVTVRList::kopfOffsetLesenUndSetzen()
{
    TVRList l = PlatzListe();
    TVTVRList lv;
    lv.VRList_Set(&l);
    lv.resize(200, 200);
    lv.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lv));
    QCOMPARE(lv.HeaderOffset_Get(), 0);
    lv.HeaderOffset_Set(40);
    QCOMPARE(lv.HeaderOffset_Get(), 40);
    QCOMPARE(lv.horizontalScrollBar()->value(), 40);
    // A refresh keeps the horizontal position.
    lv.Refresh();
    QCOMPARE(lv.HeaderOffset_Get(), 40);
    lv.HeaderOffset_Set(0);
    QCOMPARE(lv.HeaderOffset_Get(), 0);
}

void TestVTVRList::farbnummernUndSchrifthoehen()
{
    QCOMPARE(ZAMFarbe(255), QColor(255, 0, 0));
    QCOMPARE(ZAMFarbe(32768), QColor(0, 128, 0));
    QCOMPARE(ZAMFarbe(2101432), QColor(184, 16, 32));
    QCOMPARE(ZAMFarbe(0), QColor(0, 0, 0));
    QCOMPARE(ZAMFarbeNummer(QColor(184, 16, 32)), 2101432);
    QCOMPARE(ZAMFarbeNummer(ZAMFarbe(CZAMFarbe_Rot)), CZAMFarbe_Rot);
    QCOMPARE(ZAMFarbe(CZAMFarbe_ButtonFlaeche), QApplication::palette().color(QPalette::Button));
    QCOMPARE(ZAMFarbe(CZAMFarbe_Fenster), QApplication::palette().color(QPalette::Base));

    QFont f;
    ZAMSchriftHoeheSetzen(f, -11);
    QCOMPARE(f.pixelSize(), 11);
    ZAMSchriftHoeheSetzen(f, 9);
    QCOMPARE(f.pointSize(), 9);
    QCOMPARE(f.pixelSize(), -1);
    ZAMSchriftHoeheSetzen(f, 0);
    QCOMPARE(f.pointSize(), 9);
}

QTEST_MAIN(TestVTVRList)
#include "tst_vtvrlist.moc"
