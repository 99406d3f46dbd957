#include "pci/tpciform.h"

#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"

#include <QCloseEvent>

TPciform::TPciform(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Pciform"));
    setWindowTitle(QStringLiteral("\"Шина PCI\" Обучающая программа"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::CloseAndMinimise);
    WindowFrame::setFixedClientSize(this, 700, 500);
    WindowFrame::centreOnScreen(this);
}

void TPciform::FormClose()
{
    if (m_returnWindow)
        Navigation::show(m_returnWindow);
}

void TPciform::closeEvent(QCloseEvent *event)
{
    Guard::run(this, [this] { FormClose(); });
    QWidget::closeEvent(event);
}
