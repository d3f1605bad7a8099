#include "TBedarfeDataModule.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_DruckerKonfig.h"
#include "IZAM_EingangsbelegServer.h"
#include "IZAM_FilialTabelle.h"
#include "IZAM_LagerEditServer.h"
#include "TZAM_Code128.h"
#include "TZAM_Druckjob.h"
#include "TdmBeli.h"

#include <QDate>
#include <QPainter>

TZAM_DruckErgebnis TBedarfeDataModule::VersPapFuerWBSErstellen(int AVonFiliale, int AAnFiliale,
                                                               const TIntPair& AListenNr)
{
    auto& fabrik = Glob_WWSServerFactoryClass();
    const QList<TZAM_Eingangsbewegung> pos = fabrik.Create<IZAM_EingangsbelegServer>()->Bewegungen_4_WBS(AListenNr);
    if (pos.isEmpty())
        throw EZAM_Exception(TInfoKoord{QStringLiteral("ZEPHRAN"), 1006}, AListenNr.ToText(),
                             QStringLiteral("TBedarfeDataModule.VersPapFuerWBSErstellen"));
    int stueck = 0;
    for (const TZAM_Eingangsbewegung& b : pos)
        stueck += b.Menge;
    std::unique_ptr<IZAM_LagerEditServer> lager = fabrik.Create<IZAM_LagerEditServer>();
    TZAM_Filiale von, an;
    lager->Filialstamm().Filiale(AVonFiliale, von);
    lager->Filialstamm().Filiale(AAnFiliale, an);

    const QString drucker = fabrik.Create<IZAM_DruckerKonfig>()->DruckerFuerTyp(CZAM_DruckerTyp_Belege);
    TZAM_Druckjob job(drucker, QStringLiteral("VersPap_%1").arg(AListenNr.ToText()), QSizeF(150, 105));
    QPainter& p = job.Painter();
    QFont f = p.font();
    f.setPointSizeF(12);
    f.setBold(true);
    p.setFont(f);
    p.drawText(job.Mm(8, 5, 134, 8), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Versandpapier"));
    f.setPointSizeF(9);
    f.setBold(false);
    p.setFont(f);
    const QList<QPair<QString, QString>> felder = {
        {QStringLiteral("Absender:"), QStringLiteral("Lager %1, Filiale %2 %3")
                                          .arg(von.Lager > 0 ? QString::number(von.Lager) : QStringLiteral("-"))
                                          .arg(AVonFiliale)
                                          .arg(von.Name)},
        {QStringLiteral("Empfänger:"), QStringLiteral("Filiale %1 %2").arg(AAnFiliale).arg(an.Name)},
        {QStringLiteral("WBS-Nr.:"), AListenNr.ToText()},
        {QStringLiteral("Stück:"), QString::number(stueck)},
        {QStringLiteral("Datum:"), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))}};
    double y = 16;
    for (const auto& [name, wert] : felder) {
        p.drawText(job.Mm(8, y, 30, 6), Qt::AlignLeft | Qt::AlignVCenter, name);
        p.drawText(job.Mm(38, y, 104, 6), Qt::AlignLeft | Qt::AlignVCenter, wert);
        y += 7;
    }
    TZAM_Code128::Zeichnen(p, job.Mm(8, y + 4, 134, 26), TdmBeli::WBSBarcode(AListenNr), true);
    return job.Abschliessen();
}
