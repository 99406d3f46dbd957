#include "pci/tcontrolques.h"

#include "platform/guard.h"
#include "platform/icons.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "platform/windowframe.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TControlQues::TControlQues(QWidget *parent)
    : PciDialog(parent)
    , m_quiz(ControlQuiz::readKey())
{
    setObjectName(QStringLiteral("ControlQues"));
    setWindowTitle(QStringLiteral("Контрольные вопросы"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::CloseAndMinimise);

    m_quiz.draw();
    for (const int question : m_quiz.chosen()) {
        m_texts.append(TextFile::readLines(ControlQuiz::questionPath(question)));
        m_variants.append(TextFile::readLines(ControlQuiz::variantsPath(question)));
    }

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont big = Label1->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    Label1->setFont(big);

    GroupBox1 = new QGroupBox(QStringLiteral("Текст вопроса"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Memo1 = new QPlainTextEdit(GroupBox1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    auto *questionLayout = new QVBoxLayout(GroupBox1);
    questionLayout->addWidget(Memo1);

    RadioGroup1 = new QGroupBox(QStringLiteral("Варианты ответов"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    m_variantLayout = new QVBoxLayout(RadioGroup1);
    m_variantGroup = new QButtonGroup(this);

    BitBtn1 = new QPushButton(Icons::standard(QStyle::SP_DialogApplyButton), QStringLiteral("&Ответ готов"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    CloseBt = new QPushButton(Icons::standard(QStyle::SP_DialogCloseButton), QStringLiteral("&Выход"), this);
    CloseBt->setObjectName(QStringLiteral("CloseBt"));
    for (QPushButton *b : {BitBtn1, CloseBt}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(130);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addSpacing(24);
    buttons->addWidget(CloseBt);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(GroupBox1, 1);
    layout->addWidget(RadioGroup1);
    layout->addLayout(buttons);

    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TControlQues::BitBtn1Click);
    Guard::connect(CloseBt, &QPushButton::clicked, this, &TControlQues::CloseBtClick);
    WindowFrame::setFixedClientSize(this, 600, 460);
    WindowFrame::centreOnScreen(this);
}

void TControlQues::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_quiz.currentQuestion() == 0)
        Guard::run(this, [this] { FormShow(); });
}

void TControlQues::FormShow()
{
    presentNext();
}

void TControlQues::presentNext()
{
    if (!m_quiz.advance())
        return;
    const int index = m_quiz.currentQuestion() - 1;
    Label1->setText(QStringLiteral("Вопрос № ") + QString::number(m_quiz.currentQuestion()));
    Memo1->setPlainText(m_texts.value(index).join(QLatin1Char('\n')));
    qDeleteAll(m_variantButtons);
    m_variantButtons.clear();
    const QStringList variants = m_variants.value(index);
    for (int i = 0; i < variants.size(); ++i) {
        auto *button = new QRadioButton(variants.at(i), RadioGroup1);
        button->setObjectName(QStringLiteral("Variant%1").arg(i + 1));
        m_variantGroup->addButton(button, i);
        m_variantLayout->addWidget(button);
        button->show(); // added to a window already on screen
        m_variantButtons.append(button);
    }
    if (!m_variantButtons.isEmpty())
        m_variantButtons.first()->setChecked(true);
    layout()->activate();
}

void TControlQues::BitBtn1Click()
{
    if (m_quiz.currentQuestion() < 1 || m_quiz.currentQuestion() > ControlQuiz::Asked)
        return;
    const QString caption = QStringLiteral("Результат проверки");
    if (m_quiz.answer(m_variantGroup->checkedId()))
        Messages::exclamation(this, QStringLiteral("Ответ верный"), caption);
    else
        Messages::error(this, QStringLiteral("Ответ неверный"), caption);
    if (m_quiz.lastQuestion()) {
        Messages::information(this, m_quiz.finalText(), QStringLiteral("Урок закончен"));
        m_quiz.advance();
        accept();
        return;
    }
    presentNext();
}

void TControlQues::CloseBtClick()
{
    reject();
}
