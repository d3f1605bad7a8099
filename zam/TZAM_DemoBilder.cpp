#include "TZAM_DemoBilder.h"

#include "TZAM_ArtikelBildServerSql.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

enum TForm
{
    dfSchuh,
    dfShirt,
    dfJacke
};

struct TDemoBild
{
    qint32 Artikel; // second part of the product key, as the demo tasks use it
    const char* Name;
    TForm Form;
    QRgb Farbe;
};

const TDemoBild CBilder[] = {
    {100001, "Laufschuh", dfSchuh, qRgb(30, 90, 200)},
    {100002, "Trikot", dfShirt, qRgb(200, 40, 40)},
    {100003, "Regenjacke", dfJacke, qRgb(40, 150, 70)},
};

constexpr int CSeite = 200;

TInt32Trio Produkt(const TDemoBild& ABild)
{
    return TInt32Trio(1, ABild.Artikel, 0);
}

QPainterPath Umriss(TForm AForm)
{
    QPolygonF p;
    switch (AForm) {
    case dfSchuh:
        p << QPointF(25, 120) << QPointF(180, 120) << QPointF(186, 106) << QPointF(170, 96) << QPointF(122, 82)
          << QPointF(98, 52) << QPointF(56, 48) << QPointF(40, 60) << QPointF(26, 94);
        break;
    case dfShirt:
        p << QPointF(80, 20) << QPointF(45, 30) << QPointF(15, 60) << QPointF(35, 82) << QPointF(55, 66)
          << QPointF(55, 145) << QPointF(145, 145) << QPointF(145, 66) << QPointF(165, 82) << QPointF(185, 60)
          << QPointF(155, 30) << QPointF(120, 20) << QPointF(100, 34);
        break;
    case dfJacke:
        p << QPointF(80, 15) << QPointF(50, 25) << QPointF(24, 122) << QPointF(44, 127) << QPointF(60, 72)
          << QPointF(60, 145) << QPointF(140, 145) << QPointF(140, 72) << QPointF(156, 127) << QPointF(176, 122)
          << QPointF(150, 25) << QPointF(120, 15) << QPointF(100, 30);
        break;
    }
    QPainterPath pfad;
    pfad.addPolygon(p);
    pfad.closeSubpath();
    return pfad;
}

QImage Malen(const TDemoBild& ABild)
{
    QImage bild(CSeite, CSeite, QImage::Format_RGB32);
    bild.fill(QColor(245, 242, 235));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor farbe = QColor::fromRgb(ABild.Farbe);
    p.setPen(QPen(farbe.darker(160), 3));
    p.setBrush(farbe);
    p.drawPath(Umriss(ABild.Form));
    if (ABild.Form == dfSchuh)
        p.drawRect(QRectF(20, 120, 166, 12)); // sole
    if (ABild.Form == dfJacke)
        p.drawLine(QPointF(100, 30), QPointF(100, 145)); // zip
    // Fonts need a QGuiApplication; without one (a console helper) the picture has no text.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QFont f;
        f.setBold(true);
        f.setPixelSize(22);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 148, CSeite, 26), Qt::AlignCenter, QString::fromUtf8(ABild.Name));
        f.setPixelSize(20);
        p.setFont(f);
        p.drawText(QRect(0, 172, CSeite, 26), Qt::AlignCenter, QString::number(ABild.Artikel));
    }
    return bild;
}

} // namespace

void TZAM_DemoBilder::Anlegen(TZAM_Datenbank& ADb)
{
    TZAM_ArtikelBildServerSql bilder(ADb);
    for (const TDemoBild& b : CBilder)
        bilder.BildSpeichern(Produkt(b), Malen(b));
}

QList<TInt32Trio> TZAM_DemoBilder::Produkte()
{
    QList<TInt32Trio> ergebnis;
    for (const TDemoBild& b : CBilder)
        ergebnis.append(Produkt(b));
    return ergebnis;
}
