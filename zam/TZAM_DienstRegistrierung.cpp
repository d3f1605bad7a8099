#include "TZAM_DienstRegistrierung.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "TZAM_AbarbEditServerSql.h"
#include "TZAM_ArtikelBildServerSql.h"
#include "TZAM_ArtikelServerSql.h"
#include "TZAM_AufgabenEditServerSql.h"
#include "TZAM_AuftrFilServerSql.h"
#include "TZAM_AuftragsDateienSql.h"
#include "TZAM_Backend.h"
#include "TZAM_BelegEditServerSql.h"
#include "TZAM_BestandServerSql.h"
#include "TZAM_DispoServerSql.h"
#include "TZAM_DruckSql.h"
#include "TZAM_DruckerKonfigSql.h"
#include "TZAM_EXBIServerSql.h"
#include "TZAM_EingangsbelegServerSql.h"
#include "TZAM_FGSystemsSql.h"
#include "TZAM_FilialTabelleSql.h"
#include "TZAM_FormStoreServerSql.h"
#include "TZAM_GPListenServerSql.h"
#include "TZAM_GrundServerSql.h"
#include "TZAM_LVLZServerSql.h"
#include "TZAM_LagerBewegungEditServerSql.h"
#include "TZAM_LagerEditServerSql.h"
#include "TZAM_LagerInventurServerSql.h"
#include "TZAM_ListDruckEditServerSql.h"
#include "TZAM_MandListeServerSql.h"
#include "TZAM_MaskfileServerSql.h"
#include "TZAM_NummernkreisServerSql.h"
#include "TZAM_PreisServerSql.h"
#include "TZAM_RechteServerSql.h"
#include "TZAM_ScannServerSql.h"
#include "TZAM_SqlAbfrageSql.h"
#include "TZAM_TerminalServerSql.h"
#include "TZAM_WEBuchServerSql.h"
#include "TZAM_WegeOptEditServerSql.h"
#include "TZAM_WerkstattServerSql.h"
#include "ZAMInfoKoords.h"

namespace {

TZAM_Datenbank& Db()
{
    TZAM_Backend* backend = TZAM_Backend::Instanz();
    if (!backend)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("Datenbank"));
    return backend->Datenbank();
}

template <class I, class S> void Dienst(TWWSServerFactory& AFabrik = Glob_WWSServerFactoryClass())
{
    AFabrik.Registrieren<I>([]() -> std::unique_ptr<I> { return std::make_unique<S>(Db()); });
}

} // namespace

void TZAM_DienstRegistrierung::Registrieren()
{
    TZAM_RechteServerSql::AktBenutzerZuruecksetzen();
    Dienst<IZAM_LagerEditServer, TZAM_LagerEditServerSql>();
    Dienst<IZAM_LagerBewegungEditServer, TZAM_LagerBewegungEditServerSql>();
    Dienst<IZAM_FilialTabelle, TZAM_FilialTabelleSql>();
    Dienst<IZAM_FGSystems, TZAM_FGSystemsSql>();
    Dienst<IZAM_RechteServer, TZAM_RechteServerSql>();
    Dienst<IZAM_GPListenServer, TZAM_GPListenServerSql>();
    Dienst<IZAM_MandListeServer, TZAM_MandListeServerSql>();
    Dienst<IZAM_FormStoreServer, TZAM_FormStoreServerSql>();
    Dienst<IZAM_DruckerKonfig, TZAM_DruckerKonfigSql>();
    // The print module also reads the output folder of the ini file.
    Glob_WWSServerFactoryClass().Registrieren<IZAM_Druck>([]() -> std::unique_ptr<IZAM_Druck> {
        TZAM_Datenbank& db = Db(); // raises without backend
        return std::make_unique<TZAM_DruckSql>(db, TZAM_Backend::Instanz()->Ini());
    });
    Dienst<IZAM_LagerInventurServer, TZAM_LagerInventurServerSql>();
    Dienst<IZAM_AufgabenEditServer, TZAM_AufgabenEditServerSql>();
    Dienst<IZAM_ArtikelBildServer, TZAM_ArtikelBildServerSql>();
    Dienst<IZAM_ArtikelServer, TZAM_ArtikelServerSql>();
    Dienst<IZAM_BestandServer, TZAM_BestandServerSql>();
    Dienst<IZAM_SqlAbfrage, TZAM_SqlAbfrageSql>();
    Dienst<IZAM_AuftragsDateien, TZAM_AuftragsDateienSql>();
    Dienst<IZAM_GrundServer, TZAM_GrundServerSql>();
    Dienst<IZAM_WegeOptEditServer, TZAM_WegeOptEditServerSql>();
    Dienst<IZAM_AbarbEditServer, TZAM_AbarbEditServerSql>();
    Dienst<IZAM_EXBIServer, TZAM_EXBIServerSql>();
    Dienst<IZAM_PreisServer, TZAM_PreisServerSql>();
    Dienst<IZAM_ScannServer, TZAM_ScannServerSql>();
    Dienst<IZAM_TerminalServer, TZAM_TerminalServerSql>();
    Dienst<IZAM_DispoServer, TZAM_DispoServerSql>();
    Dienst<IZAM_WerkstattServer, TZAM_WerkstattServerSql>();
    Dienst<IZAM_LVLZServer, TZAM_LVLZServerSql>();
    Dienst<IZAM_WEBuchServer, TZAM_WEBuchServerSql>();
    Dienst<IZAM_AuftrFilServer, TZAM_AuftrFilServerSql>();
    Dienst<IZAM_MaskfileServer, TZAM_MaskfileServerSql>();
    Dienst<IZAM_NummernkreisServer, TZAM_NummernkreisServerSql>();
    Dienst<IZAM_EingangsbelegServer, TZAM_EingangsbelegServerSql>();
    Dienst<IZAM_ListDruckEditServer, TZAM_ListDruckEditServerSql>();
    // The customer-order documents are a module of their own, with the second factory.
    Dienst<IZAM_BelegEditServer, TZAM_BelegEditServerSql>(Glob_ServerFactoryClass());
}
