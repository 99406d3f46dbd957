#include "pci/tlesson.h"

#include "pci/lessonfiles.h"
#include "pci/lessongrid.h"
#include "platform/guard.h"
#include "platform/helpengine.h"
#include "platform/messages.h"
#include "platform/windowframe.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 453;
constexpr int kLabelHeight = 50;
constexpr int kSideLeft = 10 * LessonGrid::CellWidth + 4;
constexpr int kSideWidth = kClientWidth - kSideLeft - 3;

const QString kCheckCaption = QStringLiteral("Результат проверки");

} // namespace

TLesson::TLesson(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Lesson"));
    setWindowTitle(QStringLiteral("Электронный урок - задание № 1"));
    WindowFrame::setToolWindow(this);
    WindowFrame::setFixedClientSize(this, kClientWidth, kClientHeight);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);
    setAutoFillBackground(true);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(6, 0, kClientWidth - 12, kLabelHeight);
    Label1->setWordWrap(true);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    StringGrid1 = new LessonGrid(m_rules, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->move(0, kLabelHeight);

    GroupBox1 = new QGroupBox(QStringLiteral("Результаты"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(kSideLeft, kLabelHeight, kSideWidth, 104);
    QFont small = GroupBox1->font();
    small.setPointSize(small.pointSize() - 1);
    const auto counter = [this, small](const QString &name, int index) {
        auto *label = new QLabel(GroupBox1);
        label->setObjectName(name);
        label->setFont(small);
        label->setGeometry(4, 20 + index * 20, kSideWidth - 6, 18);
        return label;
    };
    Label2 = counter(QStringLiteral("Label2"), 0);
    Label3 = counter(QStringLiteral("Label3"), 1);
    Label4 = counter(QStringLiteral("Label4"), 2);
    Label5 = counter(QStringLiteral("Label5"), 3);

    ReadyBt = button(QStringLiteral("ReadyBt"), QStringLiteral("&Готово"), 0);
    ClearBt = button(QStringLiteral("ClearBt"), QStringLiteral("&Очистить"), 1);
    NextBt = button(QStringLiteral("NextBt"), QStringLiteral("&Дальше"), 2);
    RetryBt = button(QStringLiteral("RetryBt"), QStringLiteral("&Ещё раз"), 3);
    GiveupBt = button(QStringLiteral("GiveupBt"), QStringLiteral("Сда&юсь"), 4);
    HelpBtn = button(QStringLiteral("HelpBtn"), QStringLiteral("&Справка"), 5);
    ExitBt = button(QStringLiteral("ExitBt"), QStringLiteral("&Выход"), 6);
    ExitBt->setDefault(true);
    showButtons();

    Guard::connect(ReadyBt, &QPushButton::clicked, this, &TLesson::ReadyBtClick);
    Guard::connect(ClearBt, &QPushButton::clicked, this, &TLesson::ClearBtClick);
    Guard::connect(NextBt, &QPushButton::clicked, this, &TLesson::NextBtClick);
    Guard::connect(RetryBt, &QPushButton::clicked, this, &TLesson::RetryBtClick);
    Guard::connect(GiveupBt, &QPushButton::clicked, this, &TLesson::GiveupBtClick);
    Guard::connect(HelpBtn, &QPushButton::clicked, this, &TLesson::HelpBtnClick);
    Guard::connect(ExitBt, &QPushButton::clicked, this, &TLesson::ExitBtClick);
    connect(StringGrid1, &LessonGrid::rowSelecting, this,
            [this](int row) { Guard::run(this, [this, row] { StringGrid1SelectCell(row); }); });
    connect(StringGrid1, &LessonGrid::rightClicked, this,
            [this](int column) { Guard::run(this, [this, column] { StringGrid1MouseDown(column); }); });
    WindowFrame::centreOnScreen(this);
}

QPushButton *TLesson::button(const QString &name, const QString &caption, int index)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(kSideLeft, kLabelHeight + 114 + index * 34, kSideWidth, 28);
    return b;
}

int TLesson::run()
{
    FormShow();
    const int result = exec();
    FormHide();
    return result;
}

void TLesson::FormShow()
{
    // The names are read at every opening rather than once at start-up, so a
    // missing file is reported when the student opens the lesson.
    m_pins = LessonFiles::readPins();
    TaskTexts = LessonFiles::readTasks();
    m_rules.start();
    QList<QStringList> answers;
    for (const int task : m_rules.taskOrder())
        answers.append(LessonFiles::readAnswer(task));
    m_answers = answers;
    StringGrid1->setNames(m_pins);
    showCounters();
    NextBtClick();
}

void TLesson::FormHide()
{
    TaskTexts.clear();
}

void TLesson::showButtons()
{
    const LessonRules::Buttons b = m_rules.buttons();
    ReadyBt->setEnabled(b.ready);
    NextBt->setEnabled(b.next);
    RetryBt->setEnabled(b.retry);
    GiveupBt->setEnabled(b.giveUp);
}

void TLesson::showCounters()
{
    Label2->setText(QStringLiteral("Всего вопросов: ") + LessonRules::digit(LessonRules::TaskCount));
    Label3->setText(QStringLiteral("Всего ответов: ") + LessonRules::digit(m_rules.taskIndex()));
    Label4->setText(QStringLiteral("Верных ответов: ") + LessonRules::digit(m_rules.rightCount()));
    Label5->setText(QStringLiteral("Повторено: ") + LessonRules::digit(m_rules.retryCount()));
}

void TLesson::showTask()
{
    Label1->setText(LessonFiles::kTaskPrefix + TaskTexts.value(m_rules.currentTask() - 1));
}

QStringList TLesson::currentAnswer() const
{
    return m_answers.value(m_rules.taskIndex() - 1);
}

void TLesson::StringGrid1SelectCell(int row)
{
    m_rules.selectRow(row);
    StringGrid1->viewport()->update();
}

void TLesson::StringGrid1MouseDown(int column)
{
    m_rules.rightClick(column);
    StringGrid1->viewport()->update();
}

void TLesson::ClearBtClick()
{
    m_rules.clearActiveRow();
    StringGrid1->viewport()->update();
}

void TLesson::NextBtClick()
{
    m_rules.next();
    showButtons();
    StringGrid1->viewport()->update();
    setWindowTitle(m_rules.caption());
    showTask();
}

void TLesson::ReadyBtClick()
{
    const LessonRules::Verdict verdict = m_rules.ready(currentAnswer(), m_pins);
    showButtons();
    showCounters();
    if (!verdict.right) {
        Messages::error(this, QStringLiteral("Ответ неверный"), kCheckCaption);
        Label1->setText(QStringLiteral("Допущена ошибка в диаграммах сигналов:") + verdict.errorText);
        return;
    }
    Messages::exclamation(this, QStringLiteral("Ответ верный"), kCheckCaption);
    if (verdict.lessonEnds)
        endLesson();
    else
        NextBtClick();
}

void TLesson::RetryBtClick()
{
    m_rules.retry();
    showButtons();
    showTask();
    StringGrid1->viewport()->update();
}

void TLesson::GiveupBtClick()
{
    Label1->setText(QStringLiteral("П Р А В И Л Ь Н Ы Й   О Т В Е Т:"));
    const bool last = m_rules.giveUp(currentAnswer());
    showButtons();
    StringGrid1->viewport()->update();
    if (last)
        endLesson();
}

void TLesson::endLesson()
{
    Messages::information(this, m_rules.summaryText(), QStringLiteral("Урок закончен"));
    ExitBtClick();
}

void TLesson::HelpBtnClick()
{
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
}

void TLesson::ExitBtClick()
{
    accept();
}

// Escape clears the row being edited and never closes the lesson.
void TLesson::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Guard::run(this, [this] { ClearBtClick(); });
        return;
    }
    QDialog::keyPressEvent(event);
}
