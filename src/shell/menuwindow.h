#pragma once

#include <QString>

class ClickableLabel;
class QWidget;

// The section menus share one frame: fixed size with close and minimise
// boxes, centred on the screen at first showing, keyboard as MenuKeys says.
namespace MenuWindow {

void setUp(QWidget *menu, const QString &name, const QString &caption, int width, int height);
// A menu entry (or a heading) at the given place.
ClickableLabel *entry(QWidget *menu, const QString &name, const QString &caption, int left, int top);
ClickableLabel *heading(QWidget *menu, const QString &name, const QString &caption, int left, int top);

} // namespace MenuWindow
