#pragma once

#include "TIntTrio.h"

#include <QString>
#include <compare>

// The owner of goods: a document position they are reserved for. Kind 1 a customer-order
// position (its key and number as the task header and the order lines carry them), kind 3 an
// order of the external order system with its position; 0 none.
struct TZAM_PersArt_ExtVerweis
{
    quint8 Kennung = 0;
    TIntTrio Id;
    qint32 Nummer = 0;

    static TZAM_PersArt_ExtVerweis Construct(quint8 AKennung, const TIntTrio& AId, qint32 ANummer)
    {
        return {AKennung, AId, ANummer};
    }
    bool Defined() const { return Kennung != 0; }
    void Clear() { *this = TZAM_PersArt_ExtVerweis(); }
    // Letter, key in display form and number: "K 1-2-3/4".
    QString ToText() const;
    auto operator<=>(const TZAM_PersArt_ExtVerweis& A) const
    {
        if (auto c = Kennung <=> A.Kennung; c != 0)
            return c;
        if (auto c = Id.Teile() <=> A.Id.Teile(); c != 0)
            return c;
        return Nummer <=> A.Nummer;
    }
    bool operator==(const TZAM_PersArt_ExtVerweis& A) const { return (*this <=> A) == 0; }
};

inline constexpr quint8 CZAM_PersArtExt_KuBe = 1;
inline constexpr quint8 CZAM_PersArtExt_EXBI = 3;
// The letter of each kind 0 to 3 ("" none, "K" customer order, "F" free, "E" external order).
QString CZAM_PersArtExtKennung_2_Kuerzel(quint8 AKennung);
// The kind of a letter; 0 for an unknown one.
quint8 Kuerzel_2_PersArt_ExtVerweis_Kennung(const QString& AKuerzel);
