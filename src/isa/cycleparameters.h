#pragma once

#include "isa/cyclecatalogue.h"

#include <array>

// The choices of the cycle-parameter dialog and which of its groups are usable.
// A cycle kind presets and enables the other groups; zero wait states exist only
// for resource access. The choices persist while the program runs.
class CycleParameters {
public:
    enum Group { KindGroup = 0, ResourceGroup, WidthGroup, DirectionGroup, LengthGroup, GroupCount };

    int item(Group group) const { return m_items[group]; }
    bool enabled(Group group) const { return m_enabled[group]; }
    static int itemCount(Group group);

    // A click on an item of a group (None clears it).
    void choose(Group group, int item);
    // The section is entered from the main window: only the kind group is usable,
    // the other groups keep their choices.
    void enterSection();

    CycleCatalogue::Choice choice() const;
    const CycleCatalogue::Entry *selectedEntry() const { return CycleCatalogue::find(choice()); }

private:
    void chooseKind(int kind);

    std::array<int, GroupCount> m_items = {CycleCatalogue::None, CycleCatalogue::None, CycleCatalogue::None,
                                           CycleCatalogue::None, CycleCatalogue::None};
    std::array<bool, GroupCount> m_enabled = {true, true, true, true, true};
};
