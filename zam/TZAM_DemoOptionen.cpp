#include "TZAM_DemoOptionen.h"

#include "TZAM_FormStoreServerSql.h"

namespace {

// The stored lines, one a line, as the program's option writers produce them; a test compares them
// with the writers, so neither can drift from the other.
const char* const CTerminal = R"(SpSiNs=LP#&BEH#&ARTNR#&HERST#&HARTNR#&FARBE#&BEZ#&PREIS#&MENGE#&GRLANG
BildNs=N
AnzeNs=3:WGR#&4:HARTNR#&5:FARBE#&6:MAT#&7:PREIS#&l:HERST
KomBeh=J
KubeAuBezahlt=J
SpSiKb=WEBNR#&LP#&BEH#&ARTNR#&HERST#&HARTNR#&FARBE#&BEZ#&PREIS#&MENGE#&GRLANG#&BELNR#&KUNDE
BildKb=N
AnzeKb=3:WGR#&4:HARTNR#&5:FARBE#&6:MAT#&7:PREIS#&l:HERST
EWAHMa=0-0
DaReGr=100
DruckWBS=PDF
NurLPImLW=N
AktFili=1
WBSZeitraum=0)";

const char* const CHandgeraet = R"(SortNs=ARTNR
ALFSNs=11
SpSiNs=LP#&BEH#&ARTNR#&GRLANG#&LFDNR
ALFSLiLO=11
ALFSLiArt=11
SpSiLiLO=LAG#&BEH#&ARTNR#&GR#&ME
SpSiLiArt=LAG#&LP#&BEH#&GR#&ME
SortLiArt=GR
DetaNs=LP,,BEH,,ARTNR,,GRLANG,,MENGE,,FARBE,
NKWeBe=J
NKWeKompl=J
AktFil=1
BildSGr=320
BildSBr=0
BildSHoe=0
RandOben=0
RandUnten=0
APosKorr=N
DruckWBS=PDF
UHFertigDel=3
UHPrioTiInt=10
UHPrioAMin=20
UHPrioAMax=100
Praefix=122
WMChar=N
MsgDebug=N
WPGeoUnsort=F
WPWeiterGeo=F
WPArtOhneDI=I
WPMESHVorb=J
WPTeilSVorb=J
WPEDAllg=S
WPEDVers=N
WPEDAbhol=A
WPEDBearb=A
WPEDFA=A
WPEDEinlag=A
BearbDInEW=N
DrWBSAut=
NaSoKBeh=J
NaSoKBehVers=N
NaSoPakVers=N
NaSoLoILw=N
KuBeHerk=N
KuBeBFil=N
KuBePAnz=N
KuBeDate=N
KuBeWagenAnz=0
KuBe1PosFWag=N
WBAScan=N
WBAScanK=N
LPZeile=N
HStattArtNr=N
WBSGEinL=N
LAGZUFIL=0
VImmerAufKV=N
DruckARE=PDF
VPDruck=N
RSVPDruck=N
DruckReS=PDF
DruckLZV=PDF
BelDrHinw=J
RESBELDruck=PDF)";

} // namespace

void TZAM_DemoOptionen::Anlegen(TZAM_Datenbank& ADb)
{
    TZAM_FormStoreServerSql store(ADb);
    auto satz = [&](const char* AMaske, const char* AZeilen) {
        store.Schreiben({QString::fromLatin1(AMaske), QStringLiteral("VELTOB"), QStringLiteral("DEU")},
                        CZAM_FormStore_Standard, QStringLiteral("Standard"), QStringLiteral("0"),
                        QString::fromUtf8(AZeilen).split(u'\n'));
    };
    satz("CONFIG", CTerminal);
    satz("CONFMDE", CHandgeraet);
}
