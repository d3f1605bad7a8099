#include "TDM_Torvik.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_AbarbEditServer.h"
#include "IZAM_ArtikelServer.h"
#include "IZAM_AuftragsDateien.h"
#include "IZAM_BelegEditServer.h"
#include "IZAM_ListDruckEditServer.h"
#include "IZAM_WegeOptEditServer.h"
#include "TBelimani.h"
#include "TFilialTabelle.h"
#include "TLVLZMani.h"
#include "TQIV_ArtLesSimple.h"
#include "TQIV_ArtvLesenTools.h"
#include "TQIV_ArtvLesenToolsDispoWEMani.h"
#include "TQIV_EXBI_Mani.h"
#include "TQIV_SimpleBestandsLeser.h"
#include "TQIV_WerkstattMani.h"
#include "TSCANNMani.h"
#include "TSimplePriceReader.h"
#include "TVRList.h"
#include "TZAMFormStore.h"
#include "TZAMWarteForm.h"
#include "TZAM_ArtBarcodeMani.h"
#include "TZAM_AuftrFilListe.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TZAM_GrundCache.h"
#include "TZAM_Hausregel.h"
#include "TZAM_Klang.h"
#include "TZAM_LieferungMani.h"
#include "TfrmArtNrGrPopup.h"
#include "ZAMFehler.h"
#include "ZAMFormMitte.h"
#include "ZAMGlobal.h"
#include "ZAMGlobaleInstanzen.h"
#include "ZAMInfoKoords.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTreeView>

TDM_Torvik* DM_Torvik = nullptr;

