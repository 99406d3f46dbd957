#include "timerlab/programpanel.h"

#include "timerlab/pctimer.h"

#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

const char *kExample = "; Звук 440 Гц: канал 2, режим 3, N = 2712 (0A98h)\n"
                       "OUT 43h, 0B6h   ; канал 2, младший и старший байт, режим 3, двоичный счёт\n"
                       "OUT 42h, 98h    ; младший байт N\n"
                       "OUT 42h, 0Ah    ; старший байт N\n"
                       "OUT 61h, 03h    ; GATE2 = 1, динамик включён\n"
                       "WAIT 2 мс\n"
                       "OUT 43h, 80h    ; фиксация канала 2\n"
                       "IN 42h          ; младший байт\n"
                       "IN 42h          ; старший байт\n"
                       "OUT 43h, 0E8h   ; обратное чтение: состояние канала 2\n"
                       "IN 42h\n";

constexpr qint64 kMaxProgramFileSize = 256 * 1024;

} // namespace

ProgramPanel::ProgramPanel(PcTimer &timer, QWidget *parent)
    : QWidget(parent)
    , m_timer(timer)
{
    setObjectName(QStringLiteral("ProgramPanel"));
    const QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_editor = new QPlainTextEdit(this);
    m_editor->setObjectName(QStringLiteral("ProgramEditor"));
    m_editor->setFont(mono);
    m_editor->setPlainText(QString::fromUtf8(kExample));
    m_results = new QPlainTextEdit(this);
    m_results->setObjectName(QStringLiteral("ProgramResults"));
    m_results->setReadOnly(true);
    m_results->setFont(mono);
    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("ProgramError"));
    m_error->setStyleSheet(QStringLiteral("color: #b00000"));
    m_error->setWordWrap(true);

    const auto button = [this](const QString &caption, const char *name) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    QPushButton *step = button(QStringLiteral("Шаг"), "ProgramStepButton");
    QPushButton *run = button(QStringLiteral("Выполнить всё"), "ProgramRunButton");
    QPushButton *again = button(QStringLiteral("С начала"), "ProgramRestartButton");
    QPushButton *open = button(QStringLiteral("Открыть…"), "ProgramOpenButton");
    QPushButton *save = button(QStringLiteral("Сохранить…"), "ProgramSaveButton");
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {step, run, again, open, save})
        buttons->addWidget(b);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    auto *columns = new QHBoxLayout;
    columns->addWidget(m_editor, 3);
    columns->addWidget(m_results, 2);
    layout->addLayout(columns);
    layout->addWidget(m_error);

    connect(m_editor, &QPlainTextEdit::textChanged, this, [this] { m_dirty = true; });
    connect(step, &QPushButton::clicked, this, &ProgramPanel::stepOnce);
    connect(run, &QPushButton::clicked, this, &ProgramPanel::runToEnd);
    connect(again, &QPushButton::clicked, this, &ProgramPanel::restart);
    connect(open, &QPushButton::clicked, this, [this] {
        const QString name =
            QFileDialog::getOpenFileName(this, QStringLiteral("Открыть программу"), QString(),
                                         QStringLiteral("Программы таймера (*.txt *.asm);;Все файлы (*)"));
        if (!name.isEmpty())
            loadFrom(name);
    });
    connect(save, &QPushButton::clicked, this, [this] {
        const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить программу"), QString(),
                                                          QStringLiteral("Программы таймера (*.txt)"));
        if (!name.isEmpty())
            saveTo(name);
    });
}

QString ProgramPanel::resultsText() const
{
    return m_results->toPlainText();
}

QString ProgramPanel::errorText() const
{
    return m_error->text();
}

bool ProgramPanel::prepare()
{
    if (!m_dirty && m_runner)
        return true;
    m_runner.reset();
    m_results->clear();
    if (const auto error = PortProgram::parse(m_editor->toPlainText(), m_program)) {
        m_error->setText(error->message);
        highlightLine(error->line);
        return false;
    }
    m_error->clear();
    m_runner = std::make_unique<PortProgramRunner>(m_program, m_timer);
    m_dirty = false;
    return true;
}

void ProgramPanel::show(const PortProgramRunner::Result &result)
{
    QString line = QStringLiteral("%1: %2").arg(result.line, 3).arg(result.text);
    if (!result.warning.isEmpty())
        line += QStringLiteral("\n     ! ") + result.warning;
    m_results->appendPlainText(line);
    Q_EMIT logged(result.text);
}

void ProgramPanel::stepOnce()
{
    if (!prepare())
        return;
    if (m_runner->finished()) {
        m_error->setText(QStringLiteral("Программа выполнена. «С начала» запускает её снова."));
        return;
    }
    show(m_runner->step());
    highlightLine(m_runner->nextLine());
    Q_EMIT timerChanged();
}

void ProgramPanel::runToEnd()
{
    if (!prepare())
        return;
    while (!m_runner->finished())
        show(m_runner->step());
    highlightLine(0);
    Q_EMIT timerChanged();
}

void ProgramPanel::restart()
{
    m_dirty = true;
    if (prepare())
        highlightLine(m_runner->nextLine());
}

void ProgramPanel::highlightLine(int line)
{
    QList<QTextEdit::ExtraSelection> selections;
    if (line > 0) {
        QTextEdit::ExtraSelection selection;
        selection.format.setBackground(QColor(255, 240, 170));
        selection.format.setProperty(QTextFormat::FullWidthSelection, true);
        selection.cursor = QTextCursor(m_editor->document()->findBlockByNumber(line - 1));
        selections << selection;
    }
    m_editor->setExtraSelections(selections);
}

bool ProgramPanel::loadFrom(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error->setText(QStringLiteral("Не удалось открыть %1: %2").arg(fileName, file.errorString()));
        return false;
    }
    if (file.size() > kMaxProgramFileSize) {
        m_error->setText(QStringLiteral("Файл %1 слишком велик для программы (больше 256 КБ)").arg(fileName));
        return false;
    }
    m_editor->setPlainText(QString::fromUtf8(file.readAll()));
    m_error->clear();
    return true;
}

bool ProgramPanel::saveTo(const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_editor->toPlainText().toUtf8()) < 0 || !file.commit()) {
        m_error->setText(QStringLiteral("Не удалось сохранить %1: %2").arg(fileName, file.errorString()));
        return false;
    }
    return true;
}
