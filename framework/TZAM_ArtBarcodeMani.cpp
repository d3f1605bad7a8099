#include "TZAM_ArtBarcodeMani.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "TArtikelTools.h"
#include "TZAM_CodeForm.h"
#include "TZAM_InfoMeldungListe.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

namespace {
const QString CBuchung = QStringLiteral("TZAM_ArtBarcodeMani.Buchen");
}

TZAM_ArtBarcodeMani::TZAM_ArtBarcodeMani() : FServer(Glob_WWSServerFactoryClass().Create<IZAM_ArtikelServer>())
{
    if (!FServer)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("Artikel"),
                             QStringLiteral("TZAM_ArtBarcodeMani.Create"));
}

TZAM_ArtBarcodeMani::~TZAM_ArtBarcodeMani() = default;

bool TZAM_ArtBarcodeMani::Lesen4Buchen(const TInt32Trio& AProduktId)
{
    FGelesen = false;
    FProduktId = AProduktId;
    FGG.Clear();
    for (TZAM_ArtBarcodeSet& s : FSets)
        s.Clear();
    if (!AProduktId.Defined() || !FServer->Artikel_Lesen(AProduktId, FSatz))
        return false;
    FServer->Groessen_Lesen(AProduktId, FGG);
    std::array<QStringList, CZAM_Intv100_Anzahl> codes;
    for (const TZAM_ArtikelCode& c : FServer->Codes_4_Artikel(AProduktId, acaGTIN))
        codes[c.GroessenIndex].append(c.Code);
    for (int i = 0; i < CZAM_Intv100_Anzahl; ++i)
        FSets[i].Gelesen(codes[i]);
    FGelesen = true;
    return true;
}

void TZAM_ArtBarcodeMani::Pruefen(const char* AMethode) const
{
    if (!FGelesen)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("kein Artikel gelesen"),
                             QString::fromUtf8(AMethode));
}

TZAM_ArtBarcodeSet& TZAM_ArtBarcodeMani::Barcodes(int AGroessenIndex)
{
    Pruefen("TZAM_ArtBarcodeMani.Barcodes");
    if (!zam_Intv100_IstGroesse(AGroessenIndex))
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("Größenindex %1").arg(AGroessenIndex),
                             QStringLiteral("TZAM_ArtBarcodeMani.Barcodes"));
    return FSets[AGroessenIndex];
}

QList<TZAM_ArtikelCode> TZAM_ArtBarcodeMani::NeueCodes() const
{
    QList<TZAM_ArtikelCode> l;
    for (int i = 0; i < CZAM_Intv100_Anzahl; ++i)
        for (const QString& c : FSets[i].Neu())
            l.append({c, acaGTIN, FProduktId, TZAM_Intv100_IndErw(i)});
    return l;
}

QString TZAM_ArtBarcodeMani::ArtikelText(const TInt32Trio& AProduktId, int AGroessenIndex)
{
    QString text = TArtikelTools::ProduktID_2_ArtNr_Formatted(AProduktId);
    TQIV_Intv100_Sortiment_QIV_GG gg;
    if (AProduktId == FProduktId)
        gg = FGG;
    else
        FServer->Groessen_Lesen(AProduktId, gg);
    const QString groesse = gg.Groesse(AGroessenIndex);
    if (!groesse.isEmpty())
        text += QStringLiteral(" Größe ") + groesse;
    return text;
}

bool TZAM_ArtBarcodeMani::StehtFuerAnderes(const QString& ACode, int AGroessenIndex, const TInfoKoord& AKoord,
                                           TZAM_InfoMeldungListe* AMeldungen)
{
    TZAM_ArtikelCode da;
    // Our label of this very size is no GTIN of it either.
    if (!FServer->Code_Lesen(ACode, da) ||
        (da.Art == acaGTIN && da.ProduktId == FProduktId && da.GroessenIndex == AGroessenIndex))
        return false;
    if (AMeldungen)
        AMeldungen->Meldung_Add(AKoord, {ACode, ArtikelText(da.ProduktId, da.GroessenIndex)});
    return true;
}

bool TZAM_ArtBarcodeMani::Validate(TZAM_InfoMeldungListe& AMeldungen)
{
    Pruefen("TZAM_ArtBarcodeMani.Validate");
    const int vorher = AMeldungen.Meldungen_Anz_Get();
    for (int i = 0; i < CZAM_Intv100_Anzahl; ++i)
        for (const QString& code : FSets[i].Neu()) {
            if (!TZAM_CodeForm::IstEAN(code) && !TZAM_CodeForm::IstUPC(code)) {
                AMeldungen.Meldung_Add(CZAM_Info_Artv_KeinGtin, {code});
                continue;
            }
            if (!FGG.Enthaelt(i)) {
                AMeldungen.Meldung_Add(CZAM_Info_Artv_GroesseFehlt,
                                       {code, TZAM_CodeForm::ArtNr_Text(FSatz.ArtNr), QString::number(i)});
                continue;
            }
            int andere = -1;
            for (int j = 0; j < CZAM_Intv100_Anzahl && andere < 0; ++j)
                if (j != i && FSets[j].BarCode_IsIn(code))
                    andere = j;
            if (andere >= 0)
                AMeldungen.Meldung_Add(CZAM_Info_Artv_CodeVergeben, {code, ArtikelText(FProduktId, andere)});
            else
                StehtFuerAnderes(code, i, CZAM_Info_Artv_CodeVergeben, &AMeldungen);
        }
    return AMeldungen.Meldungen_Anz_Get() == vorher;
}

bool TZAM_ArtBarcodeMani::Buchen(bool ABuchen, TZAM_InfoMeldungListe* AMeldungen)
{
    Pruefen("TZAM_ArtBarcodeMani.Buchen");
    const QList<TZAM_ArtikelCode> neu = NeueCodes();
    if (neu.isEmpty())
        return true;
    bool frei = true;
    if (!ABuchen) {
        for (const TZAM_ArtikelCode& c : neu)
            frei = !StehtFuerAnderes(c.Code, c.GroessenIndex, CZAM_Info_Artv_CodeVergeben, AMeldungen) && frei;
        return frei;
    }
    // A cancel inside would take a caller's booking with it.
    if (ZAMBuchung().Tiefe() > 0)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("Codezuordnung in einer offenen Buchung"), CBuchung);
    ZAMBuchung().Oeffnen(COperationsArt, CBuchung);
    for (const TZAM_ArtikelCode& c : neu)
        if (!FServer->Code_Einfuegen(c))
            frei = !StehtFuerAnderes(c.Code, c.GroessenIndex, CZAM_Info_Artv_CodeSoebenVergeben, AMeldungen) && frei;
    if (!frei)
        ZAMBuchung().Abbrechen();
    ZAMBuchung().Schliessen(CBuchung);
    if (frei)
        for (TZAM_ArtBarcodeSet& s : FSets)
            s.Gebucht();
    return frei;
}
