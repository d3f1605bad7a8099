#include "TZAM_SkriptSichtbar.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextEdit>
#include <QTextLayout>

namespace {
// QLabel's text rectangle: contents less margin and indent (a frame without indent indents by half an "x").
QRect TextRechteck(const QLabel* ALabel, Qt::Alignment AAusrichtung)
{
    const int rand = ALabel->margin();
    QRect r = ALabel->contentsRect().adjusted(rand, rand, -rand, -rand);
    int einzug = ALabel->indent();
    if (einzug < 0 && ALabel->frameWidth())
        einzug = ALabel->fontMetrics().horizontalAdvance(u'x') / 2 - rand;
    if (einzug > 0) {
        if (AAusrichtung & Qt::AlignLeft)
            r.setLeft(r.left() + einzug);
        if (AAusrichtung & Qt::AlignRight)
            r.setRight(r.right() - einzug);
        if (AAusrichtung & Qt::AlignTop)
            r.setTop(r.top() + einzug);
        if (AAusrichtung & Qt::AlignBottom)
            r.setBottom(r.bottom() - einzug);
    }
    return r;
}

// From the start of the line at the top left to the end of the line at the bottom right.
QString Gezeigt(QTextCursor AVon, QTextCursor ABis, const QString& AText)
{
    AVon.movePosition(QTextCursor::StartOfLine);
    ABis.movePosition(QTextCursor::EndOfLine);
    const int von = AVon.position();
    const int bis = qMax(von, ABis.position());
    return AText.mid(von, bis - von);
}
} // namespace

QRect TZAM_SkriptSichtbar::Rechteck(const QWidget* AWidget)
{
    QRect r = AWidget->rect();
    QPoint versatz; // AWidget's origin in the coordinates of the widget looked at
    for (const QWidget* w = AWidget; w && !w->isWindow(); w = w->parentWidget()) {
        versatz += w->pos();
        const QWidget* eltern = w->parentWidget();
        if (eltern)
            r &= eltern->rect().translated(-versatz);
    }
    return r.isValid() ? r : QRect();
}

QString TZAM_SkriptSichtbar::LabelText(const QLabel* ALabel, const QString& AText)
{
    const QRect sicht = Rechteck(ALabel);
    if (sicht.isEmpty() || AText.isEmpty())
        return {};
    const Qt::Alignment ausrichtung = QStyle::visualAlignment(ALabel->layoutDirection(), ALabel->alignment());
    const QRect feld = TextRechteck(ALabel, ausrichtung);
    const QFontMetricsF fm(ALabel->font());

    struct TZeile
    {
        QTextLayout* Layout;
        QTextLine Linie;
        qreal Y;
    };
    QList<QTextLayout*> absaetze;
    QList<TZeile> zeilen;
    qreal hoehe = -fm.leading();
    QTextOption option(ausrichtung);
    option.setWrapMode(ALabel->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    for (const QString& absatz : AText.split(u'\n')) {
        auto* layout = new QTextLayout(absatz, ALabel->font());
        layout->setTextOption(option);
        absaetze.append(layout);
        layout->beginLayout();
        for (QTextLine l = layout->createLine(); l.isValid(); l = layout->createLine()) {
            if (ALabel->wordWrap())
                l.setLineWidth(feld.width());
            hoehe += fm.leading();
            zeilen.append({layout, l, hoehe});
            hoehe += l.height();
        }
        layout->endLayout();
    }

    qreal y0 = feld.top();
    if (ausrichtung & Qt::AlignBottom)
        y0 = feld.top() + feld.height() - hoehe;
    else if (ausrichtung & Qt::AlignVCenter)
        y0 = feld.top() + (feld.height() - hoehe) / 2;
    QStringList teile;
    for (const TZeile& z : zeilen) {
        const qreal mitte = y0 + z.Y + z.Linie.height() / 2;
        const QString text = z.Layout->text().mid(z.Linie.textStart(), z.Linie.textLength());
        if (mitte < sicht.top() || mitte > sicht.bottom() + 1)
            continue;
        const qreal breite = z.Linie.naturalTextWidth();
        qreal x0 = feld.left();
        if (ausrichtung & Qt::AlignRight)
            x0 = feld.left() + feld.width() - breite;
        else if (ausrichtung & Qt::AlignHCenter)
            x0 = feld.left() + (feld.width() - breite) / 2;
        QString gesehen;
        for (int i = 0; i < text.size(); ++i) {
            const int pos = z.Linie.textStart() + i;
            const qreal links = x0 + z.Linie.cursorToX(pos);
            const qreal rechts = x0 + z.Linie.cursorToX(pos + 1);
            if (qMin(links, rechts) >= sicht.left() - 0.5 && qMax(links, rechts) <= sicht.right() + 1.5)
                gesehen += text.at(i);
        }
        teile.append(gesehen.trimmed());
    }
    qDeleteAll(absaetze);
    teile.removeAll(QString());
    return teile.join(u' ');
}

QString TZAM_SkriptSichtbar::FeldText(const QTextEdit* AFeld)
{
    const QRect sicht = Rechteck(AFeld->viewport());
    if (sicht.isEmpty())
        return {};
    return Gezeigt(AFeld->cursorForPosition(sicht.topLeft()), AFeld->cursorForPosition(sicht.bottomRight()),
                   AFeld->toPlainText());
}

QString TZAM_SkriptSichtbar::FeldText(const QPlainTextEdit* AFeld)
{
    const QRect sicht = Rechteck(AFeld->viewport());
    if (sicht.isEmpty())
        return {};
    return Gezeigt(AFeld->cursorForPosition(sicht.topLeft()), AFeld->cursorForPosition(sicht.bottomRight()),
                   AFeld->toPlainText());
}
