// Counting tasks per branch, per origin and per order position.
#include "TDM_Torvik.h"

#include "EZAM_Exception.h"
#include "IZAM_FilialTabelle.h"
#include "TQIV_AufgabenZaehler.h"
#include "TVRList.h"
#include "TZAM_Hausregel.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMAufgabenlisteSpalten.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

namespace {
enum TSpalte { CAufgabenId = 10, CVonFiliale = 24, CAnFiliale = 25, CGVKurz = 48 };
} // namespace

size_t qHash(const TQIV_Kennung_Text_Datum_Rec& AKey, size_t ASeed)
{
    // Bob Jenkins' one-at-a-time hash over kind, text and short date, as Latin-1 bytes.
    const QByteArray daten = (QString::number(AKey.Kennung) + AKey.Text +
                              AKey.Datum.toString(QStringLiteral("dd.MM.yyyy")))
                                 .toLatin1();
    quint32 h = quint32(ASeed);
    for (char c : daten) {
        h += uchar(c);
        h += h << 10;
        h ^= h >> 6;
    }
    h += h << 3;
    h ^= h >> 11;
    h += h << 15;
    return h;
}

void AufgabeFuerFilZaehlen(TZAM_Int_Int_Array& AAnzahlen, const QString& AAufgabe, int AQuelle, int AZiel,
                           int AKategorie)
{
    const int eintrag = AZiel == AQuelle ? 0 : AZiel;
    if (eintrag < 0 || eintrag >= AAnzahlen.size()) {
        ZAMInfo().WriteStamp(QStringLiteral("Aufgabe %1: Zielfiliale %2 ist keine Filiale, nicht gezählt.")
                                 .arg(AAufgabe, QString::number(AZiel)));
        return;
    }
    // Categories above 3 have no element of their own: they count with the others in element 0.
    const int element = AKategorie >= 0 && AKategorie < CZAM_Zaehlung_Summe ? AKategorie : 0;
    ++AAnzahlen[eintrag][element];
    ++AAnzahlen[eintrag][CZAM_Zaehlung_Summe];
}

void TDM_Torvik::AufgabenFuerFilErmitteln(TZAM_Int_Int_Array& AAnzahlen, const TVRList& AListe,
                                          TZAM_AufgliederungLager_Set ASeparat)
{
    AAnzahlen.clear();
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.AufgabenFuerFilErmitteln",
        [&] {
            IZAM_FilialTabelle* tabelle = FilialTabelle_GoC();
            const int max = tabelle ? tabelle->MaxFiliale() : 0;
            AAnzahlen = FilialAnzahlen_Anlegen(max);
            for (int r = 0; r < AListe.GetRowCount(); ++r) {
                const int kategorie = CZAM_Aufgabe_Geschaeftsvorfall_2_AufgliederungLager(
                    Kuerzel_2_TZAM_Aufgabe_Geschaeftsvorfall_Erw(AListe.GetCellValueAsString(r, CGVKurz)));
                AufgabeFuerFilZaehlen(AAnzahlen, AListe.GetCellValueAsString(r, CAufgabenId),
                                      AListe.GetCellValueAsInteger(r, CVonFiliale),
                                      AListe.GetCellValueAsInteger(r, CAnFiliale),
                                      kategorie >= 0 && kategorie <= 7 && (ASeparat & (1u << kategorie)) ? kategorie : 0);
            }
        },
        false);
}

void TDM_Torvik::AufgabenFuerFilErmitteln(TZAM_Int_Int_Array& AAnzahlen, const TZAM_Aufgaben_Suchkriterien& AKriterien,
                                          TZAM_AufgliederungLager_Set ASeparat)
{
    TQIV_Herkunft_Anzahl_Dict herkuenfte;
    TIntTrioList komplett, mehrPos;
    TQIV_Kennung_Text_Datum_List keys;
    TQIV_BelegInfo_4_Kennung_U_Text_Dict belege;
    TQIV_IntTrio_Int_List einzel;
    AufgabenOHerkuenfteOPosAnzErmitteln(AAnzahlen, herkuenfte, 0, ASeparat, false, false, {}, AKriterien, komplett,
                                        keys, belege, mehrPos, einzel);
}

void TDM_Torvik::AufgabenFuerSpalteErmitteln(const TVRList& AListe, int ASpalte, QHash<TIntTrio, int>& AAnzahlen)
{
    AAnzahlen.clear();
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.AufgabenFuerHLAnfoGrundErmitteln",
        [&] {
            const TZAM_AufgabenlisteSpalteInfo& info = CZAM_Aufgabenliste_Spalten(ASpalte);
            if (info.Typ != vrtIntTrio)
                throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                                     info.Caption + QStringLiteral(" ist kein IntTrio!"));
            for (int r = 0; r < AListe.GetRowCount(); ++r)
                ++AAnzahlen[AListe.GetCellValueAsIntTrio(r, ASpalte)];
        },
        false);
}

