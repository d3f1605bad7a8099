// The data module's container check for a branch delivery.
#include "TDM_Torvik.h"

#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"

bool TDM_Torvik::Behaelter_pruefen(const TIntTrio& ABehaelter, qint16 AFiliale, int ALager, bool ANurZugeordnete,
                                   bool ASperren, bool& AWurdeGesperrt, QString& AMeldung)
{
    AMeldung.clear();
    AWurdeGesperrt = false;
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Behaelter_pruefen", false, [&] {
        if (!ABehaelter.Defined())
            return true;
        auto ablehnen = [&](const QString& AText) {
            AMeldung = AText;
            return false;
        };
        IZAM_LagerEditServer& lager = TZAM_BewegungsDienste::Lager(*this);
        IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*this);
        // Another program's lock only: this program checks its own locked container again.
        if (lager.Behaelter_Gesperrt(ABehaelter))
            return ablehnen(QStringLiteral("Behälter gesperrt"));
        TZAM_Lager_Gitterwagen_Zuordnungsdaten daten;
        Gitterwagen_Zuordnungsdaten_Init(daten);
        bewegung.Behaelter_Zuordnung_Lesen(ABehaelter, daten);
        // "No branch" is -1: branch 0 is an assignment.
        const bool filialeZugeordnet = daten.Filiale >= 0;
        const bool lagerZugeordnet = daten.Lager > 0;
        if (filialeZugeordnet && daten.Filiale != AFiliale)
            return ablehnen(QStringLiteral("Dieser Behälter ist bereits einer anderen Filiale zugeordnet!"));
        if (lagerZugeordnet && daten.Lager != ALager)
            return ablehnen(QStringLiteral("Dieser Behälter ist bereits einem anderen Lager zugeordnet!"));
        if (ANurZugeordnete && !filialeZugeordnet && !lagerZugeordnet)
            return ablehnen(QStringLiteral("Dieser Behälter ist keiner Filiale / keinem Lager zugeordnet!"));
        if (daten.AufTransport)
            return ablehnen(QStringLiteral("Dieser Behälter wurde bereits auf Transport gebucht!"));
        if (daten.WBSGedruckt || daten.WBSListenNr.Defined())
            return ablehnen(QStringLiteral("Für diesen Behälter wurde bereits ein Warenbegleitschein gedruckt!"));
        TIntTrio ort;
        TZAM_Lagerplatz platz;
        if (bewegung.Lagerort_4_Behaelter(ABehaelter, ort) && lager.Lagerplatz_Lesen(ort, platz, 0))
            return ablehnen(QStringLiteral("Dieser Behälter liegt auf einem Lagerplatz!"));
        if (!filialeZugeordnet && !lagerZugeordnet && bewegung.Behaelter_HatFremdeArtikel(ABehaelter, 0, 0))
            return ablehnen(QStringLiteral("In diesem Behälter liegen Artikel, die nicht in die Zielfiliale sollen!"));
        if (!ASperren)
            return true;
        if (!lager.Behaelter_Sperren(ABehaelter))
            return ablehnen(QStringLiteral("Der Behälter konnte nicht gesperrt werden!"));
        AWurdeGesperrt = true;
        return true;
    });
}
