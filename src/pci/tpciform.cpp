#include "pci/tpciform.h"

#include "pci/pcitables.h"
#include "pci/pciwindows.h"
#include "pci/tcontrolques.h"
#include "pci/tdevices.h"
#include "pci/tintro.h"
#include "pci/tlesson.h"
#include "pci/tpres.h"
#include "platform/guard.h"
#include "platform/helpengine.h"
#include "platform/icons.h"
#include "platform/navigation.h"
#include "platform/textfile.h"
#include "platform/windowframe.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 700;
constexpr int kClientHeight = 500;
constexpr int kRowHeight = 15;
const char *const kLongHint = "longHint";

// The main window is hidden while a section of the trainer is open and shown
// again when the section is left, whichever way it is left.
class HiddenWhile {
public:
    explicit HiddenWhile(QWidget *window)
        : m_window(window)
    {
        m_window->hide();
    }
    ~HiddenWhile() { Navigation::show(m_window); }
    HiddenWhile(const HiddenWhile &) = delete;
    HiddenWhile &operator=(const HiddenWhile &) = delete;

private:
    QWidget *m_window;
};

} // namespace

TPciform::TPciform(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Pciform"));
    setWindowTitle(QStringLiteral("\"Шина PCI\" Обучающая программа"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::CloseAndMinimise);

    buildMenus();
    buildSpeedBar();
    buildTablePanel();
    buildStatusLine();
    buildLayout();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10000);
    Guard::connect(Timer1, &QTimer::timeout, this, &TPciform::Timer1Timer);
    Timer1->start();
    Timer1Timer();

    Guard::connect(StringGrid1, &QTableWidget::itemSelectionChanged, this, &TPciform::StringGrid1Click);
    WindowFrame::setFixedClientSize(this, kClientWidth, kClientHeight);
    Label1->setGeometry(kClientWidth - 64, 0, 60, 22);
    WindowFrame::centreOnScreen(this);
}

void TPciform::buildMenus()
{
    m_studyMenu = new QMenu(QStringLiteral("&Изучение"), this);
    m_studyMenu->setObjectName(QStringLiteral("StudyMenu"));
    item(m_studyMenu, QStringLiteral("IntroItem"), QStringLiteral("&Введение"),
         QStringLiteral("Вводная информация по шине PCI"), QKeySequence(QStringLiteral("Ctrl+I")),
         &TPciform::IntroItemClick);
    item(m_studyMenu, QStringLiteral("ArchitItem"), QStringLiteral("&Архитектура шины PCI"),
         QStringLiteral("Изучение архитектуры и основы построения шины PCI"), QKeySequence(QStringLiteral("Ctrl+P")),
         &TPciform::ArchitItemClick);
    item(m_studyMenu, QStringLiteral("SignalsItem"), QStringLiteral("&Описание сигналов шины"),
         QStringLiteral("Изучение назначения и функций сигналов на шине PCI"), QKeySequence(QStringLiteral("Ctrl+S")),
         &TPciform::SignalsItemClick);
    item(m_studyMenu, QStringLiteral("CommandsItem"), QStringLiteral("&Команды шины"),
         QStringLiteral("Изучение команд используемых шиной PCI"), QKeySequence(QStringLiteral("Ctrl+K")),
         &TPciform::CommandsItemClick);
    item(m_studyMenu, QStringLiteral("OperationsItem"), QStringLiteral("&Разновидности операций на шине"),
         QStringLiteral("Изучение видов возможных операций на шине"), QKeySequence(QStringLiteral("Ctrl+O")),
         &TPciform::OperationsItemClick);
    m_studyMenu->addSeparator();
    item(m_studyMenu, QStringLiteral("LessonItem"), QStringLiteral("&Изучение взаимодействия устройств"),
         QStringLiteral("Проверка изученного материала"), QKeySequence(QStringLiteral("Ctrl+L")),
         &TPciform::LessonItemClick);
    item(m_studyMenu, QStringLiteral("ControlItem"), QStringLiteral("Кон&трольные вопросы"),
         QStringLiteral("Проверка знаний ответом на контрольные вопросы"), QKeySequence(QStringLiteral("Ctrl+A")),
         &TPciform::ControlItemClick);
    m_studyMenu->addSeparator();
    item(m_studyMenu, QStringLiteral("FileExitItem"), QStringLiteral("В&ыход"), QStringLiteral("Выход из программы"),
         QKeySequence(), &TPciform::FileExitItemClick);

    m_helpMenu = new QMenu(QStringLiteral("&Справка"), this);
    m_helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    item(m_helpMenu, QStringLiteral("HelpContentsItem"), QStringLiteral("&Содержание"),
         QStringLiteral("Отобразить экран содержимого справки"), QKeySequence(Qt::Key_F1),
         &TPciform::HelpContentsItemClick);
    item(m_helpMenu, QStringLiteral("HelpSearchItem"), QStringLiteral("&Искать справку по..."),
         QStringLiteral("Поиск пункта в справке"), QKeySequence(), &TPciform::HelpSearchItemClick);
    item(m_helpMenu, QStringLiteral("HelpHowToUseItem"), QStringLiteral("&Как пользоваться справкой"),
         QStringLiteral("Помощь в использовании этой справочной системы"), QKeySequence(),
         &TPciform::HelpHowToUseItemClick);
    m_helpMenu->addSeparator();
    item(m_helpMenu, QStringLiteral("HelpAboutItem"), QStringLiteral("&О программе..."),
         QStringLiteral("Показать информацию о программе"), QKeySequence(), &TPciform::HelpAboutItemClick);
}

