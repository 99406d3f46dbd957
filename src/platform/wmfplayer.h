#pragma once

#include "platform/wmfpicture.h"

#include <QPainter>
#include <QRectF>

namespace Wmf {

// Draws the commands of a picture, its frame mapped onto target. The
// painter's own state is left as it was.
void play(const Picture &picture, QPainter &painter, const QRectF &target);

} // namespace Wmf
