#include "ZAMFarben.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor SystemFarbe(int AIndex)
{
    const QPalette p = QGuiApplication::palette();
    switch (AIndex) {
    case 5: return p.color(QPalette::Base);
    case 8: return p.color(QPalette::Text);
    case 13: return p.color(QPalette::Highlight);
    case 14: return p.color(QPalette::HighlightedText);
    case 15: return p.color(QPalette::Button);
    case 17: return p.color(QPalette::Disabled, QPalette::Text);
    case 18: return p.color(QPalette::ButtonText);
    default: return p.color(QPalette::Window);
    }
}

} // namespace

QColor ZAMFarbe(int AFarbe)
{
    const quint32 wert = quint32(AFarbe);
    if ((wert & 0xFF000000u) == 0xFF000000u)
        return SystemFarbe(int(wert & 0xFFu));
    return QColor(int(wert & 0xFFu), int((wert >> 8) & 0xFFu), int((wert >> 16) & 0xFFu));
}

int ZAMFarbeNummer(const QColor& AFarbe) { return AFarbe.red() | (AFarbe.green() << 8) | (AFarbe.blue() << 16); }

void ZAMSchriftHoeheSetzen(QFont& AFont, int AHoehe)
{
    if (AHoehe < 0)
        AFont.setPixelSize(-AHoehe);
    else if (AHoehe > 0)
        AFont.setPointSize(AHoehe);
}
