#include "TDatenFeld.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

#include <QRegularExpression>

TDatenFeld::TDatenFeld(const QStringList& ASpalten) : FSpalten(ASpalten)
{
    if (FSpalten.isEmpty())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("Datenfeld ohne Spalte"),
                             QStringLiteral("TDatenFeld.Create"));
    for (const QString& s : FSpalten)
        if (!IstBezeichner(s))
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("Spalte ") + s,
                                 QStringLiteral("TDatenFeld.Create"));
}

bool TDatenFeld::IstBezeichner(const QString& AText)
{
    static const QRegularExpression GBezeichner(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return GBezeichner.match(AText).hasMatch();
}

QString TDatenFeld::Spalte(int AIndex) const
{
    if (AIndex < 0 || AIndex >= FSpalten.size())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             FSpalten.join(QLatin1Char(',')) + QStringLiteral(" Teil ") + QString::number(AIndex),
                             QStringLiteral("TDatenFeld.Spalte"));
    return FSpalten.at(AIndex);
}

void TDatenFeld::WerteSetzen(const QVariantList& AWerte)
{
    if (AWerte.size() != FSpalten.size())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             FSpalten.join(QLatin1Char(',')) + QStringLiteral(": ") + QString::number(AWerte.size()) +
                                 QStringLiteral(" Werte"),
                             QStringLiteral("TDatenFeld.WerteSetzen"));
    FWerte = AWerte;
}

void TDatenFeld::Leeren()
{
    FWerte.clear();
}

bool TDatenFeld::IsNull() const
{
    for (const QVariant& v : FWerte)
        if (!v.isNull())
            return false;
    return true;
}

qint32 TDatenFeld::Ganzzahl(int AIndex) const
{
    const QVariant v = FWerte.value(AIndex);
    if (v.isNull())
        return 0;
    bool ok = false;
    const qint32 n = v.toInt(&ok);
    if (!ok)
        throw EZAM_KonvertFehler(v.toString(), QStringLiteral("TDatenFeld.") + Spalte(AIndex));
    return n;
}

QString TStringDatenFeld::AsString() const
{
    return Werte().value(0).toString();
}

QChar TCharDatenFeld::AsChar() const
{
    const QString s = Werte().value(0).toString();
    return s.isEmpty() ? QLatin1Char(' ') : s.at(0);
}

QDateTime TDateTimeDatenFeld::AsDateTime() const
{
    const QVariant v = Werte().value(0);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    const QString s = v.toString();
    if (const QDateTime t = zam_ZeitpunktAusText(s); t.isValid())
        return t;
    throw EZAM_KonvertFehler(s, QStringLiteral("TDatenFeld.") + Spalte(0));
}
