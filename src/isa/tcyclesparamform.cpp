#include "isa/tcyclesparamform.h"

#include "isa/isacontrols.h"
#include "isa/isawindows.h"
#include "isa/tcyclesform.h"
#include "isa/tisaform.h"
#include "isa/twarningform.h"
#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct GroupText {
    const char *caption;
    const char *items[4];
};

constexpr GroupText kGroups[CycleParameters::GroupCount] = {
    {"Цикл", {"Доступ к ресурсам", "Регенерация", "ПДП", "Захват шины"}},
    {"Вид ресурса", {"Память", "Устр. вв/выв", nullptr, nullptr}},
    {"Разрядность", {"8 разрядов", "16 разрядов", nullptr, nullptr}},
    {"Направление", {"Ввод(чтение)", "Вывод(запись)", nullptr, nullptr}},
    {"Длина цикла", {"0 тактов ожид.", "Нормальный", "Удлиненный", nullptr}},
};

constexpr int kGroupLefts[CycleParameters::GroupCount] = {6, 172, 294, 410, 546};
constexpr int kGroupWidths[CycleParameters::GroupCount] = {162, 118, 112, 132, 126};

} // namespace

TCyclesparamForm::TCyclesparamForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CyclesparamForm"));
    setWindowTitle(QStringLiteral("Введите параметры цикла:"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::None, true);
    WindowFrame::setFixedClientSize(this, 686, 242);
    setWindowModality(Qt::ApplicationModal);

    Panel1 = IsaControls::panel(QStringLiteral("Panel1"), this, QRect(4, 4, 678, 176));
    QFont small = Panel1->font();
    small.setPointSize(8);
    Panel1->setFont(small);
    for (int group = 0; group < CycleParameters::GroupCount; ++group) {
        auto *box = new QGroupBox(QString::fromUtf8(kGroups[group].caption), Panel1);
        box->setObjectName(QStringLiteral("RadioGroup%1").arg(group + 1));
        box->setGeometry(kGroupLefts[group], 8, kGroupWidths[group], 160);
        auto *items = new QButtonGroup(box);
        items->setExclusive(false);
        const int count = CycleParameters::itemCount(CycleParameters::Group(group));
        for (int item = 0; item < count; ++item) {
            auto *radio = new QRadioButton(QString::fromUtf8(kGroups[group].items[item]), box);
            radio->setObjectName(QStringLiteral("RadioGroup%1_%2").arg(group + 1).arg(item));
            radio->setAutoExclusive(false);
            radio->setGeometry(6, 26 + 30 * item, kGroupWidths[group] - 8, 24);
            items->addButton(radio, item);
        }
        QObject::connect(items, &QButtonGroup::idClicked, this, [this, group](int item) {
            Guard::run(this, [this, group, item] { RadioGroupClick(group, item); });
        });
        RadioGroup[group] = box;
        m_items[group] = items;
    }

    BitBtn1 = IsaControls::button(QStringLiteral("BitBtn1"), QStringLiteral("OK"), this, QRect(220, 196, 100, 32));
    BitBtn1->setDefault(true);
    BitBtn4 = IsaControls::button(QStringLiteral("BitBtn4"), QStringLiteral("&Выход"), this, QRect(366, 196, 100, 32));
    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TCyclesparamForm::BitBtn1Click);
    Guard::connect(BitBtn4, &QPushButton::clicked, this, &TCyclesparamForm::BitBtn4Click);
    showParameters();
    WindowFrame::centreOnScreen(this);
}

void TCyclesparamForm::openFromMainWindow()
{
    m_parameters.enterSection();
    reopen();
}

void TCyclesparamForm::reopen()
{
    showParameters();
    Navigation::show(this);
}

void TCyclesparamForm::RadioGroupClick(int group, int item)
{
    m_parameters.choose(CycleParameters::Group(group), item);
    showParameters();
}

void TCyclesparamForm::BitBtn1Click()
{
    CyclesForm->Memo1->clear();
    const CycleCatalogue::Entry *entry = m_parameters.selectedEntry();
    if (!entry)
        return;
    CyclesForm->ShowCycle(*entry);
    hide();
    WarningForm->showNote();
}

void TCyclesparamForm::BitBtn4Click()
{
    CyclesForm->hide();
    hide();
    Navigation::show(ISAForm);
}

// Escape does not leave the dialog: it is left only through its buttons.
void TCyclesparamForm::reject() {}

void TCyclesparamForm::closeEvent(QCloseEvent *event)
{
    IsaControls::refuseClose(event);
}

void TCyclesparamForm::showParameters()
{
    for (int group = 0; group < CycleParameters::GroupCount; ++group) {
        const auto g = CycleParameters::Group(group);
        RadioGroup[group]->setEnabled(m_parameters.enabled(g));
        for (QAbstractButton *radio : m_items[group]->buttons())
            radio->setChecked(m_items[group]->id(radio) == m_parameters.item(g));
    }
}
