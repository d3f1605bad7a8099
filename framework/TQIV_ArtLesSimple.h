#pragma once

#include "IZAM_DispoServer.h"
#include "TInt32Trio.h"
#include "TIntTrio.h"
#include "TZAM_Intv100_Sortiment_Me.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <memory>

class IZAM_ArtikelServer;
class TQIV_VorgangDWSP_Iterator;

// The settings an article reader receives right after it is created: what it reads beside the
// article record.
struct TQIV_ArtLesEinstellungen
{
    bool MitGroessen = true;
    bool MitEtiketten = true;
};

// Marking kinds of an article (zam_artikel.auszeichnungsart): 0 not recorded and 1 marked by us
// at goods receipt; 2 source-marked by the manufacturer, 3 source-marked by the supplier with our
// own labels; 4 to 7 are free for further kinds marked by us. A set of kinds 0 to 7; a kind above
// 7 is never in a set.
struct TQIV_AuszeichnungsArtKz_Menge
{
    quint8 Bits = 0;
    constexpr bool contains(int AArt) const { return AArt >= 0 && AArt <= 7 && ((Bits >> AArt) & 1) != 0; }
};
// The kinds whose pieces arrive marked already: no article label is printed for them.
inline constexpr TQIV_AuszeichnungsArtKz_Menge CQIV_AuszeichnungsArtKz_Quellauszeichnung{(1 << 2) | (1 << 3)};

// A movement segment of an article: kind 45 (CZAM_BewArt_Dispo) with the disposition's id.
struct TQIV_BewegungsSegment
{
    int Art = 0;
    TIntTrio VorgId;

    bool operator==(const TQIV_BewegungsSegment&) const = default;
};

// The data module's article reader: positions on a product and answers what the goods receipt
// reads of its article and of its dispositions.
class TQIV_ArtLesSimple
{
public:
    TQIV_ArtLesSimple();
    ~TQIV_ArtLesSimple();

    void Einstellungen_Setzen(const TQIV_ArtLesEinstellungen& AEinstellungen);
    const TQIV_ArtLesEinstellungen& Einstellungen() const { return FEinstellungen; }
    // True when the product has an article; otherwise the reader stands on nothing.
    bool Positionieren(const TInt32Trio& AProduktId);
    bool Gefunden() const { return FGefunden; }
    const TInt32Trio& ProduktId() const { return FProduktId; }
    // Of the article positioned on: labels per piece (0: none wanted) and the label layout.
    int EtikettenAnzahl() const { return FEtikettenAnzahl; }
    QString EtikettenLayout() const { return FEtikettenLayout; }
    int AuszeichnungsArt() const { return FAuszeichnungsArt; }
    bool WEGesperrt() const { return FWEGesperrt; }

    // One segment of kind 45 for each disposition of the article that is not closed, by id; read
    // with the dispositions themselves on the first question after positioning. Nothing when the
    // reader stands on nothing.
    QList<TQIV_BewegungsSegment> BewegungsSegmente() const;
    // A segment's disposition as read with the segments; null for any other.
    const TZAM_DispoSatz* Dispo(const TIntTrio& AVorgId) const;
    // The open pieces of the segment's disposition per target branch: for every target branch of
    // its positions (ascending) the sum over that branch's positions of planned - received, never
    // below 0, per size, with the range determined (possibly empty). False, with nothing, for a
    // segment of another kind or a disposition that is unknown or closed. A segment's disposition
    // as read with the segments, any other as it is stored now.
    bool DI_Offen_Berechnen(const TQIV_BewegungsSegment& ASegment,
                            QList<QPair<qint16, TZAM_Intv100_Sortiment_Me>>& AOffen);
    // The key for a label's disposition field: the first disposition of the article that is not
    // closed (the first segment); empty when it has none. The label shows the key as text.
    TIntTrio EtikettDispoSchluessel() const;

    // The reader's disposition iterator, created on first use; given back before the reader is
    // released (the reader frees it otherwise).
    TQIV_VorgangDWSP_Iterator* VorgangDWSP_Iterator_GoC();
    void VorgangDWSP_Iterator_Zurueckgeben();

private:
    IZAM_ArtikelServer& Server();
    IZAM_DispoServer& DispoServer() const;
    std::unique_ptr<IZAM_ArtikelServer> FServer;
    mutable std::unique_ptr<IZAM_DispoServer> FDispoServer;
    std::unique_ptr<TQIV_VorgangDWSP_Iterator> FIterator;
    TQIV_ArtLesEinstellungen FEinstellungen;
    bool FGefunden = false;
    TInt32Trio FProduktId;
    int FEtikettenAnzahl = 0;
    QString FEtikettenLayout;
    int FAuszeichnungsArt = 0;
    bool FWEGesperrt = false;
    mutable bool FSegmenteGelesen = false;
    mutable QList<TQIV_BewegungsSegment> FSegmente;
    mutable QHash<TIntTrio, TZAM_DispoSatz> FDispos;
};
