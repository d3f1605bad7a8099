// Composite keys: text forms, parsing and the barcode form.
#include "EZAM_Exception.h"
#include "TInt32Trio.h"
#include "TIntQuad.h"
#include "TIntTrioList.h"
#include "TOrgeIdKompl.h"
#include "TZAM_TriState.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

#include <QTest>

namespace {
template <class F>
bool KonvertFehler(F&& AAktion)
{
    try {
        AAktion();
    } catch (const EZAM_KonvertFehler& E) {
        return E.Koord() == CZAM_Info_Fehler_Standard_Konvertierung;
    }
    return false;
}
} // namespace

class TestSchluessel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nullUndDefiniert()
    {
        QVERIFY(TIntPair().IsNull());
        QVERIFY(!TIntPair().Defined());
        QVERIFY(CLeeresIntPair.IsNull());
        QVERIFY(TIntPair(0, 5).Defined());
        // A sentinel part: not null, yet not defined.
        QVERIFY(!TIntTrio(-1, 0, 0).IsNull());
        QVERIFY(!TIntTrio(-1, 0, 0).Defined());
        QVERIFY(!IntTrioDefined(TIntTrio(3, -2, 1)));
        TIntQuad q(1, 2, 3, 4);
        q.Clear();
        QVERIFY(q.IsNull());
        QCOMPARE(TIntTrio::EmptyGet(), TIntTrio());
    }

    void umwandlungen()
    {
        const TIntTrio t = TrioAusPair(TIntPair(1, 2), 3);
        QCOMPARE(t, TIntTrio(1, 2, 3));
        QCOMPARE(PairAusTrio(t), TIntPair(1, 2));
        QCOMPARE(TrioAusQuad(QuadAusTrio(t, 4)), t);
        QCOMPARE(QuadAusTrio(t, 4), TIntQuad(1, 2, 3, 4));
        QVERIFY(IntPairEqual(IntPair_Init(4, 5), TIntPair(4, 5)));
        QVERIFY(TIntPair(1, 2) != TIntPair(2, 1));
        QVERIFY(TIntPair(1, 2) < TIntPair(1, 3));
        QCOMPARE(TOrgeIdKompl({TIntPair(1, 2), TIntPair(3, 4)}), TOrgeIdKompl({TIntPair(1, 2), TIntPair(3, 4)}));
    }

    void textformenHinUndZurueck()
    {
        const TIntPair p(12, 345);
        QCOMPARE(p.ToText(0, false, false, 9), QStringLiteral("12-345"));
        QCOMPARE(p.ToText(svdPunkt, true, false, 4), QStringLiteral("0012.0345"));
        QCOMPARE(p.ToTextUnformatted(9), QStringLiteral("000000012000000345"));
        QCOMPARE(TIntPair().ToText(svdBindestrich, false, true, 9), QString());
        for (const QString& s : {p.ToText(0, false, false, 9), p.ToText(svdSchraegstrich, true, false, 9),
                                 p.ToTextUnformatted(9), p.ToText(svdLeerzeichen), p.ToText(svdDoppelpunkt)})
            QCOMPARE(TIntPair::FromText(s), p);
        const TIntTrio t(1, 23456, 7);
        QCOMPARE(TIntTrio::FromText(t.ToTextUnformatted(9)), t);
        QCOMPARE(TIntQuad::FromText(TIntQuad(1, 2, 3, 4).ToText()), TIntQuad(1, 2, 3, 4));
        QCOMPARE(TInt32Trio::FromText(TInt32Trio(9, 8, 7).ToTextUnformatted()), TInt32Trio(9, 8, 7));
    }

    void fehlerhafteTexteAbgewiesen()
    {
        for (const QString& s : {QStringLiteral(""), QStringLiteral("12"), QStringLiteral("1-2-3"), QStringLiteral("a-b"),
                                 QStringLiteral("12-"), QStringLiteral("0000000120000003451"), QStringLiteral("-1-5"),
                                 QStringLiteral("1-99999999999"), QStringLiteral("+1-2")})
            QVERIFY2(KonvertFehler([&] { TIntPair::FromText(s); }), qPrintable(s));
        QCOMPARE(TIntPair::FromTextDef(QStringLiteral("x"), TIntPair(9, 9)), TIntPair(9, 9));
        QCOMPARE(TIntPair::FromTextSecure(QStringLiteral("1-2-3")), CLeeresIntPair);
        QCOMPARE(TIntPair::FromTextSecure(QStringLiteral("7-8")), TIntPair(7, 8));
        // Fixed widths cannot hold a negative or too wide part.
        QVERIFY(KonvertFehler([] { TIntPair(-1, 2).ToTextUnformatted(9); }));
        QVERIFY(KonvertFehler([] { TIntPair(1000, 2).ToTextUnformatted(3); }));
    }

    void barcodeform()
    {
        const TIntTrio t(12, 3456, 789);
        QCOMPARE(zam_TIntTrio2String(t), QStringLiteral("00012003456000789"));
        QCOMPARE(zam_String2TIntTrio(QStringLiteral("00012003456000789")), t);
        // A place barcode carries 5 more characters; the program hands "as if scanned" keys so.
        QCOMPARE(zam_String2TIntTrio((zam_TIntTrio2String(t) + QStringLiteral("00000")).left(17)), t);
        for (const QString& s : {QStringLiteral("0001200345600078"), QStringLiteral("000120034560007890"),
                                 QStringLiteral("0001200345600078x"), QStringLiteral(" 0012003456000789"),
                                 QStringLiteral("-0012003456000789")})
            QVERIFY2(KonvertFehler([&] { zam_String2TIntTrio(s); }), qPrintable(s));
        QVERIFY(KonvertFehler([] { zam_TIntTrio2String(TIntTrio(123456, 1, 1)); }));
        QVERIFY(KonvertFehler([] { zam_TIntTrio2String(TIntTrio(1, -1, 1)); }));
        QVERIFY(CMaxIntTrio.Defined());
        QCOMPARE(TIntTrio::FromText(CMaxIntTrio.ToText()), CMaxIntTrio);
        QCOMPARE(zam_TIntPair2String(TIntPair(5, 42)), QStringLiteral("0000500000042"));
        QCOMPARE(zam_String2TIntPair(QStringLiteral("0000500000042")), TIntPair(5, 42));
        QVERIFY(KonvertFehler([] { zam_String2TIntPair(QStringLiteral("000050000004")); }));
    }

    void hilfsfunktionen()
    {
        QCOMPARE(zam_StrToInt(QStringLiteral(" -17 ")), -17);
        QVERIFY(KonvertFehler([] { zam_StrToInt(QStringLiteral("12a")); }));
        QCOMPARE(zam_padright_char(QStringLiteral("12"), 5, u'0'), QStringLiteral("12000"));
        QCOMPARE(zam_padright_char(QStringLiteral("123456"), 5, u'0'), QStringLiteral("123456"));
        QCOMPARE(BoolToJN(true), QStringLiteral("J"));
        QVERIFY(JNToBool(QStringLiteral("J")));
        QVERIFY(!JNToBool(QStringLiteral("j")));
        QVERIFY(!JNToBool(QStringLiteral("N")));
        QCOMPARE(zam_FormatProtNr(TIntTrio(1, 42, 17)), QStringLiteral("1/000042/000017"));

        // Stored times of both engines; an impossible date is no time, not a shifted one.
        const QDateTime zeit(QDate(2026, 12, 9), QTime(14, 30, 5, 7));
        for (const char* text : {"2026-12-09T14:30:05.007", "2026-12-09 14:30:05.007", "2026-12-09T14:30:05.7"})
            QCOMPARE(zam_ZeitpunktAusText(QString::fromLatin1(text)).time().second(), 5);
        QCOMPARE(zam_ZeitpunktAusText(QStringLiteral("2026-12-09 14:30:05.007")), zeit);
        QCOMPARE(zam_ZeitpunktAusText(QStringLiteral("2026-12-09 14:30:05")), zeit.addMSecs(-7));
        for (const char* text : {"2026-02-30 10:00:00.000", "2026-12-09 24:00:00", "2026-12-09x10:00:00", ""})
            QVERIFY2(!zam_ZeitpunktAusText(QString::fromLatin1(text)).isValid(), text);

        // A key list sorts part by part (not by text) and is searched by halving.
        TIntTrioList l{{2, 1, 1}, {1, 10, 0}, {1, 9, 5}, {1, 10, -1}};
        l.Sort();
        QCOMPARE(l, (TIntTrioList{{1, 9, 5}, {1, 10, -1}, {1, 10, 0}, {2, 1, 1}}));
        qsizetype i = -1;
        QVERIFY(l.Find({1, 10, 0}, i) && i == 2);
        QVERIFY(!l.Find({1, 9, 6}, i) && i == 1);
        QVERIFY(!l.Find({3, 0, 0}, i) && i == 4);
    }

    void dreiwertig()
    {
        TZAM_TriState s;
        QVERIFY(s.IsUnDefined());
        s = true;
        QVERIFY(s.IsTrue());
        s = TZAM_TriState(tsFalse);
        QVERIFY(!s.IsTrue() && !s.IsUnDefined());
    }
};

QTEST_MAIN(TestSchluessel)
#include "tst_schluessel.moc"
