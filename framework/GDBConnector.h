#pragma once

// The database connector's kind. Kind 1 is a database without the quick article search; neither
// of our engines is one, so the kind is 0 unless the ini key [Datenbank] Verbinderart says otherwise (for
// trials of the forms that hide the search).
class TZAM_DBConnector
{
public:
    int DatenbankArt() const;
};

TZAM_DBConnector& GDBConnector();
