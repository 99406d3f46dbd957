#pragma once

#include <QList>
#include <optional>

// The metafile's object table: a create record takes the lowest free slot, a
// select names a slot, a delete frees it. The table has as many slots as the
// metafile header declares; a create with no free slot is a damaged file.
namespace Wmf {

class ObjectTable {
public:
    enum class Kind { Pen, Brush, Font, Other };
    struct Object {
        Kind kind = Kind::Other;
        int index = -1; // into the picture's pens, brushes or fonts
    };

    explicit ObjectTable(int capacity);

    // Puts an object in the lowest free slot; false when every slot is taken.
    bool add(const Object &object);
    std::optional<Object> at(int slot) const;
    void remove(int slot);

private:
    QList<std::optional<Object>> m_slots;
    int m_capacity;
};

} // namespace Wmf
