#pragma once

#include <QtGlobal>

// The state of a container assigned to a customer-order document (zam_lvlz.status).
enum TQIV_Behaelter_Status : quint8
{
    bhsUnbekannt = 0, // no state recorded
    bhsOffen = 1,     // the container is being filled for its document
};
