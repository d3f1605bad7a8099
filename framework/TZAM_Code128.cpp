#include "TZAM_Code128.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

// Bar and space widths of the symbol values 0 to 106 (106 the stop, with its final bar).
const char* const CMuster[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213", "221312",
    "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132", "221231", "213212",
    "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211", "212123", "212321", "232121",
    "111323", "131123", "131321", "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331",
    "132131", "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131", "311123",
    "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111", "111224", "111422", "121124",
    "121421", "141122", "141221", "112214", "112412", "122114", "122411", "142112", "142211", "241211", "221114",
    "413111", "241112", "134111", "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112",
    "421211", "212141", "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};

bool IstZiffer(QChar AC)
{
    return AC >= u'0' && AC <= u'9';
}

int Ziffernlauf(const QString& AText, qsizetype AAb)
{
    qsizetype i = AAb;
    while (i < AText.size() && IstZiffer(AText.at(i)))
        ++i;
    return int(i - AAb);
}

int Paar(const QString& AText, qsizetype AAb)
{
    return (AText.at(AAb).unicode() - u'0') * 10 + (AText.at(AAb + 1).unicode() - u'0');
}

} // namespace

QList<int> TZAM_Code128::Symbole(const QString& AText)
{
    if (AText.isEmpty())
        return {};
    for (QChar c : AText)
        if (c.unicode() < 32 || c.unicode() > 127)
            return {};

    QList<int> s;
    qsizetype i = 0;
    const qsizetype n = AText.size();
    const int erster = Ziffernlauf(AText, 0);
    bool inC = erster >= 4 || (erster == 2 && n == 2);
    s << (inC ? CStartC : CStartB);
    while (i < n) {
        if (inC) {
            if (Ziffernlauf(AText, i) >= 2) {
                s << Paar(AText, i);
                i += 2;
                continue;
            }
            s << CCodeB;
            inC = false;
        }
        const int lauf = Ziffernlauf(AText, i);
        if ((lauf >= 4 && i + lauf == n) || lauf >= 6) {
            if (lauf % 2) {
                s << AText.at(i).unicode() - 32;
                ++i;
            }
            s << CCodeC;
            inC = true;
            continue;
        }
        s << AText.at(i).unicode() - 32;
        ++i;
    }
    int summe = s.first();
    for (qsizetype k = 1; k < s.size(); ++k)
        summe += int(k) * s.at(k);
    s << summe % 103 << CStop;
    return s;
}

QList<int> TZAM_Code128::Muster(int ASymbol)
{
    QList<int> m;
    if (ASymbol < 0 || ASymbol > CStop)
        return m;
    for (const char* c = CMuster[ASymbol]; *c; ++c)
        m << (*c - '0');
    return m;
}

QList<int> TZAM_Code128::Module(const QString& AText)
{
    QList<int> m;
    for (int s : Symbole(AText))
        m += Muster(s);
    return m;
}

bool TZAM_Code128::Zeichnen(QPainter& APainter, const QRectF& ARect, const QString& AText, bool AMitText)
{
    const QList<int> module = Module(AText);
    if (module.isEmpty() || ARect.width() <= 0 || ARect.height() <= 0)
        return false;
    int gesamt = 2 * CRuhezone;
    for (int m : module)
        gesamt += m;
    double breite = ARect.width() / gesamt;
    if (breite >= 1)
        breite = std::floor(breite);

    const double textHoehe = AMitText ? ARect.height() / 5 : 0;
    const QRectF balken(ARect.left(), ARect.top(), ARect.width(), ARect.height() - textHoehe);
    double x = ARect.left() + (ARect.width() - gesamt * breite) / 2 + CRuhezone * breite;
    if (breite >= 1)
        x = std::round(x);

    APainter.save();
    APainter.setPen(Qt::NoPen);
    APainter.setBrush(Qt::black);
    for (qsizetype i = 0; i < module.size(); ++i) {
        const double w = module.at(i) * breite;
        if (i % 2 == 0)
            APainter.fillRect(QRectF(x, balken.top(), w, balken.height()), Qt::black);
        x += w;
    }
    if (AMitText) {
        QFont f = APainter.font();
        f.setPixelSize(qMax(1, int(textHoehe * 0.85)));
        f.setBold(false);
        APainter.setFont(f);
        APainter.setPen(Qt::black);
        APainter.drawText(QRectF(ARect.left(), balken.bottom(), ARect.width(), textHoehe), Qt::AlignCenter, AText);
    }
    APainter.restore();
    return true;
}
