// The stored forms of single options and column lists.
#include "TQIV_OptionenSpeicher.h"

#include "EZAM_Exception.h"
#include "TZAM_Hausregel.h"
#include "ZAMInfoKoords.h"

#include <array>

namespace {

const QString CTrenner = QStringLiteral("#&");

const std::array<const char*, 5> CFensterGroesse{"U", "320", "320x533", "480x800", "I"};
const std::array<const char*, 11> CHinweisZeigen{"U", "N", "1", "2", "3", "5", "10", "15", "20", "30", "J"};
const std::array<const char*, 4> CVorgehensweise{" ", "F", "G", "U"};
const std::array<const char*, 4> CWeiterarbeit{" ", "F", "T", "E"};
const std::array<const char*, 4> CArtikelOhneDispo{" ", "F", "I", "N"};
const std::array<const char*, 5> CEtikettendruck{" ", "A", "S", "I", "N"};

// Compared without surrounding blanks: the code of 0 is a blank, which a store may trim away.
template <size_t N> int Wert(const std::array<const char*, N>& ACodes, const QString& AKuerzel, int ADefault)
{
    const QString k = AKuerzel.trimmed();
    for (size_t i = 0; i < N; ++i)
        if (k == QString::fromLatin1(ACodes[i]).trimmed())
            return int(i);
    return ADefault;
}

template <size_t N> QString Kuerzel(const std::array<const char*, N>& ACodes, int AWert, const char* AName)
{
    if (AWert < 0 || size_t(AWert) >= N)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("%1 %2").arg(QString::fromLatin1(AName)).arg(AWert));
    return QString::fromLatin1(ACodes[size_t(AWert)]);
}

template <class F> QString Verbinden(const QList<int>& ASpalten, F AKuerzel)
{
    QStringList codes;
    for (int s : ASpalten)
        codes << AKuerzel(s);
    return codes.join(CTrenner);
}

QList<TZAM_AufgabenListe_Spalte*> DetailFelder(TQIV_AnzeigeInfo_MDE& A)
{
    QList<TZAM_AufgabenListe_Spalte*> l;
    for (TQIV_AnzeigeInfoMDE_Detail* d :
         {&A.LinksOben, &A.RechtsOben, &A.LinksMitte, &A.RechtsMitte, &A.LinksUnten, &A.RechtsUnten})
        l << &d->Normal << &d->Alternativ;
    return l;
}

} // namespace

QString TQIV_OptionenSpeicher::SpaltenArray_2_String_Aufgabenliste(const QList<TZAM_AufgabenListe_Spalte>& ASpalten)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("SpaltenArray_2_String_Aufgabenliste", QString(),
                                            [&] { return Verbinden(ASpalten, CZAM_AufgabenListe_Spalte_2_Kuerzel); });
}

QString TQIV_OptionenSpeicher::SpaltenArray_2_String_Lagerinfo(const QList<TSucheListeColErw>& ASpalten)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("SpaltenArray_2_String_Lagerinfo", QString(),
                                            [&] { return Verbinden(ASpalten, CZAM_SucheListeCols_2_Kuerzel); });
}

QList<TZAM_AufgabenListe_Spalte> TQIV_OptionenSpeicher::String_2_SpaltenArray_Aufgabenliste(const QString& AText)
{
    return String_2_SpaltenArray_AufgabenlisteOderLagerinfo(AText, true);
}

QList<TSucheListeColErw> TQIV_OptionenSpeicher::String_2_SpaltenArray_Lagerinfo(const QString& AText)
{
    return String_2_SpaltenArray_AufgabenlisteOderLagerinfo(AText, false);
}

QList<int> TQIV_OptionenSpeicher::String_2_SpaltenArray_AufgabenlisteOderLagerinfo(const QString& AText,
                                                                                   bool AAufgabenliste)
{
    QList<int> spalten;
    for (const QString& code : AText.split(CTrenner, Qt::SkipEmptyParts)) {
        if (AAufgabenliste) {
            const TZAM_AufgabenListe_Spalte s = Kuerzel2AufgabenListe_Spalte(code);
            // 70 to 78 were once offered and are no longer shown.
            if (s != CZAM_AufgabenListe_Spalte_Keine && (s < 70 || s > 78))
                spalten << s;
        } else {
            const TSucheListeColErw s = Kuerzel2SucheListeCols(code);
            if (s != CSucheListeCol_Keine)
                spalten << s;
        }
    }
    return spalten;
}

