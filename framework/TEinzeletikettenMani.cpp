#include "TEinzeletikettenMani.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_ArtikelServer.h"
#include "IZAM_Druck.h"
#include "IZAM_DruckerKonfig.h"
#include "TArtikelTools.h"
#include "TQIV_ArtvLesenTools.h"
#include "TZAM_Druckjob.h"
#include "TZAM_Etikett.h"
#include "ZAMFehler.h"
#include "ZAMInfoKoords.h"

#include <QHash>

namespace {

const QString CMethode = QStringLiteral("TEinzeletikettenMani.EinzEtik_Aufbereiten");

// The labels of one info, in size order, each piece's label repeated as the info asks.
void Sammeln(const TEinzelEtikettInfo& AInfo, const TZAM_EtikettLayout& ALayout, IZAM_ArtikelServer& AServer,
             TQIV_ArtvLesenTools& ALeser, QList<TZAM_EtikettDaten>& AEtiketten)
{
    if (!AInfo.ProduktId.Defined())
        return;
    TQIV_Intv100_Sortiment_QIV_GG gg;
    TArtikelTools::GetGG_4_ProdId(AInfo.ProduktId, gg);
    TZAM_ArtikelInformationen info;
    ALeser.ArtikelInformationen_Lesen(AInfo.ProduktId, CZAM_Intv100_OhneGroesse, AInfo.Filiale, info);
    QHash<int, QString> codes; // the first label code of each size
    for (const TZAM_ArtikelCode& c : AServer.Codes_4_Artikel(AInfo.ProduktId, acaEtikett))
        if (!codes.contains(c.GroessenIndex))
            codes.insert(c.GroessenIndex, c.Code);

    TZAM_EtikettDaten d;
    d.ArtNr = TArtikelTools::ProduktID_2_ArtNr_Formatted(AInfo.ProduktId);
    if (ALayout.MitHerstellerNr)
        d.HerstellerArtNr = info.HerstellerArtNr.trimmed();
    if (AInfo.Filiale >= 0)
        d.Filiale = QStringLiteral("Fil. %1").arg(AInfo.Filiale);
    if (ALayout.MitDispo) {
        if (!AInfo.DispoText.isEmpty())
            d.Dispo = AInfo.DispoText;
        else if (AInfo.DispoId.Defined() && AInfo.DispoId != CMaxIntTrio)
            d.Dispo = AInfo.DispoId.ToText();
    }
    const int kopien = AInfo.EtikettenAnzahl > 0 ? AInfo.EtikettenAnzahl : 1;
    for (int i = AInfo.Sortiment.MinIndex; i <= AInfo.Sortiment.MaxIndex && i < CZAM_Intv100_Anzahl; ++i) {
        const int menge = AInfo.Sortiment.Menge(i);
        if (menge <= 0)
            continue;
        d.Groesse = gg.Groesse(i);
        d.Code = codes.value(i);
        for (int n = 0; n < menge * kopien; ++n)
            AEtiketten.append(d);
    }
}

} // namespace

void TEinzeletikettenMani::EinzEtik_Aufbereiten(const TEinzelEtikettInfo& AInfo, bool ADrucken, const QString& ALayout)
{
    EinzEtik_Aufbereiten(QList<TEinzelEtikettInfo>{AInfo}, ADrucken, ALayout);
}

// Everything is read before the printer is asked, so a failure prints nothing. Without ADrucken
// the layout is checked and the labels are read, but no job is started: nothing is printed or
// recorded.
void TEinzeletikettenMani::EinzEtik_Aufbereiten(const QList<TEinzelEtikettInfo>& AInfos, bool ADrucken,
                                                const QString& ALayout)
{
    EinzEtik_Aufbereiten(AInfos, ADrucken, ALayout, QString());
}

void TEinzeletikettenMani::EinzEtik_Aufbereiten(const QList<TEinzelEtikettInfo>& AInfos, bool ADrucken,
                                                const QString& ALayout, const QString& ADrucker)
{
    TZAM_EtikettLayout layout;
    if (!Glob_WWSServerFactoryClass().Create<IZAM_Druck>()->EtikettLayout_Lesen(ALayout, layout))
        FehlerRaise(CMethode, CZAM_Info_Lager_EtikettVorlageFehlt,
                    ALayout.isEmpty() ? QStringLiteral("(ohne Namen)") : ALayout);
    if (layout.BreiteMm <= 0 || layout.HoeheMm <= 0)
        FehlerRaise(CMethode, CZAM_Info_Fehler_Standard_IllegalerParameter,
                    QStringLiteral("Etikettengröße von ") + ALayout);

    std::unique_ptr<IZAM_ArtikelServer> server = Glob_WWSServerFactoryClass().Create<IZAM_ArtikelServer>();
    TQIV_ArtvLesenTools leser;
    QList<TZAM_EtikettDaten> etiketten;
    for (const TEinzelEtikettInfo& info : AInfos)
        Sammeln(info, layout, *server, leser, etiketten);
    if (!ADrucken || etiketten.isEmpty())
        return;

    const QString drucker =
        ADrucker.isEmpty() ? Glob_WWSServerFactoryClass().Create<IZAM_DruckerKonfig>()->EtikettenDrucker() : ADrucker;
    TZAM_Druckjob job(drucker, QStringLiteral("Etikett"), QSizeF(layout.BreiteMm, layout.HoeheMm));
    for (qsizetype i = 0; i < etiketten.size(); ++i) {
        if (i > 0)
            job.NeueSeite();
        TZAM_Etikett::Zeichnen(job.Painter(), job.Seite(), job.EinheitenJeMm(), etiketten.at(i));
    }
    job.Abschliessen();
}
