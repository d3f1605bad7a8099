#include "ZAMUtils.h"

#include "EZAM_Exception.h"

#include <QLocale>

#include <cmath>

namespace {
constexpr int CTrioBreiten[3] = {5, 6, 6};
constexpr int CPairBreiten[2] = {5, 8};
} // namespace

QString zam_inttostr(qint64 AWert) { return QString::number(AWert); }

int zam_StrToInt(const QString& AText)
{
    bool ok = false;
    const int v = AText.trimmed().toInt(&ok);
    if (!ok)
        throw EZAM_KonvertFehler(QStringLiteral("'%1' ist keine ganze Zahl").arg(AText));
    return v;
}

int zam_StrToIntDef(const QString& AText, int ADefault)
{
    bool ok = false;
    const int v = AText.trimmed().toInt(&ok);
    return ok ? v : ADefault;
}

QString zam_ZahlText(double AWert, int ADezimalen)
{
    // The German locale of Qt's own data, never the system's: a terminal set to English still
    // writes "1.234,56".
    static const QLocale GDeutsch(QLocale::German, QLocale::Germany);
    const double faktor = std::pow(10.0, ADezimalen);
    // Rounded here, half away from zero, so "-0,004" comes out as the zero it shows.
    return GDeutsch.toString(std::round(AWert * faktor) / faktor, 'f', ADezimalen);
}

QString zam_TIntTrio2String(const TIntTrio& AKey)
{
    const auto t = AKey.Teile();
    return ZAMSchluesselText::FesteBreite(t.data(), CTrioBreiten, 3);
}

TIntTrio zam_String2TIntTrio(const QString& AText)
{
    TIntTrio::TTeile t{};
    ZAMSchluesselText::LesenFesteBreite(AText, t.data(), CTrioBreiten, 3);
    TIntTrio k;
    k.SetTeile(t);
    return k;
}

QString zam_TIntPair2String(const TIntPair& AKey)
{
    const auto t = AKey.Teile();
    return ZAMSchluesselText::FesteBreite(t.data(), CPairBreiten, 2);
}

TIntPair zam_String2TIntPair(const QString& AText)
{
    TIntPair::TTeile t{};
    ZAMSchluesselText::LesenFesteBreite(AText, t.data(), CPairBreiten, 2);
    TIntPair k;
    k.SetTeile(t);
    return k;
}

QString zam_FormatProtNr(const TIntTrio& AProtId)
{
    return QStringLiteral("%1/%2/%3")
        .arg(AProtId.Id1)
        .arg(AProtId.Id2, 6, 10, QLatin1Char('0'))
        .arg(AProtId.Id3, 6, 10, QLatin1Char('0'));
}

QString zam_padright_char(const QString& AText, int ALaenge, QChar AZeichen)
{
    return AText.leftJustified(ALaenge, AZeichen, false);
}

QDateTime zam_Now() { return QDateTime::currentDateTime(); }
QDate zam_Date() { return QDate::currentDate(); }

QString BoolToJN(bool AWert) { return AWert ? QStringLiteral("J") : QStringLiteral("N"); }
bool JNToBool(const QString& AText) { return AText == QLatin1String("J"); }

QDateTime zam_ZeitpunktAusText(const QString& AText)
{
    const auto zahl = [&](int AVon, int ALaenge, int& AZahl) {
        AZahl = 0;
        for (int i = AVon; i < AVon + ALaenge; ++i) {
            const char16_t c = AText.at(i).unicode();
            if (c < u'0' || c > u'9')
                return false;
            AZahl = AZahl * 10 + (c - u'0');
        }
        return true;
    };
    const int n = int(AText.size());
    int j, mo, t, h, mi, s, ms = 0;
    if ((n == 19 || (n == 23 && AText.at(19) == QLatin1Char('.'))) && AText.at(4) == QLatin1Char('-') &&
        AText.at(7) == QLatin1Char('-') && (AText.at(10) == QLatin1Char('T') || AText.at(10) == QLatin1Char(' ')) &&
        AText.at(13) == QLatin1Char(':') && AText.at(16) == QLatin1Char(':') && zahl(0, 4, j) && zahl(5, 2, mo) &&
        zahl(8, 2, t) && zahl(11, 2, h) && zahl(14, 2, mi) && zahl(17, 2, s) && (n == 19 || zahl(20, 3, ms))) {
        const QDate datum(j, mo, t);
        const QTime zeit(h, mi, s, ms);
        return datum.isValid() && zeit.isValid() ? QDateTime(datum, zeit) : QDateTime();
    }
    QString iso = AText;
    if (iso.size() > 10 && iso.at(10) == QLatin1Char(' '))
        iso[10] = QLatin1Char('T');
    return QDateTime::fromString(iso, Qt::ISODateWithMs);
}