namespace {

// "-MDE", "/mde", ...: the switch character and the name in any letter case.
bool SchalterGesetzt(const QStringList& AArgumente, const QString& AName)
{
    for (int i = 1; i < AArgumente.size(); ++i) {
        const QString& a = AArgumente.at(i);
        if ((a.startsWith(u'-') || a.startsWith(u'/')) && a.mid(1).compare(AName, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

TDM_Torvik::TDM_Torvik(const QStringList& AArgumente, QObject* AParent) : QObject(AParent)
{
    setObjectName(QStringLiteral("DM_Torvik"));
    DM_Torvik = this;
    FAktBewFiliale = -1;
    FAnzeigeFelder = CAnzeigeFelder();
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.DataModuleCreate",
        [&] {
            // Entries 10 and 11 show the article features the framework settings name.
            const TIntPair merkmale = ZAMArtikelMerkmal_FeldIds();
            FAnzeigeFelder[10].FeldId = qint16(merkmale.Id2);
            FAnzeigeFelder[11].FeldId = qint16(merkmale.Id1);
        },
        false);
    FMDEModus = SchalterGesetzt(AArgumente, QStringLiteral("MDE"));
    FUmlagHLPrioModus = SchalterGesetzt(AArgumente, QStringLiteral("UmlagHLPrio"));
    Optionen_laden();
}

TDM_Torvik::~TDM_Torvik()
{
    // Each release in its own guard: one failure must not keep the others from running.
    auto freigeben = [](const char* AName, const std::function<void()>& AFreigabe) {
        TZAM_Hausregel::Kern(nullptr, AName, 0, AFreigabe);
    };
    freigeben("TDM_Torvik.Wartemaske", [&] {
        delete FWartemaske;
        FWartemaske = nullptr;
    });
    freigeben("TDM_Torvik.FormStore", [&] {
        delete FFormStore;
        FFormStore = nullptr;
    });
    freigeben("TDM_Torvik.ArtNrGrPopup", [&] { FArtNrGrPopup.reset(); });
    freigeben("TDM_Torvik.Wareneingang", [&] {
        FEinzelEtikMani.reset();
        FLVLZMani.reset();
        FWerkstattMani.reset();
        FDispoWEMani.reset();
        FScannMani.reset();
        FLieferungMani.reset();
    });
    freigeben("TDM_Torvik.AuftrFilListe", [&] {
        if (FAuftrFilListe)
            GlobAuftrFilListe_ReleaseInstance();
        FAuftrFilListe = nullptr;
    });
    freigeben("TDM_Torvik.ArtLesSimple", [&] { ArtLesSimple_RAN(); });
    freigeben("TDM_Torvik.ArtLesSimpleEinlagerungWEAV", [&] { ArtLesSimpleEinlagerungWEAV_RAN(); });
    freigeben("TDM_Torvik.BeliMani", [&] {
        if (FBeliMani)
            GlobBeliMani_ReleaseInstance();
        FBeliMani = nullptr;
    });
    freigeben("TDM_Torvik.BestandsLeser", [&] { FBestandsLeser.reset(); });
    freigeben("TDM_Torvik.ArtBarCodeMani", [&] { FArtBarCodeMani.reset(); });
    freigeben("TDM_Torvik.ArtvLesenTools", [&] { FArtvLesenTools.reset(); });
    freigeben("TDM_Torvik.Rechteserver", [&] { FRechteserver.reset(); });
    freigeben("TDM_Torvik.MandListeServer", [&] { FMandListeServer.reset(); });
    freigeben("TDM_Torvik.LagerInventurServer", [&] { FLagerInventurServer.reset(); });
    freigeben("TDM_Torvik.GPListenServer", [&] { FGPListenServer.reset(); });
    freigeben("TDM_Torvik.HLAnfoGrund", [&] {
        FHLAnfoGrundCache.reset();
        FHLAnfoGrundList.reset();
    });
    freigeben("TDM_Torvik.Auftragsdienste", [&] {
        FSimplePriceReader.reset();
        FBelegEditServer.reset();
        FEXBIMani.reset();
        FAuftragsDateien.reset();
        FWegeOptEditServer.reset();
    });
    freigeben("TDM_Torvik.ListDruckEditServer", [&] { FListDruckEditServer.reset(); });
    freigeben("TDM_Torvik.Aufgabenliste", [&] { FAufgabenliste.reset(); });
    freigeben("TDM_Torvik.AufgabenEditServer", [&] { FAufgabenEditServer.reset(); });
    freigeben("TDM_Torvik.AufgabenEditServer_Temp", [&] { FAufgabenEditServer_Temp.reset(); });
    freigeben("TDM_Torvik.LagerBewegungEditServer", [&] { FLagerBewegungEditServer.reset(); });
    freigeben("TDM_Torvik.LagerEditServer", [&] { FLagerEditServer.reset(); });
    freigeben("TDM_Torvik.FGSystems", [&] {
        if (FFGSystems)
            GlobFGSystems_ReleaseInstance();
        FFGSystems = nullptr;
    });
    freigeben("TDM_Torvik.FilialTabelle", [&] {
        if (FFilialTabelle)
            GlobFilialTabelle_ReleaseInstance();
        FFilialTabelle = nullptr;
    });
    if (DM_Torvik == this)
        DM_Torvik = nullptr;
    FehlerTerminate(QStringLiteral("TDM_Torvik.DataModuleDestroy"), 0);
}

template <class I> I* TDM_Torvik::Dienst_GoC(std::unique_ptr<I>& AFeld, const char* AName)
{
    if (!AFeld)
        TZAM_Hausregel::OhneBusy(
            AName, [&] { AFeld = Glob_WWSServerFactoryClass().Create<I>(); }, false);
    return AFeld.get();
}

template <class T> T* TDM_Torvik::Werkzeug_GoC(std::unique_ptr<T>& AFeld, const char* AName)
{
    if (!AFeld)
        TZAM_Hausregel::OhneBusy(
            AName, [&] { AFeld = std::make_unique<T>(); }, false);
    return AFeld.get();
}

TSCANNMani* TDM_Torvik::ScannMani_GoC()
{
    return Werkzeug_GoC(FScannMani, "TDM_Torvik.ScannMani_GoC");
}

TQIV_ArtvLesenToolsDispoWEMani* TDM_Torvik::DispoWEMani_GoC()
{
    return Werkzeug_GoC(FDispoWEMani, "TDM_Torvik.DispoWEMani_GoC");
}

TQIV_WerkstattMani* TDM_Torvik::WerkstattMani_GoC()
{
    return Werkzeug_GoC(FWerkstattMani, "TDM_Torvik.WerkstattMani_GoC");
}

TLVLZMani* TDM_Torvik::LVLZMani_GoC()
{
    return Werkzeug_GoC(FLVLZMani, "TDM_Torvik.LVLZMani_GoC");
}

TEinzeletikettenMani* TDM_Torvik::EinzelEtikMani_GoC()
{
    return Werkzeug_GoC(FEinzelEtikMani, "TDM_Torvik.EinzelEtikMani_GoC");
}

TBelimani* TDM_Torvik::BeliMani_GoC()
{
    if (!FBeliMani)
        TZAM_Hausregel::OhneBusy(
            "TDM_Torvik.BeliMani_GoC", [&] { FBeliMani = GlobBeliMani_GetInstance(); }, false);
    return FBeliMani;
}

// An article reader exists only with the article module; right after creation it gets the
// readers' settings.
TQIV_ArtLesSimple* TDM_Torvik::ArtikelLeser_GoC(std::unique_ptr<TQIV_ArtLesSimple>& AFeld, const char* AName)
{
    if (!AFeld)
        TZAM_Hausregel::OhneBusy(
            AName,
            [&] {
                if (!Glob_WWSServerFactoryClass().Verfuegbar<IZAM_ArtikelServer>())
                    FehlerRaise(QString::fromLatin1(AName), CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar);
                auto leser = std::make_unique<TQIV_ArtLesSimple>();
                leser->Einstellungen_Setzen(TQIV_ArtLesEinstellungen());
                AFeld = std::move(leser);
            },
            false);
    return AFeld.get();
}

TQIV_ArtLesSimple* TDM_Torvik::ArtLesSimple_GoC()
{
    return ArtikelLeser_GoC(FArtLesSimple, "TDM_Torvik.ArtLesSimple_GoC");
}

void TDM_Torvik::ArtLesSimple_RAN()
{
    // The iterator goes back to its reader first.
    if (FArtLesSimple)
        FArtLesSimple->VorgangDWSP_Iterator_Zurueckgeben();
    FArtLesSimple.reset();
}

TQIV_VorgangDWSP_Iterator* TDM_Torvik::VorgangDWSP_Iterator_GoC()
{
    TQIV_ArtLesSimple* leser = ArtLesSimple_GoC();
    return leser ? leser->VorgangDWSP_Iterator_GoC() : nullptr;
}

TZAM_LieferungMani* TDM_Torvik::LieferungMani_GoC()
{
    return Werkzeug_GoC(FLieferungMani, "TDM_Torvik.LieferungMani_GoC");
}

TZAM_AuftrFilListe* TDM_Torvik::AuftrFilListe_GoC()
{
    if (!FAuftrFilListe)
        TZAM_Hausregel::OhneBusy(
            "TDM_Torvik.AuftrFilListe_GoC", [&] { FAuftrFilListe = GlobAuftrFilListe_GetInstance(); }, false);
    return FAuftrFilListe;
}

TQIV_ArtLesSimple* TDM_Torvik::ArtLesSimpleEinlagerungWEAV_GoC()
{
    return ArtikelLeser_GoC(FArtLesSimpleEinlagerungWEAV, "TDM_Torvik.ArtLesSimpleEinlagerungWEAV_GoC");
}

void TDM_Torvik::ArtLesSimpleEinlagerungWEAV_RAN()
{
    FArtLesSimpleEinlagerungWEAV.reset();
}

TQIV_ArtvLesenTools* TDM_Torvik::ArtvLesenTools_GoC()
{
    return Werkzeug_GoC(FArtvLesenTools, "TDM_Torvik.ArtvLesenTools_GoC");
}

TZAM_DM_FilialPC_Ext* TDM_Torvik::DMExtFilPC_GoC()
{
    if (!FDMExtFilPC) {
        FDMExtFilPC = std::make_unique<TZAM_DM_FilialPC_Ext>();
        FDMExtFilPC->SetFiliale(FAktBewFiliale);
        FDMExtFilPC->SetStandardLager(FAktLager);
    }
    return FDMExtFilPC.get();
}

TZAM_ArtBarcodeMani* TDM_Torvik::ArtBarCodeMani_GoC()
{
    return Werkzeug_GoC(FArtBarCodeMani, "TDM_Torvik.ArtBarCodeMani_GoC");
}

TQIV_SimpleBestandsLeser* TDM_Torvik::BestandsLeser_GoC()
{
    return Werkzeug_GoC(FBestandsLeser, "TDM_Torvik.BestandsLeser_GoC");
}

IZAM_LagerEditServer* TDM_Torvik::LagerEditServer_GoC()
{
    return Dienst_GoC(FLagerEditServer, "TDM_Torvik.LagerEditServer_GoC");
}

IZAM_LagerBewegungEditServer* TDM_Torvik::LagerBewegungEditServer_GoC()
{
    return Dienst_GoC(FLagerBewegungEditServer, "TDM_Torvik.LagerBewegungEditServer_GoC");
}

IZAM_AufgabenEditServer* TDM_Torvik::AufgabenEditServer_Temp_GoC()
{
    return Dienst_GoC(FAufgabenEditServer_Temp, "TDM_Torvik.AufgabenEditServer_Temp_GoC");
}

IZAM_AufgabenEditServer* TDM_Torvik::AufgabenEditServer_GoC()
{
    return Dienst_GoC(FAufgabenEditServer, "TDM_Torvik.AufgabenEditServer_GoC");
}

IZAM_WegeOptEditServer* TDM_Torvik::WegeOptEditServer_GoC()
{
    return Dienst_GoC(FWegeOptEditServer, "TDM_Torvik.WegeOptEditServer_GoC");
}

IZAM_AbarbEditServer* TDM_Torvik::AbarbEditServer_GoC()
{
    return Dienst_GoC(FAbarbEditServer, "TDM_Torvik.AbarbEditServer_GoC");
}

IZAM_AuftragsDateien* TDM_Torvik::AuftragsDateien_GoC()
{
    return Dienst_GoC(FAuftragsDateien, "TDM_Torvik.AuftragsDateien_GoC");
}

IZAM_ListDruckEditServer* TDM_Torvik::ListDruckEditServer_GoC()
{
    return Dienst_GoC(FListDruckEditServer, "TDM_Torvik.ListDruckEditServer_GoC");
}

IZAM_BelegEditServer* TDM_Torvik::BelegEditServer_GoC()
{
    // An optional module: without it there is no document service, and no message either.
    if (!FBelegEditServer && Glob_ServerFactoryClass().Verfuegbar<IZAM_BelegEditServer>())
        TZAM_Hausregel::OhneBusy(
            "TDM_Torvik.BelegEditServer_GoC",
            [&] { FBelegEditServer = Glob_ServerFactoryClass().Create<IZAM_BelegEditServer>(); }, false);
    return FBelegEditServer.get();
}

TQIV_EXBI_Mani* TDM_Torvik::EXBIMani_GoC()
{
    return Werkzeug_GoC(FEXBIMani, "TDM_Torvik.EXBIMani_GoC");
}

TSimplePriceReader* TDM_Torvik::SimplePriceReader_GoC()
{
    return Werkzeug_GoC(FSimplePriceReader, "TDM_Torvik.SimplePriceReader_GoC");
}

TZAM_GrundCache* TDM_Torvik::HLAnfoGrundCache_GoC()
{
    if (!FHLAnfoGrundCache)
        TZAM_Hausregel::OhneBusy(
            "TDM_Torvik.HLAnfoGrundCache_GoC",
            [&] { FHLAnfoGrundCache = std::make_unique<TZAM_GrundCache>(CZAM_Grundgruppe_HLAnfo); }, false);
    return FHLAnfoGrundCache.get();
}

IZAM_GPListenServer* TDM_Torvik::GPListenServer_GoC()
{
    return Dienst_GoC(FGPListenServer, "TDM_Torvik.GPListenServer_GoC");
}

IZAM_LagerInventurServer* TDM_Torvik::LagerInventurServer_GoC()
{
    return Dienst_GoC(FLagerInventurServer, "TDM_Torvik.LagerInventurServer_GoC");
}

IZAM_MandListeServer* TDM_Torvik::MandListeServer_GoC()
{
    return Dienst_GoC(FMandListeServer, "TDM_Torvik.MandListeServer_GoC");
}

IZAM_RechteServer* TDM_Torvik::Rechteserver_GoC()
{
    return Dienst_GoC(FRechteserver, "TDM_Torvik.Rechteserver_GoC");
}

IZAM_FilialTabelle* TDM_Torvik::FilialTabelle_GoC()
{
    if (!FFilialTabelle)
        TZAM_Hausregel::OhneBusy(
            "TDM_Torvik.FilialTabelle_GoC", [&] { FFilialTabelle = GlobFilialTabelle_GetInstance(); }, false);
    return FFilialTabelle;
}

IZAM_FGSystems* TDM_Torvik::FGSystems_GoC()
{
    if (!FFGSystems)
        TZAM_Hausregel::OhneBusy(
            "TDM_Torvik.FGSystems_GoC", [&] { FFGSystems = GlobFGSystems_GetInstance(); }, false);
    return FFGSystems;
}

void TDM_Torvik::SetAktLager(int ALager)
{
    if (ALager == FAktLager)
        return;
    FAktLager = ALager;
    FWurmlochArr.clear(); // the wormholes belong to the warehouse
    if (FDMExtFilPC)
        FDMExtFilPC->SetStandardLager(ALager);
}

void TDM_Torvik::SetAktFiliale(qint16 AFiliale)
{
    if (AFiliale == FAktBewFiliale)
        return;
    if (FDMExtFilPC) {
        FDMExtFilPC->SetLager(-1);
        FDMExtFilPC->SetFiliale(AFiliale);
    }
    FAktBewFiliale = AFiliale;
}

void TDM_Torvik::LaegerHolen(QList<int>& ALaeger)
{
    ALaeger.clear();
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.LaegerHolen",
        [&] {
            IZAM_LagerEditServer* server = LagerEditServer_GoC();
            if (!server)
                return;
            for (const TZAM_Lagergruppe& g : TFilialTabelle::Laeger(*server))
                ALaeger << g.Nummer;
        },
        false);
}

void TDM_Torvik::AktLagerFilialen_Aus_AktLager()
{
    FAktLagerFilialen.clear();
    FAktLagerIstRezeVudazPlusLager.SetUnDefined();
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.AktLagerFilialen_Aus_AktLager",
        [&] {
            TZAM_Lagergruppe gruppe;
            IZAM_LagerEditServer* server = LagerEditServer_GoC();
            if (FAktLager > 0 && server && server->Lagergruppe(FAktLager, gruppe))
                FAktLagerFilialen = gruppe.Filialen;
        },
        false);
}

bool TDM_Torvik::LagerExistiert_Und_IstEinFilialLager(int ALager)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.LagerExistiert_Und_IstEinFilialLager", false, [&] {
        TZAM_Lagergruppe gruppe;
        IZAM_LagerEditServer* server = LagerEditServer_GoC();
        return server && server->Lagergruppe(ALager, gruppe) && gruppe.Filialen.size() == 1;
    });
}

