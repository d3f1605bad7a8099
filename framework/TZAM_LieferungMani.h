#pragma once

#include <memory>

class IZAM_WEBuchServer;
struct TZAM_LieferungKey;

// The delivery manager: what a delivery key names, as a whole.
class TZAM_LieferungMani
{
public:
    TZAM_LieferungMani();
    ~TZAM_LieferungMani();

    // Deletes the open scan records named in the key; posted records stay (their document lines
    // keep them), and an empty key deletes nothing.
    void Delete(const TZAM_LieferungKey& AKey);

private:
    std::unique_ptr<IZAM_WEBuchServer> FServer;
};
