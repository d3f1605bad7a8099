#include "TQIV_ArtvLesenTools.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "TZAM_CodeForm.h"
#include "ZAMInfoKoords.h"

TQIV_ArtvLesenTools::TQIV_ArtvLesenTools() : FServer(Glob_WWSServerFactoryClass().Create<IZAM_ArtikelServer>())
{
    if (!FServer)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("Artikel"),
                             QStringLiteral("TQIV_ArtvLesenTools.Create"));
}

TQIV_ArtvLesenTools::~TQIV_ArtvLesenTools() = default;

TZAM_ArtikelScanEintrag TQIV_ArtvLesenTools::Eintrag(const TInt32Trio& AProduktId, int AGroessenIndex)
{
    TZAM_ArtikelScanEintrag e;
    e.ProduktId = AProduktId;
    e.GroessenIndex = TZAM_Intv100_IndErw(AGroessenIndex);
    if (zam_Intv100_IstGroesse(AGroessenIndex)) {
        TQIV_Intv100_Sortiment_QIV_GG gg;
        FServer->Groessen_Lesen(AProduktId, gg);
        e.GroessenText = gg.Groesse(AGroessenIndex);
        e.Text = gg.LangGroesse(AGroessenIndex);
    }
    return e;
}

bool TQIV_ArtvLesenTools::Artikel_4_Text(const QString& AText, int AModus, TZAM_ArtikelScanListe& AListe)
{
    AListe.Clear();
    const QString text = AText.trimmed();
    AListe.IstEAN = TZAM_CodeForm::IstEAN(text);
    AListe.IstUPC = TZAM_CodeForm::IstUPC(text);
    if (text.isEmpty())
        return false;

    TZAM_ArtikelCode code;
    if (FServer->Code_Lesen(text, code)) {
        AListe.Eintraege.append(Eintrag(code.ProduktId, code.GroessenIndex));
        return true;
    }
    if (AModus < almAlle)
        return false;

    TZAM_ArtikelSatz satz;
    const int artNr = TZAM_CodeForm::ArtNr_Lesen(text);
    if (artNr > 0 && FServer->Artikel_4_ArtNr(artNr, satz)) {
        AListe.Eintraege.append(Eintrag(satz.ProduktId, CZAM_Intv100_OhneGroesse));
        return true;
    }
    for (const TZAM_ArtikelSatz& s : FServer->Artikel_4_HerstellerArtNr(text))
        AListe.Eintraege.append(Eintrag(s.ProduktId, CZAM_Intv100_OhneGroesse));
    return !AListe.IsEmpty();
}

bool TQIV_ArtvLesenTools::ArtikelInformationen_Lesen(const TInt32Trio& AProduktId, int AGroessenIndex, int AFiliale,
                                                     TZAM_ArtikelInformationen& AInfo)
{
    AInfo.Clear();
    TZAM_ArtikelSatz satz;
    if (!AProduktId.Defined() || !FServer->Artikel_Lesen(AProduktId, satz))
        return false;
    AInfo.Hersteller = satz.Hersteller;
    AInfo.HerstellerArtNr = satz.HerstellerArtNr;
    AInfo.Farbe = satz.Farbe;
    AInfo.Beschreibung = satz.Beschreibung;
    AInfo.Material = satz.Material;
    AInfo.Preis = double(satz.PreisCent) / 100.0;
    AInfo.LangGroesse = Eintrag(AProduktId, AGroessenIndex).Text;
    TZAM_ArtikelWEDaten we;
    if (FServer->WEDaten_Lesen(AProduktId, we))
        AInfo.HerstId = we.Lieferant;
    return true;
}
