#pragma once

#include "TZAM_BildschirmText.h"

#include <QAbstractButton>
#include <QStyleOption>
#include <QStylePainter>

// One button of TZAM_BtnMenu, which owns it. Draws both captions itself, the accelerator
// underlined. text() is the shown caption on one line, "&" doubled: the script runner finds and
// dumps the button by it, and it gives Qt no mnemonic (the digit keys press through the menu).
class TZAM_BtnMenuKnopf : public QAbstractButton
{
public:
    static constexpr int CRand = 4; // text margin left and right

    explicit TZAM_BtnMenuKnopf(QWidget* AParent) : QAbstractButton(AParent) { setFocusPolicy(Qt::NoFocus); }

    void Captions_Set(const QString& ALeftCaption, const QString& ARightCaption)
    {
        FLeftCaption = Zeilen(ALeftCaption);
        FRightCaption = Zeilen(ARightCaption);
        const QString links = TZAM_BildschirmText::EineZeile(TZAM_BildschirmText::OhneKuerzel(ALeftCaption));
        const QString rechts = TZAM_BildschirmText::EineZeile(TZAM_BildschirmText::OhneKuerzel(ARightCaption));
        QString gezeigt = links;
        if (!rechts.isEmpty())
            gezeigt += (gezeigt.isEmpty() ? QString() : QStringLiteral(" ")) + rechts;
        setText(QString(gezeigt).replace(u'&', QStringLiteral("&&")));
        setAccessibleName(links);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionButton opt;
        opt.initFrom(this);
        opt.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
        p.drawControl(QStyle::CE_PushButtonBevel, opt);
        const QRect r = rect().adjusted(CRand, 0, -CRand, 0);
        const int art = Qt::TextShowMnemonic | Qt::AlignVCenter;
        p.drawItemText(r, art | Qt::AlignLeft, opt.palette, isEnabled(), FLeftCaption, QPalette::ButtonText);
        p.drawItemText(r, art | Qt::AlignRight, opt.palette, isEnabled(), FRightCaption, QPalette::ButtonText);
    }

private:
    // QPainter breaks lines at "\n" only.
    static QString Zeilen(const QString& ACaption)
    {
        return QString(ACaption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    }

    QString FLeftCaption;
    QString FRightCaption;
};
