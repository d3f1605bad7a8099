// The handheld button menu: items, digit accelerators, clicks, heights and scrolling, fonts, and
// what the script runner sees of it.
#include "EZAM_Exception.h"
#include "TZAM_BildschirmText.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_SkriptKlick.h"
#include "ZAMInfoKoords.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

bool RaisesIllegalerParameter(const std::function<void()>& AAufruf)
{
    try {
        AAufruf();
    } catch (const EZAM_Exception& e) {
        return e.Koord() == CZAM_Info_Fehler_Standard_IllegalerParameter;
    }
    return false;
}

TZAM_BtnMenuItem Item(const QString& ALinks, int AData = 0, bool AEnabled = true, int AHoehe = 0)
{
    TZAM_BtnMenuItem i;
    i.LeftCaption = ALinks;
    i.Data = AData;
    i.Enabled = AEnabled;
    i.Height = AHoehe;
    return i;
}

// The menu fills a window 240 wide.
struct TFenster
{
    QWidget Fenster;
    TZAM_BtnMenu* Menu;

    explicit TFenster(int AHoehe = 200) : Menu(new TZAM_BtnMenu(&Fenster))
    {
        Fenster.resize(240, AHoehe);
        Menu->setObjectName(QStringLiteral("btnmButtons"));
        Menu->setGeometry(0, 0, 240, AHoehe);
        Fenster.show();
    }

    QAbstractButton* Knopf(int AIndex) const
    {
        return Menu->findChild<QAbstractButton*>(QStringLiteral("btnmButtons_%1").arg(AIndex));
    }

    // The button lines of the dump.
    QStringList Knoepfe() { return TZAM_BildschirmText::Zeilen(&Fenster).filter(QStringLiteral("Knopf: ")); }
};

int Index(QSignalSpy& ASpy)
{
    return ASpy.takeFirst().at(0).toInt();
}

} // namespace

class TestBtnMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hinzufuegenEinfuegenLeerenUndAendern();
    void ziffernDrueckenNurUeberKuerzel();
    void mausklickMeldetIndexAuchWennErDasMenueNeuFuellt();
    void hoehenUndLageBeimScrollen();
    void textBreiteFolgtDerSchrift();
    void bildschirmTextUndKlickNachCaption();
};

void TestBtnMenu::hinzufuegenEinfuegenLeerenUndAendern()
{
    TFenster f;
    TZAM_BtnMenu& m = *f.Menu;
    QCOMPARE(m.Add(QStringLiteral("&1 Nachsortierung"), QStringLiteral("3 / - / -")), 0);
    TZAM_BtnMenuItem zwei = Item(QStringLiteral("&2 Lagerinfo"), 9);
    zwei.ButtonType = 1;
    zwei.Tag = -1;
    zwei.Hint = QStringLiteral("B000000007");
    QCOMPARE(m.Add(zwei), 1);
    m.Insert(1, Item(QStringLiteral("Eingefügt"), 5));
    m.Insert(0, Item(QStringLiteral("Ganz oben"), 4));
    QCOMPARE(m.Count(), 4);
    QCOMPARE(m.Item(1).RightCaption, QStringLiteral("3 / - / -"));
    QCOMPARE(m.Item(2).Data, 5);
    const TZAM_BtnMenuItem& hinten = m.Item(3);
    QCOMPARE((QList<int>{hinten.Data, hinten.ButtonType, hinten.Tag}), (QList<int>{9, 1, -1}));
    QCOMPARE(hinten.Hint, QStringLiteral("B000000007"));
    // The names follow the index, so a script names the button it sees there.
    QCOMPARE(f.Knopf(0)->text(), QStringLiteral("Ganz oben"));
    QCOMPARE(f.Knopf(2)->text(), QStringLiteral("Eingefügt"));

    // Changes reach the button at once.
    m.RightCaption_Set(3, QStringLiteral("12"));
    QCOMPARE(f.Knopf(3)->text(), QStringLiteral("2 Lagerinfo 12"));
    QCOMPARE(m.Item(3).Data, 9);
    m.Enabled_Set(2, false);
    QVERIFY(!f.Knopf(2)->isEnabled());
    TZAM_BtnMenuItem neu = m.Item(0);
    neu.LeftCaption = QStringLiteral("Oben neu");
    m.Item_Set(0, neu);
    QCOMPARE(f.Knopf(0)->text(), QStringLiteral("Oben neu"));

    m.Clear();
    QCOMPARE(m.Count(), 0);
    QVERIFY(f.Knoepfe().isEmpty());
    QCOMPARE(m.Add(QStringLiteral("Wieder da")), 0);
    QCOMPARE(f.Knoepfe(), QStringList{QStringLiteral("Knopf: Wieder da")});

    QVERIFY(RaisesIllegalerParameter([&] { m.Item(1); }));
    QVERIFY(RaisesIllegalerParameter([&] { m.ButtonTop(-1); }));
    QVERIFY(RaisesIllegalerParameter([&] { m.Insert(2, Item(QStringLiteral("x"))); }));
    QVERIFY(RaisesIllegalerParameter([&] { m.ButtonHoehe_Set(0); }));
    QCOMPARE(m.Count(), 1);
}

