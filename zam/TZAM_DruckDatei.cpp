#include "TZAM_DruckDatei.h"

#include "EZAM_Exception.h"
#include "IZAM_Druck.h"
#include "TZAM_IniDatei.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

QString Dateiart(const QString& AArt)
{
    QString s;
    for (QChar c : AArt.trimmed()) {
        const bool ok =
            (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_';
        s += ok ? c : QChar(u'_');
    }
    return s.isEmpty() ? QStringLiteral("Druck") : s;
}

} // namespace

QString TZAM_DruckDatei::Ordner(const TZAM_IniDatei& AIni)
{
    const QString ordner = AIni.Wert(QStringLiteral("Drucken"), QStringLiteral("Ausgabeordner")).trimmed();
    if (!ordner.isEmpty())
        return ordner;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("Druck"));
}

QString TZAM_DruckDatei::Anlegen(const QString& AOrdner, const QString& AArt, const QDateTime& AZeit)
{
    const QString methode = QStringLiteral("TZAM_DruckDatei.Anlegen");
    QDir ordner(AOrdner);
    if (AOrdner.isEmpty() || !ordner.mkpath(QStringLiteral(".")))
        throw EZAM_Exception(CZAM_Info_Druck_OrdnerGesperrt, AOrdner, methode);
    const QString stamm = Dateiart(AArt) + u'_' + AZeit.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    for (int n = 1; n <= 100000; ++n) {
        const QString pfad = ordner.absoluteFilePath(QStringLiteral("%1_%2.pdf").arg(stamm).arg(n));
        QFile f(pfad);
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return pfad;
        if (!QFile::exists(pfad))
            throw EZAM_Exception(CZAM_Info_Druck_OrdnerGesperrt,
                                 AOrdner + QStringLiteral(" (") + f.errorString() + u')', methode);
    }
    throw EZAM_Exception(CZAM_Info_Druck_OrdnerGesperrt, AOrdner, methode);
}
