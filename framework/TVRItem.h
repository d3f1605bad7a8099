#pragma once

#include "TInt32Trio.h"
#include "TIntQuad.h"

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <variant>
#include <vector>

// Value types of VR list columns. Column catalogues store these numbers; never renumber them.
enum TVRValueType : int {
    vrtUnbestimmt = -1, // a free cell no converter has filled yet
    vrtInteger = 0,
    vrtString = 1,
    vrtChar = 2,
    vrtBoolean = 3,
    vrtDate = 4,
    vrtTime = 5,
    vrtDateTime = 6,
    vrtDouble = 7,
    vrtIntPair = 10,
    vrtIntQuad = 11,
    vrtIntTrio = 12,
    vrtInt32Trio = 13
};

QString VRValueTypeName(TVRValueType AType);

// Raises EZAM_Exception with CZAM_Info_Fehler_Standard_IllegalerParameter.
[[noreturn]] void VRIllegalerParameter(const QString& AText, const QString& AMethode);

// One cell of a VR list: a value type and a value, or null. A cell keeps its type while null, so
// a converter of another type is refused (see the converters in Vrtools.h).
class TVRItem
{
public:
    using TWert = std::variant<std::monostate, int, QString, QChar, bool, QDate, QTime, QDateTime, double, TIntPair,
                               TIntTrio, TIntQuad, TInt32Trio>;

    TVRItem() = default;
    explicit TVRItem(TVRValueType AType) : FType(AType) {}

    TVRValueType ValueType() const { return FType; }
    bool IsNull() const { return std::holds_alternative<std::monostate>(FWert); }
    void SetNull() { FWert = std::monostate{}; }
    const TWert& Wert() const { return FWert; }
    // Raises when the cell is typed and AType differs, or when AWert does not belong to AType.
    void Setzen(TVRValueType AType, TWert AWert);

    // Typed reading. Compatible types are converted (see the .cpp); a null cell answers the empty
    // value; an incompatible type raises the illegal-parameter error.
    int AlsInteger() const;
    double AlsDouble() const;
    bool AlsBoolean() const;
    QChar AlsChar() const;
    QDate AlsDate() const;
    QTime AlsTime() const;
    QDateTime AlsDateTime() const;
    TIntPair AlsIntPair() const;
    TIntTrio AlsIntTrio() const;
    TInt32Trio AlsInt32Trio() const;
    TIntQuad AlsIntQuad() const;
    // Every type has a text form; ANachkommastellen -1 writes a double in its shortest exact form.
    QString AlsText(int ANachkommastellen = -1) const;

    // Sort order: null first, then by value; cells of different types by their text.
    static int Vergleichen(const TVRItem& A, const TVRItem& B);

    bool operator==(const TVRItem&) const = default;

private:
    [[noreturn]] void Unpassend(const char* AAls) const;

    TVRValueType FType = vrtUnbestimmt;
    TWert FWert;
};

// The cells of one row, one per column.
using TVRArray = std::vector<TVRItem>;
