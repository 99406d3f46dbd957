#include "scsi/trainermainwindow.h"

#include "platform/guard.h"
#include "platform/helpengine.h"
#include "platform/navigation.h"
#include "scsi/registrationdialog.h"
#include "scsi/statisticsdialog.h"
#include "scsi/trainerlayout.h"

#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kButtonWidth = 190;
constexpr int kButtonHeight = 32;
constexpr int kButtonGap = 8;

QLabel *titleLabel(const QString &name, const QString &text, int pointSize, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    label->adjustSize();
    return label;
}

QWidget *panel(const QString &name, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

QMenu *menu(const QString &name, const QString &title, QWidget *parent)
{
    auto *menu = new QMenu(title, parent);
    menu->setObjectName(name);
    return menu;
}

} // namespace

TrainerMainWindow::TrainerMainWindow(TrainerDescription description, QWidget *parent)
    : QWidget(parent)
    , m_description(std::move(description))
{
    setObjectName(m_description.look.name);
    setWindowTitle(m_description.look.title);
    setMinimumSize(390, 450);
    resize(560, 500);
    buildTitle();
    buildPanels();
    buildMenus();
    m_client->installEventFilter(this);
    FormCreate();
}

void TrainerMainWindow::buildTitle()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, m_description.look.background);
    palette.setColor(QPalette::WindowText, m_description.look.titleColour);
    m_client->setPalette(palette);
    m_client->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_client);

    m_bevel = new QFrame(m_client);
    m_bevel->setObjectName(QStringLiteral("Bevel1"));
    m_bevel->setFrameShape(QFrame::HLine);
    m_bevel->setFrameShadow(QFrame::Sunken);
    m_heading = titleLabel(QStringLiteral("Label1"), QStringLiteral("Электронный учебник по интерфейсу"), 12, m_client);
    m_title = titleLabel(QStringLiteral("Label2"), m_description.look.title, 44, m_client);
}

void TrainerMainWindow::buildPanels()
{
    m_mainPanel = panel(QStringLiteral("Panel_but"), m_client);
    m_infoPanel = panel(QStringLiteral("Panel_inf"), m_client);
    m_infoPanel->hide();
    m_tasksPanel = panel(QStringLiteral("Panel_les"), m_client);
    m_tasksPanel->hide();

    addButton(m_mainPanel, QStringLiteral("bb_reg"), QStringLiteral("Регистрация"), &TrainerMainWindow::m_regClick);
    addButton(m_mainPanel, QStringLiteral("bb_inf"), QStringLiteral("Информация"), &TrainerMainWindow::bb_infClick);
    addButton(m_mainPanel, QStringLiteral("BitBtn1"), QStringLiteral("Вопросы"), &TrainerMainWindow::BitBtn1Click);
    addButton(m_mainPanel, QStringLiteral("bb_les"), m_description.tasks.buttonCaption,
              &TrainerMainWindow::bb_lesClick);
    addButton(m_mainPanel, QStringLiteral("bb_stat"), QStringLiteral("Статистика"), &TrainerMainWindow::m_statClick);
    addButton(m_mainPanel, QStringLiteral("bb_exit"), QStringLiteral("ВЫХОД"), &TrainerMainWindow::m_exitClick);

    addButton(m_infoPanel, QStringLiteral("bb_about"), QStringLiteral("О программе"),
              &TrainerMainWindow::m_h_aboutClick);
    addButton(m_infoPanel, QStringLiteral("bb_") + m_description.reference.subject, QStringLiteral("Справочник"),
              &TrainerMainWindow::openReference);
    addButton(m_infoPanel, QStringLiteral("bb_def"), m_description.procedure.caption, &TrainerMainWindow::bb_defClick);
    addButton(m_infoPanel, QStringLiteral("bb_back"), QStringLiteral("НАЗАД"), &TrainerMainWindow::bb_backClick);

    for (int task = 0; task < int(m_description.tasks.list.size()); ++task) {
        QPushButton *button =
            addButton(m_tasksPanel, QStringLiteral("bb_les%1").arg(task + 1), m_description.tasks.list[task].caption);
        Guard::connect(button, &QPushButton::clicked, this, [this, task] { openTask(task); });
    }
    addButton(m_tasksPanel, QStringLiteral("bb_back1"), QStringLiteral("НАЗАД"), &TrainerMainWindow::bb_back1Click);
}

