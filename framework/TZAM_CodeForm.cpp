#include "TZAM_CodeForm.h"

namespace {

bool NurZiffern(const QString& AText)
{
    if (AText.isEmpty())
        return false;
    for (QChar c : AText)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

bool GtinMitLaenge(const QString& AText, std::initializer_list<int> ALaengen)
{
    bool laenge = false;
    for (int l : ALaengen)
        laenge = laenge || AText.size() == l;
    return laenge && NurZiffern(AText) &&
           TZAM_CodeForm::Pruefziffer(AText.left(AText.size() - 1)) == AText.back().digitValue();
}

} // namespace

bool TZAM_CodeForm::IstEAN(const QString& AText)
{
    return GtinMitLaenge(AText, {8, 13});
}

bool TZAM_CodeForm::IstUPC(const QString& AText)
{
    return GtinMitLaenge(AText, {12});
}

int TZAM_CodeForm::Pruefziffer(const QString& ARumpf)
{
    if (!NurZiffern(ARumpf))
        return -1;
    // From the right: weights 3, 1, 3, ... (the same rule for every GTIN length).
    int summe = 0;
    for (int i = 0; i < ARumpf.size(); ++i)
        summe += ARumpf.at(ARumpf.size() - 1 - i).digitValue() * (i % 2 == 0 ? 3 : 1);
    return (10 - summe % 10) % 10;
}

QString TZAM_CodeForm::MitPruefziffer(const QString& ARumpf)
{
    return ARumpf + QString::number(Pruefziffer(ARumpf));
}

int TZAM_CodeForm::ArtNr_Lesen(const QString& AText)
{
    const QString t = AText.trimmed();
    if (t.size() > 7 || !NurZiffern(t))
        return 0;
    return t.toInt();
}

QString TZAM_CodeForm::ArtNr_Text(int AArtNr)
{
    return QStringLiteral("%1").arg(AArtNr, 6, 10, QLatin1Char('0'));
}

QString TZAM_CodeForm::Etikett(int AArtNr, int AKassenGroesse)
{
    if (AArtNr < 1 || AArtNr > CArtNrMax || AKassenGroesse < 0 || AKassenGroesse > 999)
        return {};
    return QStringLiteral("%1%2").arg(AArtNr, 7, 10, QLatin1Char('0')).arg(AKassenGroesse, 3, 10, QLatin1Char('0'));
}
