#pragma once

#include <QtGlobal>

// The state of a container assigned to a customer-order document (zam_lvlz.status).
enum TQIV_Behaelter_Status : quint8
{
    bhsUnbekannt = 0, // no state recorded
    bhsOffen = 1,     // the container is being filled for its document
    bhsVoll = 2,      // full: its goods wait for the next processing step
    bhsFertig = 3,    // its processing is finished
};
