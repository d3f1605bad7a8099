// The branch-PC extension: its warehouse, its services and the goods-slip list. The movement
// list's loaders are in TZAM_DM_FilialPC_Ext_Bewegungen.cpp.
#include "TZAM_DM_FilialPC_Ext.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_EingangsbelegServer.h"
#include "IZAM_LagerEditServer.h"
#include "IZAM_Parameter.h"
#include "TQIV_EXBI_Mani.h"
#include "TQIV_WerkstattMani.h"
#include "TZAM_CodeForm.h"
#include "Vrtools.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"
#include "ZAMLagerKonstanten.h"

namespace {

const char* const CHerkunftNamen[] = {"WBS", "WBS Lager", "WE-Avis", "WE-Platz", "Fremdnr."};

std::unique_ptr<TVRList> WBSListe_Erzeugen()
{
    struct TSpalte
    {
        const char* Caption;
        TVRValueType Typ;
        bool Sichtbar;
    };
    static const TSpalte GSpalten[cwlAnzahl] = {
        {"Herkunft", vrtString, true},    {"Fremdnr.", vrtString, true},  {"Produkt", vrtInt32Trio, false},
        {"Datum", vrtDateTime, true},     {"Beleg", vrtString, true},     {"Von Fil", vrtInteger, true},
        {"An Fil", vrtInteger, true},     {"Offen", vrtInteger, true},    {"Art.-Nr.", vrtString, true},
        {"Bezeichnung", vrtString, true}, {"WE-Avis", vrtIntTrio, false}, {"Lager", vrtInteger, true},
        {"WBS", vrtIntPair, false},       {"Artikel", vrtInteger, true},  {"Größen", vrtInteger, true},
    };
    auto liste = std::make_unique<TVRList>();
    for (const TSpalte& s : GSpalten)
        liste->ColumnAdd(QString::fromUtf8(s.Caption), s.Typ, 80, s.Sichtbar);
    return liste;
}

QString ArtNrText(int AArtNr, const TInt32Trio& AProdukt)
{
    return AArtNr > 0 ? TZAM_CodeForm::ArtNr_Text(AArtNr) : AProdukt.ToText();
}

// One row per document.
void Belege_Eintragen(TVRList& AListe, const QList<TZAM_Eingangsbeleg_Produkt>& AEintraege)
{
    for (const TZAM_Eingangsbeleg_Produkt& e : AEintraege) {
        const TZAM_Eingangsbeleg& b = e.Beleg;
        TVRArray z = AListe.VRArray_ForRowAdd_Generate();
        int herkunft = CZAM_WBSHerkunft_Fremdnr;
        if (b.Art == ebaWBS) {
            herkunft = b.VonLager ? CZAM_WBSHerkunft_WBSLager : CZAM_WBSHerkunft_WBS;
            String2VRItem(b.WBSId.ToText(), z[cwlBelegNr]);
            Integer2VRItem(b.VonFiliale, z[cwlVonFiliale]);
            IntPair2VRItem(b.WBSId, z[cwlWBSId]);
        } else if (b.Art == ebaWEAvis) {
            herkunft = CZAM_WBSHerkunft_WEAvis;
            String2VRItem(b.WEAvisId.ToText(), z[cwlBelegNr]);
            IntTrio2VRItem(b.WEAvisId, z[cwlWEAvisId]);
        } else {
            String2VRItem(b.Fremdnummer, z[cwlBelegNr]);
            String2VRItem(b.Fremdnummer, z[cwlFremdnummer]);
        }
        String2VRItem(TZAM_DM_FilialPC_Ext::WBS_Herkunft_Text(herkunft), z[cwlHerkunft]);
        DateTime2VRItem(b.Datum, z[cwlDatum]);
        Integer2VRItem(b.AnFiliale, z[cwlAnFiliale]);
        Integer2VRItem(e.Offen, z[cwlOffen]);
        if (e.Artikel == 1) {
            String2VRItem(ArtNrText(e.ArtNr, e.ProduktId), z[cwlArtNr]);
            String2VRItem(e.Bezeichnung, z[cwlBezeichnung]);
        }
        Integer2VRItem(b.Lager, z[cwlLager]);
        Integer2VRItem(e.Artikel, z[cwlArtikel]);
        Integer2VRItem(e.Groessen, z[cwlGroessen]);
        AListe.RowAdd(std::move(z));
    }
}

} // namespace

TZAM_DM_FilialPC_Ext::TZAM_DM_FilialPC_Ext()
    : FBewegungsliste(Bewegungsliste_Erzeugen()), FWBSListe(WBSListe_Erzeugen())
{
}

TZAM_DM_FilialPC_Ext::~TZAM_DM_FilialPC_Ext() = default;

