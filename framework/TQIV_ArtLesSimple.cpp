#include "TQIV_ArtLesSimple.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_ArtikelServer.h"
#include "IZAM_DispoServer.h"
#include "TQIV_VorgangDWSP_Iterator.h"

#include <algorithm>
#include <map>

TQIV_ArtLesSimple::TQIV_ArtLesSimple() = default;
TQIV_ArtLesSimple::~TQIV_ArtLesSimple() = default;

IZAM_ArtikelServer& TQIV_ArtLesSimple::Server()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_ArtikelServer>();
    return *FServer;
}

IZAM_DispoServer& TQIV_ArtLesSimple::DispoServer() const
{
    if (!FDispoServer)
        FDispoServer = Glob_WWSServerFactoryClass().Create<IZAM_DispoServer>();
    return *FDispoServer;
}

void TQIV_ArtLesSimple::Einstellungen_Setzen(const TQIV_ArtLesEinstellungen& AEinstellungen)
{
    FEinstellungen = AEinstellungen;
}

bool TQIV_ArtLesSimple::Positionieren(const TInt32Trio& AProduktId)
{
    // A failed read leaves the reader on nothing as well.
    FGefunden = false;
    FProduktId = TInt32Trio();
    FEtikettenAnzahl = 0;
    FEtikettenLayout.clear();
    FAuszeichnungsArt = 0;
    FWEGesperrt = false;
    FSegmenteGelesen = false;
    FSegmente.clear();
    FDispos.clear();
    TZAM_ArtikelWEDaten daten;
    if (!AProduktId.Defined() || !Server().WEDaten_Lesen(AProduktId, daten))
        return false;
    FGefunden = true;
    FProduktId = AProduktId;
    if (FEinstellungen.MitEtiketten) {
        FEtikettenAnzahl = daten.EtikettenAnzahl;
        FEtikettenLayout = daten.EtikettenLayout;
    }
    FAuszeichnungsArt = daten.AuszeichnungsArt;
    FWEGesperrt = daten.WEGesperrt;
    return true;
}

QList<TQIV_BewegungsSegment> TQIV_ArtLesSimple::BewegungsSegmente() const
{
    if (!FGefunden)
        return {};
    if (!FSegmenteGelesen) {
        for (const TZAM_DispoSatz& satz : DispoServer().NichtGeschlossene_4_Produkt(FProduktId)) {
            FSegmente.append({CZAM_BewArt_Dispo, satz.Kopf.Vorgang});
            FDispos.insert(satz.Kopf.Vorgang, satz);
        }
        FSegmenteGelesen = true;
    }
    return FSegmente;
}

const TZAM_DispoSatz* TQIV_ArtLesSimple::Dispo(const TIntTrio& AVorgId) const
{
    const auto it = FDispos.constFind(AVorgId);
    return it == FDispos.cend() ? nullptr : &*it;
}

bool TQIV_ArtLesSimple::DI_Offen_Berechnen(const TQIV_BewegungsSegment& ASegment,
                                           QList<QPair<qint16, TZAM_Intv100_Sortiment_Me>>& AOffen)
{
    AOffen.clear();
    TZAM_DispoSatz satz;
    if (ASegment.Art != CZAM_BewArt_Dispo || ASegment.VorgId.IsNull())
        return false;
    if (const TZAM_DispoSatz* gelesen = Dispo(ASegment.VorgId))
        satz = *gelesen;
    else if (!DispoServer().Lesen(ASegment.VorgId, satz))
        return false;
    if (satz.Geschlossen)
        return false;
    std::map<qint16, TZAM_Intv100_Sortiment_Me> filialen;
    for (const TZAM_DispoPosZeile& z : satz.Zeilen) {
        auto [it, neu] = filialen.try_emplace(z.ZielFiliale);
        if (neu)
            it->second.Init();
        if (zam_Intv100_IstGroesse(z.Groesse))
            it->second.Me[z.Groesse] += std::max(z.Geplant - z.Erhalten, 0);
    }
    for (auto& [filiale, me] : filialen) {
        me.MinMax_Bestimmen();
        AOffen.append({filiale, me});
    }
    return true;
}

TIntTrio TQIV_ArtLesSimple::EtikettDispoSchluessel() const
{
    const QList<TQIV_BewegungsSegment> segmente = BewegungsSegmente();
    return segmente.isEmpty() ? TIntTrio() : segmente.first().VorgId;
}

TQIV_VorgangDWSP_Iterator* TQIV_ArtLesSimple::VorgangDWSP_Iterator_GoC()
{
    if (!FIterator)
        FIterator = std::make_unique<TQIV_VorgangDWSP_Iterator>();
    return FIterator.get();
}

void TQIV_ArtLesSimple::VorgangDWSP_Iterator_Zurueckgeben()
{
    FIterator.reset();
}
