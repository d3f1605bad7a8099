#pragma once

// How a scan is treated while a message is open: swallowed (istJa, the default), closing the
// message without its callback and then processed (istNeinOhneCallback), or closing it as if
// "OK" were pressed, the callback reading the scan field itself (istNeinMitCallback).
enum TQIV_IgnoreScanType
{
    istUnbekannt = 0,
    istJa = 1,
    istNeinOhneCallback = 2,
    istNeinMitCallback = 3
};
