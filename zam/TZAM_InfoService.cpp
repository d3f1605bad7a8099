#include "TZAM_InfoService.h"

#include "EZAM_Exception.h"
#include "TZAMMeldungDialog.h"
#include "ZAMInfoKoords.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

TZAM_InfoService::TZAM_InfoService(const QString& AProtokollDatei, const QString& ATerminal)
    : FProtokollDatei(AProtokollDatei), FTerminal(ATerminal)
{
}

void TZAM_InfoService::RegisterException(const QString& AMethode, const std::exception& E, bool AZeigen)
{
    const auto* zam = dynamic_cast<const EZAM_Exception*>(&E);
    const QString text = zam ? zam->Meldungstext() : QString::fromLocal8Bit(E.what());
    try {
        WriteStamp(AMethode + QStringLiteral(": ") + text, 1);
    } catch (const std::exception& P) {
        std::fprintf(stderr, "%s: %s (Protokoll: %s)\n", qPrintable(AMethode), qPrintable(text), P.what());
    }
    if (AZeigen)
        Zeigen(faWarnung, text);
}

int TZAM_InfoService::ShowMeldung(int AArt, int ANummer, const QString& AGruppe, const QStringList& AEinfuegungen)
{
    const QString text = Meldungstext(TInfoKoord{AGruppe, ANummer}, AEinfuegungen);
    return Zeigen(AArt == 4 ? faFrage : faInfo, text);
}

QString TZAM_InfoService::Meldungstext(const TInfoKoord& AKoord, const QStringList& AEinfuegungen) const
{
    return FKatalog.Text(AKoord, AEinfuegungen);
}

void TZAM_InfoService::ZAMWarnungBox(const QString& AText) { Zeigen(faWarnung, AText); }

bool TZAM_InfoService::ZAMJaNeinBox(const QString& AText) { return Zeigen(faFrage, AText) == mrYes; }

void TZAM_InfoService::WriteStamp(const QString& AText, int AArt)
{
    QMutexLocker lock(&FProtokollMutex);
    QDir().mkpath(QFileInfo(FProtokollDatei).absolutePath());
    QFile f(FProtokollDatei);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        throw EZAM_Exception(CZAM_Info_Fehler_Datei_Schreiben, FProtokollDatei);
    const QString zeile = QStringLiteral("%1 [%2] %3 %4\n")
                              .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")),
                                   FTerminal)
                              .arg(AArt)
                              .arg(AText);
    if (f.write(zeile.toUtf8()) < 0)
        throw EZAM_Exception(CZAM_Info_Fehler_Datei_Schreiben, FProtokollDatei);
}

void TZAM_InfoService::AntwortVorgeben(int AErgebnis) { FAntworten.append(AErgebnis); }

QStringList TZAM_InfoService::GezeigteMeldungenHolen()
{
    QStringList g;
    g.swap(FGezeigt);
    return g;
}

int TZAM_InfoService::Zeigen(TFensterArt AArt, const QString& AText)
{
    FGezeigt << AText;
    if (!FAntworten.isEmpty())
        return FAntworten.takeFirst();
    if (FAutoAntwort != mrNone || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        if (AArt != faFrage)
            return mrOk;
        return FAutoAntwort == mrNone ? mrNo : FAutoAntwort;
    }
    const auto art = AArt == faFrage ? TZAMMeldungDialog::maFrage
                     : AArt == faWarnung ? TZAMMeldungDialog::maWarnung : TZAMMeldungDialog::maInfo;
    return TZAMMeldungDialog::Zeigen(art, QApplication::applicationDisplayName(), AText);
}
