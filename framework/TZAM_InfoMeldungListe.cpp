#include "TZAM_InfoMeldungListe.h"

#include "ZAMGlobal.h"

void TZAM_InfoMeldungListe::Meldung_Add(const TInfoKoord& AKoord, const QStringList& AEinfuegungen)
{
    FEintraege.append({AKoord, AEinfuegungen});
}

void TZAM_InfoMeldungListe::Meldung_Add(const QString& AText) { FEintraege.append({TInfoKoord{}, {AText}}); }

QString TZAM_InfoMeldungListe::Meldung_Text(int AIndex) const
{
    const TEintrag& e = FEintraege.at(AIndex);
    if (e.Koord.IsNull())
        return e.Einfuegungen.value(0);
    return ZAMMeldungstext(e.Koord, e.Einfuegungen);
}

QString TZAM_InfoMeldungListe::Meldungen_AlsText(const QString& ATrenner) const
{
    QStringList texte;
    for (int i = 0; i < FEintraege.size(); ++i)
        texte << Meldung_Text(i);
    return texte.join(ATrenner);
}

void TZAM_InfoMeldungListe::ShowMeldung() const
{
    if (FEintraege.isEmpty())
        return;
    ZAMInfo().ZAMWarnungBox(Meldungen_AlsText());
}
