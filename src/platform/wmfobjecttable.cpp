#include "platform/wmfobjecttable.h"

namespace Wmf {

ObjectTable::ObjectTable(int capacity)
    : m_capacity(capacity)
{}

bool ObjectTable::add(const Object &object)
{
    for (std::optional<Object> &slot : m_slots) {
        if (!slot) {
            slot = object;
            return true;
        }
    }
    if (m_slots.size() >= m_capacity)
        return false;
    m_slots.append(object);
    return true;
}

std::optional<ObjectTable::Object> ObjectTable::at(int slot) const
{
    if (slot < 0 || slot >= m_slots.size())
        return std::nullopt;
    return m_slots[slot];
}

void ObjectTable::remove(int slot)
{
    if (slot >= 0 && slot < m_slots.size())
        m_slots[slot].reset();
}

} // namespace Wmf
