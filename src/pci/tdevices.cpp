#include "pci/tdevices.h"

#include "platform/windowframe.h"

TDevices::TDevices(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Devices"));
    setWindowTitle(QStringLiteral("Операции на шине"));
    resize(640, 520);
    WindowFrame::centreOnScreen(this);
}
