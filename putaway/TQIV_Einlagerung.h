#pragma once

#include "TInt32Trio.h"
#include "TIntTrio.h"
#include "TQIV_ZPMDE_Datentraeger.h"

#include "TAbstractMultipurposePanelState.h"
#include "TZAM_Lagerort_Info.h"
#include "TZAM_UmgesetztUArtikelScanDaten.h"

#include <QString>
#include <functional>

class TAbstractState;
class TVRList;
class TfrmMDE;

// What the putaway states share: the document being put away, its movements, texts and places.
namespace TQIV_Einlagerung {

// A goods slip or an external number is put away (goods counted by scanning apply to these).
bool WBSOderFremdnr(const TQIV_ZPMDE_Datentraeger& AD);
// A slip or a notice is put away.
bool WBSOderWEAvis(const TQIV_ZPMDE_Datentraeger& AD);
// Goods from the goods-receipt place are put away (no document).
bool AusWEPlatz(const TQIV_ZPMDE_Datentraeger& AD);
// The document in short: "WBS " + slip number, "WE " + notice number + "-" + branch, or
// "FR " + external number; empty for goods from the goods-receipt place.
QString BelegKurz(const TQIV_ZPMDE_Datentraeger& AD);
// The article list's header: "Einlagerung WBS ...", "Einlagerung WE-Beleg ...-b" or
// "Einlagerung Fremdnr. ...".
QString BelegLang(const TQIV_ZPMDE_Datentraeger& AD);
// The article as the putaway shows it: the manufacturer with HerstStattVeltArtNr, else the
// formatted article number.
QString ArtikelText(TfrmMDE* AMaske, const TInt32Trio& AProduktId);
// The header of the states on one article: the short document text, ";  " and the article.
QString Kopf(TfrmMDE* AMaske);

// Loads the movements of the document being put away into the branch-PC extension's list with
// the kind set (kind k = bit k). A notice of a branch outside the warehouse loads nothing.
// False when nothing was loaded.
bool Bewegungen_Laden(TfrmMDE* AMaske, int AArtenSet);
// The kind of goods a chosen target handles.
TQIV_PersoAuswahl PersoAuswahl_4_Ziel(TQIV_ZPMDE_Ziel AZiel);
// The columns the article list groups the movements by (with the process combination for
// processing).
QList<int> ArtikelGruppierung(TQIV_ZPMDE_Ziel AZiel);
// The reference of the grouped row's first movement: a customer-order position gives the target
// branch, its order document and (for processing) the row's process combination; an external
// order the row's to-branch.
void Verweis_Uebernehmen(TfrmMDE* AMaske, const TVRList& AGruppiert, int AZeile);
// The kind set of one kind: all kinds (30) for none.
int ArtenSet(TQIV_PersoAuswahl AArt);
// The branch is one of the current warehouse's.
bool FilialeDesLagers(int AFiliale);

// A place or container key as the handheld scans it: its 17-digit key text and "00000".
QString ScanText(const TIntTrio& ALagerort);
// The current warehouse's default goods-receipt place (the source of goods lying there).
TIntTrio WEPlatz();

// A scan where an article is expected: an unresolved code opens the article choice (whose
// choice comes back here), an article goes to AArtikel; an EAN or UPC nobody knows gets
// "Unbekannter EAN-Code!" / "Unbekannter UPC-Code!", any other code goes to ASonst (without it
// "Unbekannter Barcode!"). The warning and the footer are reset first.
using TArtikel = std::function<void(const TInt32Trio& AProduktId, int AGrInd)>;
using TSonst = std::function<void(const QString& AText)>;
void ArtikelScan(TAbstractState* AState, const char* AName, const QString& AText,
                 TZAM_UmgesetztUArtikelScanDaten& AScanndaten, const TArtikel& AArtikel, const TSonst& ASonst = {});
// Shows a row of the multipurpose panel with the text.
void Zeile_Setzen(TfrmMDE* AMaske, TMultipurposeZeile AZeile, const QString& AText);
// A scanned place or container, converted silently (short labels filled); false with AWarnung
// as warning footer when the text names none.
bool Lagerort_Umsetzen(TAbstractState* AState, const QString& AText, TZAM_Lagerort_Info& AInfo, const QString& AWarnung,
                       bool ALang);
// Shows or hides a button under the single list.
void ListenKnopf(TfrmMDE* AMaske, const char* AName, bool ASichtbar);

} // namespace TQIV_Einlagerung

// Prepares a putaway of goods of AProduktId lying on the goods-receipt place: the record takes the
// product, the warehouse's default goods-receipt place as source and the current warehouse; the
// kind, the target and the references are emptied.
void Einlagerung_Fuellen_WEDL(TfrmMDE* AMaske, const TInt32Trio& AProduktId);
