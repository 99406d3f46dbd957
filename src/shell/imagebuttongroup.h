#pragma once

#include <functional>
#include <vector>

// The rules of a window's picture buttons: which picture each button loads as
// the mouse moves, presses and releases, and when a release is a click. The
// group keeps one active flag per button (set while the button shows its
// active or pressed picture) and one all-passive flag for the whole group.
// Pictures are loaded only through the loader, only when these rules say so.
class ImageButtonGroup {
public:
    enum class Picture { Passive, Active, Pressed };
    using Loader = std::function<void(int button, Picture picture)>;

    ImageButtonGroup(int buttonCount, Loader load);

    // The pointer at x, y in the button's own coordinates lies on it.
    static bool inside(int x, int y, int width, int height);

    void mouseMove(int button, bool pointerInside, bool leftHeld);
    void mouseDown(int button);
    // Whether a release here ends a click: the left button went down on this
    // button and comes up inside it.
    bool isClick(int button, bool pointerInside) const { return pointerInside && m_pressedOn == button; }
    void mouseUp(int button, bool pointerInside);
    // The pointer moves over the window's background picture.
    void backgroundMove();
    // Every active button becomes passive; passive ones are not touched.
    void setPassiveButtons();

    bool isActive(int button) const { return m_active[size_t(button)]; }
    bool allPassive() const { return m_allPassive; }
    int count() const { return int(m_active.size()); }

private:
    void activate(int button);

    std::vector<bool> m_active;
    bool m_allPassive = false;
    int m_pressedOn = -1;
    Loader m_load;
};
