#include "isa/tisaform.h"

#include "isa/isacontrols.h"
#include "isa/isatext.h"
#include "isa/isawindows.h"
#include "isa/signaltable.h"
#include "isa/taboutform.h"
#include "isa/tatcyclesform.h"
#include "isa/tcyclesform.h"
#include "isa/tinteractform.h"
#include "isa/tkontrqform.h"
#include "isa/tvvedenieform.h"
#include "platform/guard.h"
#include "platform/helpengine.h"
#include "platform/icons.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QAction *menuItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

TISAForm::TISAForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ISAForm"));
    setWindowTitle(QStringLiteral("Компьютерная обучающая программа по шине ISA"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::CloseAndMinimise);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setFixedSize(682, 468);
    createMenu();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(m_client);
    // The client area below the menu bar is 682 by 468.
    WindowFrame::setFixedClientSize(this, 682, 468 + MainMenu1->sizeHint().height());

    createToolBar();
    createSignalTable();
    WindowFrame::centreOnScreen(this);
}

void TISAForm::createMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    N1 = MainMenu1->addMenu(QStringLiteral("&Изучение"));
    N1->setObjectName(QStringLiteral("N1"));
    N16 = menuItem(N1, "N16", QStringLiteral("О &программе"), Qt::Key_F2);
    N1->addSeparator();
    N3 = menuItem(N1, "N3", QStringLiteral("&Введение"), Qt::CTRL | Qt::Key_V);
    N4 = menuItem(N1, "N4", QStringLiteral("&Сигналы шины"), Qt::CTRL | Qt::Key_S);
    N5 = menuItem(N1, "N5", QStringLiteral("&Циклы шины"), Qt::CTRL | Qt::Key_C);
    IBMPCAT1 = menuItem(N1, "IBMPCAT1", QStringLiteral("&Особенности циклов AT-шины"), Qt::CTRL | Qt::Key_O);
    EISA1 = menuItem(N1, "EISA1", QStringLiteral("Особенности шины &EISA"), Qt::CTRL | Qt::Key_E);
    N1->addSeparator();
    N7 = menuItem(N1, "N7", QStringLiteral("В&заимодействие устройств"), Qt::CTRL | Qt::Key_Z);
    N8 = menuItem(N1, "N8", QStringLiteral("&Контрольные вопросы"), Qt::CTRL | Qt::Key_Q);
    N1->addSeparator();
    // Without a shortcut: Ctrl+Z belongs to "В&заимодействие устройств".
    N10 = menuItem(N1, "N10", QStringLiteral("В&ыход"));

    N2 = MainMenu1->addMenu(QStringLiteral("&Справка"));
    N2->setObjectName(QStringLiteral("N2"));
    N11 = menuItem(N2, "N11", QStringLiteral("Со&держание"), Qt::Key_F1);
    N12 = menuItem(N2, "N12", QStringLiteral("Ис&кать справку по"), Qt::CTRL | Qt::Key_I);
    N15 = menuItem(N2, "N15", QStringLiteral("Как &пользоваться справкой"), Qt::CTRL | Qt::Key_P);
    N2->addSeparator();
    N14 = menuItem(N2, "N14", QStringLiteral("&О программе"), Qt::CTRL | Qt::Key_A);

    const std::pair<QAction *, void (TISAForm::*)()> handlers[] = {
        {N16, &TISAForm::N16Click},
        {N3, &TISAForm::N3Click},
        {N4, &TISAForm::N4Click},
        {N5, &TISAForm::N5Click},
        {IBMPCAT1, &TISAForm::IBMPCAT1Click},
        {EISA1, &TISAForm::EISA1Click},
        {N7, &TISAForm::N7Click},
        {N8, &TISAForm::N8Click},
        {N10, &TISAForm::N10Click},
        {N11, &TISAForm::N11Click},
        {N12, &TISAForm::N12Click},
        {N15, &TISAForm::N15Click},
        {N14, &TISAForm::N14Click},
    };
    for (const auto &[action, handler] : handlers)
        Guard::connect(action, &QAction::triggered, this, handler);
}

