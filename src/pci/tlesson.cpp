#include "pci/tlesson.h"

#include "platform/windowframe.h"

TLesson::TLesson(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Lesson"));
    setWindowTitle(QStringLiteral("Электронный урок - задание № 1"));
    WindowFrame::setToolWindow(this);
    WindowFrame::setFixedClientSize(this, 632, 453);
    WindowFrame::centreOnScreen(this);
}
