#include "isa/tinteractform.h"

#include "isa/interactschematic.h"
#include "isa/isacontrols.h"
#include "isa/isawindows.h"
#include "isa/tisaform.h"
#include "isa/tresinteractform.h"
#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QPoint kPaintBox(112, 52);

// A grey device panel, placed in the paint box's coordinates.
void devicePanel(QWidget *window, const QString &name, const QString &caption, const QRect &inPaintBox)
{
    QFrame *panel = IsaControls::panel(name, window, inPaintBox.translated(kPaintBox));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    panel->setPalette(palette);
    QLabel *label =
        IsaControls::label(name + QStringLiteral("Caption"), caption, panel, QRect(QPoint(0, 0), inPaintBox.size()));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
}

QLabel *counterLabel(QWidget *panel, int number, const QString &caption, int top)
{
    IsaControls::label(QStringLiteral("Label%1").arg(number - 4), caption, panel, QRect(8, top, 110, 20));
    QLabel *value =
        IsaControls::label(QStringLiteral("Label%1").arg(number), QStringLiteral("0"), panel, QRect(112, top, 36, 20));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return value;
}

} // namespace

TInteractForm::TInteractForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("InteractForm"));
    setWindowTitle(QStringLiteral("Изучение взаимодействия устройств на шине"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::None);
    resize(691, 519);

    Panel1 = IsaControls::panel(QStringLiteral("Panel1"), this, QRect(0, 0, 691, 48));
    Label2 = IsaControls::label(
        QStringLiteral("Label2"),
        QStringLiteral("Смоделируйте заданный цикл шины, указав те сигналы,которые в нем участвуют."), Panel1,
        QRect(8, 4, 675, 18));
    Label3 = IsaControls::label(QStringLiteral("Label3"), QString(), Panel1, QRect(8, 24, 90, 20));
    Label4 = IsaControls::label(QStringLiteral("Label4"), QString(), Panel1, QRect(100, 24, 583, 20));
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label4->setFont(bold);
    Label4->setStyleSheet(QStringLiteral("color: navy"));

    QFont small = font();
    small.setPointSize(8);
    for (int row = 0; row < InteractAnswers::SignalCount; ++row) {
        auto *box = new QCheckBox(InteractAnswers::signalCaption(row), this);
        box->setObjectName(InteractAnswers::checkBoxName(row));
        box->setGeometry(0, 232 + 16 * row, 112, 16);
        box->setFont(small);
        QObject::connect(box, &QCheckBox::toggled, this,
                         [this, row] { Guard::run(this, [this, row] { CheckBoxClick(row); }); });
        m_boxes[row] = box;
    }

    PaintBox1 = new TSchematicBox(this);
    PaintBox1->setGeometry(QRect(kPaintBox, QSize(409, 437)));
    devicePanel(this, QStringLiteral("Panel2"), QStringLiteral("УВВ"), QRect(36, 88, 90, 66));
    devicePanel(this, QStringLiteral("Panel4"), QStringLiteral("ПАМЯТЬ"), QRect(156, 88, 90, 66));
    devicePanel(this, QStringLiteral("Panel5"), QStringLiteral("ЦПУ"), QRect(272, 88, 90, 66));
    devicePanel(this, QStringLiteral("Panel6"), QStringLiteral("КПДП"), QRect(336, 388, 66, 50));

    Panel3 = IsaControls::panel(QStringLiteral("Panel3"), this, QRect(528, 52, 159, 437));
    QLabel *results =
        IsaControls::label(QStringLiteral("Label5"), QStringLiteral("Результаты:"), Panel3, QRect(8, 8, 143, 20));
    results->setFont(bold);
    Label10 = counterLabel(Panel3, 10, QStringLiteral("Всего вопросов:"), 36);
    Label10->setText(QStringLiteral("5"));
    Label11 = counterLabel(Panel3, 11, QStringLiteral("Всего ответов:"), 60);
    Label12 = counterLabel(Panel3, 12, QStringLiteral("Верных оветов:"), 84);
    Label13 = counterLabel(Panel3, 13, QStringLiteral("Повторов:"), 108);

    BitBtn1 = IsaControls::button(QStringLiteral("BitBtn1"), QStringLiteral("Готово"), Panel3, QRect(16, 160, 127, 32));
    BitBtn2 =
        IsaControls::button(QStringLiteral("BitBtn2"), QStringLiteral("Очистить"), Panel3, QRect(16, 204, 127, 32));
    BitBtn3 = IsaControls::button(QStringLiteral("BitBtn3"), QStringLiteral("Дальше"), Panel3, QRect(16, 248, 127, 32));
    BitBtn5 = IsaControls::button(QStringLiteral("BitBtn5"), QStringLiteral("Сдаюсь"), Panel3, QRect(16, 292, 127, 32));
    BitBtn6 = IsaControls::button(QStringLiteral("BitBtn6"), QStringLiteral("Выход"), Panel3, QRect(16, 388, 127, 32));

    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TInteractForm::BitBtn1Click);
    Guard::connect(BitBtn2, &QPushButton::clicked, this, &TInteractForm::BitBtn2Click);
    Guard::connect(BitBtn3, &QPushButton::clicked, this, &TInteractForm::BitBtn3Click);
    Guard::connect(BitBtn5, &QPushButton::clicked, this, &TInteractForm::BitBtn5Click);
    Guard::connect(BitBtn6, &QPushButton::clicked, this, &TInteractForm::BitBtn6Click);
    showControls();
    WindowFrame::centreOnScreen(this);
}

