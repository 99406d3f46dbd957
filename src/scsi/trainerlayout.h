#pragma once

#include <QRect>
#include <QSize>

// Placement of a trainer main window's title block on resize: the bevel along
// the top, the two title lines and the button panels centred as one block.
namespace TrainerLayout {

struct Geometry {
    QRect bevel;
    QRect label1;
    QRect label2;
    QRect panel; // all three button panels share it
};

constexpr int kBevelHeight = 2;

Geometry arrange(QSize client, QSize label1, QSize label2, QSize panel);

} // namespace TrainerLayout
