#pragma once

#include "TInfoKoord.h"

// Catalogue keys the framework raises under. The texts live in the catalogue data file of zam/.
inline const TInfoKoord CZAM_Info_Fehler_Standard_IllegalerParameter{"STANDARD", 1};
inline const TInfoKoord CZAM_Info_Fehler_Standard_LeseFehler{"STANDARD", 2};
inline const TInfoKoord CZAM_Info_Fehler_Standard_FktNichtImplementiert{"STANDARD", 3};
inline const TInfoKoord CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar{"STANDARD", 4};
inline const TInfoKoord CZAM_Info_Fehler_Standard_Konvertierung{"STANDARD", 5};
inline const TInfoKoord CZAM_Info_Fehler_Standard_ParameterUnbekannt{"STANDARD", 6};
inline const TInfoKoord CZAM_Info_Fehler_Standard_PlatzinfoNichtLesbar{"STANDARD", 11};
inline const TInfoKoord CZAM_Info_Fehler_Datei_Lesen{"STANDARD", 20};
inline const TInfoKoord CZAM_Info_Fehler_Datei_Schreiben{"STANDARD", 21};
inline const TInfoKoord CZAM_Info_Fehler_Standard_UnmoeglicherZustand{"STANDARD", 52};
inline const TInfoKoord CZAM_Info_Standard_Text994{"STANDARD", 994};
inline const TInfoKoord CZAM_Info_Standard_Text997{"STANDARD", 997};
inline const TInfoKoord CZAM_Info_Standard_Text981{"STANDARD", 981};
inline const TInfoKoord CZAM_Info_Standard_KeinLagerKonfiguriert{"STANDARD", 1001};
inline const TInfoKoord CZAM_Info_Lager_NichtImLager{"LAGER", 1184};

// Database and booking bracket.
inline const TInfoKoord CZAM_Info_Fehler_DB_NichtVerfuegbar{"DBCONNEC", 1101};
inline const TInfoKoord CZAM_Info_Fehler_DB_Oeffnen{"DBCONNEC", 1102};
inline const TInfoKoord CZAM_Info_Fehler_DB_Anweisung{"DBCONNEC", 1103};
inline const TInfoKoord CZAM_Info_Fehler_DB_Verbindung_Verloren{"DBCONNEC", 1104};
inline const TInfoKoord CZAM_Info_Fehler_DB_Schema{"DBCONNEC", 1105};
inline const TInfoKoord CZAM_Info_Fehler_DB_Belegt{"DBCONNEC", 1106};
inline const TInfoKoord CZAM_Info_Fehler_DB_WertZuLang{"DBCONNEC", 1107};
inline const TInfoKoord CZAM_Info_Fehler_Buchung_KlammerFalsch{"DBCONNEC", 1110};
inline const TInfoKoord CZAM_Info_Fehler_Buchung_Aufgegeben{"DBCONNEC", 1111};
inline const TInfoKoord CZAM_Info_Fehler_Buchung_NichtOffen{"DBCONNEC", 1112};
inline const TInfoKoord CZAM_Info_Fehler_Buchung_Abgebrochen{"DBCONNEC", 1113};
inline const TInfoKoord CZAM_Info_Fehler_Buchung_NichtGespeichert{"DBCONNEC", 1114};
inline const TInfoKoord CZAM_Info_Fehler_Buchung_Ungewiss{"DBCONNEC", 1115};
inline const TInfoKoord CZAM_Info_Fehler_Sperre{"DBCONNEC", 1120};
inline const TInfoKoord CZAM_Info_Fehler_Sperre_SitzungVerloren{"DBCONNEC", 1121};

// Article master: articles, sizes and their codes.
inline const TInfoKoord CZAM_Info_Artv_KeinArtikel{"ARTV", 1001};
inline const TInfoKoord CZAM_Info_Artv_KeinGtin{"ARTV", 1003};
inline const TInfoKoord CZAM_Info_Artv_GroesseFehlt{"ARTV", 1004};
inline const TInfoKoord CZAM_Info_Artv_CodeVergeben{"ARTV", 1005};
inline const TInfoKoord CZAM_Info_Artv_CodeSoebenVergeben{"ARTV", 1006};
inline const TInfoKoord CZAM_Info_Babzmskv_KassenGroesseFehlt{"BABZMSKV", 1002};

// Stock movements: the movement service's refusals.
inline const TInfoKoord CZAM_Info_Lagbew_MengeUngueltig{"LAGBEW", 2001};
inline const TInfoKoord CZAM_Info_Lagbew_BestandReichtNicht{"LAGBEW", 2002};
inline const TInfoKoord CZAM_Info_Lagbew_LagerortGesperrt{"LAGBEW", 2003};
inline const TInfoKoord CZAM_Info_Lagbew_FilialbestandReichtNicht{"LAGBEW", 2004};
inline const TInfoKoord CZAM_Info_Lagbew_LagerortUnbekannt{"LAGBEW", 2005};
inline const TInfoKoord CZAM_Info_Lagbew_ReservierungReichtNicht{"LAGBEW", 2006};
inline const TInfoKoord CZAM_Info_Lagbew_KorrekturUngueltig{"LAGBEW", 2007};
inline const TInfoKoord CZAM_Info_Lagbew_GroesseUnbekannt{"LAGBEW", 2008};
// The collective putaway's refusals.
inline const TInfoKoord CZAM_Info_Lagbew_BelegUnbekannt{"LAGBEW", 2009};
inline const TInfoKoord CZAM_Info_Lagbew_NichtGenugOffen{"LAGBEW", 2010};
inline const TInfoKoord CZAM_Info_Lagbew_FremdesLager{"LAGBEW", 2011};
inline const TInfoKoord CZAM_Info_Lagbew_GroesseAusserhalb{"LAGBEW", 2012};
inline const TInfoKoord CZAM_Info_Lagbew_EinlagerungUnvollstaendig{"LAGBEW", 2013};
inline const TInfoKoord CZAM_Info_Lagbew_AnderesGeraet{"LAGBEW", 2014};
// Stock receipts and issues, container moves and the branch assignment of places.
inline const TInfoKoord CZAM_Info_Lagbew_FilialeFremd{"LAGBEW", 2015};
inline const TInfoKoord CZAM_Info_Lagbew_BehaelterZyklus{"LAGBEW", 2016};
inline const TInfoKoord CZAM_Info_Lagbew_BehaelterAufTransport{"LAGBEW", 2017};
inline const TInfoKoord CZAM_Info_Lagbew_BehaelterWBSGedruckt{"LAGBEW", 2018};
inline const TInfoKoord CZAM_Info_Lagbew_KeinBehaelter{"LAGBEW", 2019};
inline const TInfoKoord CZAM_Info_Lagbew_Reserviert{"LAGBEW", 2020};
// The framework's warning that a product's place stock and branch stock disagree (insert: article).
inline const TInfoKoord CZAM_Info_Warnung_LagerZuBFDefekt{"LAGBEW", 2021};

// Tasks: the task service's refusals of a fulfilment.
inline const TInfoKoord CZAM_Info_Aufgabe_MengeUngueltig{"AUFGABE", 2101};
inline const TInfoKoord CZAM_Info_Aufgabe_Unbekannt{"AUFGABE", 2102};
inline const TInfoKoord CZAM_Info_Aufgabe_MengeZuGross{"AUFGABE", 2103};

// Putaway at the devices.
inline const TInfoKoord CZAM_Info_Zephran_KeineOffeneWare{"ZEPHRAN", 1009};
inline const TInfoKoord CZAM_Info_Zephran_WEAvisFremdeFiliale{"ZEPHRAN", 1015};