// The "Помощь" menu ends with m_h_about, added with the about box by FormCreate.
void TrainerMainWindow::buildMenus()
{
    m_fileMenu = menu(QStringLiteral("m_file"), QStringLiteral("Файл"), this);
    addAction(m_fileMenu, QStringLiteral("m_reg"), QStringLiteral("Регистрация"), &TrainerMainWindow::m_regClick);
    addAction(m_fileMenu, QStringLiteral("m_stat"), QStringLiteral("Статистика"), &TrainerMainWindow::m_statClick);
    m_fileMenu->addSeparator();
    addAction(m_fileMenu, QStringLiteral("m_exit"), QStringLiteral("Выход"), &TrainerMainWindow::m_exitClick);

    m_tasksMenu = menu(QStringLiteral("m_tasks"), QStringLiteral("Задания"), this);
    for (int task = 0; task < int(m_description.tasks.list.size()); ++task) {
        QAction *action =
            addAction(m_tasksMenu, QStringLiteral("m_les%1").arg(task + 1), m_description.tasks.list[task].caption);
        Guard::connect(action, &QAction::triggered, this, [this, task] { openTask(task); });
    }
    m_tasksMenu->addSeparator();
    addAction(m_tasksMenu, QStringLiteral("m_quest"), QStringLiteral("Вопросы"), &TrainerMainWindow::m_questClick);

    m_helpMenu = menu(QStringLiteral("m_help"), QStringLiteral("Помощь"), this);
    addAction(m_helpMenu, QStringLiteral("m_h_") + m_description.reference.subject, m_description.reference.caption,
              &TrainerMainWindow::openReference);
    m_helpMenu->addSeparator();
}

QPushButton *TrainerMainWindow::addButton(QWidget *panel, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, panel);
    button->setObjectName(name);
    const int index = int(panel->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly).size()) - 1;
    button->setGeometry(0, index * (kButtonHeight + kButtonGap), kButtonWidth, kButtonHeight);
    return button;
}

void TrainerMainWindow::addButton(QWidget *panel, const QString &name, const QString &caption, Handler handler)
{
    Guard::connect(addButton(panel, name, caption), &QPushButton::clicked, this, handler);
}

QAction *TrainerMainWindow::addAction(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void TrainerMainWindow::addAction(QMenu *menu, const QString &name, const QString &caption, Handler handler)
{
    Guard::connect(addAction(menu, name, caption), &QAction::triggered, this, handler);
}

void TrainerMainWindow::sizePanels()
{
    int buttons = 0;
    for (QWidget *panel : {m_mainPanel, m_infoPanel, m_tasksPanel})
        buttons = std::max(buttons, int(panel->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly).size()));
    const QSize size(kButtonWidth, buttons * kButtonHeight + std::max(0, buttons - 1) * kButtonGap);
    for (QWidget *panel : {m_mainPanel, m_infoPanel, m_tasksPanel})
        panel->resize(size);
}

void TrainerMainWindow::setDialogs(RegistrationDialog *registration, StatisticsDialog *statistics)
{
    m_registration = registration;
    m_statistics = statistics;
}

RegistrationDialog *TrainerMainWindow::registrationDialog()
{
    if (!m_registration)
        m_registration = m_description.dialogs.registration(this);
    return m_registration;
}

StatisticsDialog *TrainerMainWindow::statisticsDialog()
{
    if (!m_statistics)
        m_statistics = m_description.dialogs.statistics(this);
    return m_statistics;
}

void TrainerMainWindow::FormCreate()
{
    m_record.clear();
    m_aboutBox = m_description.dialogs.about(this);
    addAction(m_helpMenu, QStringLiteral("m_h_about"), QStringLiteral("О программе"),
              &TrainerMainWindow::m_h_aboutClick);
    sizePanels();
    FormResize();
}