void TPciform::buildSpeedBar()
{
    SpeedBar = new QWidget(this);
    SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
    SpeedBar->setStatusTip(QStringLiteral("Панель инструментов"));
    SpeedBar->setFixedHeight(34);
    auto *speedLayout = new QHBoxLayout(SpeedBar);
    speedLayout->setContentsMargins(4, 2, 4, 2);
    speedLayout->setSpacing(2);
    speedLayout->addWidget(speedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Выход|"),
                                       QStyle::SP_DialogCloseButton, &TPciform::FileExitItemClick));
    speedLayout->addWidget(speedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Вызов справки|"),
                                       QStyle::SP_DialogHelpButton, &TPciform::HelpContentsItemClick));
    speedLayout->addSpacing(8);
    speedLayout->addWidget(speedButton(QStringLiteral("SpeedButton3"), QStringLiteral("Команды|"),
                                       QStyle::SP_FileDialogListView, &TPciform::CommandsItemClick));
    speedLayout->addWidget(speedButton(QStringLiteral("SpeedButton4"), QStringLiteral("Архитектура PCI|"),
                                       QStyle::SP_ComputerIcon, &TPciform::ArchitItemClick));
    speedLayout->addWidget(speedButton(QStringLiteral("SpeedButton5"), QStringLiteral("Описание сигналов|"),
                                       QStyle::SP_FileDialogDetailedView, &TPciform::SignalsItemClick));
    speedLayout->addWidget(speedButton(QStringLiteral("SpeedButton6"), QStringLiteral("Контрольные вопросы|"),
                                       QStyle::SP_MessageBoxQuestion, &TPciform::ControlItemClick));
    speedLayout->addStretch();
}

