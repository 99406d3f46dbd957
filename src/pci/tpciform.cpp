#include "pci/tpciform.h"

#include "platform/guard.h"
#include "shell/navigation.h"
#include "shell/tfpracticum.h"
#include "shell/windowframe.h"
#include "shell/windowset.h"

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
    Navigation::show(FPracticum);
}

void TPciform::closeEvent(QCloseEvent *event)
{
    Guard::run(this, [this] { FormClose(); });
    QWidget::closeEvent(event);
}