void TDM_Torvik::BelegHerkuenfteErmitteln(TQIV_Herkunft_Anzahl_Dict& AHerkuenfte,
                                          const TZAM_Aufgaben_Suchkriterien& AKriterien, const TIntTrioList& AWhitelist,
                                          bool AMitWhitelist)
{
    TZAM_Int_Int_Array anzahlen;
    TIntTrioList komplett, mehrPos;
    TQIV_Kennung_Text_Datum_List keys;
    TQIV_BelegInfo_4_Kennung_U_Text_Dict belege;
    TQIV_IntTrio_Int_List einzel;
    AufgabenOHerkuenfteOPosAnzErmitteln(anzahlen, AHerkuenfte, 1, 0, false, AMitWhitelist, AWhitelist, AKriterien,
                                        komplett, keys, belege, mehrPos, einzel);
}

void TDM_Torvik::PositionsAnzahlenErmitteln(TQIV_IntTrio_Int_List& AEinzel, TIntTrioList& AMehrPos,
                                            TQIV_BelegInfo_4_Kennung_U_Text_Dict& ABelege,
                                            TQIV_Kennung_Text_Datum_List& AKeys, TIntTrioList& AKomplett,
                                            const TZAM_Aufgaben_Suchkriterien& AKriterien,
                                            const TIntTrioList& AWhitelist, bool AMitWhitelist,
                                            bool AKomplettErmitteln)
{
    TZAM_Int_Int_Array anzahlen;
    TQIV_Herkunft_Anzahl_Dict herkuenfte;
    AufgabenOHerkuenfteOPosAnzErmitteln(anzahlen, herkuenfte, 2, 0, AKomplettErmitteln, AMitWhitelist, AWhitelist,
                                        AKriterien, AKomplett, AKeys, ABelege, AMehrPos, AEinzel);
}

void TDM_Torvik::KomplettImLagerBestListErmitteln(bool ANurBezahlte, TIntTrioList& AKomplett)
{
    AKomplett.clear();
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.KomplettImLagerBestListErmitteln",
        [&] {
            TQIV_Aufgaben_Suchkriterien_Options o;
            Aufgaben_Suchkriterien_Options_Init(o, CZAM_Kundenbestellung);
            o.GeschaeftsvorSet = ZAMSetBit(CZAM_Aufgabe_GV_Kundenbestellung) |
                                 ZAMSetBit(CZAM_Aufgabe_GV_KundenbestellungVersand);
            o.KubeNurBezahlte = ANurBezahlte ? tsTrue : tsFalse;
            TZAM_Aufgaben_Suchkriterien k;
            Aufgaben_Suchkriterien_Get(o, k);
            TQIV_IntTrio_Int_List einzel;
            TIntTrioList mehrPos;
            TQIV_BelegInfo_4_Kennung_U_Text_Dict belege;
            TQIV_Kennung_Text_Datum_List keys;
            PositionsAnzahlenErmitteln(einzel, mehrPos, belege, keys, AKomplett, k, {}, false, true);
            AKomplett.Sort();
        },
        false);
}

void TDM_Torvik::AufgabenOHerkuenfteOPosAnzErmitteln(
    TZAM_Int_Int_Array& AAnzahlen, TQIV_Herkunft_Anzahl_Dict& AHerkuenfte, int AModus,
    TZAM_AufgliederungLager_Set ASeparat, bool AKomplettErmitteln, bool AMitWhitelist, const TIntTrioList& AWhitelist,
    const TZAM_Aufgaben_Suchkriterien& AKriterien, TIntTrioList& AKomplett, TQIV_Kennung_Text_Datum_List& AKeys,
    TQIV_BelegInfo_4_Kennung_U_Text_Dict& ABelege, TIntTrioList& AMehrPos, TQIV_IntTrio_Int_List& AEinzel)
{
    const auto leeren = [&] {
        AAnzahlen.clear();
        AHerkuenfte.clear();
        AKomplett.clear();
        AKeys.clear();
        ABelege.clear();
        AMehrPos.clear();
        AEinzel.clear();
    };
    leeren();
    const bool ok = TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.AufgabenOHerkuenfteOPosAnzErmitteln",
        [&] {
            if (AModus < 0 || AModus > 2)
                throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                                     QStringLiteral("AufgabenOHerkuenfteOPosAnzErmitteln: Ungültiger Parameter"));
            TQIV_AufgabenZaehler zaehler(*this, AModus, ASeparat, AKomplettErmitteln,
                                         AMitWhitelist ? &AWhitelist : nullptr, AKriterien,
                                         {AAnzahlen, AHerkuenfte, AKomplett, AKeys, ABelege, AMehrPos, AEinzel});
            zaehler.Ausfuehren();
        },
        false);
    // A count that failed part way answers nothing rather than a part.
    if (!ok)
        leeren();
}