IZAM_EingangsbelegServer& TZAM_DM_FilialPC_Ext::Eingang()
{
    if (!FEingang)
        FEingang = Glob_WWSServerFactoryClass().Create<IZAM_EingangsbelegServer>();
    return *FEingang;
}

IZAM_LagerEditServer& TZAM_DM_FilialPC_Ext::LagerEdit()
{
    if (!FLagerEdit)
        FLagerEdit = Glob_WWSServerFactoryClass().Create<IZAM_LagerEditServer>();
    return *FLagerEdit;
}

TQIV_EXBI_Mani& TZAM_DM_FilialPC_Ext::EXBI()
{
    if (!FEXBI)
        FEXBI = std::make_unique<TQIV_EXBI_Mani>();
    return *FEXBI;
}

TQIV_WerkstattMani& TZAM_DM_FilialPC_Ext::Werkstatt()
{
    if (!FWerkstatt)
        FWerkstatt = std::make_unique<TQIV_WerkstattMani>();
    return *FWerkstatt;
}

int TZAM_DM_FilialPC_Ext::AktLager()
{
    if (FLager > 0)
        return FLager;
    if (FStandardLager > 0)
        return FStandardLager;
    const int lager = FFiliale >= 0 ? LagerEdit().Lager_4_Filiale(FFiliale) : -1;
    return lager > 0 ? lager : -1;
}

QList<int> TZAM_DM_FilialPC_Ext::AktLagerFilialen()
{
    TZAM_Lagergruppe gruppe;
    const int lager = AktLager();
    return lager > 0 && LagerEdit().Lagergruppe(lager, gruppe) ? gruppe.Filialen : QList<int>();
}

int TZAM_DM_FilialPC_Ext::WBS_Herkunft_4_String(const QString& AText)
{
    const QString text = AText.trimmed();
    for (int i = 0; i < int(std::size(CHerkunftNamen)); ++i)
        if (text == QString::fromUtf8(CHerkunftNamen[i]))
            return i;
    return -1;
}

QString TZAM_DM_FilialPC_Ext::WBS_Herkunft_Text(int AHerkunft)
{
    return AHerkunft >= 0 && AHerkunft < int(std::size(CHerkunftNamen)) ? QString::fromUtf8(CHerkunftNamen[AHerkunft])
                                                                        : QString();
}

bool TZAM_DM_FilialPC_Ext::WBSListe_laden(int AArt, int AFilialeOderLager, bool AErsetzen,
                                          const TInt32Trio& AProduktFilter)
{
    QList<TZAM_Eingangsbeleg_Produkt> belege, wePlatz;
    if (AArt == CZAM_WBSListe_Filiale)
        belege = Eingang().WBS_4_Filiale(qint16(AFilialeOderLager), AProduktFilter);
    else if (AArt == CZAM_WBSListe_Lager) {
        belege = Eingang().Belege_4_Lager(AFilialeOderLager, AProduktFilter);
        // Articles may be chosen from the goods-receipt place in these goods-receipt modes only.
        const int modus = ZAMParameter().GetIntegerValueByName(QStringLiteral("WEMode_Param"));
        if (modus == 2 || modus == 4)
            wePlatz = Eingang().Produkte_4_Lagerort(TrioAusPair(CZAM_Lagerverwaltung_DefaultWEFR, AFilialeOderLager),
                                                    AProduktFilter);
    } else
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("Art = %1").arg(AArt),
                             QStringLiteral("TZAM_DM_FilialPC_Ext.WBSListe_laden"));

    TVRList& liste = *FWBSListe;
    if (AErsetzen)
        liste.RowsClear();
    const int vorher = liste.GetRowCount();
    Belege_Eintragen(liste, belege);
    for (const TZAM_Eingangsbeleg_Produkt& p : wePlatz) {
        TVRArray z = liste.VRArray_ForRowAdd_Generate();
        String2VRItem(WBS_Herkunft_Text(CZAM_WBSHerkunft_WEPlatz), z[cwlHerkunft]);
        Int32Trio2VRItem(p.ProduktId, z[cwlProdukt]);
        Integer2VRItem(-1, z[cwlAnFiliale]);
        Integer2VRItem(p.Offen, z[cwlOffen]);
        String2VRItem(ArtNrText(p.ArtNr, p.ProduktId), z[cwlArtNr]);
        String2VRItem(p.Bezeichnung, z[cwlBezeichnung]);
        Integer2VRItem(AFilialeOderLager, z[cwlLager]);
        Integer2VRItem(1, z[cwlArtikel]);
        Integer2VRItem(p.Groessen, z[cwlGroessen]);
        liste.RowAdd(std::move(z));
    }
    return liste.GetRowCount() > vorher;
}
