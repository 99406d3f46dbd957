#include "isa/tisaform.h"

#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"

#include <QCloseEvent>

TISAForm::TISAForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ISAForm"));
    setWindowTitle(QStringLiteral("Компьютерная обучающая программа по шине ISA"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::CloseAndMinimise);
    WindowFrame::setFixedClientSize(this, 682, 468);
    WindowFrame::centreOnScreen(this);
}

void TISAForm::FormClose()
{
    if (m_returnWindow)
        Navigation::show(m_returnWindow);
}

void TISAForm::closeEvent(QCloseEvent *event)
{
    Guard::run(this, [this] { FormClose(); });
    QWidget::closeEvent(event);
}
