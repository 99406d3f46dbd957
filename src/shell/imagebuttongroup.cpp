#include "shell/imagebuttongroup.h"

ImageButtonGroup::ImageButtonGroup(int buttonCount, Loader load)
    : m_active(size_t(buttonCount), false)
    , m_load(std::move(load))
{}

bool ImageButtonGroup::inside(int x, int y, int width, int height)
{
    return x >= 0 && x < width && y >= 0 && y < height;
}

void ImageButtonGroup::activate(int button)
{
    setPassiveButtons();
    m_active[size_t(button)] = true;
    m_allPassive = false;
}

void ImageButtonGroup::mouseMove(int button, bool pointerInside, bool leftHeld)
{
    if (isActive(button)) {
        if (!pointerInside) {
            m_active[size_t(button)] = false;
            m_load(button, Picture::Passive);
        }
        return;
    }
    if (!pointerInside)
        return;
    activate(button);
    m_load(button, leftHeld ? Picture::Pressed : Picture::Active);
}

void ImageButtonGroup::mouseDown(int button)
{
    m_pressedOn = button;
    if (!isActive(button))
        activate(button);
    m_load(button, Picture::Pressed);
}

void ImageButtonGroup::mouseUp(int button, bool pointerInside)
{
    m_pressedOn = -1;
    if (pointerInside)
        m_load(button, Picture::Active);
}

void ImageButtonGroup::backgroundMove()
{
    if (m_allPassive)
        return;
    setPassiveButtons();
    m_allPassive = true;
}

void ImageButtonGroup::setPassiveButtons()
{
    for (int button = 0; button < count(); ++button) {
        if (!m_active[size_t(button)])
            continue;
        m_active[size_t(button)] = false;
        m_load(button, Picture::Passive);
    }
}
