#include "isa/cycleparameters.h"

using namespace CycleCatalogue;

int CycleParameters::itemCount(Group group)
{
    static constexpr std::array<int, GroupCount> counts = {4, 2, 2, 2, 3};
    const int index = group;
    return index >= 0 && index < GroupCount ? counts[index] : 0;
}

void CycleParameters::choose(Group group, int item)
{
    const int index = group;
    if (index < 0 || index >= GroupCount || !m_enabled[index])
        return;
    if (item < None || item >= itemCount(group))
        item = None;
    m_items[group] = item;
    if (group == KindGroup)
        chooseKind(item);
    else if (group == LengthGroup && item == ZeroWait && m_items[KindGroup] != ResourceAccess)
        m_items[LengthGroup] = None;
}

void CycleParameters::chooseKind(int kind)
{
    const int resource = kind == Refresh ? Memory : (kind == Dma || kind == BusCapture) ? IoDevice : None;
    m_items[ResourceGroup] = resource;
    m_items[WidthGroup] = None;
    m_items[DirectionGroup] = None;
    m_items[LengthGroup] = None;
    m_enabled[ResourceGroup] = kind == ResourceAccess;
    m_enabled[WidthGroup] = kind == ResourceAccess;
    m_enabled[DirectionGroup] = kind == ResourceAccess || kind == Dma;
    m_enabled[LengthGroup] = kind == ResourceAccess || kind == Refresh || kind == Dma;
}

void CycleParameters::enterSection()
{
    m_enabled = {true, false, false, false, false};
}

Choice CycleParameters::choice() const
{
    return {m_items[KindGroup], m_items[ResourceGroup], m_items[WidthGroup], m_items[DirectionGroup],
            m_items[LengthGroup]};
}