void TestBtnMenu::ziffernDrueckenNurUeberKuerzel()
{
    TFenster f;
    TZAM_BtnMenu& m = *f.Menu;
    m.Add(QStringLiteral("&1 Nachsortierung"));
    m.Add(QStringLiteral("&2 Filialnachsortierung"));
    m.Add(QStringLiteral("Einlagerung, WE && WBS"));
    m.Add(Item(QStringLiteral("&3 Inventur/Inbetriebnahme"), 6, false));
    m.Add(Item(QStringLiteral("&4 gesperrt"), 0, false));
    m.Add(QStringLiteral("&4 frei"));
    m.Add(QStringLiteral("A&&5 nur Text"));
    auto* kontrolle = new QPushButton(QStringLiteral("&X"), &f.Fenster);
    kontrolle->show();
    QSignalSpy klicks(&m, &TZAM_BtnMenu::ButtonClick);

    QVERIFY(m.ZifferDruecken(2));
    QCOMPARE(klicks.size(), 1);
    QCOMPARE(Index(klicks), 1);
    // Disabled, escaped "&&" and digits without "&" press nothing.
    QVERIFY(!m.ZifferDruecken(3));
    QVERIFY(!m.ZifferDruecken(5));
    QVERIFY(!m.ZifferDruecken(9));
    QVERIFY(klicks.isEmpty());
    // The first enabled one of two with the same digit.
    QVERIFY(m.ZifferDruecken(4));
    QCOMPARE(Index(klicks), 5);
    QCOMPARE(m.LeftCaptionAnzeige(2), QStringLiteral("Einlagerung, WE & WBS"));
    QVERIFY(m.Item(2).Kuerzel().isNull());

    // Qt's mnemonics must not press menu buttons; the control button shows that they work here.
    QApplication::setActiveWindow(&f.Fenster);
    QVERIFY(QTest::qWaitForWindowActive(&f.Fenster));
    QSignalSpy kontrollKlicks(kontrolle, &QPushButton::clicked);
    QTest::keyClick(&f.Fenster, Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(kontrollKlicks.size(), 1);
    QTest::keyClick(&f.Fenster, Qt::Key_2, Qt::AltModifier);
    QTest::keyClick(&f.Fenster, Qt::Key_W, Qt::AltModifier);
    QTest::qWait(300); // a mnemonic clicks after an animation of 100 ms
    QVERIFY(klicks.isEmpty());

    m.setEnabled(false);
    QVERIFY(!m.ZifferDruecken(1));
    QVERIFY(klicks.isEmpty());
}

void TestBtnMenu::mausklickMeldetIndexAuchWennErDasMenueNeuFuellt()
{
    TFenster f;
    TZAM_BtnMenu& m = *f.Menu;
    m.Add(QStringLiteral("&1 Nachsortierung"));
    m.Add(QStringLiteral("&2 Filialnachsortierung"), QStringLiteral("3"));
    m.Add(Item(QStringLiteral("&3 Inventur"), 0, false));
    QVERIFY(QTest::qWaitForWindowExposed(&f.Fenster));
    QSignalSpy klicks(&m, &TZAM_BtnMenu::ButtonClick);

    // Where a person taps: a point of the menu inside the second button.
    const QPoint ort(200, m.ButtonTop(1) + 10);
    QWidget* ziel = m.childAt(ort);
    QCOMPARE(ziel, f.Knopf(1));
    QTest::mouseClick(ziel, Qt::LeftButton, Qt::NoModifier, ziel->mapFrom(&m, ort));
    QCOMPARE(klicks.size(), 1);
    QCOMPARE(Index(klicks), 1);
    QTest::mouseClick(f.Knopf(2), Qt::LeftButton);
    QVERIFY(klicks.isEmpty());

    // A state change paints the next menu from inside the click.
    connect(&m, &TZAM_BtnMenu::ButtonClick, &m, [&m] {
        m.BeginUpdate();
        m.Clear();
        m.Add(QStringLiteral("&1 Nächster Schritt"));
        m.EndUpdate();
    });
    QTest::mouseClick(f.Knopf(0), Qt::LeftButton);
    QCOMPARE(Index(klicks), 0);
    QCOMPARE(f.Knoepfe(), QStringList{QStringLiteral("Knopf: 1 Nächster Schritt")});
    QVERIFY(!f.Knopf(1));
    QTest::mouseClick(f.Knopf(0), Qt::LeftButton);
    QCOMPARE(Index(klicks), 0);
}

void TestBtnMenu::hoehenUndLageBeimScrollen()
{
    TFenster f(100);
    TZAM_BtnMenu& m = *f.Menu;
    QCOMPARE(m.ButtonHoehe_Get(), 34);
    m.Add(QStringLiteral("A"));
    m.ButtonHoehe_Set(51);
    m.Add(QStringLiteral("B\r\nzweite Zeile"), QStringLiteral("2\r\n"));
    m.Add(Item(QStringLiteral("C"), 0, true, 102));
    m.ButtonHoehe_Set(34);
    m.Add(QStringLiteral("D"));

    QCOMPARE(m.Item(1).Height, 51);
    QCOMPARE(m.InhaltHoehe(), 221);
    QCOMPARE(m.ButtonTop(0), 0);
    QCOMPARE(m.ButtonTop(2), 85);
    QCOMPARE(m.ButtonBottom(3), 221);
    QCOMPARE(f.Knopf(1)->geometry(), QRect(0, 34, 240, 51));
    // Only what lies in the menu is on the screen.
    QCOMPARE(f.Knoepfe(), (QStringList{QStringLiteral("Knopf: A"), QStringLiteral("Knopf: B zweite Zeile 2"),
                                       QStringLiteral("Knopf: C")}));

    m.ScrollZeilen(1);
    QCOMPARE(m.ScrollOffset(), 34);
    QCOMPARE(m.ButtonTop(0), -34);
    QCOMPARE(m.ButtonTop(2), 51);
    QCOMPARE(f.Knopf(2)->geometry().top(), 51);
    QCOMPARE(f.Knoepfe().size(), 2);
    // Not past the end: the last button's bottom meets the menu's bottom.
    m.ScrollZeilen(10);
    QCOMPARE(m.ScrollOffset(), 121);
    QCOMPARE(m.ButtonBottom(3), 100);
    QCOMPARE(f.Knoepfe(), (QStringList{QStringLiteral("Knopf: C"), QStringLiteral("Knopf: D")}));
    m.ScrollZeilen(-1);
    QCOMPARE(m.ButtonTop(0), -87);
    m.SetScrollOffset(-5);
    QCOMPARE(m.ScrollOffset(), 0);

    // A height change moves the buttons below it; a larger menu needs less scrolling.
    m.SetScrollOffset(40);
    TZAM_BtnMenuItem a = m.Item(0);
    a.Height = 60;
    m.Item_Set(0, a);
    QCOMPARE(m.ButtonTop(1), 20);
    QCOMPARE(f.Knopf(1)->geometry().top(), 20);
    m.resize(240, 230);
    QCOMPARE(m.ScrollOffset(), 17);

    // A new menu starts at the top; the buttons are placed at the end of the update.
    m.BeginUpdate();
    m.Clear();
    for (int i = 0; i < 8; ++i)
        m.Add(QStringLiteral("neu %1").arg(i));
    m.EndUpdate();
    QCOMPARE(m.ScrollOffset(), 0);
    QCOMPARE(f.Knopf(0)->geometry(), QRect(0, 0, 240, 34));
    QVERIFY(f.Knopf(0)->isVisible());
}

void TestBtnMenu::textBreiteFolgtDerSchrift()
{
    TFenster f;
    TZAM_BtnMenu& m = *f.Menu;
    m.Add(QStringLiteral("&1 Nachsortierung"));
    const QString text = QStringLiteral("1 Nachsortierung 3 / - / -");
    m.Schriftgroesse_Set(10);
    const int breite10 = m.TextBreite(text);
    m.Schriftgroesse_Set(14);
    QCOMPARE(m.Schriftgroesse_Get(), 14);
    QVERIFY2(breite10 > 0 && m.TextBreite(text) > breite10, qPrintable(QString::number(breite10)));
    QCOMPARE(f.Knopf(0)->font().pointSize(), 14);
    m.SchriftgroesseTyp_Set(3);
    QCOMPARE(m.SchriftgroesseTyp_Get(), 3);
}

void TestBtnMenu::bildschirmTextUndKlickNachCaption()
{
    TFenster f;
    TZAM_BtnMenu& m = *f.Menu;
    m.Add(QStringLiteral("&2 Filialnachsortierung"), QStringLiteral("3"));
    m.Add(QStringLiteral("Einlagerung, WE && WBS"));
    m.Add(Item(QStringLiteral("&3 Inventur"), 6, false));
    m.Add(Item(QStringLiteral("4711\r\nvom 01.02.2024"), 0, true, 51));
    m.RightCaption_Set(3, QStringLiteral("2\r\n"));
    QSignalSpy klicks(&m, &TZAM_BtnMenu::ButtonClick);

    QCOMPARE(
        f.Knoepfe(),
        (QStringList{QStringLiteral("Knopf: 2 Filialnachsortierung 3"), QStringLiteral("Knopf: Einlagerung, WE & WBS"),
                     QStringLiteral("Knopf: 3 Inventur [aus]"), QStringLiteral("Knopf: 4711 vom 01.02.2024 2")}));

    // By the caption the dump shows, and by name.
    QCOMPARE(TZAM_SkriptKlick::Klicken(&f.Fenster, QStringLiteral("Einlagerung, WE & WBS")), QString());
    QCOMPARE(TZAM_SkriptKlick::Klicken(&f.Fenster, QStringLiteral("4711 vom 01.02.2024 2")), QString());
    QCOMPARE(TZAM_SkriptKlick::Klicken(&f.Fenster, QStringLiteral("btnmButtons_0")), QString());
    QVERIFY(!TZAM_SkriptKlick::Klicken(&f.Fenster, QStringLiteral("3 Inventur")).isEmpty());
    QVERIFY(!TZAM_SkriptKlick::Klicken(&f.Fenster, QStringLiteral("btnmButtons_2")).isEmpty());
    QCOMPARE(klicks.size(), 3);
    QCOMPARE((QList<int>{Index(klicks), Index(klicks), Index(klicks)}), (QList<int>{1, 3, 0}));

    // The accelerator is drawn underlined.
    m.Clear();
    m.Add(QStringLiteral("&5 Optionen"));
    m.Add(QStringLiteral("5 Optionen"));
    QVERIFY(f.Knopf(0)->grab().toImage() != f.Knopf(1)->grab().toImage());
}

QTEST_MAIN(TestBtnMenu)
#include "tst_btnmenu.moc"
