#include "scsi/tform1.h"

#include "platform/guard.h"
#include "platform/messages.h"
#include "scsi/formcontrols.h"
#include "scsi/phasechainview.h"
#include "scsi/tfmdlg1.h"
#include "scsi/thelp_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

TForm1::TForm1(StudentRecord &record, QWidget *parent)
    : QDialog(parent)
    , m_exercise(record)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Задание 1 ( фазы шины SCSI )"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(800, 588);
    buildTaskAndPhase(client);
    buildButtonsAndCounters(client);
    buildChain(client);
    buildMenu();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menu);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Guard::connect(m_add, &QPushButton::clicked, this, &TForm1::Add_btnClick);
    Guard::connect(m_reset, &QPushButton::clicked, this, &TForm1::res_butClick);
    Guard::connect(m_ready, &QPushButton::clicked, this, &TForm1::Ready_btnClick);
    Guard::connect(m_phaseList, &QComboBox::currentIndexChanged, this, &TForm1::Phase_boxChange);
    Guard::connect(m_sizesAction, &QAction::triggered, this, &TForm1::size1Click);
    Guard::connect(m_hintAction, &QAction::triggered, this, &TForm1::help_pan1Click);
}

// The task text, the phase list and the signal check boxes.
void TForm1::buildTaskAndPhase(QWidget *client)
{
    auto *taskBox = new QGroupBox(
        QStringLiteral("Расставьте фазы шины SCSI для следующего процесса( и укажите сигналы ):"), client);
    taskBox->setObjectName(QStringLiteral("GroupBox1"));
    taskBox->setGeometry(10, 6, 780, 112);
    m_taskText = FormControls::label(QStringLiteral("Question_label"), QString(), taskBox, QRect(12, 24, 756, 80));
    m_taskText->setWordWrap(true);
    m_taskText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    FormControls::label(QStringLiteral("Label1"), QStringLiteral("Фаза шины :"), client, QRect(12, 130, 90, 24));
    m_phaseList = new QComboBox(client);
    m_phaseList->setObjectName(QStringLiteral("Phase_box"));
    m_phaseList->setEditable(false);
    for (int code = 0; code < PhaseTable::kPhaseCount; ++code)
        m_phaseList->addItem(PhaseTable::listItem(code));
    m_phaseList->setGeometry(104, 130, 170, 26);
    m_phaseList->setMaxVisibleItems(PhaseTable::kPhaseCount);

    auto *signalGroup = new QGroupBox(QStringLiteral("Сигналы шины"), client);
    signalGroup->setObjectName(QStringLiteral("GroupBox2"));
    signalGroup->setGeometry(10, 164, 420, 100);
    for (int i = 0; i < PhaseTable::kSignalCount; ++i) {
        auto *box = new QCheckBox(PhaseTable::caption(PhaseTable::signalTable()[i]), signalGroup);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        box->setGeometry(12 + (i % 3) * 136, 24 + (i / 3) * 24, 130, 22);
        m_signals[i] = box;
    }
}

// "Добавить", "Сброс", "ГОТОВО" and the counters panel.
void TForm1::buildButtonsAndCounters(QWidget *client)
{
    m_add =
        FormControls::button(QStringLiteral("Add_btn"), QStringLiteral("Добавить"), client, QRect(290, 128, 140, 30));
    m_reset =
        FormControls::button(QStringLiteral("res_but"), PhaseExercise::kResetCaption, client, QRect(444, 128, 140, 30));
    m_ready = FormControls::button(QStringLiteral("Ready_btn"), PhaseExercise::kReadyCaption, client,
                                   QRect(444, 170, 140, 94));
    QFont readyFont = m_ready->font();
    readyFont.setBold(true);
    m_ready->setFont(readyFont);

    auto *panel = new QFrame(client);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(598, 128, 192, 136);
    FormControls::label(QStringLiteral("Label2"), QStringLiteral("Кол-во заданий :"), panel, QRect(10, 30, 138, 24));
    m_allTasks = FormControls::counter(QStringLiteral("e_all_les"), panel, QRect(146, 30, 36, 24));
    FormControls::label(QStringLiteral("Label3"), QStringLiteral("Выполненно верно :"), panel, QRect(10, 82, 138, 24));
    m_rightTasks = FormControls::counter(QStringLiteral("e_r_les"), panel, QRect(146, 82, 36, 24));
}

