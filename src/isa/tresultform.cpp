#include "isa/tresultform.h"

#include "isa/isacontrols.h"
#include "isa/isawindows.h"
#include "isa/tkontrqform.h"
#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel *resultRow(QWidget *window, int number, const QString &caption, int top)
{
    IsaControls::label(QStringLiteral("Label%1").arg(number), caption, window, QRect(16, top, 160, 22));
    QLabel *value =
        IsaControls::label(QStringLiteral("Label%1").arg(number + 3), QString(), window, QRect(180, top, 60, 22));
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    return value;
}

} // namespace

TResultForm::TResultForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ResultForm"));
    setWindowTitle(QStringLiteral("Ваш результат:"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::Close, true);
    WindowFrame::setFixedClientSize(this, 260, 170);
    Label4 = resultRow(this, 1, QStringLiteral("Всего ответов:"), 16);
    Label5 = resultRow(this, 2, QStringLiteral("Из них правильных:"), 44);
    Label6 = resultRow(this, 3, QStringLiteral("Итого Ваша оценка:"), 72);
    BitBtn1 = IsaControls::button(QStringLiteral("BitBtn1"), QStringLiteral("OK"), this, QRect(92, 124, 75, 28));
    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TResultForm::BitBtn1Click);
    WindowFrame::centreOnScreen(this);
}

void TResultForm::showResult(int answered, int right, int mark)
{
    Label4->setText(QString::number(answered));
    Label5->setText(QString::number(right));
    Label6->setText(QString::number(mark));
    Navigation::show(this);
}

void TResultForm::BitBtn1Click()
{
    hide();
    KontrQForm->ResultAcknowledged();
}

void TResultForm::keyPressEvent(QKeyEvent *event)
{
    if (!IsaControls::swallowEscape(event))
        QDialog::keyPressEvent(event);
}

void TResultForm::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (isVisible())
        Guard::run(this, [this] { BitBtn1Click(); });
}
