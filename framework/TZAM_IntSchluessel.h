#pragma once

#include "TVELT_StructNum_Delim.h"

#include <QString>
#include <array>
#include <cstdint>

// Text forms shared by the composite integer keys. Parts are written without sign; a negative
// part or one wider than its width cannot be written in a fixed-width form and raises the
// conversion error (EZAM_KonvertFehler).
namespace ZAMSchluesselText {

QString Formatiert(const qint32* ATeile, int AAnzahl, TVELT_StructNum_Delim ADelim, bool AFuehrendeNullen,
                   bool ALeerWennNull, int AStellen);
QString FesteBreite(const qint32* ATeile, const int* ABreiten, int AAnzahl);
// Accepts the display form with any delimiter of TVELT_StructNum_Delim, or the unformatted form of
// 9 digits per part; raises the conversion error for anything else.
void Lesen(const QString& AText, qint32* ATeile, int AAnzahl);
// Exactly sum(ABreiten) digits.
void LesenFesteBreite(const QString& AText, qint32* ATeile, const int* ABreiten, int AAnzahl);

} // namespace ZAMSchluesselText

// Common members of TIntPair, TIntTrio, TIntQuad and TInt32Trio. K keeps its parts as named
// 32-bit fields and offers Teile() and SetTeile().
template <class K, int N>
struct TZAM_IntSchluessel
{
    using TTeile = std::array<qint32, N>;
    static constexpr int Anzahl = N;

    void Clear() { self().SetTeile(TTeile{}); }
    static K EmptyGet() { return K{}; }
    // Every part is 0.
    bool IsNull() const
    {
        for (qint32 t : cself().Teile())
            if (t != 0)
                return false;
        return true;
    }
    // Not null and no part negative.
    bool Defined() const
    {
        if (IsNull())
            return false;
        for (qint32 t : cself().Teile())
            if (t < 0)
                return false;
        return true;
    }

    QString ToText(TVELT_StructNum_Delim ADelim = svdBindestrich, bool AFuehrendeNullen = false,
                   bool ALeerWennNull = false, int AStellen = 9) const
    {
        const TTeile t = cself().Teile();
        return ZAMSchluesselText::Formatiert(t.data(), N, ADelim, AFuehrendeNullen, ALeerWennNull, AStellen);
    }
    QString ToText(int ADelim, bool AFuehrendeNullen, bool ALeerWennNull, int AStellen) const
    {
        return ToText(static_cast<TVELT_StructNum_Delim>(ADelim), AFuehrendeNullen, ALeerWennNull, AStellen);
    }
    QString ToTextUnformatted(int AStellen = 9) const { return ToText(svdOhne, true, false, AStellen); }

    static K FromText(const QString& AText)
    {
        TTeile t{};
        ZAMSchluesselText::Lesen(AText, t.data(), N);
        K k;
        k.SetTeile(t);
        return k;
    }
    static K FromTextDef(const QString& AText, const K& ADefault)
    {
        try {
            return FromText(AText);
        } catch (const std::exception&) {
            return ADefault;
        }
    }
    static K FromTextSecure(const QString& AText) { return FromTextDef(AText, K{}); }

    friend bool operator==(const K& a, const K& b) { return a.Teile() == b.Teile(); }
    friend bool operator!=(const K& a, const K& b) { return !(a == b); }
    friend bool operator<(const K& a, const K& b) { return a.Teile() < b.Teile(); }

private:
    K& self() { return static_cast<K&>(*this); }
    const K& cself() const { return static_cast<const K&>(*this); }
};
