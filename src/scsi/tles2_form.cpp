#include "scsi/tles2_form.h"

#include "platform/guard.h"
#include "platform/messages.h"
#include "scsi/binaryentry.h"
#include "scsi/formcontrols.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtMath>

namespace {

constexpr int kRowTop = 206;
constexpr int kRowStep = 25;
constexpr int kRowHeight = 23;
constexpr int kValueLeft = 396;
constexpr int kLetterSpacing = 4;
constexpr int kRightLeft = 524; // the counters panel and the buttons
const QString kZeroByte = QStringLiteral("00000000");

} // namespace

Tles2_form::Tles2_form(StudentRecord &record, QWidget *parent)
    : QDialog(parent)
    , m_exercise(record)
{
    setObjectName(QStringLiteral("les2_form"));
    setWindowTitle(QStringLiteral("Задание 2  ( заполнение дескриптора )"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    FormCreate();
}

Tles2_form::~Tles2_form() = default;

void Tles2_form::buildControls()
{
    buildTaskAndSize();
    buildLayoutRows();
    buildValueEdits();
    buildCountersAndButtons();
    setFixedSize(740, 560);

    for (QRadioButton *radio : m_sizes)
        Guard::connect(radio, &QRadioButton::toggled, this, &Tles2_form::les2_rg1Click);
    Guard::connect(m_ready, &QPushButton::clicked, this, &Tles2_form::Button1Click);
    Guard::connect(m_next, &QPushButton::clicked, this, &Tles2_form::b_nextClick);
}

QFont Tles2_form::boldFont() const
{
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

// The task text and the size choice.
void Tles2_form::buildTaskAndSize()
{
    auto *group = new QGroupBox(QStringLiteral("Заполните блок дескриптора комманды :"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(8, 6, 724, 100);
    m_text = FormControls::label(QStringLiteral("les2_label1"), QString(), group, QRect(12, 24, 700, 68),
                                 Qt::AlignLeft | Qt::AlignTop);
    m_text->setWordWrap(true);

    auto *sizes = new QGroupBox(QStringLiteral("Размерность дескриптора"), this);
    sizes->setObjectName(QStringLiteral("les2_rg1"));
    sizes->setGeometry(8, 112, 724, 50);
    const int column = sizes->width() / DescriptorLayout::kSizeCount;
    for (int code = 0; code < DescriptorLayout::kSizeCount; ++code) {
        auto *radio = new QRadioButton(DescriptorLayout::sizeCaption(code), sizes);
        radio->setObjectName(QStringLiteral("les2_rg1_%1").arg(code));
        radio->setGeometry(16 + code * column, 22, column - 24, 22);
        m_sizes[code] = radio;
    }
}

// The column titles and the thirteen rows of name, byte number and bit count.
void Tles2_form::buildLayoutRows()
{
    const QFont bold = boldFont();
    FormControls::label(QStringLiteral("Label1"), QStringLiteral("Название поля"), this, QRect(16, 184, 122, 20))
        ->setFont(bold);
    FormControls::label(QStringLiteral("Label2"), QStringLiteral("№ байта"), this, QRect(146, 184, 70, 20))
        ->setFont(bold);
    FormControls::label(QStringLiteral("Label3"), QStringLiteral("Кол - во разрядов"), this, QRect(222, 184, 134, 20))
        ->setFont(bold);

    const QStringList nameItems = DescriptorLayout::nameItems();
    const QStringList byteItems = DescriptorLayout::byteItems();
    for (int r = 0; r < DescriptorLayout::kRowCount; ++r) {
        const int top = kRowTop + r * kRowStep;
        auto *name = new QComboBox(this);
        name->setObjectName(QStringLiteral("Name_CB%1").arg(r + 1));
        name->addItems(nameItems);
        name->setGeometry(16, top, 122, kRowHeight);
        auto *number = new QComboBox(this);
        number->setObjectName(QStringLiteral("num_CB%1").arg(r + 1));
        number->addItems(byteItems);
        number->setMaxVisibleItems(int(byteItems.size()));
        number->setGeometry(146, top, 66, kRowHeight);
        auto *bits = new QSpinBox(this);
        bits->setObjectName(QStringLiteral("Edit%1").arg(r + 1));
        bits->setRange(0, 8);
        bits->setGeometry(222, top, 60, kRowHeight);
        m_names[r] = name;
        m_numbers[r] = number;
        m_bits[r] = bits;
    }
}

// The twelve binary value edits with their byte numbers and the bit numbers over them.
void Tles2_form::buildValueEdits()
{
    // A spaced fixed-pitch font; placeBitLabels() puts the bit numbers over
    // the digits where the edit draws them.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(font().pointSize() > 0 ? font().pointSize() + 1 : 10);
    fixed.setLetterSpacing(QFont::AbsoluteSpacing, kLetterSpacing);

    FormControls::label(QStringLiteral("Label4"), QStringLiteral("Значения в двоичном виде"), this,
                        QRect(kValueLeft - 76, 166, 200, 20))
        ->setFont(boldFont());
    for (int bit = 7; bit >= 0; --bit) {
        const int column = 7 - bit;
        m_bitLabels[column] = FormControls::label(QStringLiteral("bit_label%1").arg(bit), QString::number(bit), this,
                                                  QRect(kValueLeft + 4 + column * 12, 186, 14, 18), Qt::AlignCenter);
    }
    for (int i = 0; i < DescriptorLayout::kByteEdits; ++i) {
        const int top = kRowTop + i * kRowStep;
        m_byteLabels[i] =
            FormControls::label(QStringLiteral("byte_label%1").arg(i), QString::number(i), this,
                                QRect(kValueLeft - 36, top, 28, kRowHeight), Qt::AlignRight | Qt::AlignVCenter);
        auto *value = new QLineEdit(kZeroByte, this);
        value->setObjectName(QStringLiteral("z_e%1").arg(i));
        value->setFont(fixed);
        value->setGeometry(kValueLeft, top, 104, kRowHeight);
        BinaryEntry::attach(value, 8);
        m_values[i] = value;
    }
    placeBitLabels();
}

// The counters panel, "Дальше ->" (hidden) and "ГОТОВО".
void Tles2_form::buildCountersAndButtons()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(kRightLeft, 184, 208, 96);
    FormControls::label(QStringLiteral("Label19"), QStringLiteral("Кол-во заданий :"), panel, QRect(12, 16, 134, 24));
    m_allTasks = FormControls::counter(QStringLiteral("e_all_les"), panel, QRect(150, 16, 44, 24));
    FormControls::label(QStringLiteral("Label20"), QStringLiteral("Выполненно верно :"), panel, QRect(12, 56, 134, 24));
    m_rightTasks = FormControls::counter(QStringLiteral("e_r_les"), panel, QRect(150, 56, 44, 24));

    m_next = new QPushButton(QStringLiteral("Дальше ->"), this);
    m_next->setObjectName(QStringLiteral("b_next"));
    m_next->setAutoDefault(false);
    m_next->setGeometry(kRightLeft, kReadyTop, 208, kReadyHeight / 2);
    m_next->hide();
    m_ready = new QPushButton(DescriptorExercise::kReadyCaption, this);
    m_ready->setObjectName(QStringLiteral("Button1"));
    m_ready->setAutoDefault(false);
    m_ready->setGeometry(kRightLeft, kReadyTop, 208, kReadyHeight);
    m_ready->setFont(boldFont());
}

void Tles2_form::FormCreate()
{
    m_sizes[0]->setChecked(true);
    showLayout(0);
    LoadDescriptorTask();
}

void Tles2_form::LoadDescriptorTask()
{
    if (!m_exercise.loadTask()) {
        Messages::information(this, DescriptorExercise::emptyFileMessage());
        return;
    }
    m_text->setText(m_exercise.task().text);
    for (QLineEdit *value : m_values)
        value->setText(kZeroByte);
    for (int r = 0; r < DescriptorLayout::kRowCount; ++r) {
        m_bits[r]->setValue(0);
        m_numbers[r]->setCurrentIndex(0);
        m_names[r]->setCurrentIndex(0);
    }
    m_sizes[0]->setChecked(true);
}

int Tles2_form::chosenSize() const
{
    for (int code = 0; code < DescriptorLayout::kSizeCount; ++code) {
        if (m_sizes[code]->isChecked())
            return code;
    }
    return -1;
}

void Tles2_form::les2_rg1Click()
{
    const int code = chosenSize();
    if (code >= 0)
        showLayout(code);
}

void Tles2_form::showLayout(int sizeCode)
{
    const int rows = DescriptorLayout::visibleRows(sizeCode);
    for (int r = 0; r < DescriptorLayout::kRowCount; ++r) {
        const bool shown = r < rows;
        m_names[r]->setVisible(shown);
        m_numbers[r]->setVisible(shown);
        m_bits[r]->setVisible(shown);
    }
    const int bytes = DescriptorLayout::byteCount(sizeCode);
    for (int i = 0; i < DescriptorLayout::kByteEdits; ++i) {
        m_values[i]->setVisible(i < bytes);
        m_byteLabels[i]->setVisible(i < bytes);
    }
}

DescriptorAnswer Tles2_form::answer() const
{
    DescriptorAnswer answer;
    answer.sizeIndex = chosenSize();
    for (int r = 0; r < DescriptorLayout::kRowCount; ++r) {
        answer.names[r] = m_names[r]->currentText();
        answer.numbers[r] = m_numbers[r]->currentText();
        answer.bits[r] = m_bits[r]->text();
    }
    for (int i = 0; i < DescriptorLayout::kByteEdits; ++i)
        answer.values[i] = m_values[i]->text();
    return answer;
}

void Tles2_form::Button1Click()
{
    if (m_exercise.tally().checked()) {
        close();
        return;
    }
    const DescriptorExercise::Verdict verdict = m_exercise.check(answer());
    m_ready->setText(m_exercise.readyCaption());
    m_ready->setGeometry(m_ready->x(), kReadyTop + kReadyHeight / 2, m_ready->width(), kReadyHeight / 2);
    m_next->show();
    // Both counters are shown before the verdict, which stays up until the student closes it.
    m_allTasks->setText(QString::number(m_exercise.tally().tasksGiven()));
    m_rightTasks->setText(QString::number(m_exercise.tally().tasksRight()));
    Messages::information(this, verdict.message);
}

void Tles2_form::b_nextClick()
{
    m_exercise.next();
    m_ready->setText(m_exercise.readyCaption());
    m_ready->setGeometry(m_ready->x(), kReadyTop, m_ready->width(), kReadyHeight);
    m_next->hide();
    LoadDescriptorTask();
}

void Tles2_form::FormClose()
{
    m_exercise.close();
}

void Tles2_form::done(int result)
{
    // Every way out (title-bar close, "Выход") passes here.
    Guard::run(this, [this] { FormClose(); });
    QDialog::done(result);
}

void Tles2_form::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    placeBitLabels();
}

// Once the edits are polished, the bit numbers go exactly over the digits
// where the edit draws them.
void Tles2_form::placeBitLabels()
{
    QLineEdit *edit = m_values[0];
    // The digit pitch from the edit's own text layout.
    const int keep = edit->cursorPosition();
    const QString text = edit->text();
    edit->setText(kZeroByte);
    edit->setCursorPosition(0);
    const int first = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    edit->setCursorPosition(8);
    const int last = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    edit->setText(text);
    edit->setCursorPosition(keep);
    QFont plain = edit->font();
    plain.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const qreal cell = QFontMetricsF(plain).horizontalAdvance(QLatin1Char('0'));
    const qreal pitch = last > first ? (last - first) / 8.0 : cell + kLetterSpacing;

    // Where the edit starts its text: inside the frame, after its 2-pixel margin.
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = QRect(QPoint(0, 0), edit->size());
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const int textLeft =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).x() + 2 + edit->textMargins().left();

    const int width = 2 * textLeft + qCeil(8 * pitch) + 2;
    for (QLineEdit *value : m_values)
        value->resize(width, value->height());
    for (int column = 0; column < 8; ++column) {
        QLabel *label = m_bitLabels[column];
        const qreal centre = edit->x() + textLeft + column * pitch + cell / 2;
        label->move(qRound(centre - label->width() / 2.0), label->y());
    }
}

void Tles2_form::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
