#include "TZAM_Druckauftrag.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "ZAMInfoKoords.h"

#include <QDateTime>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

// The printer counts its pages: a page once anything painted on it, and every new page after.
// QTextDocument::print and our own painter alike reach it only through these two calls.
class TZAM_Druckauftrag::TGeraet : public QPrinter
{
public:
    using QPrinter::QPrinter;

    bool newPage() override
    {
        const bool ok = QPrinter::newPage();
        if (ok)
            ++FNeueSeiten;
        return ok;
    }
    QPaintEngine* paintEngine() const override
    {
        FBemalt = true;
        return QPrinter::paintEngine();
    }
    int Seiten() const { return FBemalt ? 1 + FNeueSeiten : 0; }
    bool Bemalt() const { return FBemalt; }

private:
    int FNeueSeiten = 0;
    mutable bool FBemalt = false;
};

TZAM_Druckauftrag::TZAM_Druckauftrag(TZAM_Datenbank& ADb, const QString& ADrucker, const QString& AArt,
                                     const QSizeF& ASeiteMm, const TZAM_DruckZiel& AZiel, const QString& APdfDatei)
    : FDb(ADb), FDrucker(ADrucker), FArt(AArt), FDatei(APdfDatei)
{
    if (AZiel.Art == TZAM_DruckZiel::dzDrucker && FDatei.isEmpty()) {
        FGeraet = std::make_unique<TGeraet>(QPrinterInfo::printerInfo(AZiel.Name), QPrinter::HighResolution);
    } else {
        FGeraet = std::make_unique<TGeraet>(QPrinter::HighResolution);
        FGeraet->setOutputFormat(QPrinter::PdfFormat);
        FGeraet->setOutputFileName(FDatei);
    }
    FGeraet->setDocName(AArt);
    FGeraet->setFullPage(true);
    // A custom size is given upright; the orientation turns it, so that 60 x 40 is wide.
    const QSizeF mm = ASeiteMm.isEmpty() ? QSizeF(210, 297) : ASeiteMm;
    const QPageSize groesse(QSizeF(qMin(mm.width(), mm.height()), qMax(mm.width(), mm.height())), QPageSize::Millimeter,
                            QString(), QPageSize::ExactMatch);
    FGeraet->setPageLayout(QPageLayout(groesse,
                                       mm.width() > mm.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

TZAM_Druckauftrag::~TZAM_Druckauftrag()
{
    if (!FBeendet)
        Abbrechen();
}

void TZAM_Druckauftrag::Offen(const char* AMethode) const
{
    if (FBeendet)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_UnmoeglicherZustand, QStringLiteral("Druckauftrag beendet"),
                             QLatin1String(AMethode));
}

QPainter& TZAM_Druckauftrag::Painter()
{
    Offen("TZAM_Druckauftrag.Painter");
    if (FPainter.isActive())
        return FPainter;
    // A printer cannot be painted on twice: the second painter would start the job again.
    if (FGeraet->Bemalt())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_UnmoeglicherZustand, QStringLiteral("Geraet schon bemalt"),
                             QStringLiteral("TZAM_Druckauftrag.Painter"));
    if (!FPainter.begin(FGeraet.get()))
        throw EZAM_Exception(CZAM_Info_Druck_Fehlgeschlagen, FDatei.isEmpty() ? FGeraet->printerName() : FDatei,
                             QStringLiteral("TZAM_Druckauftrag.Painter"));
    return FPainter;
}

void TZAM_Druckauftrag::NeueSeite()
{
    Painter();
    if (!FGeraet->newPage())
        throw EZAM_Exception(CZAM_Info_Druck_Fehlgeschlagen, FDatei.isEmpty() ? FGeraet->printerName() : FDatei,
                             QStringLiteral("TZAM_Druckauftrag.NeueSeite"));
}

QPagedPaintDevice& TZAM_Druckauftrag::Geraet()
{
    Offen("TZAM_Druckauftrag.Geraet");
    return *FGeraet;
}

QRectF TZAM_Druckauftrag::Seite() const
{
    return QRectF(QPointF(0, 0), FGeraet->paperRect(QPrinter::DevicePixel).size());
}

double TZAM_Druckauftrag::EinheitenJeMm() const
{
    return FGeraet->resolution() / 25.4;
}

TZAM_DruckErgebnis TZAM_Druckauftrag::Abschliessen()
{
    const QString methode = QStringLiteral("TZAM_Druckauftrag.Abschliessen");
    Offen("TZAM_Druckauftrag.Abschliessen");
    FBeendet = true;
    if (FPainter.isActive() && !FPainter.end()) {
        if (!FDatei.isEmpty())
            QFile::remove(FDatei);
        throw EZAM_Exception(CZAM_Info_Druck_Fehlgeschlagen, FDatei.isEmpty() ? FGeraet->printerName() : FDatei,
                             methode);
    }
    TZAM_DruckErgebnis e;
    e.Seiten = FGeraet->Seiten();
    if (e.Seiten == 0) {
        if (!FDatei.isEmpty())
            QFile::remove(FDatei);
        return e;
    }
    e.Datei = FDatei;
    const TZAM_Zeilen z = FDb.SchreibenMitErgebnis(
        QStringLiteral("INSERT INTO zam_druckauftrag (zeit, drucker, art, datei, seiten) VALUES (?, ?, ?, ?, ?) "
                       "RETURNING id"),
        {QDateTime::currentMSecsSinceEpoch(), FDrucker, FArt.left(40), FDatei, e.Seiten});
    e.Id = z.IsEmpty() ? 0 : z.Wert(0, 0).toLongLong();
    return e;
}

void TZAM_Druckauftrag::Abbrechen()
{
    if (FBeendet)
        return;
    FBeendet = true;
    if (FPainter.isActive()) {
        if (FDatei.isEmpty())
            FGeraet->abort();
        FPainter.end();
    }
    if (!FDatei.isEmpty())
        QFile::remove(FDatei);
}
