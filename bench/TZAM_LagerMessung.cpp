#include "TZAM_LagerMessung.h"

#include "IZAM_LagerEditServer.h"
#include "TDM_Torvik.h"
#include "TZAM_DemoGross.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Messung.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMUtils.h"

#include <QElapsedTimer>
#include <cstdio>

namespace {
// The place of run i: spread over the whole site.
TIntTrio Platz(int i)
{
    const int n = (i * 7919) % TZAM_DemoGross::TUmfang().Plaetze;
    return TIntTrio(TZAM_DemoGross::CLager, 1 + n / 1000, 1 + n % 1000);
}
// The article size the generator put first on that place.
TInt32Trio Produkt(const TIntTrio& APlatz)
{
    const int n = (APlatz.Id2 - 1) * 1000 + APlatz.Id3 - 1;
    return TInt32Trio(2, 500000 + n % TZAM_DemoGross::TUmfang().Artikel, 0);
}
} // namespace

void TZAM_LagerMessung::Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe)
{
    AUmgebung.DemoAnlegen();
    QElapsedTimer uhr;
    uhr.start();
    TZAM_DemoGross::Anlegen(AUmgebung.Backend().Datenbank(), {});
    std::printf("(Großlager angelegt in %.1f s)\n", uhr.elapsed() / 1000.0);

    TDM_Torvik dm({QStringLiteral("bench")});
    dm.SetAktLager(TZAM_DemoGross::CLager);
    int i = 0;
    TZAM_Lagerort_Info info;
    TZAM_Messung::Zeile(QStringLiteral("Scan zu Lagerplatz (Lagerplatz_Behaelter_umsetzen)"), ALaeufe, 50, [&] {
        dm.Lagerplatz_Behaelter_umsetzen(zam_TIntTrio2String(Platz(i++)) + QStringLiteral("00000"), info,
                                         {true, true});
    });
    i = 0;
    TZAM_Messung::Zeile(QStringLiteral("Lagerbestand"), ALaeufe, 0, [&] {
        const TIntTrio p = Platz(i++);
        dm.Lagerbestand(p, Produkt(p), 1);
    });
    i = 0;
    TZAM_Messung::Zeile(QStringLiteral("Realbestand"), ALaeufe, 0, [&] {
        dm.Realbestand(TZAM_DemoGross::CLager, Produkt(Platz(i++)), 1);
    });
    i = 0;
    int gebucht = 0;
    IZAM_LagerEditServer* lager = dm.LagerEditServer_GoC();
    TZAM_Messung::Zeile(QStringLiteral("Umlagerung (Sperre, Bereichstest, Buchung)"), ALaeufe, 50, [&] {
        const TIntTrio von = Platz(i), an = Platz(i + 1);
        ++i;
        TZAM_Lagerort_Info vonInfo, anInfo;
        lager->LagerortInfo_Lesen(von, vonInfo, TQIV_Lagerort_Info_Optionen::Defaults());
        lager->LagerortInfo_Lesen(an, anInfo, TQIV_Lagerort_Info_Optionen::Defaults());
        lager->Lagerort_Sperren(von);
        QString meldung;
        bool weniger = false, nichts = false;
        TZAM_InfoMeldungListe meldungen;
        if (dm.Umlagerung_MitBewegungen_Lagerorte_Testen(vonInfo, anInfo, meldung) &&
            dm.Umlagerung_MitBewegungen_Buchen(weniger, vonInfo, anInfo, Produkt(von), 1, 1, -1, -1, -1, -1, -1, false,
                                               true, &meldungen, nichts, meldung))
            ++gebucht;
        lager->Lagerort_Entsperren(von);
    });
    // Every place holds ten pieces of its first article size: each relocation must book.
    std::printf("(%d von %d Umlagerungen gebucht)\n", gebucht, i);
}
