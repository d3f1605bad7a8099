#pragma once

#include "TInfoKoord.h"

#include <QList>
#include <QString>
#include <QStringList>

// Collects the messages of a service call (booking services fill it).
class TZAM_InfoMeldungListe
{
public:
    struct TEintrag
    {
        TInfoKoord Koord;  // null for a literal text
        QStringList Einfuegungen;
    };

    void Meldung_Add(const TInfoKoord& AKoord, const QStringList& AEinfuegungen = {});
    void Meldung_Add(const QString& AText);
    int Meldungen_Anz_Get() const { return FEintraege.size(); }
    QString Meldung_Text(int AIndex) const;
    QString Meldungen_AlsText(const QString& ATrenner = QStringLiteral("; ")) const;
    // Shows the messages joined as one message (kind 0) when there are any.
    void ShowMeldung() const;
    void Clear() { FEintraege.clear(); }
    const QList<TEintrag>& Eintraege() const { return FEintraege; }

private:
    QList<TEintrag> FEintraege;
};
