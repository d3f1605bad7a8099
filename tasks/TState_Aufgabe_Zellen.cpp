#include "EZAM_Exception.h"
#include "TState_Aufgabe.h"
#include "TVRList.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMInfoKoords.h"

// The cells of a row of the pick list; -1 reads the current row, which must exist.
namespace {
int Zeile(const TState_Aufgabe& AState, int AZeile, const char* AMethode)
{
    const int r = AZeile < 0 ? AState.FAufgabenIdx : AZeile;
    if (r < 0 || !AState.Liste())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QString(), QString::fromLatin1(AMethode));
    return r;
}
} // namespace

int TState_Aufgabe::GiveInt(int ASpalte, int AZeile)
{
    return FVRListe->GetCellValueAsInteger(Zeile(*this, AZeile, "TState_Aufgabe.GiveInt"), ASpalte);
}

double TState_Aufgabe::GiveDouble(int ASpalte, int AZeile)
{
    return FVRListe->GetCellValueAsDouble(Zeile(*this, AZeile, "TState_Aufgabe.GiveDouble"), ASpalte);
}

QString TState_Aufgabe::GiveString(int ASpalte, int AZeile)
{
    return FVRListe->GetCell(Zeile(*this, AZeile, "TState_Aufgabe.GiveString"), ASpalte).AlsText();
}

QString TState_Aufgabe::GiveFormatedString(int ASpalte, int AZeile)
{
    return FVRListe->GetCellValueAsString(Zeile(*this, AZeile, "TState_Aufgabe.GiveFormatedString"), ASpalte);
}

TIntTrio TState_Aufgabe::GiveIntTrio(int ASpalte, int AZeile)
{
    return FVRListe->GetCellValueAsIntTrio(Zeile(*this, AZeile, "TState_Aufgabe.GiveIntTrio"), ASpalte);
}

TInt32Trio TState_Aufgabe::GiveInt32Trio(int ASpalte, int AZeile)
{
    return FVRListe->GetCellValueAsInt32Trio(Zeile(*this, AZeile, "TState_Aufgabe.GiveInt32Trio"), ASpalte);
}

TZAM_PersArt_ExtVerweis TState_Aufgabe::GiveExtVerweis(int ASpalte, int AZeile)
{
    // The display form "K 1-2-3/4": kind letter, key, number.
    const QString text =
        FVRListe->GetCell(Zeile(*this, AZeile, "TState_Aufgabe.GiveExtVerweis"), ASpalte).AlsText().trimmed();
    const int blank = text.indexOf(u' ');
    const int strich = text.lastIndexOf(u'/');
    if (blank < 0 || strich < blank)
        return {};
    return TZAM_PersArt_ExtVerweis::Construct(Kuerzel_2_PersArt_ExtVerweis_Kennung(text.left(blank)),
                                              TIntTrio::FromTextSecure(text.mid(blank + 1, strich - blank - 1)),
                                              text.mid(strich + 1).toInt());
}

int TState_Aufgabe::GiveArtBewTyp(int ASpalte, int AZeile)
{
    const QString typ = FVRListe->GetCell(Zeile(*this, AZeile, "TState_Aufgabe.GiveArtBewTyp"), ASpalte).AlsText();
    return typ.isEmpty() ? 0 : CZAM_ArtBewTyp4BNEWert(typ.at(0).unicode());
}

int TState_Aufgabe::ZeilenAnzahl() const
{
    return FVRListe ? FVRListe->GetRowCount() : 0;
}
