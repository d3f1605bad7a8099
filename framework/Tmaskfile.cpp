#include "Tmaskfile.h"

#include "Glob_WWSServerFactoryClass.h"
#include "ZAMFehler.h"
#include "ZAMInfoKoords.h"

#include <QRegularExpression>

Tmaskfile::Tmaskfile() = default;
Tmaskfile::~Tmaskfile() = default;

bool Tmaskfile::Oeffnen()
{
    TWWSServerFactory& f = Glob_WWSServerFactoryClass();
    if (!FServer && f.Verfuegbar<IZAM_MaskfileServer>())
        FServer = f.Create<IZAM_MaskfileServer>();
    return FServer != nullptr;
}

IZAM_MaskfileServer& Tmaskfile::Server(const char* AMethode)
{
    if (!FServer)
        FehlerRaise(QString::fromLatin1(AMethode), CZAM_Info_Fehler_Standard_IllegalerParameter,
                    QStringLiteral("Maskendatei nicht geöffnet"));
    return *FServer;
}

bool Tmaskfile::Lesen(const QString& A1, const QString& A2, const QString& A3, const QString& A4, const QString& A5)
{
    FInhalt.clear();
    QString inhalt;
    if (!Server("Tmaskfile.Lesen").Lesen({A1, A2, A3, A4, A5}, inhalt))
        return false;
    static const QRegularExpression CZeilenende(QStringLiteral("\r\n|\n|\r"));
    if (!inhalt.isEmpty())
        FInhalt = inhalt.split(CZeilenende);
    return true;
}

QString Tmaskfile::Wert(const QString& AName) const
{
    for (const QString& z : FInhalt) {
        const qsizetype i = z.indexOf(QLatin1Char('='));
        if (i >= 0 && z.left(i).compare(AName, Qt::CaseInsensitive) == 0)
            return z.mid(i + 1);
    }
    return QString();
}

bool Tmaskfile::Schreiben(const QString& A1, const QString& A2, const QString& A3, const QString& A4, const QString& A5,
                          const QStringList& AZeilen)
{
    Server("Tmaskfile.Schreiben").Schreiben({A1, A2, A3, A4, A5}, AZeilen.join(QStringLiteral("\r\n")));
    return true;
}

void Tmaskfile::Schliessen()
{
    FServer.reset();
    FInhalt.clear();
}
