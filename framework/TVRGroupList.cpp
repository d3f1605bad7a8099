#include "TVRGroupList.h"

TVRGroup& TVRGroupList::GroupAdd()
{
    FGroups.emplace_back();
    return FGroups.back();
}

const TVRGroup& TVRGroupList::Group(int AIndex) const
{
    if (AIndex < 0 || AIndex >= Count())
        VRIllegalerParameter(QStringLiteral("Gruppe %1 außerhalb 0..%2").arg(AIndex).arg(Count() - 1),
                             QStringLiteral("TVRGroupList.Group"));
    return FGroups[AIndex];
}

TVRGroup& TVRGroupList::Group(int AIndex) { return const_cast<TVRGroup&>(std::as_const(*this).Group(AIndex)); }
