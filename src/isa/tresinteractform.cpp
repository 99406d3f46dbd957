#include "isa/tresinteractform.h"

#include "isa/isacontrols.h"
#include "isa/isawindows.h"
#include "isa/tinteractform.h"
#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/textfile.h"
#include "platform/windowframe.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kErrorsHeading = QStringLiteral("Допущено ошибок:");

} // namespace

TResInteractForm::TResInteractForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ResInteractForm"));
    setWindowTitle(QStringLiteral("Результат"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::Close, true);
    WindowFrame::setFixedClientSize(this, 260, 140);
    Label1 = IsaControls::label(QStringLiteral("Label1"), kErrorsHeading, this, QRect(16, 16, 150, 22));
    Label2 = IsaControls::label(QStringLiteral("Label2"), QString(), this, QRect(170, 16, 74, 22));
    Label3 = IsaControls::label(QStringLiteral("Label3"), QString(), this, QRect(16, 48, 228, 22));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label3->setFont(bold);
    Label3->setAlignment(Qt::AlignCenter);
    BitBtn1 = IsaControls::button(QStringLiteral("BitBtn1"), QStringLiteral("OK"), this, QRect(92, 96, 75, 28));
    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TResInteractForm::BitBtn1Click);
    WindowFrame::centreOnScreen(this);
}

void TResInteractForm::showErrors(int errors, const QString &verdict)
{
    Label2->setText(QString::number(errors));
    Label3->setText(verdict);
    Navigation::show(this);
}

void TResInteractForm::showMark(int mark)
{
    Label1->setText(QStringLiteral("Ваша оценка"));
    Label2->setText(QString::number(mark));
    Label3->setText(QStringLiteral("(по десятибальной шкале)"));
    Navigation::show(this);
}

void TResInteractForm::resetHeading()
{
    Label1->setText(kErrorsHeading);
}

void TResInteractForm::BitBtn1Click()
{
    hide();
    InteractForm->ResultAcknowledged(TextFile::toInt(Label2->text()));
}

void TResInteractForm::keyPressEvent(QKeyEvent *event)
{
    if (!IsaControls::swallowEscape(event))
        QDialog::keyPressEvent(event);
}

// The window hides itself in its OK handler, which may show it again with the mark.
void TResInteractForm::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (isVisible())
        Guard::run(this, [this] { BitBtn1Click(); });
}
