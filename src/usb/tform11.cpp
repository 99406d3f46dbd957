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

    GroupBox1 = new QGroupBox(QStringLiteral("Задание :"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 4, kImageWidth, 132);
    Question_label = new QLabel(GroupBox1);
    Question_label->setObjectName(QStringLiteral("Question_label"));
    Question_label->setWordWrap(true);
    Question_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Question_label->setGeometry(10, 22, kImageWidth - 20, 104);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 142, kImageWidth, kImageHeight);
    Image1->setScaledContents(true);

    edit_pid = answerEdit(Image1, QStringLiteral("edit_pid"), QRect(110, 92, 90, 22), 8);
    edit_addr = answerEdit(Image1, QStringLiteral("edit_addr"), QRect(220, 92, 90, 22), 7);
    edit_endp = answerEdit(Image1, QStringLiteral("edit_endp"), QRect(330, 92, 60, 22), 4);
    edit_piddat = answerEdit(Image1, QStringLiteral("edit_piddat"), QRect(110, 262, 90, 22), 8);
    edit_data = answerEdit(Image1, QStringLiteral("edit_data"), QRect(225, 262, 120, 22), 8);

    const int bottom = 142 + kImageHeight + 8;
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    static_cast<QFrame *>(Panel1)->setFrameShape(QFrame::StyledPanel);
    Panel1->setGeometry(8, bottom, 260, 58);
    Label1 = new QLabel(QStringLiteral("Кол-во заданий :"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(10, 6, 170, 22);
    e_all_les = counterEdit(Panel1, QStringLiteral("e_all_les"), QRect(190, 6, 56, 22));
    Label2 = new QLabel(QStringLiteral("Выполненно верно :"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(10, 31, 170, 22);
    e_r_les = counterEdit(Panel1, QStringLiteral("e_r_les"), QRect(190, 31, 56, 22));

    b_next = new QPushButton(QStringLiteral("Дальше ->"), this);
    b_next->setObjectName(QStringLiteral("b_next"));
    b_next->setGeometry(kImageWidth + 8 - 2 * 110 - 10, bottom + 14, 110, 32);
    b_next->hide();
    Ready_btn = new QPushButton(QStringLiteral("ГОТОВО"), this);
    Ready_btn->setObjectName(QStringLiteral("Ready_btn"));
    Ready_btn->setGeometry(kImageWidth + 8 - 110, bottom + 14, 110, 32);

    // No default button: Enter walks the answer edits and only the data byte's
    // Enter checks, so a half-typed answer is never counted.
    EditChain::install(answerEdits(), [this] {
        if (m_exercise.phase() == UsbExercise::Phase::Working)
            Ready_btn->click();
    });

    Guard::connect(Ready_btn, &QPushButton::clicked, this, &TForm11::Ready_btnClick);
    Guard::connect(b_next, &QPushButton::clicked, this, &TForm11::b_nextClick);
    FormCreate();
}

QList<QLineEdit *> TForm11::answerEdits() const
{
    return {edit_pid, edit_addr, edit_endp, edit_piddat, edit_data};
}

void TForm11::setPicture(const QString &file)
{
    const QImage image = JpegImage::load(file);
    Image1->setPixmap(QPixmap::fromImage(image));
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
    e_all_les->setText(QStringLiteral("0"));
    e_r_les->setText(QStringLiteral("0"));
    LoadUsbTask();
}

void TForm11::LoadUsbTask()
{
    if (!m_exercise.loadTask()) {
        Messages::information(this, UsbExercise::emptyFileMessage());
        return;
    }
    Question_label->setText(m_exercise.task().text);
    for (QLineEdit *edit : answerEdits())
        edit->clear();
    edit_pid->setFocus();
}

void TForm11::Ready_btnClick()
{
    if (m_exercise.phase() == UsbExercise::Phase::Checked) {
        close();
        return;
    }
    b_next->show();
    Ready_btn->setText(QStringLiteral("ВЫХОД"));
    setAnswerReadOnly(true);
    const UsbExercise::Answer answer{edit_pid->text(), edit_addr->text(), edit_endp->text(), edit_piddat->text(),
                                     edit_data->text()};
    const bool right = m_exercise.check(answer);
    e_all_les->setText(QString::number(m_exercise.tasksGiven()));
    if (right) {
        e_r_les->setText(QString::number(m_exercise.tasksRight()));
        Messages::information(this, QStringLiteral("Задание выполненно верно !"));
    } else {
        setPicture(errorPicture());
    }
}

void TForm11::b_nextClick()
{
    // The picture first: when it cannot be read the window stays as it was.
    setPicture(packetPicture());
    b_next->hide();
    Ready_btn->setText(QStringLiteral("ГОТОВО"));
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
