#pragma once

#include "isa/interactanswers.h"

#include <QColor>
#include <QWidget>

class QPainter;

// The bus schematic of the device-interaction exercise: two buses with their
// drops to the devices, sixteen signal lines, and for each marked signal a red
// line with a tap down from every device of the task. All coordinates are the
// paint box's own.
namespace InteractSchematic {

const QColor Grey(128, 128, 128);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

constexpr int LineLeft = 0;
constexpr int LineRight = 345;
constexpr int TapTop = 153;

int lineY(int row);
// The x of the tap of a signal row below a device (base + 5 x row).
int tapX(InteractAnswers::Device device, int row);

struct State {
    // The devices of the task, as InteractAnswers::Device flags.
    int devices = 0;
    InteractAnswers::Row marked{};
};

// The plain picture, then the marked rows red with their taps.
void paint(QPainter &painter, const State &state, const QColor &background, const QSize &size);

} // namespace InteractSchematic

// The paint box of the exercise window. It keeps what is marked, so covering and
// uncovering the window redraws the marked state, not only the plain picture.
class TSchematicBox : public QWidget {
    Q_OBJECT
public:
    explicit TSchematicBox(QWidget *parent = nullptr);

    const InteractSchematic::State &state() const { return m_state; }
    void setDevices(int devices);
    // Marks a row red with its taps, or unmarks it (taps erased, line grey again).
    void mark(int row, bool marked);
    // The plain state: every line grey, no taps.
    void drawPlain();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    InteractSchematic::State m_state;
};
