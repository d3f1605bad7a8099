// Display texts of place kinds, areas, stock types and reference kinds.
#include "TZAM_Lagerort_Info.h"
#include "TZAM_PersArt_ExtVerweis.h"
#include "ZAMBestandsarten.h"

QString CZAM_Lager_Ausgezeichnete_Bereiche_2_String(TZAM_Lager_Ausgezeichnete_Bereiche ABereich)
{
    switch (ABereich) {
    case CZAM_Bereich_Wareneingang:
        return QStringLiteral("Wareneingangslager");
    case CZAM_Bereich_Versandbereitstellung:
        return QStringLiteral("Versandbereitstellung");
    case CZAM_Bereich_Wurmloch:
        return QStringLiteral("Wurmloch");
    case CZAM_Bereich_KundenVBS:
        return QStringLiteral("Kunden-VBS");
    case CZAM_Bereich_GeblockteWare:
        return QStringLiteral("Geblockte Ware");
    case CZAM_Bereich_Bearbeitung:
        return QStringLiteral("Bearbeitung");
    case CZAM_Bereich_BearbVorbereitung:
        return QStringLiteral("Bearbeitungs-Vorbereitung");
    case CZAM_Bereich_BearbStart:
        return QStringLiteral("Bearbeitungs-Start");
    default:
        return QStringLiteral("Lager");
    }
}

QString CZAM_Lagerort_Kennung_String(TZAM_Lagerort_Kennung AKennung)
{
    switch (AKennung) {
    case CZAM_Lagerort_Lagerplatz:
        return QStringLiteral("Lagerplatz");
    case CZAM_Lagerort_Halle:
        return QStringLiteral("Halle");
    case CZAM_Lagerort_Behaelter:
        return QStringLiteral("Behälter");
    default:
        return QStringLiteral("Lagerort");
    }
}

QString CZAM_ArtBestTyp_BFWert(int ATyp)
{
    return ATyp == CZAM_ArtBestTyp_Frei ? QStringLiteral(" ") : QString::number(ATyp);
}

QString CZAM_ArtBestTyp_2_String(int ATyp)
{
    switch (ATyp) {
    case CZAM_ArtBestTyp_Frei:
        return QStringLiteral("Freier Bestand");
    case CZAM_ArtBestTyp_Geblockt:
        return QStringLiteral("Geblockte Ware");
    case CZAM_ArtBestTyp_Reserviert:
        return QStringLiteral("Reserviert in Zielfiliale");
    case CZAM_ArtBestTyp_Transport:
        return QStringLiteral("Transport");
    default:
        return QStringLiteral("Bestandsart %1").arg(ATyp);
    }
}

namespace {
const char* const CKuerzel[] = {"", "K", "F", "E"};
}

QString CZAM_PersArtExtKennung_2_Kuerzel(quint8 AKennung)
{
    return AKennung < 4 ? QString::fromLatin1(CKuerzel[AKennung]) : QString();
}

quint8 Kuerzel_2_PersArt_ExtVerweis_Kennung(const QString& AKuerzel)
{
    for (quint8 k = 1; k < 4; ++k)
        if (AKuerzel == QLatin1String(CKuerzel[k]))
            return k;
    return 0;
}

QString TZAM_PersArt_ExtVerweis::ToText() const
{
    return CZAM_PersArtExtKennung_2_Kuerzel(Kennung) + u' ' + Id.ToText() + u'/' + QString::number(Nummer);
}
