#include "pci/tintro.h"

#include "platform/guard.h"
#include "platform/icons.h"
#include "platform/textfile.h"
#include "platform/windowframe.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 380;
constexpr int kButtonTop = kHeight - 38;

} // namespace

TIntro::TIntro(QWidget *parent)
    : PciDialog(parent)
{
    setObjectName(QStringLiteral("Intro"));
    setWindowTitle(QStringLiteral("Информация"));
    WindowFrame::setToolWindow(this);
    WindowFrame::setFixedClientSize(this, kWidth, kHeight);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setGeometry(8, 8, kWidth - 16, kButtonTop - 16);

    BitBtn1 = new QPushButton(Icons::standard(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(kWidth - 84, kButtonTop, 76, 28);
    BitBtn1->setDefault(true);

    const QString captions[] = {QStringLiteral("Цикл чтения"), QStringLiteral("Цикл записи"),
                                QStringLiteral("Арбитрация"), QStringLiteral("Конфигурация")};
    QPushButton **buttons[] = {&Button1, &Button2, &Button3, &Button4};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(captions[i], this);
        button->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        button->setGeometry(8 + i * 104, kButtonTop, 100, 28);
        button->setAutoDefault(false);
        button->hide();
        *buttons[i] = button;
        connect(button, &QPushButton::clicked, this,
                [this, i] { Guard::run(this, [this, i] { OperationClick(i + 1); }); });
    }
    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TIntro::BitBtn1Click);
    WindowFrame::centreOnScreen(this);
}

int TIntro::showText(bool withOperations)
{
    FormShow();
    for (QPushButton *button : {Button1, Button2, Button3, Button4})
        button->setVisible(withOperations);
    exec();
    for (QPushButton *button : {Button1, Button2, Button3, Button4})
        button->hide();
    return m_tag;
}

void TIntro::FormShow()
{
    // Closing with the close box chooses nothing: the tag of an earlier
    // showing must not decide this one.
    m_tag = 0;
    Memo1->setPlainText(TextFile::readText(m_textName));
}

void TIntro::FormClose()
{
    Memo1->clear();
}

void TIntro::BitBtn1Click()
{
    m_tag = 0;
    accept();
}

void TIntro::OperationClick(int tag)
{
    m_tag = tag;
    accept();
}

void TIntro::done(int result)
{
    FormClose();
    QDialog::done(result);
}
