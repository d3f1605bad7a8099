#include "Umlagerung_Buchen_Do.h"

#include "TDM_Torvik.h"
#include "TVRList.h"
#include "TZAM_InfoMeldungListe.h"

bool Umlagerung_Buchen_Do(QString& AMeldung, bool& AWenigerUmgelagert, qint16& AFilZuordAn, bool AStopBeiFehler,
                          bool ALVPBNachVonFilFiltern, const TZAM_Lagerort_Info& AAn, const TZAM_Lagerort_Info& AVon,
                          int AColMenge, int AColGrIdx, int AColProdukt, int AColFiliale, TVRList* AListe,
                          qint32& ALagZuordVon, qint32& ALagZuordAn, qint16& AFilZuordVon)
{
    AMeldung.clear();
    AWenigerUmgelagert = false;
    if (!DM_Torvik->Umlagerung_MitBewegungen_Lagerorte_Testen(AVon, AAn, AMeldung))
        return false;
    if (!AListe)
        return true;
    const auto anhaengen = [&](const QString& AText) {
        if (AText.isEmpty())
            return;
        if (!AMeldung.isEmpty())
            AMeldung += QStringLiteral("; ");
        AMeldung += AText;
    };
    bool ergebnis = true;
    for (int r = AListe->GetRowCount() - 1; r >= 0; --r) {
        const TInt32Trio produkt = AListe->GetCellValueAsInt32Trio(r, AColProdukt);
        const int grInd = AListe->GetCellValueAsInteger(r, AColGrIdx);
        const int menge = AListe->GetCellValueAsInteger(r, AColMenge);
        const int filiale = AListe->GetCellValueAsInteger(r, AColFiliale);
        TZAM_InfoMeldungListe meldungen;
        bool nichtsZuBuchen = false;
        QString meldung;
        const bool gebucht = DM_Torvik->Umlagerung_MitBewegungen_Buchen(
            AWenigerUmgelagert, AVon, AAn, produkt, grInd, menge, AFilZuordVon, AFilZuordAn, ALagZuordVon, ALagZuordAn,
            filiale, ALVPBNachVonFilFiltern, AStopBeiFehler, &meldungen, nichtsZuBuchen, meldung);
        if (!gebucht) {
            ergebnis = false;
            anhaengen(meldungen.Meldungen_AlsText(QStringLiteral("; ")));
            anhaengen(meldung);
            if (AStopBeiFehler)
                break;
        }
        AListe->RowDelete(r);
    }
    return ergebnis;
}