bool TDM_Torvik::FilialeBenachbartZuLager(int AFiliale)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.FilialeBenachbartZuLager", false, [&] {
        IZAM_FGSystems* systeme = FGSystems_GoC();
        if (!systeme)
            return false;
        for (int lagerFiliale : FAktLagerFilialen)
            if (systeme->AreStoresAdjacent(lagerFiliale, AFiliale))
                return true;
        return false;
    });
}

bool TDM_Torvik::FilialeIstRezeVudazPlusFiliale(int AFiliale)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.FilialeIstRezeVudazPlusFiliale", false, [&] {
        const auto it = FFilIstTSPlusFilDict.constFind(AFiliale);
        if (it != FFilIstTSPlusFilDict.constEnd())
            return it.value();
        TZAM_Filiale f;
        IZAM_FilialTabelle* tabelle = FilialTabelle_GoC();
        if (!tabelle || !tabelle->Filiale(AFiliale, f))
            return false; // unknown branches are not cached
        FFilIstTSPlusFilDict.insert(AFiliale, f.TeamsportPlus);
        return f.TeamsportPlus;
    });
}

bool TDM_Torvik::AktLagerIstRezeVudazPlusLager()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.AktLagerIstRezeVudazPlusLager", false, [&] {
        if (FAktLagerIstRezeVudazPlusLager.IsUnDefined()) {
            FAktLagerIstRezeVudazPlusLager = false;
            if (!FAktLagerFilialen.isEmpty()) {
                IZAM_FilialTabelle* tabelle = FilialTabelle_GoC();
                bool alle = tabelle != nullptr;
                for (int nr : FAktLagerFilialen) {
                    TZAM_Filiale f;
                    alle = alle && tabelle->Filiale(nr, f) && f.TeamsportPlus;
                }
                FAktLagerIstRezeVudazPlusLager = alle;
            }
        }
        return FAktLagerIstRezeVudazPlusLager.IsTrue();
    });
}

