#pragma once

#include "IZAM_AufgabenEditServer.h"
#include "IZAM_FGSystems.h"
#include "IZAM_FilialTabelle.h"
#include "IZAM_GPListenServer.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "IZAM_LagerEditServer.h"
#include "IZAM_LagerInventurServer.h"
#include "IZAM_MandListeServer.h"
#include "IZAM_RechteServer.h"
#include "TInfoKoord.h"
#include "TQIV_VELTOB_Optionen.h"
#include "TZAM_Intv100_IndErw.h"
#include "TZAM_TriState.h"
#include "TZAM_Workflow_Modus.h"
#include "ZAMAnzeigeFelder.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <memory>

class QAbstractItemView;
class QWidget;
class TQIV_ArtvLesenTools;
class TfrmArtNrGrPopup;
class TQIV_SimpleBestandsLeser;
class TZAM_ArtBarcodeMani;
class TZAM_DM_FilialPC_Ext;
class TZAMFormStore;
class TZAMWarteForm;
class TZAM_InfoMeldungListe;

// What the user file knows of a user.
struct TGepData
{
    TIntPair GepNr;
    QString Name;
};

// The central data module: one instance for the program run (DM_Torvik). It keeps the run-time
// context, the terminal options and every framework service the workflows need, each created
// on first use and released when the module is destroyed.
class TDM_Torvik : public QObject
{
    Q_OBJECT
public:
    explicit TDM_Torvik(const QStringList& AArgumente, QObject* AParent = nullptr);
    ~TDM_Torvik() override;

    // Context.
    bool FMDEModus = false;
    bool FUmlagHLPrioModus = false;
    int FAktLager = 0;
    qint16 FAktBewFiliale = -1;
    TIntPair FMitarbeiter;
    TIntPair FBenutzer;
    TQIV_VELTOB_Optionen FOptionen;
    TZAM_AnzeigeFelder FAnzeigeFelder;

    void SetAktLager(int ALager);
    // A chosen warehouse (above 0) becomes current; its single branch becomes the booking branch,
    // otherwise (several branches, or an unknown group) there is none.
    void AktLagerMitBuchungsfiliale_Setzen(int ALager);
    void SetAktFiliale(qint16 AFiliale);
    void LaegerHolen(QList<int>& ALaeger);
    void AktLagerFilialen_Aus_AktLager();
    const QList<int>& GetAktLagerFilialen() const { return FAktLagerFilialen; }
    bool LagerExistiert_Und_IstEinFilialLager(int ALager);
    bool FilialeBenachbartZuLager(int AFiliale);
    bool FilialeIstRezeVudazPlusFiliale(int AFiliale);
    bool AktLagerIstRezeVudazPlusLager();
    int OrgeID2Filiale(const TOrgeIdKompl& AOrgeId);
    bool GetMandFuerEWA();
    void UserDataByUserId(TGepData& AUserData, const TIntPair& ABenutzer);
    int Manuell_Scroll_Weite_Get(QAbstractItemView* AListe);
    void PlayHintSound(const QString& AName = {});
    void Wartemaske_Zeigen(QWidget* ASender, const QString& AZusatzCaption, const QString& AMeldung);
    void Wartemaske_Verstecken(QWidget* ASender);

    // Terminal options.
    void Optionen_laden();
    void Optionen_laden_FallerSTD();
    // Takes the options and stores them for this terminal; false (registered) when the store
    // failed, and then nothing changed.
    bool Optionen_Uebernehmen_u_Buchen(const TQIV_VELTOB_Optionen& AOptionen);
    void Optionen_2_StringList();
    void Stringlist_2_Optionen();
    static QString NachSortAnzInfo_2_String(const TQIV_AnzeigeInfosNachsortfrm& AInfo);
    static void String_2_NachSortAnzInfo(const QString& AText, TQIV_AnzeigeInfosNachsortfrm& AInfo);
    static QString Spalten_2_String(const QList<TZAM_AufgabenListe_Spalte>& ASpalten);
    static QList<TZAM_AufgabenListe_Spalte> String_2_Spalten(const QString& AText);
    QStringList& strlvconfig() { return Fstrlvconfig; }

    // Services, created on first use; nil after a registered failure.
    IZAM_LagerEditServer* LagerEditServer_GoC();
    IZAM_LagerBewegungEditServer* LagerBewegungEditServer_GoC();
    IZAM_AufgabenEditServer* AufgabenEditServer_Temp_GoC();
    IZAM_GPListenServer* GPListenServer_GoC();
    IZAM_LagerInventurServer* LagerInventurServer_GoC();
    IZAM_MandListeServer* MandListeServer_GoC();
    IZAM_RechteServer* Rechteserver_GoC();
    IZAM_FilialTabelle* FilialTabelle_GoC();
    IZAM_FGSystems* FGSystems_GoC();
    TZAMFormStore* FormStore_CIN();
    // The framework's article tools, created on first use; nil after a registered failure.
    TQIV_ArtvLesenTools* ArtvLesenTools_GoC();
    // Created on first use for the current booking branch.
    TZAM_DM_FilialPC_Ext* DMExtFilPC_GoC();
    TZAM_ArtBarcodeMani* ArtBarCodeMani_GoC();
    TQIV_SimpleBestandsLeser* BestandsLeser_GoC();