// The table of signals or commands with the description of the chosen row.
void TPciform::buildTablePanel()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setStatusTip(QStringLiteral("Панель выбора"));
    Panel1->hide();
    Label3 = new QLabel(Panel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    StringGrid1 = new QTableWidget(Panel1);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setStatusTip(QStringLiteral("Таблица описаний"));
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setMinimumSectionSize(kRowHeight);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    StringGrid1->horizontalHeader()->setFixedHeight(kRowHeight + 3);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setWordWrap(false);
    Label4 = new QLabel(Panel1);
    Label4->setObjectName(QStringLiteral("Label4"));
    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFixedHeight(130);
    CheckBox1 = new QCheckBox(QStringLiteral("&Показ"), Panel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    auto *panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(6, 4, 6, 4);
    panelLayout->addWidget(Label3);
    panelLayout->addWidget(StringGrid1, 1);
    auto *detailTitle = new QHBoxLayout;
    detailTitle->addWidget(Label4, 1);
    detailTitle->addWidget(CheckBox1);
    panelLayout->addLayout(detailTitle);
    panelLayout->addWidget(Memo1);
}

void TPciform::buildStatusLine()
{
    StatusLine = new QLabel(this);
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    StatusLine->setStatusTip(QStringLiteral("Панель состояния"));
    StatusLine->setFrameShape(QFrame::Panel);
    StatusLine->setFrameShadow(QFrame::Sunken);
    StatusLine->setFixedHeight(22);
    StatusLine->setContentsMargins(4, 0, 60, 0);
    Label1 = new QLabel(StatusLine);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TPciform::buildLayout()
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(SpeedBar);
    m_layout->addWidget(Panel1, 1);
    // What the window shows while no table is open.
    m_background = new QLabel(
        QStringLiteral("<p style='font-size:28pt; font-weight:bold; color:#303080'>Шина PCI</p>"
                       "<p style='font-size:12pt'>Обучающая программа</p>"
                       "<p style='color:#505050'>Выберите раздел в меню «Изучение» или на панели инструментов</p>"),
        this);
    m_background->setObjectName(QStringLiteral("Background"));
    m_background->setAlignment(Qt::AlignCenter);
    m_layout->addWidget(m_background, 1);
    m_layout->addWidget(StatusLine);
}

QAction *TPciform::item(QMenu *menu, const QString &name, const QString &caption, const QString &hint,
                        const QKeySequence &shortcut, void (TPciform::*handler)())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setStatusTip(hint);
    action->setShortcut(shortcut);
    addAction(action); // the shortcut works before the menu bar is made
    Guard::connect(action, &QAction::triggered, this, handler);
    return action;
}

QPushButton *TPciform::speedButton(const QString &name, const QString &hint, int icon, void (TPciform::*handler)())
{
    auto *button = new QPushButton(Icons::standard(QStyle::StandardPixmap(icon)), QString(), SpeedBar);
    button->setObjectName(name);
    button->setFlat(true);
    button->setFixedSize(30, 30);
    button->setIconSize(QSize(20, 20));
    button->setFocusPolicy(Qt::NoFocus);
    // "short|long": the short part is the tooltip, the long part the status line.
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    button->setToolTip(bar < 0 ? hint : hint.left(bar));
    button->setProperty(kLongHint, bar < 0 ? hint : hint.mid(bar + 1));
    button->installEventFilter(this);
    Guard::connect(button, &QPushButton::clicked, this, handler);
    return button;
}

QMenuBar *TPciform::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setObjectName(QStringLiteral("MainMenu1"));
        m_menuBar->addMenu(m_studyMenu);
        m_menuBar->addMenu(m_helpMenu);
        m_layout->setMenuBar(m_menuBar);
        m_menuBar->show(); // made while the window is being shown: not shown with it
        m_layout->activate();
    }
    return m_menuBar;
}

QString TPciform::clockText(const QTime &time)
{
    return time.toString(QStringLiteral("h:mm")) + QLatin1Char(' ');
}

void TPciform::Timer1Timer()
{
    Label1->setText(clockText(QTime::currentTime()));
}

void TPciform::ShowHint(const QString &hint)
{
    StatusLine->setText(hint);
}

bool TPciform::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

bool TPciform::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter && watched->property(kLongHint).isValid())
        ShowHint(watched->property(kLongHint).toString());
    return QWidget::eventFilter(watched, event);
}

void TPciform::showEvent(QShowEvent *event)
{
    menuBar();
    QWidget::showEvent(event);
    Guard::run(this, [this] { FormShow(); });
}

