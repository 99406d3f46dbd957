#include "isa/tkontrqform.h"

#include "isa/isacontrols.h"
#include "isa/isawindows.h"
#include "isa/tisaform.h"
#include "isa/tresultform.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

TKontrQForm::TKontrQForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("KontrQForm"));
    setWindowTitle(QStringLiteral("Контрольные вопросы"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::None);
    resize(475, 374);

    Panel1 = IsaControls::panel(QStringLiteral("Panel1"), this, QRect(4, 4, 467, 92));
    Label1 = IsaControls::label(QStringLiteral("Label1"), QString(), Panel1, QRect(8, 4, 451, 22));
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSize(heading.pointSize() + 2);
    Label1->setFont(heading);
    Label1->setAlignment(Qt::AlignCenter);
    Label7 = IsaControls::label(QStringLiteral("Label7"), QString(), Panel1, QRect(8, 28, 451, 58));
    Label7->setWordWrap(true);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont question = Label7->font();
    question.setBold(true);
    Label7->setFont(question);

    Panel3 = IsaControls::panel(QStringLiteral("Panel3"), this, QRect(4, 100, 310, 270));
    RadioGroup1 = new QGroupBox(QStringLiteral("Выберите правильный ответ"), Panel3);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(6, 6, 298, 258);
    // The cycle options of questions 4 and 5 are long: the font of the dialogs keeps them on one line.
    QFont options = RadioGroup1->font();
    options.setPointSize(8);
    m_options = new QButtonGroup(this);
    for (int i = 0; i < IsaQuestionBank::ButtonCount; ++i) {
        auto *radio = new QRadioButton(RadioGroup1);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        radio->setGeometry(10, 26 + 38 * i, 282, 32);
        radio->setFont(options);
        m_options->addButton(radio, i + 1);
        RadioButton[i] = radio;
    }

    Panel2 = IsaControls::panel(QStringLiteral("Panel2"), this, QRect(318, 100, 153, 270));
    QLabel *results =
        IsaControls::label(QStringLiteral("Label4"), QStringLiteral("РЕЗУЛЬТАТЫ:"), Panel2, QRect(8, 8, 137, 20));
    results->setFont(question);
    IsaControls::label(QStringLiteral("Label2"), QStringLiteral("Всего вопросов:"), Panel2, QRect(8, 36, 105, 20));
    Label5 = IsaControls::label(QStringLiteral("Label5"), QStringLiteral("0"), Panel2, QRect(113, 36, 32, 20));
    IsaControls::label(QStringLiteral("Label3"), QStringLiteral("Верных ответов:"), Panel2, QRect(8, 60, 105, 20));
    Label6 = IsaControls::label(QStringLiteral("Label6"), QStringLiteral("0"), Panel2, QRect(113, 60, 32, 20));
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    BitBtn1 =
        IsaControls::button(QStringLiteral("BitBtn1"), QStringLiteral("&Готово"), Panel2, QRect(16, 150, 121, 32));
    BitBtn2 = IsaControls::button(QStringLiteral("BitBtn2"), QStringLiteral("&Выход"), Panel2, QRect(16, 200, 121, 32));
    BitBtn2->setEnabled(false);

    // "&Готово" is the default button: Enter presses it while it is usable.
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        QObject::connect(shortcut, &QShortcut::activated, this, [this] {
            if (BitBtn1->isEnabled())
                BitBtn1->click();
        });
    }
    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TKontrQForm::BitBtn1Click);
    Guard::connect(BitBtn2, &QPushButton::clicked, this, &TKontrQForm::BitBtn2Click);
    WindowFrame::centreOnScreen(this);
}

void TKontrQForm::StartControlQuestions(QWidget *from)
{
    Navigation::goTo(from, this);
    m_questions.start();
    clearSelection();
    for (QRadioButton *radio : RadioButton)
        radio->setEnabled(true);
    showQuestion();
    BitBtn1->setEnabled(true);
    BitBtn2->setEnabled(false);
    Label5->setText(QStringLiteral("0"));
    Label6->setText(QStringLiteral("0"));
}

void TKontrQForm::BitBtn1Click()
{
    const bool right = m_questions.answer(selectedButton());
    Messages::information(this, right ? QStringLiteral("ответ верный") : QStringLiteral("ответ неправильный"),
                          QStringLiteral("Контрольные вопросы"));
    Label5->setText(QString::number(m_questions.answered()));
    Label6->setText(QString::number(m_questions.right()));
    clearSelection();
    if (!m_questions.finished()) {
        showQuestion();
        return;
    }
    ResultForm->showResult(m_questions.answered(), m_questions.right(), m_questions.mark());
    for (QRadioButton *radio : RadioButton)
        radio->setEnabled(false);
    BitBtn1->setEnabled(false);
}

void TKontrQForm::BitBtn2Click()
{
    hide();
    Navigation::show(ISAForm);
}

void TKontrQForm::ResultAcknowledged()
{
    BitBtn2->setEnabled(true);
}

void TKontrQForm::closeEvent(QCloseEvent *event)
{
    IsaControls::refuseClose(event);
}

void TKontrQForm::showQuestion()
{
    const int question = m_questions.questionNo();
    const int variant = m_questions.variant();
    Label1->setText(QStringLiteral("Вопрос %1").arg(question));
    Label7->setText(IsaQuestionBank::text(question, variant));
    const QList<int> used = IsaQuestionBank::buttons(question);
    for (int button = 1; button <= IsaQuestionBank::ButtonCount; ++button) {
        QRadioButton *radio = RadioButton[button - 1];
        radio->setText(IsaQuestionBank::option(question, variant, button));
        radio->setVisible(used.contains(button));
    }
}

void TKontrQForm::clearSelection()
{
    m_options->setExclusive(false);
    for (QRadioButton *radio : RadioButton)
        radio->setChecked(false);
    m_options->setExclusive(true);
}

int TKontrQForm::selectedButton() const
{
    const int id = m_options->checkedId();
    return id > 0 ? id : 0;
}
