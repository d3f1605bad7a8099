#include "TQIV_ListenEingabe.h"

#include "TVRList.h"
#include "TVTVRList.h"
#include "Vrtools.h"

namespace TQIV_ListenEingabe {
namespace {

// The list and row a node stands for; null without a node or list.
TVRList* Zeile(TVTVRList* AListe, const TVTVRKnoten& ANode, int& AZeile)
{
    if (!AListe || !ANode.IsValid() || !AListe->VRList_Get())
        return nullptr;
    return const_cast<TVRList*>(&AListe->NodeList(ANode, AZeile));
}

void Schreiben(TVTVRList* AListe, TVRList* AVRListe, int AZeile, int AWertSpalte, int AEditiertSpalte, int AWert,
               bool AEditiert)
{
    AListe->BeginUpdate();
    AVRListe->SetCellValueAsInteger(AZeile, AWertSpalte, AWert);
    TVRItem editiert;
    Boolean2VRItem(AEditiert, editiert);
    AVRListe->SetCellValue(AZeile, AEditiertSpalte, editiert);
    AListe->EndUpdate();
}

} // namespace

qint64 NeuerWert(TVTVRList* AListe, int AZiffer, int AWertSpalte, int AEditiertSpalte, const TVTVRKnoten& ANode)
{
    int zeile = 0;
    TVRList* liste = Zeile(AListe, ANode, zeile);
    if (!liste)
        return 0;
    if (liste->GetCellValueAsBoolean(zeile, AEditiertSpalte))
        return qint64(liste->GetCellValueAsInteger(zeile, AWertSpalte)) * 10 + AZiffer;
    return AZiffer;
}

bool Ziffer(TVTVRList* AListe, int AZiffer, int AWertSpalte, int AEditiertSpalte, const TVTVRKnoten& ANode)
{
    int zeile = 0;
    TVRList* liste = Zeile(AListe, ANode, zeile);
    if (!liste)
        return true;
    const qint64 wert = NeuerWert(AListe, AZiffer, AWertSpalte, AEditiertSpalte, ANode);
    if (wert > CMaxWert)
        return false;
    Schreiben(AListe, liste, zeile, AWertSpalte, AEditiertSpalte, int(wert), true);
    return true;
}

void Backspace(TVTVRList* AListe, int AWertSpalte, int AEditiertSpalte, const TVTVRKnoten& ANode)
{
    int zeile = 0;
    TVRList* liste = Zeile(AListe, ANode, zeile);
    if (!liste)
        return;
    const int wert = liste->GetCellValueAsInteger(zeile, AWertSpalte);
    const bool editiert = liste->GetCellValueAsBoolean(zeile, AEditiertSpalte);
    Schreiben(AListe, liste, zeile, AWertSpalte, AEditiertSpalte, editiert ? wert / 10 : qMax(0, wert - 1), editiert);
}

void GroesseAnpassen(TVTVRList* AListe, int AFontSize)
{
    AListe->Zeilenhoehe_Set(AFontSize * 18 / 8);
    AListe->Kopfhoehe_Set(AFontSize * 17 / 8);
    AListe->KopfSchriftgroesse_Set(AFontSize);
    AListe->ListSchriftgroesse_Set(AFontSize);
}

} // namespace TQIV_ListenEingabe
