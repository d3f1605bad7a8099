#include "TZAM_Etikett.h"

#include "TZAM_Code128.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// One line of text in the rectangle, elided to its width.
void Zeile(QPainter& APainter, const QRectF& AR, const QString& AText, Qt::Alignment AAusrichtung, bool AFett)
{
    if (AText.isEmpty() || AR.width() <= 0)
        return;
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qMax(1, int(AR.height() * 0.8)));
    f.setBold(AFett);
    APainter.setFont(f);
    const QString text = QFontMetricsF(f, APainter.device()).elidedText(AText, Qt::ElideRight, AR.width());
    APainter.drawText(AR, AAusrichtung | Qt::AlignVCenter, text);
}

} // namespace

void TZAM_Etikett::Zeichnen(QPainter& APainter, const QRectF& ASeite, double AEinheitenJeMm, const TZAM_EtikettDaten& A)
{
    const double rand = qMin(2.0 * AEinheitenJeMm, ASeite.height() * 0.05);
    const QRectF innen = ASeite.adjusted(rand, rand, -rand, -rand);
    const double textHoehe = innen.height() * 0.45;
    const double h1 = textHoehe * 0.4, h2 = textHoehe * 0.3;
    const double halb = innen.width() / 2;

    APainter.save();
    APainter.setPen(Qt::black);
    // The size is the shorter text: it keeps its room, the article number gets the rest.
    const QRectF r1(innen.left(), innen.top(), innen.width(), h1);
    Zeile(APainter, r1, A.Groesse, Qt::AlignRight, true);
    const double groesseBreite =
        A.Groesse.isEmpty()
            ? 0
            : QFontMetricsF(APainter.font(), APainter.device()).horizontalAdvance(A.Groesse + QStringLiteral("  "));
    Zeile(APainter, r1.adjusted(0, 0, -qMin(groesseBreite, halb), 0), A.ArtNr, Qt::AlignLeft, true);
    Zeile(APainter, QRectF(innen.left(), r1.bottom(), innen.width(), h2), A.HerstellerArtNr, Qt::AlignLeft, false);
    const QRectF r3(innen.left(), r1.bottom() + h2, innen.width(), h2);
    Zeile(APainter, QRectF(r3.left(), r3.top(), halb * 0.8, h2), A.Filiale, Qt::AlignLeft, false);
    Zeile(APainter, r3.adjusted(halb * 0.8, 0, 0, 0), A.Dispo, Qt::AlignRight, false);
    if (!A.Code.isEmpty())
        TZAM_Code128::Zeichnen(
            APainter, QRectF(innen.left(), innen.top() + textHoehe, innen.width(), innen.height() - textHoehe), A.Code);
    APainter.restore();
}
