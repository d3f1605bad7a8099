#include "Umlagerung_Buchen_Do.h"

#include "TDM_Torvik.h"
#include "TVRList.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Lagerort_Info.h"

namespace {

void Anhaengen(QString& AMeldung, const QString& ATeil)
{
    if (ATeil.trimmed().isEmpty())
        return;
    if (!AMeldung.isEmpty())
        AMeldung += QStringLiteral("; ");
    AMeldung += ATeil;
}

} // namespace

bool Umlagerung_Buchen_Do(QString& AMeldung, bool& AWenigerVersch, qint16& AFilZuordAn, bool AStopBeiFehler,
                          bool ALVPBNachVonFilFiltern, const TZAM_Lagerort_Info& AAnLagerort,
                          const TZAM_Lagerort_Info& AVonLagerort, int AColMenge, int AColGrIdx, int AColProdId,
                          int AColFilNr, TVRList& AListe, qint32& ALagZuordVon, qint32& ALagZuordAn,
                          qint16& AFilZuordVon)
{
    AMeldung.clear();
    AWenigerVersch = false;
    QString meldung;
    if (!DM_Torvik->Umlagerung_MitBewegungen_Lagerorte_Testen(AVonLagerort, AAnLagerort, meldung)) {
        AMeldung = meldung;
        return false;
    }
    bool ergebnis = true;
    for (int z = AListe.GetRowCount() - 1; z >= 0; --z) {
        const TInt32Trio produkt = AListe.GetCellValueAsInt32Trio(z, AColProdId);
        const int grInd = AListe.GetCellValueAsInteger(z, AColGrIdx);
        const int menge = AListe.GetCellValueAsInteger(z, AColMenge);
        const int filiale = AListe.GetCellValueAsInteger(z, AColFilNr);
        // A row counted down to nothing moves nothing.
        if (menge <= 0) {
            AListe.RowDelete(z);
            continue;
        }
        TZAM_InfoMeldungListe meldungen;
        bool nichtsZuBuchen = false;
        const bool gebucht = DM_Torvik->Umlagerung_MitBewegungen_Buchen(
            AWenigerVersch, AVonLagerort, AAnLagerort, produkt, grInd, menge, AFilZuordVon, AFilZuordAn, ALagZuordVon,
            ALagZuordAn, filiale, ALVPBNachVonFilFiltern, AStopBeiFehler, &meldungen, nichtsZuBuchen, meldung);
        if (!gebucht) {
            ergebnis = false;
            Anhaengen(AMeldung, meldungen.Meldungen_AlsText(QStringLiteral("; ")));
            Anhaengen(AMeldung, meldung);
            if (AStopBeiFehler)
                break;
        }
        AListe.RowDelete(z);
    }
    return ergebnis;
}
