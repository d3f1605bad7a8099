// The size-quantity entry: planned and actual quantities of one article per size.
#include "TfrmMDE.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

void TfrmMDE::MengeneingabeSHAnFensterGroesseAnpassen()
{
    // Truncated toward zero: a grid lower than 180 pixels keeps 4 rows down to 135 pixels.
    const int soll = qMax(1, 4 + (pnlMeEinSHMeEinWerte->height() - 180) / 45);
    while (FMeEinSHZeilen.size() < soll)
        MeEinSHZeileAnhaengen();
    auto* raster = static_cast<QGridLayout*>(pnlMeEinSHMeEinWerte->layout());
    while (FMeEinSHZeilen.size() > soll) {
        const TMeEinSHZeile z = FMeEinSHZeilen.takeLast();
        for (QWidget* w : std::initializer_list<QWidget*>{z.Groesse, z.Soll, z.Minus, z.Ist, z.Plus}) {
            raster->removeWidget(w);
            delete w;
        }
    }
    // The rows share the height equally.
    for (int zeile = 0; zeile < raster->rowCount(); ++zeile)
        raster->setRowStretch(zeile, zeile < soll ? 1 : 0);
}