void TPciform::FormShow()
{
    HelpEngine::setHelpFile(QStringLiteral("pci\\pci.hlp"));
}

void TPciform::FormClose()
{
    if (m_returnWindow)
        Navigation::show(m_returnWindow);
}

void TPciform::closeEvent(QCloseEvent *event)
{
    Guard::close(event, this, &TPciform::FormClose);
}

void TPciform::showIntro(const QString &textName)
{
    Intro->setTextName(textName);
    Intro->showText();
}

void TPciform::IntroItemClick()
{
    showIntro(QStringLiteral("pci\\pci.txt"));
}

void TPciform::ArchitItemClick()
{
    showIntro(QStringLiteral("pci\\architec.txt"));
}

void TPciform::openTable(const PciTables::Table &table)
{
    hidePanel();
    Label3->setText(table.title);
    Label4->setText(table.detailTitle);
    Memo1->clear();
    {
        const QSignalBlocker quiet(StringGrid1);
        StringGrid1->clear();
        // Row 0, the heading, is the grid's header so that it stays in view
        // while the rows scroll; grid row n is model row n - 1.
        StringGrid1->setColumnCount(table.columns);
        StringGrid1->setRowCount(table.rows - 1);
        for (int column = 0; column < table.columns; ++column) {
            const QStringList lines = TextFile::readLines(table.columnFiles.at(column));
            auto *heading = new QTableWidgetItem(lines.value(0));
            heading->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            StringGrid1->setHorizontalHeaderItem(column, heading);
            for (int row = 1; row < table.rows; ++row)
                StringGrid1->setItem(row - 1, column, new QTableWidgetItem(lines.value(row)));
        }
        StringGrid1->selectRow(0);
    }
    showIntro(table.introText);
    m_detailList = PciTables::readDetailList(table.detailList);
    m_background->hide();
    Panel1->show();
    // The widths follow the grid's width, known once the panel is laid out.
    m_layout->activate();
    Panel1->layout()->activate();
    const QList<int> widths = PciTables::columnWidths(table, StringGrid1->viewport()->width());
    for (int column = 0; column < table.columns; ++column)
        StringGrid1->setColumnWidth(column, widths.value(column));
    StringGrid1Click();
}

void TPciform::hidePanel()
{
    Panel1->hide();
    m_background->show();
}

void TPciform::SignalsItemClick()
{
    openTable(PciTables::signalTable());
}

void TPciform::CommandsItemClick()
{
    openTable(PciTables::commandTable());
}

void TPciform::StringGrid1Click()
{
    Memo1->clear();
    const int row = StringGrid1->currentRow() + 1;
    const QString name = m_detailList.value(row);
    if (row >= 1 && !name.isEmpty() && CheckBox1->isChecked())
        Memo1->setPlainText(TextFile::readText(PciTables::detailPath(name)));
}

void TPciform::OperationsItemClick()
{
    hidePanel();
    const HiddenWhile hidden(this);
    Intro->setTextName(QStringLiteral("pci\\operatio.txt"));
    const int tag = Intro->showText(true);
    Devices->showOperations(tag);
}

void TPciform::LessonItemClick()
{
    hidePanel();
    const HiddenWhile hidden(this);
    showIntro(QStringLiteral("pci\\lesson.txt"));
    Lesson->run();
}

void TPciform::ControlItemClick()
{
    hidePanel();
    const HiddenWhile hidden(this);
    showIntro(QStringLiteral("pci\\control.txt"));
    TControlQues questions(this);
    questions.exec();
}

void TPciform::FileExitItemClick()
{
    close();
}

void TPciform::HelpContentsItemClick()
{
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
}

void TPciform::HelpSearchItemClick()
{
    HelpEngine::command(HelpEngine::HELP_PARTIALKEY);
}

void TPciform::HelpHowToUseItemClick()
{
    HelpEngine::command(HelpEngine::HELP_HELPONHELP);
}

void TPciform::HelpAboutItemClick()
{
    TPres about(this);
    about.loadPicture();
    about.exec();
}
