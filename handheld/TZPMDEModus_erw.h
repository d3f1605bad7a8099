#pragma once

#include <QtGlobal>

// The handheld mode chosen in the menu; workflow states read it.
enum TZPMDEModus_erw : quint8
{
    CZPMDEM_Null = 0,
    CZPMDEM_Nachsort = 1,
    CZPMDEM_FilNachsort = 2,
    CZPMDEM_KuBe = 3,
    CZPMDEM_UmlagHL = 4,
    CZPMDEM_Einlagerung = 5,
    CZPMDEM_Inventur = 6,
    CZPMDEM_WBSDruck = 7,
    CZPMDEM_WBSoBelegDruck = 8,
    CZPMDEM_Lagerinfo = 9,
    CZPMDEM_Wareneingang = 10,
    CZPMDEM_WEPLUS = 11,
    CZPMDEM_EinlagUVersHilfe = 12,
    CZPMDEM_Anreicherung = 13,
    CZPMDEM_LagerZuAb = 14,
    CZPMDEM_Paketversand = 15,
    CZPMDEM_BearbStart = 16,
    CZPMDEM_UmlagBehaelter = 17,
    CZPMDEM_BearbUmlagerung = 18,
    CZPMDEM_BearbVersand = 19,
    CZPMDEM_Optionen = 20
};