void TrainerMainWindow::FormResize()
{
    const TrainerLayout::Geometry g =
        TrainerLayout::arrange(m_client->size(), m_heading->size(), m_title->size(), m_mainPanel->size());
    m_bevel->setGeometry(g.bevel);
    m_heading->setGeometry(g.label1);
    m_title->setGeometry(g.label2);
    m_mainPanel->setGeometry(g.panel);
    m_infoPanel->move(g.panel.topLeft());
    m_tasksPanel->move(g.panel.topLeft());
}

bool TrainerMainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        Guard::run(this, [this] { FormResize(); });
    return QWidget::eventFilter(watched, event);
}

// The menu bar is made at the first showing: creating one loads the style's
// pictures, a cost the package's start-up need not pay for a hidden trainer.
QMenuBar *TrainerMainWindow::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setObjectName(QStringLiteral("MMenu1"));
        for (QMenu *menu : {m_fileMenu, m_tasksMenu, m_helpMenu})
            m_menuBar->addMenu(menu);
        layout()->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

void TrainerMainWindow::showEvent(QShowEvent *event)
{
    menuBar();
    QWidget::showEvent(event);
    scheduleFirstActivation();
}

void TrainerMainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        scheduleFirstActivation();
    QWidget::changeEvent(event);
}

// Deferred so that the window is on screen before the about box covers it.
void TrainerMainWindow::scheduleFirstActivation()
{
    if (m_firstActivationDone || m_activationPending)
        return;
    m_activationPending = true;
    QTimer::singleShot(0, this, [this] {
        Guard::run(this, [this] { FormActivate(); });
        m_activationPending = false;
    });
}

void TrainerMainWindow::FormActivate()
{
    if (m_firstActivationDone || !isVisible())
        return;
    m_aboutBox->exec();
    RegisterStudent();
    m_firstActivationDone = true;
}

void TrainerMainWindow::closeEvent(QCloseEvent *event)
{
    Guard::close(event, this, &TrainerMainWindow::FormClose);
}

void TrainerMainWindow::FormClose()
{
    m_firstActivationDone = false;
    Navigation::show(m_returnWindow);
}

void TrainerMainWindow::RegisterStudent()
{
    registrationDialog()->registerStudent(m_record);
}

void TrainerMainWindow::ShowStatistics()
{
    statisticsDialog()->showStatistics(m_record);
}

// The task and question windows are created before this window hides: when
// their content is missing they throw and this window stays as it is.
void TrainerMainWindow::runModal(const TrainerDescription::Exercise &exercise)
{
    const std::unique_ptr<QDialog> window = exercise(m_record, this);
    hide();
    window->exec();
    show();
}

void TrainerMainWindow::openTask(int index)
{
    runModal(m_description.tasks.list.at(index).window);
}

void TrainerMainWindow::openHelp(const QString &helpFile)
{
    HelpEngine::setHelpFile(helpFile);
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
}

void TrainerMainWindow::openReference()
{
    openHelp(m_description.reference.helpFile);
}

void TrainerMainWindow::switchPanel(QWidget *from, QWidget *to)
{
    from->hide();
    to->show();
}

void TrainerMainWindow::m_regClick()
{
    RegisterStudent();
}

void TrainerMainWindow::m_statClick()
{
    ShowStatistics();
}

void TrainerMainWindow::m_exitClick()
{
    close();
}

void TrainerMainWindow::m_h_aboutClick()
{
    m_aboutBox->exec();
}

void TrainerMainWindow::m_les1Click()
{
    openTask(0);
}

void TrainerMainWindow::m_questClick()
{
    runModal(m_description.tasks.questions);
}

void TrainerMainWindow::BitBtn1Click()
{
    m_questClick();
}

void TrainerMainWindow::bb_infClick()
{
    switchPanel(m_mainPanel, m_infoPanel);
}

void TrainerMainWindow::bb_backClick()
{
    switchPanel(m_infoPanel, m_mainPanel);
}

// With one task the button opens it directly.
void TrainerMainWindow::bb_lesClick()
{
    if (m_description.tasks.list.size() == 1)
        m_les1Click();
    else
        switchPanel(m_mainPanel, m_tasksPanel);
}

void TrainerMainWindow::bb_back1Click()
{
    switchPanel(m_tasksPanel, m_mainPanel);
}

void TrainerMainWindow::bb_defClick()
{
    openHelp(m_description.procedure.helpFile);
}
