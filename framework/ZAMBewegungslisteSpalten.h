#pragma once

#include <QList>
#include <memory>

class TVRList;

// The movement list of a goods-receipt document (the branch-PC extension's list): one row per
// movement, always exactly these 41 columns.
enum TZAM_BewegungslisteSpalte : int {
    cblProdukt = 0,           // TInt32Trio
    cblArtNr = 1,             // text: the formatted article number
    cblKubeBeleg = 2,         // TIntTrio: the customer-order document of the position
    cblBelegNr = 3,           // text: the document number
    cblBezeichnung = 4,       // text
    cblFarbe = 5,             // text
    cblHersteller = 6,        // text
    cblHerstArtNr = 7,        // text: the manufacturer article number
    cblGrIdx = 8,             // integer: the size index
    cblGroesse = 9,           // text: the size name
    cblLagerort = 10,         // TIntTrio: the place the goods stand on
    cblLagerortName = 11,     // text
    cblDatum = 12,            // date-time of the movement
    cblMenge = 13,            // integer: the pieces
    cblMengeGebucht = 14,     // integer: the pieces already put away
    cblVonFiliale = 15,       // integer
    cblAnFiliale = 16,        // integer
    cblBewTyp = 17,           // integer: the movement type
    cblBewArt = 18,           // integer: the movement kind
    cblExtKuerzel = 19,       // text: the reference kind's letter
    cblExtVerweis = 20,       // TIntQuad: the reference key and its position number
    cblAuftragsNr = 21,       // text: the order key
    cblLieferschein = 22,     // text: the delivery note
    cblBearbFiliale = 23,     // integer: the processing branch
    cblBewByte = 24,          // integer: the movement byte
    cblBelegId = 25,          // TIntTrio: the goods-receipt document key
    cblDispoId = 26,          // TIntTrio: the disposition the movement fulfils
    cblZiel = 27,             // integer: the target kind
    cblPersoZielFil = 28,     // integer: the branch personalised goods must reach
    cblBehaelter = 29,        // TIntTrio
    cblBehaelterName = 30,    // text
    cblEinlagerort = 31,      // TIntTrio: the putaway place chosen
    cblEinlagerortName = 32,  // text
    cblLVPBFiliale = 33,      // integer: the branch reserved pieces belong to
    cblBestandsart = 34,      // integer
    cblZeit = 35,             // date-time of the posting
    cblMitarbeiter = 36,      // TIntPair
    cblBemerkung = 37,        // text
    cblVerfKombi = 38,        // TIntTrio: the process combination; null until split
    cblVerfKombiName = 39,    // text
    cblGrIndizes = 40,        // text: the size indices of a grouped row, comma separated
    cblAnzahl = 41
};

// An empty movement list with the 41 columns and their captions.
std::unique_ptr<TVRList> Bewegungsliste_Erzeugen();
// The sort-and-group columns of a grouping; ascending each.
using TZAM_Anzeige_Spalten_Array = QList<int>;
