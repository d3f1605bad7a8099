#include "TdmBeli.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_EingangsbelegServer.h"
#include "IZAM_FilialTabelle.h"
#include "IZAM_LagerEditServer.h"
#include "IZAM_ListDruckEditServer.h"
#include "TZAM_Code128.h"
#include "TZAM_CodeForm.h"
#include "TZAM_Druckjob.h"
#include "ZAMInfoKoords.h"

#include <QDateTime>
#include <QPainter>

namespace {

QString FilialText(IZAM_LagerEditServer& ALager, int AFiliale)
{
    TZAM_Filiale f;
    if (AFiliale >= 0 && ALager.Filialstamm().Filiale(AFiliale, f))
        return QStringLiteral("%1 %2").arg(AFiliale).arg(f.Name);
    return QString::number(AFiliale);
}

TZAM_DruckErgebnis SlipDrucken(const TIntPair& AListenNr, const TIntTrio& ALagerort, const QString& ADrucker)
{
    auto& fabrik = Glob_WWSServerFactoryClass();
    std::unique_ptr<IZAM_EingangsbelegServer> belege = fabrik.Create<IZAM_EingangsbelegServer>();
    std::unique_ptr<IZAM_LagerEditServer> lager = fabrik.Create<IZAM_LagerEditServer>();
    const QList<TZAM_Eingangsbewegung> pos = belege->Bewegungen_4_WBS(AListenNr);
    if (pos.isEmpty())
        throw EZAM_Exception(TInfoKoord{QStringLiteral("ZEPHRAN"), 1006}, AListenNr.ToText(),
                             QStringLiteral("TdmBeli.WBSDrucken"));

    TZAM_Druckjob job(ADrucker, QStringLiteral("WBS_%1").arg(AListenNr.ToText()));
    QPainter& p = job.Painter();
    const auto mm = [&](double l, double o, double b, double h) { return job.Mm(l, o, b, h); };
    QFont f = p.font();
    f.setPointSizeF(16);
    f.setBold(true);
    p.setFont(f);
    p.drawText(mm(15, 12, 180, 10), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Warenbegleitschein"));
    TZAM_Code128::Zeichnen(p, mm(110, 10, 85, 22), TdmBeli::WBSBarcode(AListenNr), true);
    f.setPointSizeF(10);
    f.setBold(false);
    p.setFont(f);
    const qint16 von = pos.first().VonFiliale;
    const qint16 an = pos.first().AnFiliale;
    const QDateTime datum = pos.first().Datum.isValid() ? pos.first().Datum : QDateTime::currentDateTime();
    const QList<QPair<QString, QString>> kopf = {
        {QStringLiteral("WBS-Nr.:"), AListenNr.ToText()},
        {QStringLiteral("Von Filiale:"), FilialText(*lager, von)},
        {QStringLiteral("An Filiale:"), FilialText(*lager, an)},
        {QStringLiteral("Datum:"), datum.date().toString(QStringLiteral("dd.MM.yyyy"))},
        {QStringLiteral("Lagerort:"), ALagerort.Defined() ? lager->LagerortName(ALagerort) : QString()}};
    double y = 36;
    for (const auto& [name, wert] : kopf) {
        p.drawText(mm(15, y, 35, 6), Qt::AlignLeft | Qt::AlignVCenter, name);
        p.drawText(mm(50, y, 140, 6), Qt::AlignLeft | Qt::AlignVCenter, wert);
        y += 6;
    }
    y += 4;
    const auto zeile = [&](const QString& a, const QString& b, const QString& c, const QString& d) {
        p.drawText(mm(15, y, 30, 6), Qt::AlignLeft | Qt::AlignVCenter, a);
        p.drawText(mm(45, y, 95, 6), Qt::AlignLeft | Qt::AlignVCenter, b);
        p.drawText(mm(140, y, 30, 6), Qt::AlignLeft | Qt::AlignVCenter, c);
        p.drawText(mm(170, y, 25, 6), Qt::AlignRight | Qt::AlignVCenter, d);
        y += 6;
        if (y > 275) {
            job.NeueSeite();
            y = 15;
        }
    };
    zeile(QStringLiteral("Artikel-Nr."), QStringLiteral("Bezeichnung"), QStringLiteral("Größe"),
          QStringLiteral("Menge"));
    int summe = 0;
    for (const TZAM_Eingangsbewegung& b : pos) {
        zeile(b.ArtNr > 0 ? TZAM_CodeForm::ArtNr_Text(b.ArtNr) : b.ProduktId.ToText(), b.Bezeichnung, b.GroesseName,
              QString::number(b.Menge));
        summe += b.Menge;
    }
    zeile(QStringLiteral("Summe"), QString(), QString(), QString::number(summe));
    return job.Abschliessen();
}

} // namespace

QString TdmBeli::Druckjob_Text(const TIntPair& AListenNr, const TIntTrio& ALagerort)
{
    return QStringLiteral("WBS;%1;%2;%3;%4;%5")
        .arg(AListenNr.Id1)
        .arg(AListenNr.Id2)
        .arg(ALagerort.Id1)
        .arg(ALagerort.Id2)
        .arg(ALagerort.Id3);
}

bool TdmBeli::Druckjob_Lesen(const QString& AText, TIntPair& AListenNr, TIntTrio& ALagerort)
{
    const QStringList t = AText.trimmed().split(u';');
    if (t.size() != 6 || t.at(0) != QStringLiteral("WBS"))
        return false;
    int z[5];
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        z[i] = t.at(i + 1).toInt(&ok);
        if (!ok)
            return false;
    }
    AListenNr = TIntPair(z[0], z[1]);
    ALagerort = TIntTrio(z[2], z[3], z[4]);
    return AListenNr.Defined();
}

QString TdmBeli::WBSBarcode(const TIntPair& AListenNr)
{
    return QStringLiteral("%1%2").arg(AListenNr.Id1, 5, 10, QChar(u'0')).arg(AListenNr.Id2, 8, 10, QChar(u'0'));
}

QList<TZAM_DruckErgebnis> TdmBeli::WBSDrucken(const QString& AJob, const QString& AJob2, int ACopies,
                                              const QString& ADrucker)
{
    QList<TZAM_DruckErgebnis> l;
    const QStringList jobs = (AJob + u'\n' + AJob2).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& j : jobs) {
        TIntPair nr;
        TIntTrio ort;
        if (!Druckjob_Lesen(j, nr, ort))
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, j, QStringLiteral("TdmBeli.WBSDrucken"));
        for (int k = 0; k <= qMax(ACopies, 0); ++k)
            l.append(SlipDrucken(nr, ort, ADrucker));
    }
    return l;
}