void TISAForm::createToolBar()
{
    Panel1 = IsaControls::panel(QStringLiteral("Panel1"), m_client, QRect(0, 0, 682, 38));
    struct Tool {
        QPushButton **button;
        const char *name;
        const char *hint;
        QStyle::StandardPixmap icon;
        void (TISAForm::*handler)();
    };
    const Tool tools[] = {
        {&SpeedButton1, "SpeedButton1", "Введение", QStyle::SP_FileDialogInfoView, &TISAForm::N3Click},
        {&SpeedButton4, "SpeedButton4", "Циклы шины", QStyle::SP_MediaSeekForward, &TISAForm::N5Click},
        {&SpeedButton2, "SpeedButton2", "Сигналы", QStyle::SP_FileDialogDetailedView, &TISAForm::N4Click},
        {&SpeedButton5, "SpeedButton5", "Взаимодействие устройств", QStyle::SP_ComputerIcon, &TISAForm::N7Click},
        {&SpeedButton7, "SpeedButton7", "Контрольные вопросы", QStyle::SP_DialogApplyButton, &TISAForm::N8Click},
        {&SpeedButton3, "SpeedButton3", "Справка", QStyle::SP_MessageBoxQuestion, &TISAForm::N11Click},
        {&SpeedButton6, "SpeedButton6", "Выход", QStyle::SP_DialogCloseButton, &TISAForm::N10Click},
    };
    int left = 6;
    for (const Tool &tool : tools) {
        QPushButton *button =
            IsaControls::button(QString::fromLatin1(tool.name), QString(), Panel1, QRect(left, 4, 32, 30));
        button->setToolTip(QString::fromUtf8(tool.hint));
        button->setIcon(Icons::standard(tool.icon));
        button->setIconSize(QSize(20, 20));
        button->setFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
        Guard::connect(button, &QPushButton::clicked, this, tool.handler);
        *tool.button = button;
        // The exit button stands apart from the sections.
        left += tool.button == &SpeedButton3 ? 48 : 34;
    }
}

void TISAForm::createSignalTable()
{
    auto *welcome = new QWidget(m_client);
    welcome->setObjectName(QStringLiteral("Welcome"));
    welcome->setGeometry(0, 60, 682, 380);
    QLabel *title =
        IsaControls::label(QStringLiteral("WelcomeTitle"), QStringLiteral("Шина ISA"), welcome, QRect(0, 90, 682, 60));
    QFont titleFont = title->font();
    titleFont.setPointSize(32);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: navy"));
    title->setAlignment(Qt::AlignCenter);
    QLabel *hint = IsaControls::label(
        QStringLiteral("WelcomeHint"),
        QStringLiteral("Компьютерная обучающая программа\nВыберите раздел в меню «Изучение» или на панели кнопок"),
        welcome, QRect(0, 160, 682, 60));
    hint->setAlignment(Qt::AlignCenter);
    m_welcome = welcome;

    Label1 = IsaControls::label(QStringLiteral("Label1"), QStringLiteral("Таблица сигналов шины"), m_client,
                                QRect(4, 44, 674, 24));
    QFont labelFont = Label1->font();
    labelFont.setPointSize(12);
    labelFont.setBold(true);
    Label1->setFont(labelFont);
    Label1->setAlignment(Qt::AlignCenter);

    StringGrid1 = new QTableWidget(m_client);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(4, 72, 677, 205);
    StringGrid1->setColumnCount(SignalTable::ColumnCount);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setWordWrap(false);
    for (int column = 0; column < SignalTable::ColumnCount; ++column)
        StringGrid1->setColumnWidth(column, SignalTable::ColumnWidths[column]);
    Guard::connect(StringGrid1, &QTableWidget::currentCellChanged, this, &TISAForm::StringGrid1Click);

    Panel2 = IsaControls::panel(QStringLiteral("Panel2"), m_client, QRect(4, 284, 96, 177));
    const char *words[][2] = {{"StaticText1", "Описание"}, {"Label3", "сигналов"}, {"Label4", "шины"}};
    int top = 8;
    for (const auto &word : words) {
        QLabel *label =
            IsaControls::label(QString::fromLatin1(word[0]), QString::fromUtf8(word[1]), Panel2, QRect(4, top, 88, 20));
        label->setAlignment(Qt::AlignCenter);
        top += 20;
    }
    CheckBox1 = new QCheckBox(QStringLiteral("EISA"), Panel2);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(16, 84, 72, 22);
    Guard::connect(CheckBox1, &QCheckBox::toggled, this, &TISAForm::CheckBox1Click);
    BitBtn1 = IsaControls::button(QStringLiteral("BitBtn1"), QStringLiteral("Конец"), Panel2, QRect(8, 132, 80, 30));
    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TISAForm::BitBtn1Click);

    Memo1 = IsaControls::memo(QStringLiteral("Memo1"), m_client, QRect(104, 284, 577, 177));
    Memo1->setReadOnly(true);
    setTableVisible(false);
}

void TISAForm::setTableVisible(bool visible)
{
    for (QWidget *widget : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(StringGrid1),
                            static_cast<QWidget *>(Panel2), static_cast<QWidget *>(Memo1)})
        widget->setVisible(visible);
    m_welcome->setVisible(!visible);
}

