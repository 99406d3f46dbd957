#include "scsi/trainermainwindow.h"

#include "platform/guard.h"
#include "scsi/registrationdialog.h"
#include "scsi/statisticsdialog.h"
#include "scsi/trainerlayout.h"
#include "shell/tfpracticum.h"
#include "shell/windowset.h"

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

} // namespace

TrainerMainWindow::TrainerMainWindow(const QString &name, const QString &title, const QColor &background,
                                     const QColor &titleColour, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setWindowTitle(title);
    setMinimumSize(390, 450);
    resize(560, 500);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, titleColour);
    m_client->setPalette(palette);
    m_client->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_client);

    Bevel1 = new QFrame(m_client);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);

    Label1 = new QLabel(QStringLiteral("Электронный учебник по интерфейсу"), m_client);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont font1 = Label1->font();
    font1.setPointSize(12);
    font1.setBold(true);
    Label1->setFont(font1);
    Label1->adjustSize();

    Label2 = new QLabel(title, m_client);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont font2 = Label2->font();
    font2.setPointSize(44);
    font2.setBold(true);
    Label2->setFont(font2);
    Label2->adjustSize();

    Panel_but = new QWidget(m_client);
    Panel_but->setObjectName(QStringLiteral("Panel_but"));
    Panel_inf = new QWidget(m_client);
    Panel_inf->setObjectName(QStringLiteral("Panel_inf"));
    Panel_inf->hide();
    Panel_les = new QWidget(m_client);
    Panel_les->setObjectName(QStringLiteral("Panel_les"));
    Panel_les->hide();

    m_file = new QMenu(QStringLiteral("Файл"), this);
    m_file->setObjectName(QStringLiteral("m_file"));
    m_reg = addAction(m_file, QStringLiteral("m_reg"), QStringLiteral("Регистрация"));
    m_stat = addAction(m_file, QStringLiteral("m_stat"), QStringLiteral("Статистика"));
    m_file->addSeparator();
    m_exit = addAction(m_file, QStringLiteral("m_exit"), QStringLiteral("Выход"));
    m_tasks = new QMenu(QStringLiteral("Задания"), this);
    m_tasks->setObjectName(QStringLiteral("m_tasks"));
    m_help = new QMenu(QStringLiteral("Помощь"), this);
    m_help->setObjectName(QStringLiteral("m_help"));

    Guard::connect(m_reg, &QAction::triggered, this, &TrainerMainWindow::m_regClick);
    Guard::connect(m_stat, &QAction::triggered, this, &TrainerMainWindow::m_statClick);
    Guard::connect(m_exit, &QAction::triggered, this, &TrainerMainWindow::m_exitClick);

    m_client->installEventFilter(this);
}

QPushButton *TrainerMainWindow::addButton(QWidget *panel, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, panel);
    button->setObjectName(name);
    const int index = int(panel->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly).size()) - 1;
    button->setGeometry(0, index * (kButtonHeight + kButtonGap), kButtonWidth, kButtonHeight);
    return button;
}

QAction *TrainerMainWindow::addAction(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void TrainerMainWindow::sizePanels()
{
    int buttons = 0;
    for (QWidget *panel : {Panel_but, Panel_inf, Panel_les})
        buttons = std::max(buttons, int(panel->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly).size()));
    const QSize size(kButtonWidth, buttons * kButtonHeight + std::max(0, buttons - 1) * kButtonGap);
    for (QWidget *panel : {Panel_but, Panel_inf, Panel_les})
        panel->resize(size);
}

void TrainerMainWindow::FormCreate()
{
    m_record.clear();
    m_about = createAboutBox();
    m_h_about = addAction(m_help, QStringLiteral("m_h_about"), QStringLiteral("О программе"));
    Guard::connect(m_h_about, &QAction::triggered, this, &TrainerMainWindow::m_h_aboutClick);
    sizePanels();
    FormResize();
}

void TrainerMainWindow::FormResize()
{
    const TrainerLayout::Geometry g =
        TrainerLayout::arrange(m_client->size(), Label1->size(), Label2->size(), Panel_but->size());
    Bevel1->setGeometry(g.bevel);
    Label1->setGeometry(g.label1);
    Label2->setGeometry(g.label2);
    Panel_but->setGeometry(g.panel);
    Panel_inf->move(g.panel.topLeft());
    Panel_les->move(g.panel.topLeft());
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
    if (!MMenu1) {
        MMenu1 = new QMenuBar(this);
        MMenu1->setObjectName(QStringLiteral("MMenu1"));
        for (QMenu *menu : {m_file, m_tasks, m_help})
            MMenu1->addMenu(menu);
        layout()->setMenuBar(MMenu1);
    }
    return MMenu1;
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
    if (m_about)
        m_about->exec();
    RegisterStudent();
    m_firstActivationDone = true;
}

void TrainerMainWindow::closeEvent(QCloseEvent *event)
{
    Guard::run(this, [this] { FormClose(); });
    event->accept();
}

void TrainerMainWindow::FormClose()
{
    m_firstActivationDone = false;
    if (FPracticum) {
        FPracticum->show();
        FPracticum->raise();
    }
}

void TrainerMainWindow::RegisterStudent()
{
    if (RegistrationDialog *dialog = registrationDialog())
        dialog->registerStudent(m_record);
}

void TrainerMainWindow::ShowStatistics()
{
    if (StatisticsDialog *dialog = statisticsDialog())
        dialog->showStatistics(m_record);
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
    if (m_about)
        m_about->exec();
}

void TrainerMainWindow::bb_infClick()
{
    Panel_but->hide();
    Panel_inf->show();
}

void TrainerMainWindow::bb_backClick()
{
    Panel_inf->hide();
    Panel_but->show();
}

void TrainerMainWindow::bb_back1Click()
{
    Panel_les->hide();
    Panel_but->show();
}
