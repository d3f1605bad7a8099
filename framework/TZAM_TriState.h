#pragma once

// Undefined, false or true: the answer to a question (undefined for cancel and back), or a yes/no
// value computed on first use.
enum TZAM_TriState_Enum : int { tsUndefined = 0, tsFalse = 1, tsTrue = 2 };

class TZAM_TriState
{
public:
    TZAM_TriState() = default;
    TZAM_TriState(bool AWert) : FWert(AWert ? tsTrue : tsFalse) {}
    TZAM_TriState(TZAM_TriState_Enum AWert) : FWert(AWert) {}

    bool IsUnDefined() const { return FWert == tsUndefined; }
    bool IsTrue() const { return FWert == tsTrue; }
    bool IsFalse() const { return FWert == tsFalse; }
    void SetUnDefined() { FWert = tsUndefined; }
    TZAM_TriState_Enum Wert() const { return FWert; }
    bool operator==(const TZAM_TriState&) const = default;

private:
    TZAM_TriState_Enum FWert = tsUndefined;
};
