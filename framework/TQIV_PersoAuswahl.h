#pragma once

#include <QtGlobal>

// The kind of goods put away: what their personalisation asks for. As a set, kind k is bit k
// (all four kinds: 30).
enum TQIV_PersoAuswahl : quint8
{
    paUnbekannt = 0,
    paEinlagerung = 1, // goods without customer: into the warehouse
    paVersand = 2,     // a customer's goods shipped from this warehouse
    paFAFuerKunde = 3, // a customer's goods for another branch (branch exchange)
    paBearbeitung = 4, // goods to be processed
};
