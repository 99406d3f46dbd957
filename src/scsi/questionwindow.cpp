#include "scsi/questionwindow.h"

#include "platform/guard.h"
#include "platform/messages.h"
#include "scsi/editchain.h"
#include "scsi/optionbutton.h"
#include "scsi/studentrecord.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QuestionWindow::QuestionWindow(StudentRecord &record, const QString &questionFile, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_record(record)
    , m_file(questionFile)
{
    setWindowTitle(QStringLiteral("Вопросы"));
    setMinimumSize(560, 400);
    resize(560, 430);

    m_questionBox = new QGroupBox(QStringLiteral("Вопрос :"), this);
    m_questionBox->setObjectName(QStringLiteral("GroupBox1"));
    m_questionText = new QLabel(m_questionBox);
    m_questionText->setObjectName(QStringLiteral("l_quest"));
    m_questionText->setWordWrap(true);
    m_questionText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_questionText->setMinimumHeight(48);
    auto *questionLayout = new QVBoxLayout(m_questionBox);
    questionLayout->addWidget(m_questionText);

    m_optionsBox = new QGroupBox(QStringLiteral("Варианты ответов :"), this);
    m_optionsBox->setObjectName(QStringLiteral("rg_ans"));
    auto *answerLayout = new QVBoxLayout(m_optionsBox);
    answerLayout->setSpacing(4);
    answerLayout->addStretch(1);
    m_answers = new QButtonGroup(this);
    m_answers->setExclusive(true);

    // A counter: its title and a narrow read-only edit, one row of the grid.
    auto *counts = new QGridLayout;
    int countRow = 0;
    const auto addCounter = [this, counts, &countRow](const QString &labelName, const QString &title,
                                                      const QString &editName) {
        auto *label = new QLabel(title, this);
        label->setObjectName(labelName);
        auto *edit = new QLineEdit(QStringLiteral("0"), this);
        edit->setObjectName(editName);
        edit->setReadOnly(true);
        edit->setFixedWidth(48);
        edit->setFocusPolicy(Qt::NoFocus);
        counts->addWidget(label, countRow, 0);
        counts->addWidget(edit, countRow++, 1);
        return edit;
    };
    m_askedCount = addCounter(QStringLiteral("Label1"), QStringLiteral("Кол-во вопросов :"), QStringLiteral("all_e"));
    m_rightCount =
        addCounter(QStringLiteral("Label2"), QStringLiteral("Правильных ответов :"), QStringLiteral("right_e"));
    m_next = new QPushButton(QStringLiteral("OK"), this);
    m_next->setObjectName(QStringLiteral("b_next"));
    m_next->setMinimumSize(100, 30);
    // Not a default button: Enter answers only once an option is chosen (see keyPressEvent).
    m_next->setAutoDefault(false);

    auto *bottom = new QHBoxLayout;
    bottom->addLayout(counts);
    bottom->addStretch(1);
    bottom->addWidget(m_next, 0, Qt::AlignVCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_questionBox);
    layout->addWidget(m_optionsBox, 1);
    layout->addLayout(bottom);

    Guard::connect(m_next, &QPushButton::clicked, this, &QuestionWindow::b_nextClick);
    FormCreate();
}

void QuestionWindow::FormCreate()
{
    m_set.load(m_file);
    showQuestion();
}

void QuestionWindow::showQuestion()
{
    for (QRadioButton *option : std::as_const(m_options)) {
        m_answers->removeButton(option);
        delete option;
    }
    m_options.clear();

    const QuestionSet::Question &question = m_set.current();
    m_questionText->setText(question.text);
    auto *layout = static_cast<QVBoxLayout *>(m_optionsBox->layout());
    int index = 0;
    for (const QString &text : question.options) {
        if (index >= QuestionSet::kMaxOptions)
            break;
        auto *option = new OptionButton(text, m_optionsBox);
        option->setObjectName(QStringLiteral("rb_ans%1").arg(index));
        m_answers->addButton(option, index);
        layout->insertWidget(index, option);
        // At once, not when the event loop comes round: the window's height depends on it.
        option->show();
        m_options.append(option);
        ++index;
    }
    growToFit();
}

void QuestionWindow::growToFit()
{
    // The options wrap at the window's width; a question with many long
    // options makes the window taller rather than cutting them off.
    QLayout *windowLayout = layout();
    windowLayout->invalidate();
    windowLayout->activate();
    const int needed = windowLayout->totalHeightForWidth(width());
    if (needed > height())
        resize(width(), needed);
    windowLayout->activate();
    m_optionsBox->layout()->activate();
}

void QuestionWindow::b_nextClick()
{
    if (m_set.finished()) {
        close();
        return;
    }
    const bool right = m_set.answer(m_answers->checkedId());
    m_askedCount->setText(QString::number(m_set.asked()));
    if (right) {
        m_rightCount->setText(QString::number(m_set.right()));
        Messages::information(this, QStringLiteral("Ответ верный !"));
    } else {
        Messages::error(this, QStringLiteral("Ответ неверный. "));
    }
    if (!m_set.finished())
        showQuestion();
    else
        m_next->setText(QStringLiteral("Выход"));
}

void QuestionWindow::FormClose()
{
    if (m_recorded)
        return;
    m_recorded = true;
    m_record.add(StudentRecord::QuestionsAsked, QuestionSet::kQuestionCount);
    m_record.add(StudentRecord::QuestionsRight, m_set.right());
}

void QuestionWindow::done(int result)
{
    Guard::run(this, [this] { FormClose(); });
    QDialog::done(result);
}

void QuestionWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape would close the test and count five questions asked.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (EditChain::isEnter(event)) {
        event->accept();
        const bool answering = !m_set.finished() && m_answers->checkedId() >= 0;
        const bool leaving = m_set.finished() && m_next->hasFocus();
        if (answering || leaving)
            m_next->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
