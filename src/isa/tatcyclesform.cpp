#include "isa/tatcyclesform.h"

#include "isa/cyclecatalogue.h"
#include "isa/isacontrols.h"
#include "isa/isawindows.h"
#include "isa/tcyclesform.h"
#include "isa/tisaform.h"
#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>

TATCyclesForm::TATCyclesForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ATCyclesForm"));
    setWindowTitle(QStringLiteral("ATCyclesForm"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::None);
    resize(760, 574);

    Memo1 = IsaControls::memo(QStringLiteral("Memo1"), this, QRect(4, 4, 745, 173));
    TabSet1 = new QTabBar(this);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setExpanding(false);
    TabSet1->setDrawBase(false);
    QFont small = TabSet1->font();
    small.setPointSize(8);
    TabSet1->setFont(small);
    for (int tab = 0; tab < CycleCatalogue::AtTabCount; ++tab)
        TabSet1->addTab(CycleCatalogue::atTab(tab).captionText());
    TabSet1->setGeometry(4, 177, 745, 23);
    Image1 = IsaControls::picture(QStringLiteral("Image1"), this, QRect(4, 200, 569, 345));
    Label1 = IsaControls::label(QStringLiteral("Label1"), QStringLiteral("Возврат в:"), this, QRect(588, 216, 160, 20));
    BitBtn1 =
        IsaControls::button(QStringLiteral("BitBtn1"), QStringLiteral("Основное меню"), this, QRect(588, 240, 160, 30));
    BitBtn2 =
        IsaControls::button(QStringLiteral("BitBtn2"), QStringLiteral("Циклы шины"), this, QRect(588, 278, 160, 30));

    Guard::connect(TabSet1, &QTabBar::currentChanged, this, &TATCyclesForm::TabSet1Click);
    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TATCyclesForm::BitBtn1Click);
    Guard::connect(BitBtn2, &QPushButton::clicked, this, &TATCyclesForm::BitBtn2Click);
    WindowFrame::centreOnScreen(this);
}

void TATCyclesForm::OpenAtFromIsa(QWidget *from)
{
    Navigation::goTo(from, this);
    BitBtn2->setEnabled(false);
    selectTab(0);
    Memo1->clear();
    loadTab(0);
}

void TATCyclesForm::openFromCycles(int tab)
{
    Navigation::show(this);
    BitBtn2->setEnabled(true);
    Memo1->clear();
    if (tab < 0 || tab >= CycleCatalogue::AtTabCount)
        return;
    loadTab(tab);
    selectTab(tab);
}

void TATCyclesForm::TabSet1Click()
{
    const int tab = TabSet1->currentIndex();
    if (tab >= 0)
        loadTab(tab);
}

void TATCyclesForm::BitBtn1Click()
{
    hide();
    Navigation::show(ISAForm);
}

void TATCyclesForm::BitBtn2Click()
{
    hide();
    Navigation::show(CyclesForm);
}

void TATCyclesForm::loadTab(int tab)
{
    const CycleCatalogue::AtTab &at = CycleCatalogue::atTab(tab);
    IsaControls::loadMemo(Memo1, at.descriptionPath());
    IsaControls::loadPicture(Image1, at.diagramPath());
}

// The tab is loaded by its caller, so the change of index loads nothing twice.
void TATCyclesForm::selectTab(int tab)
{
    const QSignalBlocker blocker(TabSet1);
    TabSet1->setCurrentIndex(tab);
}

void TATCyclesForm::closeEvent(QCloseEvent *event)
{
    IsaControls::refuseClose(event);
}
