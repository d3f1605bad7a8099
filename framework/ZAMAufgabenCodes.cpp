#include "ZAMAufgabenCodes.h"

#include <array>

namespace {

template <size_t N> QString Eintrag(const std::array<const char*, N>& ATabelle, int AIndex)
{
    return AIndex >= 0 && size_t(AIndex) < N ? QString::fromUtf8(ATabelle[size_t(AIndex)]) : QString();
}

template <size_t N> int Suchen(const std::array<const char*, N>& ATabelle, const QString& AKuerzel)
{
    const QString k = AKuerzel.trimmed();
    for (size_t i = 0; i < N; ++i)
        if (!k.isEmpty() && k == QLatin1String(ATabelle[i]))
            return int(i);
    return CZAM_Aufgabe_Unbekannt;
}

constexpr std::array<const char*, 9> CArten = {"ALLG", "ABS", "INV", "ZAE", "PRF", "ETI", "BEA", "KOM", "UHL"};
constexpr std::array<const char*, 9> CGV = {"NSO", "ERS", "UMF", "KUB", "KUV", "RET", "AKT", "DEK", "HLU"};
constexpr std::array<const char*, 9> CGVTexte = {
    "Filialnachsortierung", "Erstausstattung",  "Umlagerung Filiale",  "Kundenbestellung", "Kundenversand",
    "Retoure",              "Aktionsware",      "Dekoware",            "Handlagerumlagerung"};
constexpr std::array<const char*, 11> CStatusZeichen = {"A", "G", "O", "B", "T", "E", "X", "S", "Z", "F", "L"};
constexpr std::array<const char*, 11> CStatusTexte = {"angelegt",     "gesperrt",   "offen",       "in Bearbeitung",
                                                      "teilerfüllt",  "erledigt",   "abgelehnt",   "storniert",
                                                      "zurückgestellt", "fehlerhaft", "gelöscht"};
// Business case 0..8 to category, category 0..7 to its representative case.
constexpr std::array<int, 9> CGV2Kategorie = {0, 1, 0, 3, 3, 5, 2, 6, 7};
constexpr std::array<int, 8> CKategorie2GV = {0, 1, 6, 3, 0, 5, 7, 8};
constexpr std::array<const char*, 8> CKategorieKuerzel = {"NSO", "ERS", "AKT", "KUB", "ALLE", "RET", "DEK", "HLU"};
constexpr std::array<const char*, 8> CKategorieTexte = {"Standard", "Erstausst.", "Aktion", "Kundenbest.",
                                                       "Alle",     "Retoure",    "Deko",   "Handlager"};

} // namespace

QString CZAM_Aufgabe_Art_2_Kuerzel(int AArt) { return Eintrag(CArten, AArt); }
int Kuerzel_2_TZAM_Aufgabe_Art_Erw(const QString& AKuerzel) { return Suchen(CArten, AKuerzel); }
QString CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(int AGV) { return Eintrag(CGV, AGV); }
QString CZAM_Aufgabe_Geschaeftsvorfall_2_String(int AGV) { return Eintrag(CGVTexte, AGV); }
int Kuerzel_2_TZAM_Aufgabe_Geschaeftsvorfall_Erw(const QString& AKuerzel) { return Suchen(CGV, AKuerzel); }

QChar CZAM_Aufgabe_Status_2_Char(int AStatus)
{
    const QString s = Eintrag(CStatusZeichen, AStatus);
    return s.isEmpty() ? QLatin1Char(' ') : s.at(0);
}
QString CZAM_Aufgabe_Status_2_String(int AStatus) { return Eintrag(CStatusTexte, AStatus); }
int Char_2_TZAM_Aufgabe_Status_Erw(QChar AZeichen) { return Suchen(CStatusZeichen, QString(AZeichen)); }

int CZAM_Aufgabe_Geschaeftsvorfall_2_AufgliederungLager(int AGV)
{
    return AGV >= 0 && AGV <= CZAM_Aufgabe_Geschaeftsvorfall_Max ? CGV2Kategorie[size_t(AGV)] : 0;
}
int CZAM_Aufgabe_AufgliederungLager_2_Geschaeftsvorfall(int AKategorie)
{
    return AKategorie >= 0 && AKategorie <= CZAM_Aufgabe_AufgliederungLager_Max ? CKategorie2GV[size_t(AKategorie)] : 0;
}
QString CZAM_Aufgabe_AufgliederungLager_2_Kuerzel(int AKategorie) { return Eintrag(CKategorieKuerzel, AKategorie); }
QString CZAM_Aufgabe_AufgliederungLager_2_KurzText(int AKategorie) { return Eintrag(CKategorieTexte, AKategorie); }
int Kuerzel_2_TZAM_Aufgabe_AufgliederungLager_Erw(const QString& AKuerzel) { return Suchen(CKategorieKuerzel, AKuerzel); }

int CZAM_ArtBewTyp4BNEWert(int AVorgangsTyp)
{
    switch (AVorgangsTyp) {
    case 'K': // customer order: reserved for its order
        return 24;
    case 'U': // relocation between branches
        return 25;
    case 'N': // re-sorting for a branch
        return 17;
    case 'V': // shipping to the customer
        return 26;
    default:
        return 0;
    }
}
