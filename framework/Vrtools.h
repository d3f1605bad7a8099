#pragma once

#include "TVRGroupList.h"
#include "TVRList.h"

#include <memory>

// Converters: each gives AItem its value and type. A cell prepared by VRArray_ForRowAdd_Generate
// already has its column's type; a converter of another type raises the illegal-parameter error.
void Integer2VRItem(int AValue, TVRItem& AItem);
void String2VRItem(const QString& AValue, TVRItem& AItem);
void Char2VRItem(QChar AValue, TVRItem& AItem);
void Boolean2VRItem(bool AValue, TVRItem& AItem);
void Date2VRItem(const QDate& AValue, TVRItem& AItem);
void Time2VRItem(const QTime& AValue, TVRItem& AItem);
void DateTime2VRItem(const QDateTime& AValue, TVRItem& AItem);
void Double2VRItem(double AValue, TVRItem& AItem);
void IntPair2VRItem(const TIntPair& AValue, TVRItem& AItem);
void IntTrio2VRItem(const TIntTrio& AValue, TVRItem& AItem);
void IntQuad2VRItem(const TIntQuad& AValue, TVRItem& AItem);
void Int32Trio2VRItem(const TInt32Trio& AValue, TVRItem& AItem);
// Null, keeping the cell's type.
void VRItem2Null(TVRItem& AItem);

// A deep copy: columns, rows and child lists.
std::unique_ptr<TVRList> CreateCopyVRList(const TVRList& ASource);
// ATarget becomes a deep copy of ASource; its former rows and children are released.
void CloneVRList(const TVRList& ASource, TVRList& ATarget);

// A new list with the columns of ASource: one group row per distinct combination of the group
// columns of level AAbEbene, in sorted order. The function entries fill the group row's cells
// (columns without an entry stay null). Each group row owns a child list: copies of its source
// rows in sorted order, or, when the group list has a next level, those rows grouped again.
// ASource is not changed.
std::unique_ptr<TVRList> CreateGroupedVRList(const TVRList& ASource, const TVRGroupList& AGroups, int AAbEbene = 0);