int TISAForm::selectedRow() const
{
    return StringGrid1->currentRow() + 1;
}

int TISAForm::gridRows() const
{
    return StringGrid1->rowCount() + 1;
}

QString TISAForm::cell(int column, int row) const
{
    if (row == 0) {
        const QTableWidgetItem *heading = StringGrid1->horizontalHeaderItem(column);
        return heading ? heading->text() : QString();
    }
    const QTableWidgetItem *item = StringGrid1->item(row - 1, column);
    return item ? item->text() : QString();
}

// The heading row is the grid's fixed header; grid row n (n >= 1) is table row n - 1.
void TISAForm::loadColumns(bool eisa)
{
    const QSignalBlocker blocker(StringGrid1);
    const int rows = SignalTable::rowCount(eisa);
    StringGrid1->setRowCount(rows - 1);
    const QStringList files = SignalTable::columnFiles(eisa);
    for (int column = 0; column < SignalTable::ColumnCount; ++column) {
        const QStringList cells = SignalTable::columnCells(IsaText::readLines(files[column]), rows);
        StringGrid1->setHorizontalHeaderItem(column, new QTableWidgetItem(cells[0]));
        for (int row = 1; row < rows; ++row) {
            QTableWidgetItem *item = StringGrid1->item(row - 1, column);
            if (item)
                item->setText(cells[row]);
            else
                StringGrid1->setItem(row - 1, column, new QTableWidgetItem(cells[row]));
        }
    }
}

void TISAForm::FormShow()
{
    HelpEngine::setHelpFile(helpFile());
}

void TISAForm::FormClose()
{
    if (m_returnWindow)
        Navigation::show(m_returnWindow);
}

void TISAForm::N16Click()
{
    VvedenieForm->showText(QStringLiteral("Информация об обучающей программе \"Шина ISA\""),
                           QStringLiteral("ISA\\signals\\progr.txt"));
}

void TISAForm::N3Click()
{
    VvedenieForm->showText(QStringLiteral("Введение"), QStringLiteral("ISA\\discr\\isa1.txt"));
}

void TISAForm::N4Click()
{
    setTableVisible(true);
    // Unchecking runs the check box's handler within this command: a failure in it
    // abandons the rest of the command.
    if (CheckBox1->isChecked()) {
        {
            const QSignalBlocker blocker(CheckBox1);
            CheckBox1->setChecked(false);
        }
        CheckBox1Click();
    }
    {
        const QSignalBlocker blocker(StringGrid1);
        StringGrid1->setRowCount(SignalTable::rowCount(false) - 1);
        StringGrid1->setCurrentCell(0, 1);
    }
    loadColumns(false);
    Memo1->clear();
}

void TISAForm::N5Click()
{
    CyclesForm->openSection(this);
}

void TISAForm::IBMPCAT1Click()
{
    ATCyclesForm->OpenAtFromIsa(this);
}

void TISAForm::EISA1Click()
{
    VvedenieForm->showText(QStringLiteral("Архитектура шины EISA"), QStringLiteral("ISA\\discr\\Eisa.txt"));
}

void TISAForm::N7Click()
{
    InteractForm->StartExercise(this);
}

void TISAForm::N8Click()
{
    KontrQForm->StartControlQuestions(this);
}

void TISAForm::N10Click()
{
    close();
}

void TISAForm::N11Click()
{
    HelpEngine::setHelpFile(helpFile());
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
}

void TISAForm::N12Click()
{
    HelpEngine::setHelpFile(helpFile());
    HelpEngine::command(HelpEngine::HELP_PARTIALKEY);
}

void TISAForm::N15Click()
{
    HelpEngine::setHelpFile(helpFile());
    HelpEngine::command(HelpEngine::HELP_HELPONHELP);
}

void TISAForm::N14Click()
{
    AboutForm->showAbout();
}

void TISAForm::StringGrid1Click()
{
    Memo1->clear();
    const QString file = SignalTable::descriptionFile(CheckBox1->isChecked(), selectedRow());
    if (!file.isEmpty())
        IsaControls::loadMemo(Memo1, file);
}

void TISAForm::CheckBox1Click()
{
    Memo1->clear();
    loadColumns(CheckBox1->isChecked());
}

void TISAForm::BitBtn1Click()
{
    setTableVisible(false);
}

void TISAForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Guard::run(this, [this] { FormShow(); });
}

void TISAForm::closeEvent(QCloseEvent *event)
{
    Guard::close(event, this, &TISAForm::FormClose);
}
