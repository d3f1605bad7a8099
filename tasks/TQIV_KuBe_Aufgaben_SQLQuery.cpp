#include "TQIV_KuBe_Aufgaben_SQLQuery.h"

#include "EZAM_Exception.h"
#include "TZAM_Hausregel.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

TQIV_KuBe_Aufgaben_SQLQuery::TQIV_KuBe_Aufgaben_SQLQuery(QObject* AOwner) : TQIV_DB_Query(AOwner)
{
    if (GDBConfig() == 1)
        FehlerRaise(QStringLiteral("TQIV_KuBe_Aufgaben_SQLQuery.Create"), CZAM_Info_Fehler_DB_NichtVerfuegbar);
    FAUKOfile = std::make_unique<Taukofile>();
    FAUAEfile = std::make_unique<Tauaefile>();
    FBNEPfile = std::make_unique<TBNEPFile>();
    FEXBIfile = std::make_unique<TEXBIFile>();
    FATPBfile = std::make_unique<Tatpbfile>();
    FATPKfile = std::make_unique<Tatpkfile>();
    FATKfile = std::make_unique<Tatkfile>();
    FDF_Bez_ANZJ = std::make_unique<TIntegerDatenFeld>(CBezAnzJa);
    FDF_Bez_ANZN = std::make_unique<TIntegerDatenFeld>(CBezAnzNein);
    FDateinamen = {Tabelle(*FAUKOfile),
                   QStringLiteral("AUAE_Inner"),
                   QStringLiteral("AUAE_Outer"),
                   Tabelle(*FBNEPfile),
                   Tabelle(*FEXBIfile),
                   QStringLiteral("ATPB_ToAtk"),
                   QStringLiteral("ATPK_ToAtk"),
                   Tabelle(*FATKfile),
                   QStringLiteral("ATPK_FromAtk"),
                   QStringLiteral("ATPK_SubSelect"),
                   QStringLiteral("ATPB_SubSelect"),
                   QStringLiteral("BEZAHLT")};
    FSelektion.Clear();
    FErgSatz.Clear();
}

TQIV_KuBe_Aufgaben_SQLQuery::~TQIV_KuBe_Aufgaben_SQLQuery()
{
    TZAM_Hausregel::Zerstoeren("TQIV_KuBe_Aufgaben_SQLQuery.DestructorException", [&] {
        const auto freigeben = [](auto& AObjekt) {
            TZAM_Hausregel::Kern(nullptr, "TQIV_KuBe_Aufgaben_SQLQuery.Destroy", 0, [&] { AObjekt.reset(); });
        };
        freigeben(FDF_Bez_ANZN);
        freigeben(FDF_Bez_ANZJ);
        freigeben(FATKfile);
        freigeben(FATPKfile);
        freigeben(FATPBfile);
        freigeben(FEXBIfile);
        freigeben(FBNEPfile);
        freigeben(FAUAEfile);
        freigeben(FAUKOfile);
    });
}

int TQIV_KuBe_Aufgaben_SQLQuery::GDBConfig()
{
    // A database that never set the parameter has its task files in the database.
    try {
        return ZAMParameter().GetIntegerValueByName(QStringLiteral("GDBCONFIG"));
    } catch (const EZAM_Exception& E) {
        if (E.Koord() == CZAM_Info_Fehler_Standard_ParameterUnbekannt)
            return 0;
        throw;
    }
}

QString TQIV_KuBe_Aufgaben_SQLQuery::Tabelle(const TZAM_Datei& ADatei)
{
    return SQL_TableName_4_FilePath(ADatei.GetFullDateiName());
}

QList<const TZAM_Datei*> TQIV_KuBe_Aufgaben_SQLQuery::Dateien() const
{
    return {FAUKOfile.get(), FAUAEfile.get(), FBNEPfile.get(), FEXBIfile.get(),
            FATPBfile.get(), FATPKfile.get(), FATKfile.get()};
}

bool TQIV_KuBe_Aufgaben_SQLQuery::Get_first()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TQIV_KuBe_Aufgaben_SQLQuery.Get_first", false, [&] {
        const bool zeile = TQIV_DB_Query::Get_first();
        if (zeile)
            FillErgSatz();
        return zeile;
    });
}

bool TQIV_KuBe_Aufgaben_SQLQuery::Get_next()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TQIV_KuBe_Aufgaben_SQLQuery.Get_next", false, [&] {
        const bool zeile = TQIV_DB_Query::Get_next();
        if (zeile)
            FillErgSatz();
        return zeile;
    });
}

void TQIV_KuBe_Aufgaben_SQLQuery::FillErgSatz()
{
    FErgSatz.Clear();
    TZAM_Hausregel::OhneBusy(
        "TQIV_KuBe_Aufgaben_SQLQuery.FillErgSatz",
        [&] {
            TKuBeAufgQueryErgebnis& e = FErgSatz;
            e.AufgabenID = FAUKOfile->AufgabenId.AsIntTrio();
            e.AufgabenArt = FAUKOfile->Art.AsString();
            e.AufgabenZeitpunktAnl = FAUKOfile->ZeitpunktAnl.AsDateTime();
            e.AufgabenZeitpunktBearb = FAUKOfile->ZeitpunktBearb.AsDateTime();
            e.AufgabenGV = FAUKOfile->GV.AsString();
            e.AufgabenStatus = QString(FAUKOfile->Status.AsChar());
            e.Fil_Nr_Von = FAUAEfile->FilNrVon.AsInteger();
            e.Fil_Nr_An = FAUAEfile->FilNrAn.AsInteger();
            e.Menge = FAUAEfile->Menge.AsInteger();
            e.BNE_Vorg_ID = FAUAEfile->BNEVorgId.AsIntTrio();
            e.BNE_Vorg_Typ = FAUAEfile->BNEVorgTyp.AsInteger();
            e.KubeKennung = FBNEPfile->Kennung.AsString();
            e.KubeId = FBNEPfile->AuftragId.AsIntTrio();
            e.KubeErgNr = FBNEPfile->AuftragNr.AsInteger();
            e.EXBI_Kennung = FEXBIfile->Kennung.AsString();
            e.EXBI_Bezahlt = FEXBIfile->Bezahlt.AsChar();
            e.EXBI_BuchFil = FEXBIfile->BuchFil.AsInteger();
            e.EXBI_Herkunft = FEXBIfile->Herkunft.AsChar();
            e.ATK_auslieferungtyp = FATKfile->AuslieferungTyp.AsChar();
            e.ATK_zahlungsart = FATKfile->Zahlungsart.AsChar();
            e.ATK_herkunftskz = FATKfile->HerkunftsKz.AsChar();
            e.ATK_Glaeubiger = FATKfile->Glaeubiger.AsIntPair();
            e.ATK_GlaeubigerOrge = FATKfile->GlaeubigerOrge.AsIntPair();
            e.Pos_Bez_Anz_Ja = FDF_Bez_ANZJ->AsInteger();
            e.Pos_Bez_Anz_Nein = FDF_Bez_ANZN->AsInteger();
        },
        false);
}