// The drawn chain in its sunken frame.
void TForm1::buildChain(QWidget *client)
{
    auto *frame = new QFrame(client);
    frame->setObjectName(QStringLiteral("Main_Box_frame"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(9, 273, 782, 313);
    m_chain = new PhaseChainView(m_exercise, frame);
    m_chain->move(1, 1);
}

// "Параметры": "Размеры" and the hint panel's check item.
void TForm1::buildMenu()
{
    m_menu = new QMenuBar(this);
    m_menu->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *parameters = m_menu->addMenu(QStringLiteral("Параметры"));
    parameters->setObjectName(QStringLiteral("N1"));
    m_sizesAction = parameters->addAction(QStringLiteral("Размеры"));
    m_sizesAction->setObjectName(QStringLiteral("size1"));
    parameters->addSeparator()->setObjectName(QStringLiteral("N2"));
    m_hintAction = parameters->addAction(QStringLiteral("Панель подсказки"));
    m_hintAction->setObjectName(QStringLiteral("help_pan1"));
    m_hintAction->setCheckable(true);
    m_hintAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    addAction(m_hintAction);
}

void TForm1::FormCreate()
{
    m_hintPanel = new Thelp_panel(this);
    Guard::connect(m_hintPanel, &Thelp_panel::closed, this, &TForm1::help_panelClose);
    m_parametersDialog = new TFMDlg1(m_exercise, this);
    connect(m_parametersDialog, &TFMDlg1::applied, m_chain, qOverload<>(&QWidget::update));
    New_les_load();
}

void TForm1::New_les_load()
{
    if (!m_exercise.loadTask()) {
        Messages::information(this, PhaseExercise::emptyFileMessage());
        return;
    }
    m_taskText->setText(m_exercise.task().text);
    m_phaseList->setCurrentIndex(0);
    for (QCheckBox *box : m_signals)
        box->setChecked(false);
}

void TForm1::Add_btnClick()
{
    PhaseStep step;
    step.phase = m_phaseList->currentIndex();
    for (int i = 0; i < PhaseTable::kSignalCount; ++i) {
        if (m_signals[i]->isChecked())
            step.mask |= PhaseTable::signalTable()[i].bit;
    }
    if (m_exercise.addStep(step))
        m_chain->update();
}

void TForm1::Phase_boxChange()
{
    if (!m_add->isEnabled() && !m_phaseList->currentText().isEmpty())
        m_add->setEnabled(true);
}

void TForm1::Ready_btnClick()
{
    if (m_exercise.tally().checked()) {
        close();
        return;
    }
    const PhaseExercise::Verdict verdict = m_exercise.check();
    showCounts();
    if (verdict.right())
        Messages::information(this, verdict.message);
    else
        Messages::error(this, verdict.message);
    m_ready->setText(m_exercise.readyCaption());
    m_reset->setText(m_exercise.resetCaption());
}

void TForm1::res_butClick()
{
    m_exercise.restart();
    m_reset->setText(m_exercise.resetCaption());
    m_ready->setText(m_exercise.readyCaption());
    m_chain->update();
    New_les_load();
}

void TForm1::size1Click()
{
    m_parametersDialog->exec();
}

void TForm1::help_pan1Click()
{
    // The action has already toggled its check mark.
    if (m_hintAction->isChecked()) {
        m_hintPanel->show();
        m_hintPanel->raise();
    } else {
        m_hintPanel->hide();
    }
}

void TForm1::help_panelClose()
{
    m_hintAction->setChecked(false);
}

void TForm1::FormClose()
{
    m_exercise.close();
    m_hintPanel->hide();
    m_parametersDialog->hide();
}

void TForm1::showCounts()
{
    m_allTasks->setText(QString::number(m_exercise.tally().tasksGiven()));
    m_rightTasks->setText(QString::number(m_exercise.tally().tasksRight()));
}

void TForm1::done(int result)
{
    // Every way out (title-bar close, "Выход", Escape) passes here.
    Guard::run(this, [this] { FormClose(); });
    QDialog::done(result);
}

void TForm1::keyPressEvent(QKeyEvent *event)
{
    // A working window: Escape does not throw the chain away.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
