#include "scsi/statisticsdialog.h"

#include "platform/guard.h"
#include "scsi/studentrecord.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int kMargin = 10;
constexpr int kRow = 22;
constexpr int kValueX = 190;
constexpr int kPairHeight = 2 * kRow + 12;

} // namespace

StatisticsDialog::StatisticsDialog(int taskCount, QSize clientSize, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_taskCount(taskCount)
{
    setWindowTitle(QStringLiteral("Статистика пользователя"));
    setFixedSize(clientSize);
    const int width = clientSize.width();

    int y = kMargin;
    addCaption(QStringLiteral("Label1"), QStringLiteral("Фамилия :"), y);
    L_fam = addValue(QStringLiteral("L_fam"), QStringLiteral("Студент"), 90, y);
    y += kRow;
    addCaption(QStringLiteral("Label2"), QStringLiteral("Группа :"), y);
    L_gr = addValue(QStringLiteral("L_gr"), QStringLiteral("K1-101"), 90, y);
    y += kRow + 10;

    struct Pair {
        QString total, right;
        QLabel **totalLabel, **rightLabel;
        QString totalName, rightName;
    };
    QList<Pair> pairs{{QStringLiteral("Всего вопросов :"), QStringLiteral("Правильных ответов :"), &L_quest, &L_ans,
                       QStringLiteral("L_quest"), QStringLiteral("L_ans")}};
    if (taskCount >= 2) {
        pairs.append({QStringLiteral("Всего заданий 1 :"), QStringLiteral("Правильных заданий 1 :"), &L_les1, &L_les1r,
                      QStringLiteral("L_les1"), QStringLiteral("L_les1r")});
        pairs.append({QStringLiteral("Всего заданий 2 :"), QStringLiteral("Правильных заданий 2 :"), &L_les2, &L_les2r,
                      QStringLiteral("L_les2"), QStringLiteral("L_les2r")});
    } else {
        pairs.append({QStringLiteral("Всего заданий :"), QStringLiteral("Правильных заданий :"), &L_les1, &L_les1r,
                      QStringLiteral("L_les1"), QStringLiteral("L_les1r")});
    }

    int captionNumber = 3;
    int bevelNumber = 1;
    for (const Pair &pair : pairs) {
        auto *bevel = new QFrame(this);
        bevel->setObjectName(QStringLiteral("Bevel%1").arg(bevelNumber++));
        bevel->setFrameShape(QFrame::Box);
        bevel->setFrameShadow(QFrame::Sunken);
        bevel->setGeometry(kMargin / 2, y, width - kMargin, kPairHeight);
        addCaption(QStringLiteral("Label%1").arg(captionNumber++), pair.total, y + 6);
        *pair.totalLabel = addValue(pair.totalName, QStringLiteral("0"), kValueX, y + 6);
        addCaption(QStringLiteral("Label%1").arg(captionNumber++), pair.right, y + 6 + kRow);
        *pair.rightLabel = addValue(pair.rightName, QStringLiteral("0"), kValueX, y + 6 + kRow);
        y += kPairHeight + 8;
    }

    Button1 = new QPushButton(QStringLiteral("ОК"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry((width - 85) / 2, clientSize.height() - 38, 85, 28);
    Button1->setDefault(true);
    Guard::connect(Button1, &QPushButton::clicked, this, &StatisticsDialog::Button1Click);
}

QLabel *StatisticsDialog::addCaption(const QString &name, const QString &text, int y)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setGeometry(kMargin, y, kValueX - kMargin, kRow - 2);
    return label;
}

QLabel *StatisticsDialog::addValue(const QString &name, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(x, y, width() - x - kMargin, kRow - 2);
    return label;
}

void StatisticsDialog::showStatistics(const StudentRecord &record)
{
    setRecord(&record);
    exec();
}

void StatisticsDialog::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
    QDialog::showEvent(event);
}

void StatisticsDialog::FormShow()
{
    static const StudentRecord empty;
    const StudentRecord &record = m_record ? *m_record : empty;
    L_fam->setText(record.surname);
    L_gr->setText(record.group);
    L_quest->setText(QString::number(record.value(StudentRecord::QuestionsAsked)));
    L_ans->setText(QString::number(record.value(StudentRecord::QuestionsRight)));
    L_les1->setText(QString::number(record.value(StudentRecord::Task1Attempts)));
    L_les1r->setText(QString::number(record.value(StudentRecord::Task1Right)));
    if (L_les2)
        L_les2->setText(QString::number(record.value(StudentRecord::Task2Attempts)));
    if (L_les2r)
        L_les2r->setText(QString::number(record.value(StudentRecord::Task2Right)));
}

void StatisticsDialog::Button1Click()
{
    accept();
}