int TDM_Torvik::OrgeID2Filiale(const TOrgeIdKompl& AOrgeId)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.OrgeID2Filiale", -1, [&] {
        IZAM_FilialTabelle* tabelle = FilialTabelle_GoC();
        if (tabelle)
            for (const TZAM_Filiale& f : tabelle->Filialen())
                if (f.OrgeId == AOrgeId)
                    return f.Nummer;
        return -1;
    });
}

bool TDM_Torvik::GetMandFuerEWA()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.GetMandFuerEWA", false, [&] {
        if (FMandFuerEWA.IsUnDefined())
            FMandFuerEWA = ZAMParameter().GetIntegerValueByName(QStringLiteral("WEMode_Param")) == 5;
        return FMandFuerEWA.IsTrue();
    });
}

void TDM_Torvik::UserDataByUserId(TGepData& AUserData, const TIntPair& ABenutzer)
{
    AUserData = TGepData();
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.UserDataByUserId",
        [&] {
            IZAM_RechteServer* rechte = Rechteserver_GoC();
            if (!rechte)
                return;
            const QString name = rechte->BenutzerName(ABenutzer);
            if (name.isEmpty())
                return;
            AUserData.GepNr = ABenutzer;
            AUserData.Name = name;
        },
        false);
}

int TDM_Torvik::Manuell_Scroll_Weite_Get(QAbstractItemView* AListe)
{
    if (!AListe)
        return 0;
    int offset = 0;
    if (auto* baum = qobject_cast<QTreeView*>(AListe))
        offset = baum->header()->offset();
    return AListe->width() - offset - 50;
}

void TDM_Torvik::PlayHintSound(const QString& AName)
{
    TZAM_Klang::Spielen(AName);
}

void TDM_Torvik::Wartemaske_Zeigen(QWidget* ASender, const QString& AZusatzCaption, const QString& AMeldung)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Wartemaske_Zeigen",
        [&] {
            // Owned by the module: the form that asked may be gone before the module.
            if (!FWartemaske)
                FWartemaske = new TZAMWarteForm(nullptr);
            if (!AMeldung.trimmed().isEmpty()) {
                FWartemaske->SetText(AMeldung);
                QCoreApplication::processEvents();
            }
            const QString bitte = QStringLiteral("Bitte warten ...");
            FWartemaske->SetCaption(AZusatzCaption.isEmpty() ? bitte : AZusatzCaption + u' ' + bitte);
            FWartemaske->show();
            ZAMFormMitte(FWartemaske, ASender);
        },
        false);
}

void TDM_Torvik::Wartemaske_Verstecken(QWidget* ASender)
{
    if (FWartemaske) {
        FWartemaske->hide();
        FWartemaske->close();
    }
}