QString TQIV_OptionenSpeicher::Details_2_String(const TQIV_AnzeigeInfo_MDE& ADetails)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("Details_2_String", QString(), [&] {
        TQIV_AnzeigeInfo_MDE d = ADetails;
        QStringList codes;
        for (const TZAM_AufgabenListe_Spalte* s : DetailFelder(d))
            codes << CZAM_AufgabenListe_Spalte_2_Kuerzel(*s);
        return codes.join(u',');
    });
}

TQIV_AnzeigeInfo_MDE TQIV_OptionenSpeicher::String_2_Details(const QString& AText)
{
    const TQIV_AnzeigeInfo_MDE standard = TQIV_Optionen_OBMDE::Standard().Nachsort.DetailAnzeige;
    return TZAM_Hausregel::ErgebnisOhneBusy("String_2_Details", standard, [&] {
        const QStringList teile = AText.split(u',');
        TQIV_AnzeigeInfo_MDE d;
        const QList<TZAM_AufgabenListe_Spalte*> felder = DetailFelder(d);
        if (teile.size() != felder.size())
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, AText,
                                 QStringLiteral("String_2_Details"));
        for (qsizetype i = 0; i < felder.size(); ++i) {
            QString code = teile.at(i).trimmed();
            // Comma text may quote an item.
            if (code.size() >= 2 && code.startsWith(u'"') && code.endsWith(u'"'))
                code = code.mid(1, code.size() - 2);
            *felder.at(i) = Kuerzel2AufgabenListe_Spalte(code);
        }
        return d;
    });
}

QString TQIV_OptionenSpeicher::FensterGroesse_Type_2_Kuerzel(TQIV_FensterGroesse_Erw AWert)
{
    return Kuerzel(CFensterGroesse, AWert, "FensterGroesse");
}

TQIV_FensterGroesse_Erw TQIV_OptionenSpeicher::FensterGroesse_Kuerzel_2_Type(const QString& AKuerzel)
{
    return TQIV_FensterGroesse_Erw(Wert(CFensterGroesse, AKuerzel, fgr320x320));
}

QString TQIV_OptionenSpeicher::HinweisZeigen_Type_2_Kuerzel(TQIV_HinweisZeigen_Erw AWert)
{
    return Kuerzel(CHinweisZeigen, AWert, "HinweisZeigen");
}

TQIV_HinweisZeigen_Erw TQIV_OptionenSpeicher::HinweisZeigen_Kuerzel_2_Type(const QString& AKuerzel)
{
    return TQIV_HinweisZeigen_Erw(Wert(CHinweisZeigen, AKuerzel, hizJa));
}

QString TQIV_OptionenSpeicher::WEPVorgehensweise_Type_2_Kuerzel(TQIV_WEPVorgehensweise AWert)
{
    return Kuerzel(CVorgehensweise, AWert, "WEPVorgehensweise");
}

TQIV_WEPVorgehensweise TQIV_OptionenSpeicher::WEPVorgehensweise_Kuerzel_2_Type(const QString& AKuerzel)
{
    return TQIV_WEPVorgehensweise(Wert(CVorgehensweise, AKuerzel, wpvFragen));
}

QString TQIV_OptionenSpeicher::WEPWeiterarbeit_Type_2_Kuerzel(TQIV_WEPWeiterarbeit AWert)
{
    return Kuerzel(CWeiterarbeit, AWert, "WEPWeiterarbeit");
}

TQIV_WEPWeiterarbeit TQIV_OptionenSpeicher::WEPWeiterarbeit_Kuerzel_2_Type(const QString& AKuerzel)
{
    return TQIV_WEPWeiterarbeit(Wert(CWeiterarbeit, AKuerzel, wpwFragen));
}

QString TQIV_OptionenSpeicher::WEPArtikelOhneDispo_Type_2_Kuerzel(TQIV_WEPArtikelOhneDispo AWert)
{
    return Kuerzel(CArtikelOhneDispo, AWert, "WEPArtikelOhneDispo");
}

TQIV_WEPArtikelOhneDispo TQIV_OptionenSpeicher::WEPArtikelOhneDispo_Kuerzel_2_Type(const QString& AKuerzel)
{
    return TQIV_WEPArtikelOhneDispo(Wert(CArtikelOhneDispo, AKuerzel, aodImmerEinlagern));
}

QString TQIV_OptionenSpeicher::WEPEtikettendruck_Type_2_Kuerzel(TQIV_WEPEtikettendruck AWert)
{
    return Kuerzel(CEtikettendruck, AWert, "WEPEtikettendruck");
}

TQIV_WEPEtikettendruck TQIV_OptionenSpeicher::WEPEtikettendruck_Kuerzel_2_Type(const QString& AKuerzel,
                                                                               TQIV_WEPEtikettendruck ADefault)
{
    return TQIV_WEPEtikettendruck(Wert(CEtikettendruck, AKuerzel, ADefault));
}
