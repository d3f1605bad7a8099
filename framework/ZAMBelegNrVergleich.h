#pragma once

class TVRItem;

// Orders formatted document numbers ("2024/17" before "2024/120"): runs of digits compare as
// numbers, everything else as text; empty cells come first.
int ZAMBelegNrVergleich(const TVRItem& A, const TVRItem& B);