void TInteractForm::StartExercise(QWidget *from)
{
    Navigation::goTo(from, this);
    m_exercise.start();
    showTask();
}

void TInteractForm::showTask()
{
    Label3->setText(m_exercise.heading());
    Label4->setText(m_exercise.title());
    PaintBox1->setDevices(m_exercise.devices());
    setBoxes({});
    PaintBox1->drawPlain();
    showControls();
    showCounters();
}

void TInteractForm::CheckBoxClick(int row)
{
    PaintBox1->mark(row, m_boxes[row]->isChecked());
}

void TInteractForm::BitBtn1Click()
{
    InteractAnswers::Row boxes{};
    for (int row = 0; row < InteractAnswers::SignalCount; ++row)
        boxes[row] = m_boxes[row]->isChecked();
    const int errors = m_exercise.check(boxes);
    showControls();
    ResInteractForm->showErrors(errors, m_exercise.verdict(errors));
}

void TInteractForm::ResultAcknowledged(int errors)
{
    PaintBox1->drawPlain();
    switch (m_exercise.acknowledge(errors)) {
    case InteractExercise::Outcome::Closed:
        ResInteractForm->resetHeading();
        break;
    case InteractExercise::Outcome::ShowMark:
        showMark();
        break;
    case InteractExercise::Outcome::Accepted:
        break;
    case InteractExercise::Outcome::TryAgain:
    case InteractExercise::Outcome::OnlyGiveUp:
        setBoxes({});
        break;
    }
    showControls();
    showCounters();
}

void TInteractForm::BitBtn2Click()
{
    setBoxes({});
    PaintBox1->drawPlain();
}

void TInteractForm::BitBtn3Click()
{
    if (m_exercise.next()) {
        showControls();
        showCounters();
        showMark();
    } else {
        showTask();
    }
}

void TInteractForm::BitBtn5Click()
{
    setBoxes(m_exercise.giveUp());
    showControls();
}

void TInteractForm::BitBtn6Click()
{
    hide();
    Navigation::show(ISAForm);
}

void TInteractForm::closeEvent(QCloseEvent *event)
{
    IsaControls::refuseClose(event);
}

// Each change of a box runs its handler, which draws or erases the row.
void TInteractForm::setBoxes(const InteractAnswers::Row &row)
{
    for (int k = 0; k < InteractAnswers::SignalCount; ++k)
        m_boxes[k]->setChecked(row[k]);
}

void TInteractForm::showControls()
{
    const InteractExercise::Controls &controls = m_exercise.controls();
    BitBtn1->setEnabled(controls.ready);
    BitBtn2->setEnabled(controls.clear);
    BitBtn3->setEnabled(controls.next);
    BitBtn5->setEnabled(controls.giveUp);
    BitBtn6->setEnabled(controls.exit);
    for (QCheckBox *box : m_boxes)
        box->setEnabled(controls.boxes);
}

void TInteractForm::showCounters()
{
    Label11->setText(QString::number(m_exercise.answers()));
    Label12->setText(QString::number(m_exercise.correct()));
    Label13->setText(QString::number(m_exercise.retries()));
}

void TInteractForm::showMark()
{
    ResInteractForm->showMark(m_exercise.finalMark());
}
