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

    GroupBox1 = new QGroupBox(QStringLiteral("Вопрос :"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    l_quest = new QLabel(GroupBox1);
    l_quest->setObjectName(QStringLiteral("l_quest"));
    l_quest->setWordWrap(true);
    l_quest->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l_quest->setMinimumHeight(48);
    auto *questionLayout = new QVBoxLayout(GroupBox1);
    questionLayout->addWidget(l_quest);

    rg_ans = new QGroupBox(QStringLiteral("Варианты ответов :"), this);
    rg_ans->setObjectName(QStringLiteral("rg_ans"));
    auto *answerLayout = new QVBoxLayout(rg_ans);
    answerLayout->setSpacing(4);
    answerLayout->addStretch(1);
    m_answers = new QButtonGroup(this);
    m_answers->setExclusive(true);

    Label1 = new QLabel(QStringLiteral("Кол-во вопросов :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    all_e = new QLineEdit(QStringLiteral("0"), this);
    all_e->setObjectName(QStringLiteral("all_e"));
    all_e->setReadOnly(true);
    all_e->setFixedWidth(48);
    all_e->setFocusPolicy(Qt::NoFocus);
    Label2 = new QLabel(QStringLiteral("Правильных ответов :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    right_e = new QLineEdit(QStringLiteral("0"), this);
    right_e->setObjectName(QStringLiteral("right_e"));
    right_e->setReadOnly(true);
    right_e->setFixedWidth(48);
    right_e->setFocusPolicy(Qt::NoFocus);
    b_next = new QPushButton(QStringLiteral("OK"), this);
    b_next->setObjectName(QStringLiteral("b_next"));
    b_next->setMinimumSize(100, 30);
    // Not a default button: Enter answers only once an option is chosen (see keyPressEvent).
    b_next->setAutoDefault(false);

    auto *counts = new QGridLayout;
    counts->addWidget(Label1, 0, 0);
    counts->addWidget(all_e, 0, 1);
    counts->addWidget(Label2, 1, 0);
    counts->addWidget(right_e, 1, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(counts);
    bottom->addStretch(1);
    bottom->addWidget(b_next, 0, Qt::AlignVCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(rg_ans, 1);
    layout->addLayout(bottom);

    Guard::connect(b_next, &QPushButton::clicked, this, &QuestionWindow::b_nextClick);
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
    l_quest->setText(question.text);
    auto *layout = static_cast<QVBoxLayout *>(rg_ans->layout());
    int index = 0;
    for (const QString &text : question.options) {
        if (index >= QuestionSet::kMaxOptions)
            break;
        auto *option = new OptionButton(text, rg_ans);
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
    rg_ans->layout()->activate();
}

void QuestionWindow::b_nextClick()
{
    if (m_set.finished()) {
        close();
        return;
    }
    const bool right = m_set.answer(m_answers->checkedId());
    all_e->setText(QString::number(m_set.asked()));
    if (right) {
        right_e->setText(QString::number(m_set.right()));
        Messages::information(this, QStringLiteral("Ответ верный !"));
    } else {
        Messages::error(this, QStringLiteral("Ответ неверный. "));
    }
    if (!m_set.finished())
        showQuestion();
    else
        b_next->setText(QStringLiteral("Выход"));
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
        const bool leaving = m_set.finished() && b_next->hasFocus();
        if (answering || leaving)
            b_next->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
