#include "TVRItem.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"

#include <QLocale>

namespace {

// Index of the variant alternative that holds a value of AType; 0 (null) for vrtUnbestimmt.
size_t WertIndex(TVRValueType AType)
{
    switch (AType) {
    case vrtUnbestimmt: return 0;
    case vrtInteger: return 1;
    case vrtString: return 2;
    case vrtChar: return 3;
    case vrtBoolean: return 4;
    case vrtDate: return 5;
    case vrtTime: return 6;
    case vrtDateTime: return 7;
    case vrtDouble: return 8;
    case vrtIntPair: return 9;
    case vrtIntTrio: return 10;
    case vrtIntQuad: return 11;
    case vrtInt32Trio: return 12;
    }
    return 0;
}

template <class T>
int Dreiwege(const T& A, const T& B)
{
    if (A < B)
        return -1;
    if (B < A)
        return 1;
    return 0;
}

int Dreiwege(const QString& A, const QString& B)
{
    const int c = QString::compare(A, B, Qt::CaseInsensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int Dreiwege(const std::monostate&, const std::monostate&) { return 0; }

} // namespace

QString VRValueTypeName(TVRValueType AType)
{
    switch (AType) {
    case vrtUnbestimmt: return QStringLiteral("unbestimmt");
    case vrtInteger: return QStringLiteral("Integer");
    case vrtString: return QStringLiteral("String");
    case vrtChar: return QStringLiteral("Char");
    case vrtBoolean: return QStringLiteral("Boolean");
    case vrtDate: return QStringLiteral("Date");
    case vrtTime: return QStringLiteral("Time");
    case vrtDateTime: return QStringLiteral("DateTime");
    case vrtDouble: return QStringLiteral("Double");
    case vrtIntPair: return QStringLiteral("IntPair");
    case vrtIntQuad: return QStringLiteral("IntQuad");
    case vrtIntTrio: return QStringLiteral("IntTrio");
    case vrtInt32Trio: return QStringLiteral("Int32Trio");
    }
    return QString::number(int(AType));
}

void VRIllegalerParameter(const QString& AText, const QString& AMethode)
{
    throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, AText, AMethode);
}

void TVRItem::Setzen(TVRValueType AType, TWert AWert)
{
    if (FType != vrtUnbestimmt && FType != AType)
        VRIllegalerParameter(QStringLiteral("Zelle vom Typ %1 erhält einen Wert vom Typ %2")
                                 .arg(VRValueTypeName(FType), VRValueTypeName(AType)),
                             QStringLiteral("TVRItem.Setzen"));
    if (AWert.index() != 0 && AWert.index() != WertIndex(AType))
        VRIllegalerParameter(QStringLiteral("Wert passt nicht zum Typ %1").arg(VRValueTypeName(AType)),
                             QStringLiteral("TVRItem.Setzen"));
    FType = AType;
    FWert = std::move(AWert);
}

void TVRItem::Unpassend(const char* AAls) const
{
    VRIllegalerParameter(QStringLiteral("Zelle vom Typ %1 ist nicht als %2 lesbar")
                             .arg(VRValueTypeName(FType), QLatin1String(AAls)),
                         QStringLiteral("TVRItem.Als") + QLatin1String(AAls));
}

int TVRItem::AlsInteger() const
{
    if (FType == vrtInteger)
        return IsNull() ? 0 : std::get<int>(FWert);
    if (FType == vrtBoolean)
        return IsNull() ? 0 : int(std::get<bool>(FWert));
    Unpassend("Integer");
}

double TVRItem::AlsDouble() const
{
    if (FType == vrtDouble)
        return IsNull() ? 0.0 : std::get<double>(FWert);
    if (FType == vrtInteger)
        return IsNull() ? 0.0 : double(std::get<int>(FWert));
    Unpassend("Double");
}

bool TVRItem::AlsBoolean() const
{
    if (FType == vrtBoolean)
        return !IsNull() && std::get<bool>(FWert);
    if (FType == vrtInteger)
        return !IsNull() && std::get<int>(FWert) != 0;
    Unpassend("Boolean");
}

QChar TVRItem::AlsChar() const
{
    if (FType == vrtChar)
        return IsNull() ? QChar() : std::get<QChar>(FWert);
    if (FType == vrtString) {
        if (IsNull() || std::get<QString>(FWert).isEmpty())
            return QChar();
        return std::get<QString>(FWert).at(0);
    }
    Unpassend("Char");
}

QDate TVRItem::AlsDate() const
{
    if (FType == vrtDate)
        return IsNull() ? QDate() : std::get<QDate>(FWert);
    if (FType == vrtDateTime)
        return IsNull() ? QDate() : std::get<QDateTime>(FWert).date();
    Unpassend("Date");
}

QTime TVRItem::AlsTime() const
{
    if (FType == vrtTime)
        return IsNull() ? QTime() : std::get<QTime>(FWert);
    if (FType == vrtDateTime)
        return IsNull() ? QTime() : std::get<QDateTime>(FWert).time();
    Unpassend("Time");
}

QDateTime TVRItem::AlsDateTime() const
{
    if (FType == vrtDateTime)
        return IsNull() ? QDateTime() : std::get<QDateTime>(FWert);
    if (FType == vrtDate)
        return IsNull() ? QDateTime() : std::get<QDate>(FWert).startOfDay();
    Unpassend("DateTime");
}

TIntPair TVRItem::AlsIntPair() const
{
    if (FType == vrtIntPair)
        return IsNull() ? TIntPair() : std::get<TIntPair>(FWert);
    Unpassend("IntPair");
}

// Both three-part keys have the same shape; product keys are often kept in IntTrio columns.
TIntTrio TVRItem::AlsIntTrio() const
{
    if (FType == vrtIntTrio)
        return IsNull() ? TIntTrio() : std::get<TIntTrio>(FWert);
    if (FType == vrtInt32Trio) {
        const TInt32Trio k = IsNull() ? TInt32Trio() : std::get<TInt32Trio>(FWert);
        return TIntTrio(k.Id1, k.Id2, k.Id3);
    }
    Unpassend("IntTrio");
}

TInt32Trio TVRItem::AlsInt32Trio() const
{
    if (FType == vrtInt32Trio)
        return IsNull() ? TInt32Trio() : std::get<TInt32Trio>(FWert);
    if (FType == vrtIntTrio) {
        const TIntTrio k = IsNull() ? TIntTrio() : std::get<TIntTrio>(FWert);
        return TInt32Trio(k.Id1, k.Id2, k.Id3);
    }
    Unpassend("Int32Trio");
}

TIntQuad TVRItem::AlsIntQuad() const
{
    if (FType == vrtIntQuad)
        return IsNull() ? TIntQuad() : std::get<TIntQuad>(FWert);
    Unpassend("IntQuad");
}

QString TVRItem::AlsText(int ANachkommastellen) const
{
    if (IsNull())
        return {};
    switch (FType) {
    case vrtInteger: return QString::number(std::get<int>(FWert));
    case vrtString: return std::get<QString>(FWert);
    case vrtChar: return std::get<QChar>(FWert).isNull() ? QString() : QString(std::get<QChar>(FWert));
    case vrtBoolean: return std::get<bool>(FWert) ? QStringLiteral("Ja") : QStringLiteral("Nein");
    case vrtDate: return std::get<QDate>(FWert).toString(QStringLiteral("dd.MM.yyyy"));
    case vrtTime: return std::get<QTime>(FWert).toString(QStringLiteral("hh:mm:ss"));
    case vrtDateTime: return std::get<QDateTime>(FWert).toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    case vrtDouble: {
        // Lists are read, not parsed back: no group separators.
        QLocale l;
        l.setNumberOptions(l.numberOptions() | QLocale::OmitGroupSeparator);
        return l.toString(std::get<double>(FWert), 'f',
                          ANachkommastellen < 0 ? QLocale::FloatingPointShortest : ANachkommastellen);
    }
    case vrtIntPair: return std::get<TIntPair>(FWert).ToText();
    case vrtIntTrio: return std::get<TIntTrio>(FWert).ToText();
    case vrtIntQuad: return std::get<TIntQuad>(FWert).ToText();
    case vrtInt32Trio: return std::get<TInt32Trio>(FWert).ToText();
    case vrtUnbestimmt: break;
    }
    return {};
}

int TVRItem::Vergleichen(const TVRItem& A, const TVRItem& B)
{
    if (A.IsNull() || B.IsNull())
        return A.IsNull() == B.IsNull() ? 0 : (A.IsNull() ? -1 : 1);
    if (A.FWert.index() != B.FWert.index())
        return Dreiwege(A.AlsText(), B.AlsText());
    return std::visit(
        [&B](const auto& a) {
            using T = std::decay_t<decltype(a)>;
            return Dreiwege(a, std::get<T>(B.FWert));
        },
        A.FWert);
}