    // Terminal auxiliary forms (forms/TDM_Torvik_ArtNrGrPopup.cpp).
    // The article-number entry, created on first use with this module's check installed.
    TfrmArtNrGrPopup* ArtNrGrPopup_GoC();
    // Checks a typed article and till size and shows a refusal (kind 0).
    bool ArtNrGrPopup_onPruefen(const TInt32Trio& AProdukt, int AKassenGroesse, TZAM_Intv100_IndErw& AGrInd,
                                bool AAuchGroesse);
    // The check alone: size index 255; an empty product is refused (AMeldung: 1001 of ARTV); without
    // size accepted; with size the index of the till size, refused (1002 of BABZMSKV) when the
    // article lacks it.
    bool ArtNrGrPopup_onPruefen_Do(const TInt32Trio& AProdukt, int AKassenGroesse, bool AAuchGroesse,
                                   TZAM_Intv100_IndErw& AGrInd, TInfoKoord& AMeldung);

    // Goods receipt (goodsreceipt/TDM_Torvik_Wareneingang.cpp).
    // The long size name of an article size; empty on failure.
    QString Langgroesse_Besorgen(const TInt32Trio& AProdukt_Id, int AGrInd);
    // The manufacturer article number of a product; empty on failure.
    QString HerstArtNr_Besorgen(const TInt32Trio& AProdukt_Id);

    // Stock movements, places and containers (movements/TDM_Torvik_Bewegung.cpp,
    // _Umlagerung.cpp, _Lagerort.cpp, _Behaelter.cpp).
    // The stock of a product size on a place; 0 on failure.
    int Lagerbestand(const TIntTrio& ALagerort, const TInt32Trio& AProduktId, int AGrInd);
    // The same; AFehler tells a failed read from an empty place.
    int Lagerbestand(const TIntTrio& ALagerort, const TInt32Trio& AProduktId, int AGrInd, bool& AFehler);
    int BestandSuchen(const TInt32Trio& AProduktId, int AGrInd, const TIntTrio& ALagerort);
    // The free branch stock of the warehouse group's branches; 0 for an unknown group or on failure.
    int Realbestand(int ALager, const TInt32Trio& AProduktId, int AGrInd);
    // The branch's free stock (BF type " ") of the size; 0 without record or on failure.
    int Realbestand4Filiale(qint16 AFiliale, const TInt32Trio& AProduktId, int AGrInd);
    // (name, key) of every wormhole of the current warehouse; true when there is one.
    bool AlleWurmloecherErmitteln(bool ASorted, TQIV_StringInttrio_List& AListe);
    // A plain relocation with worker FBenutzer; true when booked.
    bool UmlagerungBuchen(const TInt32Trio& AProduktId, int AMenge, int AGrInd, const TIntTrio& AVonLagerort,
                          const TIntTrio& AAnLagerort, quint8 AVerweisTyp, const TIntTrio& AVerweisId,
                          quint8 AVerweisBewTyp, TQIV_MitLVPB AMitLVPB, quint8 ALVPBVerweisArt,
                          const TIntTrio& ALVPBVerweisId, TZAM_InfoMeldungListe* AMeldungen = nullptr);
    // The area rules: false with the reason when the two places may not exchange goods.
    bool Umlagerung_MitBewegungen_Lagerorte_Testen(const TZAM_Lagerort_Info& AVonInfo,
                                                   const TZAM_Lagerort_Info& AAnInfo, QString& AMeldung);
    // A relocation with the change of owner that wormholes and blocked goods bring. ALagerFilNr
    // 10000 splits blocked goods over the branches that own them.
    bool Umlagerung_MitBewegungen_Buchen(bool& AWenigerVersch, const TZAM_Lagerort_Info& AVonInfo,
                                         const TZAM_Lagerort_Info& AAnInfo, const TInt32Trio& AProduktId, int AGrInd,
                                         int AMenge, qint16 AVonFilZuord, qint16 AAnFilZuord, int AVonLagerZuord,
                                         int AAnLagerZuord, int ALagerFilNr, bool ALVPBNachVonFilFiltern,
                                         bool AStopBeiFehler, TZAM_InfoMeldungListe* AMeldungen,
                                         bool& ANichtsZuBuchen, QString& AMeldung);
    // An inventory gain (AZugang) or loss; true when the correction was booked.
    bool Bestandsdifferenz_buchen(const TInt32Trio& AProduktId, int AGrInd, int AMenge, qint16 AFiliale,
                                  const TIntTrio& ALagerort, bool AZugang, TZAM_InfoMeldungListe* AMeldungen);

