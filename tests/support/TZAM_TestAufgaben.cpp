#include "TZAM_TestAufgaben.h"

#include "TZAM_Datenbank.h"
#include "TZAM_FilialTabelleSql.h"
#include "ZAMAufgabenCodes.h"

void TZAM_TestAufgaben::Anlegen(TZAM_Datenbank& ADb, const TZAM_TestAufgabe& A)
{
    const auto zeit = [](const QDateTime& t) { return t.isValid() ? QVariant(t) : QVariant(); };
    ADb.Schreiben(
        QStringLiteral("INSERT INTO zam_auko (id1, id2, id3, art, erstellt, bearbeitung, gv, status, "
                       "prioritaet, lager, prod_id1, prod_id2, prod_id3, groesse, ziel_lo_id1, ziel_lo_id2, "
                       "ziel_lo_id3, grund_id1, grund_id2, grund_id3, ext_kennung, ext_id1, ext_id2, ext_id3, "
                       "ext_nummer, teamsport) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?)"),
        {A.Id.Id1,
         A.Id.Id2,
         A.Id.Id3,
         CZAM_Aufgabe_Art_2_Kuerzel(A.Art),
         zeit(A.Erstellt),
         zeit(A.Bearbeitung),
         CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(A.Geschaeftsvorfall),
         QString(CZAM_Aufgabe_Status_2_Char(A.Status)),
         A.Prioritaet,
         A.Lager,
         A.Produkt.Id1,
         A.Produkt.Id2,
         A.Produkt.Id3,
         A.Groesse,
         A.ZielLagerort.Id1,
         A.ZielLagerort.Id2,
         A.ZielLagerort.Id3,
         A.Grund.Id1,
         A.Grund.Id2,
         A.Grund.Id3,
         A.ExtKennung,
         A.ExtId.Id1,
         A.ExtId.Id2,
         A.ExtId.Id3,
         A.ExtNummer,
         A.Teamsport ? 1 : 0});
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_auae (auf_id1, auf_id2, auf_id3, quell_filiale, ziel_filiale, menge, "
                                 "bne_id1, bne_id2, bne_id3, bne_typ, kube_id1, kube_id2, kube_id3, kube_nr) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {A.Id.Id1, A.Id.Id2, A.Id.Id3, A.QuellFiliale, A.ZielFiliale, A.Menge, A.Vorgang.Id1, A.Vorgang.Id2,
                   A.Vorgang.Id3, A.Vorgangstyp, A.Kube.Id1, A.Kube.Id2, A.Kube.Id3, A.KubeNr});
}

void TZAM_TestAufgaben::Beleg(TZAM_Datenbank& ADb, const TZAM_TestBeleg& B)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_atk (id1, id2, belegnr, datum, auslieferungtyp, zahlungsart, "
                                 "herkunftskz, glaeubiger_orge1, glaeubiger_orge2) VALUES (1, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {B.Nr, B.BelegNr, QDateTime(QDate(2024, 5, 8), QTime(12, 0)), B.Auslieferungtyp, B.Zahlungsart,
                   B.Herkunft.isNull() ? QString() : QString(B.Herkunft), B.GlaeubigerOrge.Id1, B.GlaeubigerOrge.Id2});
    for (int i = 0; i < B.Positionen.size(); ++i) {
        const QStringList p = B.Positionen.at(i).split(QLatin1Char('/'));
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_atpk (pos_id1, pos_id2, pos_id3, pos_id4, atk_id1, atk_id2, "
                                     "menge) VALUES (1, ?, 0, ?, 1, ?, 1)"),
                      {B.Nr, i + 1, B.Nr});
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, pos_id1, "
                           "pos_id2, pos_id3, zustand, bezahlt) VALUES (1, ?, 0, ?, 1, ?, 0, ?, ?)"),
            {B.Nr, i + 1, B.Nr, p.value(0), p.value(1)});
    }
}

void TZAM_TestAufgaben::Exbi(TZAM_Datenbank& ADb, const TZAM_TestExbi& X)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_exbi (kennung, auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                                 "bestellnr, bezahlt, buch_filiale, herkunft) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {X.Kennung, X.Auftrag.Id1, X.Auftrag.Id2, X.Auftrag.Id3, X.Position, X.BestellNr,
                   X.Bezahlt ? QStringLiteral("J") : QStringLiteral("N"), X.BuchFiliale, QString(X.Herkunft)});
}

void TZAM_TestAufgaben::Erfuellung(TZAM_Datenbank& ADb, const TIntTrio& AId, int AMenge)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_aufgabe_erfuellung (auf_id1, auf_id2, auf_id3, menge, zeit) "
                                 "VALUES (?, ?, ?, ?, ?)"),
                  {AId.Id1, AId.Id2, AId.Id3, AMenge, QDateTime::currentDateTime()});
}

void TZAM_TestAufgaben::Filialen(TZAM_Datenbank& ADb)
{
    for (int nr : {12, 14}) {
        TZAM_Filiale f;
        f.Nummer = nr;
        f.Name = QStringLiteral("Filiale %1").arg(nr);
        f.OrgeId = Orge(nr);
        f.Lager = 1;
        TZAM_FilialTabelleSql::Speichern(ADb, f);
    }
}

void TZAM_TestAufgaben::Nachsortierung(TZAM_Datenbank& ADb, int ANr, const TInt32Trio& AProdukt, int AGrInd,
                                       int AMenge)
{
    TZAM_TestAufgabe a;
    a.Id = {1, 1, ANr};
    a.Geschaeftsvorfall = 1;
    a.ExtKennung = 0;
    a.ExtId = {};
    a.Produkt = AProdukt;
    a.Groesse = AGrInd;
    a.QuellFiliale = 10;
    a.ZielFiliale = 11;
    a.Menge = AMenge;
    Anlegen(ADb, a);
}
