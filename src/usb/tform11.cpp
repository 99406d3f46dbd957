#include "usb/tform11.h"

#include "platform/guard.h"
#include "platform/jpegimage.h"
#include "platform/messages.h"
#include "scsi/binaryentry.h"
#include "scsi/editchain.h"
#include "scsi/studentrecord.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int kImageWidth = 553;
constexpr int kImageHeight = 401;

QLineEdit *answerEdit(QWidget *image, const QString &name, const QRect &geometry, int maxLength)
{
    auto *edit = new QLineEdit(image);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(10);
    edit->setFont(mono);
    BinaryEntry::attach(edit, maxLength);
    return edit;
}

QLineEdit *counterEdit(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

} // namespace

TForm11::TForm11(StudentRecord &record, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_exercise(record)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Задание ( USB )"));
    setFixedSize(kImageWidth + 16, 614);

    m_taskBox = new QGroupBox(QStringLiteral("Задание :"), this);
    m_taskBox->setObjectName(QStringLiteral("GroupBox1"));
    m_taskBox->setGeometry(8, 4, kImageWidth, 132);
    m_taskText = new QLabel(m_taskBox);
    m_taskText->setObjectName(QStringLiteral("Question_label"));
    m_taskText->setWordWrap(true);
    m_taskText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_taskText->setGeometry(10, 22, kImageWidth - 20, 104);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setGeometry(8, 142, kImageWidth, kImageHeight);
    m_picture->setScaledContents(true);

    m_pid = answerEdit(m_picture, QStringLiteral("edit_pid"), QRect(110, 92, 90, 22), 8);
    m_address = answerEdit(m_picture, QStringLiteral("edit_addr"), QRect(220, 92, 90, 22), 7);
    m_endpoint = answerEdit(m_picture, QStringLiteral("edit_endp"), QRect(330, 92, 60, 22), 4);
    m_dataPid = answerEdit(m_picture, QStringLiteral("edit_piddat"), QRect(110, 262, 90, 22), 8);
    m_data = answerEdit(m_picture, QStringLiteral("edit_data"), QRect(225, 262, 120, 22), 8);

    const int bottom = 142 + kImageHeight + 8;
    m_counters = new QFrame(this);
    m_counters->setObjectName(QStringLiteral("Panel1"));
    m_counters->setFrameShape(QFrame::StyledPanel);
    m_counters->setGeometry(8, bottom, 260, 58);
    m_givenLabel = new QLabel(QStringLiteral("Кол-во заданий :"), m_counters);
    m_givenLabel->setObjectName(QStringLiteral("Label1"));
    m_givenLabel->setGeometry(10, 6, 170, 22);
    m_allTasks = counterEdit(m_counters, QStringLiteral("e_all_les"), QRect(190, 6, 56, 22));
    m_rightLabel = new QLabel(QStringLiteral("Выполненно верно :"), m_counters);
    m_rightLabel->setObjectName(QStringLiteral("Label2"));
    m_rightLabel->setGeometry(10, 31, 170, 22);
    m_rightTasks = counterEdit(m_counters, QStringLiteral("e_r_les"), QRect(190, 31, 56, 22));

    m_next = new QPushButton(QStringLiteral("Дальше ->"), this);
    m_next->setObjectName(QStringLiteral("b_next"));
    m_next->setGeometry(kImageWidth + 8 - 2 * 110 - 10, bottom + 14, 110, 32);
    m_next->hide();
    m_ready = new QPushButton(QStringLiteral("ГОТОВО"), this);
    m_ready->setObjectName(QStringLiteral("Ready_btn"));
    m_ready->setGeometry(kImageWidth + 8 - 110, bottom + 14, 110, 32);

    // No default button: Enter walks the answer edits and only the data byte's
    // Enter checks, so a half-typed answer is never counted.
    EditChain::install(answerEdits(), [this] {
        if (!m_exercise.tally().checked())
            m_ready->click();
    });

    Guard::connect(m_ready, &QPushButton::clicked, this, &TForm11::Ready_btnClick);
    Guard::connect(m_next, &QPushButton::clicked, this, &TForm11::b_nextClick);
    FormCreate();
}

QList<QLineEdit *> TForm11::answerEdits() const
{
    return {m_pid, m_address, m_endpoint, m_dataPid, m_data};
}

void TForm11::setPicture(const QString &file)
{
    const QImage image = JpegImage::load(file);
    m_picture->setPixmap(QPixmap::fromImage(image));
    m_pictureFile = file;
}

void TForm11::setAnswerReadOnly(bool readOnly)
{
    for (QLineEdit *edit : answerEdits())
        edit->setReadOnly(readOnly);
}

void TForm11::FormCreate()
{
    setPicture(packetPicture());
    m_allTasks->setText(QStringLiteral("0"));
    m_rightTasks->setText(QStringLiteral("0"));
    LoadUsbTask();
}

void TForm11::LoadUsbTask()
{
    if (!m_exercise.loadTask()) {
        Messages::information(this, UsbExercise::emptyFileMessage());
        return;
    }
    m_taskText->setText(m_exercise.task().text);
    for (QLineEdit *edit : answerEdits())
        edit->clear();
    m_pid->setFocus();
}

void TForm11::Ready_btnClick()
{
    if (m_exercise.tally().checked()) {
        close();
        return;
    }
    m_next->show();
    m_ready->setText(QStringLiteral("ВЫХОД"));
    setAnswerReadOnly(true);
    const UsbExercise::Answer answer{m_pid->text(), m_address->text(), m_endpoint->text(), m_dataPid->text(),
                                     m_data->text()};
    const UsbExercise::Verdict verdict = m_exercise.check(answer);
    m_allTasks->setText(QString::number(m_exercise.tally().tasksGiven()));
    if (verdict.right()) {
        m_rightTasks->setText(QString::number(m_exercise.tally().tasksRight()));
        Messages::information(this, verdict.message);
    } else {
        setPicture(errorPicture());
    }
}

void TForm11::b_nextClick()
{
    // The picture first: when it cannot be read the window stays as it was.
    setPicture(packetPicture());
    m_next->hide();
    m_ready->setText(QStringLiteral("ГОТОВО"));
    setAnswerReadOnly(false);
    m_exercise.next();
    LoadUsbTask();
}

void TForm11::FormClose()
{
    m_exercise.close();
}

void TForm11::done(int result)
{
    Guard::run(this, [this] { FormClose(); });
    QDialog::done(result);
}

void TForm11::keyPressEvent(QKeyEvent *event)
{
    // Escape would end the opening and count the attempt.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
