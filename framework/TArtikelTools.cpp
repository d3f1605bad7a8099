#include "TArtikelTools.h"

#include "Glob_WWSServerFactoryClass.h"
#include "TZAM_CodeForm.h"

namespace {
std::unique_ptr<IZAM_ArtikelServer> Server()
{
    return Glob_WWSServerFactoryClass().Create<IZAM_ArtikelServer>();
}
} // namespace

QString TArtikelTools::ProduktID_2_ArtNr_Formatted(const TInt32Trio& AProduktId, bool ALeerWennUnbekannt)
{
    TZAM_ArtikelSatz satz;
    if (AASatz_4_ProduktID(AProduktId, satz))
        return TZAM_CodeForm::ArtNr_Text(satz.ArtNr);
    return ALeerWennUnbekannt ? QString() : AProduktId.ToText();
}

bool TArtikelTools::AASatz_4_ProduktID(const TInt32Trio& AProduktId, TZAM_ArtikelSatz& ASatz)
{
    ASatz = TZAM_ArtikelSatz{};
    return AProduktId.Defined() && Server()->Artikel_Lesen(AProduktId, ASatz);
}

bool TArtikelTools::GetGG_4_ProdId(const TInt32Trio& AProduktId, TQIV_Intv100_Sortiment_QIV_GG& AGG)
{
    AGG.Clear();
    return AProduktId.Defined() && Server()->Groessen_Lesen(AProduktId, AGG);
}

TZAM_Intv100_IndErw TArtikelTools::GetGGIndex4ProdIdKassenGroesse(const TInt32Trio& AProduktId, int AKassenGroesse)
{
    TQIV_Intv100_Sortiment_QIV_GG gg;
    if (!GetGG_4_ProdId(AProduktId, gg))
        return CZAM_Intv100_Ungueltig;
    return gg.Index4KassenGroesse(AKassenGroesse);
}

TInt32Trio TArtikelTools::ArtNr_2_ProduktID(const QString& AText)
{
    const int artNr = TZAM_CodeForm::ArtNr_Lesen(AText);
    TZAM_ArtikelSatz satz;
    if (artNr <= 0 || !Server()->Artikel_4_ArtNr(artNr, satz))
        return {};
    return satz.ProduktId;
}

TIntPair TArtikelTools::Lieferant_4_ProdID(const TInt32Trio& AProduktId)
{
    TZAM_ArtikelWEDaten daten;
    if (!AProduktId.Defined() || !Server()->WEDaten_Lesen(AProduktId, daten))
        return {};
    return daten.Lieferant;
}
