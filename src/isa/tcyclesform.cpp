#include "isa/tcyclesform.h"

#include "isa/cycleparameters.h"
#include "isa/isacontrols.h"
#include "isa/isawindows.h"
#include "isa/tatcyclesform.h"
#include "isa/tcyclesparamform.h"
#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QRect kMemoSmall(480, 116, 197, 301);
const QRect kMemoLarge(280, 16, 397, 401);

} // namespace

TCyclesForm::TCyclesForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CyclesForm"));
    setWindowTitle(QStringLiteral("Циклы шины"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::None);
    WindowFrame::setFixedClientSize(this, 691, 448);

    Panel1 = IsaControls::panel(QStringLiteral("Panel1"), this, QRect(0, 0, 691, 44));
    Label3 = IsaControls::label(QStringLiteral("Label3"), QString(), Panel1, QRect(8, 4, 675, 36));
    QFont titleFont = Label3->font();
    titleFont.setBold(true);
    titleFont.setPointSize(11);
    Label3->setFont(titleFont);
    Label3->setStyleSheet(QStringLiteral("color: navy"));
    Label3->setAlignment(Qt::AlignCenter);

    Image1 = IsaControls::picture(QStringLiteral("Image1"), this, QRect(4, 52, 469, 365));

    BitBtn1 =
        IsaControls::button(QStringLiteral("BitBtn1"), QStringLiteral("Другой цикл"), this, QRect(480, 56, 197, 32));
    QFont buttonFont = BitBtn1->font();
    buttonFont.setBold(true);
    BitBtn1->setFont(buttonFont);
    BitBtn1->setStyleSheet(QStringLiteral("color: red"));

    Label2 = IsaControls::label(QStringLiteral("Label2"), QStringLiteral("Информация о данном цикле:"), this,
                                QRect(480, 96, 197, 18));
    Memo1 = IsaControls::memo(QStringLiteral("Memo1"), this, kMemoSmall, true);
    Memo1->viewport()->installEventFilter(this);

    BitBtn2 =
        IsaControls::button(QStringLiteral("BitBtn2"), QStringLiteral("For PC AT"), this, QRect(280, 388, 97, 25));
    BitBtn2->hide();

    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TCyclesForm::Param);
    Guard::connect(BitBtn2, &QPushButton::clicked, this, &TCyclesForm::BitBtn2Click);
    WindowFrame::centreOnScreen(this);
}

void TCyclesForm::openSection(QWidget *from)
{
    Navigation::goTo(from, this);
    CyclesparamForm->openFromMainWindow();
}

void TCyclesForm::ShowCycle(const CycleCatalogue::Entry &entry)
{
    Memo1->clear();
    IsaControls::loadMemo(Memo1, entry.descriptionPath());
    Label3->setText(entry.titleText());
    IsaControls::loadPicture(Image1, entry.diagramPath());
    BitBtn2->setVisible(entry.offersAtComparison());
}

void TCyclesForm::Param()
{
    CyclesparamForm->reopen();
}

void TCyclesForm::BitBtn2Click()
{
    hide();
    const CycleParameters &parameters = CyclesparamForm->parameters();
    ATCyclesForm->openFromCycles(CycleCatalogue::atTabFor(parameters.item(CycleParameters::ResourceGroup),
                                                          parameters.item(CycleParameters::WidthGroup)));
}

void TCyclesForm::Memo1Change()
{
    if (Memo1->y() == kMemoSmall.y()) {
        Memo1->setGeometry(kMemoLarge);
        IsaControls::setScrollBars(Memo1, false);
        Memo1->raise();
    } else if (Memo1->y() == kMemoLarge.y()) {
        Memo1->setGeometry(kMemoSmall);
        IsaControls::setScrollBars(Memo1, true);
    }
}

void TCyclesForm::closeEvent(QCloseEvent *event)
{
    IsaControls::refuseClose(event);
}

bool TCyclesForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonRelease)
        Guard::run(this, [this] { Memo1Change(); });
    return QWidget::eventFilter(watched, event);
}
