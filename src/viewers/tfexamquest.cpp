#include "viewers/tfexamquest.h"

#include "platform/contentpath.h"
#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/textfile.h"
#include "platform/windowframe.h"
#include "shell/menukeys.h"
#include "shell/tfsoderg.h"
#include "shell/windowset.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

const QString kExamFile = QStringLiteral("exam\\exam.txt");

} // namespace

TFExamQuest::TFExamQuest(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FExamQuest"));
    setWindowTitle(QStringLiteral("Экзаменационные вопросы"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::CloseAndMinimise);
    WindowFrame::setFixedClientSize(this, 536, 349);

    Label1 = new QLabel(QStringLiteral("Список зкзаменационных вопросов:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont font = Label1->font();
    font.setPixelSize(13);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setGeometry(8, 12, 520, 20);

    QuestMemo = new QPlainTextEdit(this);
    QuestMemo->setObjectName(QStringLiteral("QuestMemo"));
    QuestMemo->setReadOnly(true);
    QuestMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QuestMemo->setGeometry(0, 43, 535, 306);

    WindowFrame::centreOnScreen(this);
    MenuKeys::install(this, MenuKeys::Escape::Closes);
    Guard::run(this, [this] { FormCreate(); });
}

void TFExamQuest::FormCreate()
{
    if (!ContentPath::exists(kExamFile)) {
        QuestMemo->appendPlainText(QStringLiteral("Файл exam\\exam.txt не найден"));
        return;
    }
    const QStringList lines = TextFile::readLines(kExamFile);
    if (!lines.isEmpty())
        QuestMemo->appendPlainText(lines.join(QLatin1Char('\n')));
    QuestMemo->moveCursor(QTextCursor::Start);
}

void TFExamQuest::FormClose()
{
    Navigation::show(FSoderg);
}

void TFExamQuest::closeEvent(QCloseEvent *event)
{
    Guard::close(event, this, &TFExamQuest::FormClose);
}