    // A scanned 22-character barcode as a place or container.
    bool Lagerplatz_Behaelter_umsetzen(const QString& ABarcode, TZAM_Lagerort_Info& AInfo,
                                       const TQIV_Umsetzen_Optionen& AOptionen);
    bool Lagerplatz_Behaelter_umsetzen(const QString& ABarcode, TIntTrio& ALagerort, QString& AName,
                                       TZAM_Lagerort_Kennung& AKennung, bool& AGesperrt,
                                       TZAM_Lager_Ausgezeichnete_Bereiche& ABereich,
                                       const TQIV_Umsetzen_Optionen& AOptionen);
    // A barcode naming a container (kind 3): its key and name.
    bool Behaelter_umsetzen(const QString& ABarcode, TIntTrio& ABehaelter, QString& AName);
    // Whether a container may carry a delivery to the branch; ASperren also locks it.
    bool Behaelter_pruefen(const TIntTrio& ABehaelter, qint16 AFiliale, int ALager, bool ANurZugeordnete, bool ASperren,
                           bool& AWurdeGesperrt, QString& AMeldung);
    // The only shipping staging place of the current warehouse for a branch, or its own.
    bool Eindeutige_VBS_FuerFiliale_Ermitteln(qint16 AZielFiliale, TIntTrio& ALagerort, QString& AName);
    bool Eindeutige_Versandbereistellung_DesLagers_Ermitteln(TIntTrio& ALagerort, QString& AName);
    // The place-selection dialog; false when cancelled.
    bool Lagerort_waehlen(bool ALagerstruktur, bool ABehaelter, qint16 AVBSFiliale, TZAM_Lagerort_Info& AInfo);
    void LagerortInfo(const TIntTrio& ALagerort);
    void Behaelterinfo(const TIntTrio& ABehaelter);

private:
    int Realbestand_Lesen(int ALager, const TInt32Trio& AProduktId, int AGrInd);
    int Realbestand4Filiale_Lesen(int AFiliale, const TInt32Trio& AProduktId, int AGrInd);
    QString GroessenText(const TInt32Trio& AProduktId, int AGrInd);
    bool Umsetzen_Durchfuehren(const QString& ABarcode, TZAM_Lagerort_Info& AInfo,
                               const TQIV_Umsetzen_Optionen& AOptionen);
    bool Eindeutige_VBS(int AFiliale, int ALagerEigene, TIntTrio& ALagerort, QString& AName);

    template <class I> I* Dienst_GoC(std::unique_ptr<I>& AFeld, const char* AName);
    template <class T> T* Werkzeug_GoC(std::unique_ptr<T>& AFeld, const char* AName);

    QList<int> FAktLagerFilialen;
    TZAM_TriState FAktLagerIstRezeVudazPlusLager;
    TZAM_TriState FMandFuerEWA;
    QHash<int, bool> FFilIstTSPlusFilDict;
    QStringList Fstrlvconfig;
    // The wormholes of the current warehouse, read on first demand.
    TZAM_LagerVorr_Array FWurmlochArr;

    std::unique_ptr<IZAM_LagerEditServer> FLagerEditServer;
    std::unique_ptr<IZAM_LagerBewegungEditServer> FLagerBewegungEditServer;
    std::unique_ptr<IZAM_AufgabenEditServer> FAufgabenEditServer_Temp;
    std::unique_ptr<IZAM_GPListenServer> FGPListenServer;
    std::unique_ptr<IZAM_LagerInventurServer> FLagerInventurServer;
    std::unique_ptr<IZAM_MandListeServer> FMandListeServer;
    std::unique_ptr<IZAM_RechteServer> FRechteserver;
    std::unique_ptr<TQIV_ArtvLesenTools> FArtvLesenTools;
    std::unique_ptr<TZAM_DM_FilialPC_Ext> FDMExtFilPC;
    std::unique_ptr<TZAM_ArtBarcodeMani> FArtBarCodeMani;
    std::unique_ptr<TQIV_SimpleBestandsLeser> FBestandsLeser;
    IZAM_FilialTabelle* FFilialTabelle = nullptr;
    IZAM_FGSystems* FFGSystems = nullptr;
    TZAMFormStore* FFormStore = nullptr;
    std::unique_ptr<TfrmArtNrGrPopup> FArtNrGrPopup;
    TZAMWarteForm* FWartemaske = nullptr;
};

// The data module of the program run; null before it is created and after it is destroyed.
extern TDM_Torvik* DM_Torvik;
