#include "TZAM_WEPlusAuftragMessung.h"

#include "TDM_Torvik.h"
#include "TQIV_State_WEPlus_ErmittlungAuftragsNr.h"
#include "TVRList.h"
#include "TVTVRList.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DemoGross.h"
#include "TZAM_Messung.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"

#include <QElapsedTimer>
#include <cstdio>

namespace {

double Ms(const QElapsedTimer& AUhr)
{
    return double(AUhr.nsecsElapsed()) / 1e6;
}

} // namespace

void TZAM_WEPlusAuftragMessung::Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe)
{
    TDM_Torvik dm({QStringLiteral("bench"), QStringLiteral("-mde")});
    TfrmMDE maske;
    maske.FOptionen.Allgemein.AktLager = TZAM_DemoGross::CLager;
    maske.LagerAnwenden();
    const int laeufe = qMax(5, ALaeufe / 10);

    // Order (9, 1 + i) typed by its own number, resolved and locked; released outside the time.
    QList<double> ms;
    int gesperrt = 0;
    for (int i = 0; i < laeufe; ++i) {
        TIntPairList auftraege;
        int getippt = 0;
        QString meldung;
        QElapsedTimer uhr;
        uhr.start();
        const bool ok = dm.VELTAuftragsNrN_Aus_AuftragsnrStr(QString::number(800001 + i), auftraege, getippt) &&
                        dm.Auftraege_Sperren(auftraege, {}, meldung);
        ms << Ms(uhr);
        gesperrt += ok;
        dm.Auftraege_Entsperren(auftraege, {});
    }
    TZAM_Messung::Zeile(QStringLiteral("WE-Plus: getippte Auftragsnummer gesperrt"), ms, 50);
    std::printf("(%d von %d gesperrt)\n", gesperrt, laeufe);

    // A delivery of order (9, 1 + i): nine of its article sizes scanned, the tenth timed.
    ms.clear();
    int auftraegeUebrig = 0;
    for (int i = 0; i < laeufe; ++i) {
        const TZAM_Zeilen artikel = AUmgebung.Backend().Datenbank().Lesen(
            QStringLiteral("SELECT DISTINCT e.prod_id1, e.prod_id2, e.prod_id3, p.groesse FROM zam_bne e JOIN zam_bnep p "
                           "ON p.bne_id1 = e.id1 AND p.bne_id2 = e.id2 AND p.bne_id3 = e.id3 WHERE e.auftrag_kreis = ? "
                           "AND e.auftrag_nr = ? AND e.geschlossen = 0 AND p.menge > p.erhalten "
                           "ORDER BY 1, 2, 3, 4 LIMIT 10"),
            {TZAM_DemoGross::CLager, 1 + i});
        if (artikel.Zeilen().isEmpty())
            continue;
        maske.ChangeState<TQIV_State_WEPlus_ErmittlungAuftragsNr>();
        auto* ermittlung = static_cast<TQIV_State_WEPlus_ErmittlungAuftragsNr*>(maske.AktState());
        for (int k = 0; k < 10; ++k) {
            const QVariantList& a = artikel.Zeilen().at(k % artikel.Zeilen().size());
            const TInt32Trio produkt(a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt());
            QElapsedTimer uhr;
            uhr.start();
            ermittlung->Gescannt_Artikel(true, produkt, a.at(3).toInt());
            if (k == 9)
                ms << Ms(uhr);
        }
        auftraegeUebrig += maske.vtVRListUnten->VRList_Get()->GetRowCount();
    }
    TZAM_Messung::Zeile(QStringLiteral("WE-Plus: zehntes Stück der Auftragsermittlung"), ms, 50);
    std::printf("(%.1f Aufträge je Lieferung übrig)\n", ms.isEmpty() ? 0.0 : double(auftraegeUebrig) / ms.size());

    // The quick search in every article's number, manufacturer number and description.
    QList<TInt32Trio> treffer;
    TZAM_Messung::Zeile(QStringLiteral("WE-Plus: Artikelschnellsuche"), laeufe, 100,
                        [&] { dm.ArtNumSuchDialog.Execute_Text(QStringLiteral("artikel 12"), treffer); });
    std::printf("(%d Treffer)\n", int(treffer.size()));
}
