#include "timerlab/timerlabwindow.h"

#include "timerlab/channelpanel.h"
#include "timerlab/programpanel.h"
#include "timerlab/simulationspeed.h"
#include "timerlab/speakersound.h"
#include "timerlab/variantpanel.h"
#include "timerlab/waveformview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr int kTickMs = 30;

// The zoom slider runs over powers of two: position p is 2^(p/2) / 1024 pixels per period.
double pixelsForZoom(int position)
{
    return std::pow(2.0, position / 2.0) / 1024.0;
}

} // namespace

TimerLabWindow::TimerLabWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TimerLab"));
    setWindowTitle(QStringLiteral("Программируемый интервальный таймер i8254 — лабораторная работа"));

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);

    // Simulation controls.
    auto *controls = new QHBoxLayout;
    auto *step = new QPushButton(QStringLiteral("Такт"), central);
    step->setObjectName(QStringLiteral("StepButton"));
    step->setToolTip(QStringLiteral("Один период CLK на всех каналах"));
    m_runButton = new QPushButton(QStringLiteral("Пуск"), central);
    m_runButton->setObjectName(QStringLiteral("RunButton"));
    m_speed = new QComboBox(central);
    m_speed->setObjectName(QStringLiteral("SpeedBox"));
    for (int i = 0; i < SimulationSpeed::presetCount(); ++i)
        m_speed->addItem(SimulationSpeed::presetName(i));
    m_speed->setCurrentIndex(2);
    auto *reset = new QPushButton(QStringLiteral("Сброс"), central);
    reset->setObjectName(QStringLiteral("ResetButton"));
    m_zoom = new QSlider(Qt::Horizontal, central);
    m_zoom->setObjectName(QStringLiteral("ZoomSlider"));
    m_zoom->setRange(0, 30);
    m_zoom->setValue(28);
    m_zoom->setMaximumWidth(160);
    m_zoom->setToolTip(QStringLiteral("Масштаб времени диаграммы"));
    m_pcWiring = new QCheckBox(QStringLiteral("Подключение как в IBM PC"), central);
    m_pcWiring->setObjectName(QStringLiteral("PcWiringCheck"));
    m_pcWiring->setChecked(true);
    m_pcWiring->setToolTip(
        QStringLiteral("CLK = 1,193182 МГц; GATE0 = GATE1 = 1; GATE2 и динамик — биты 0 и 1 порта 61h"));
    m_chip = new QComboBox(central);
    m_chip->setObjectName(QStringLiteral("ChipBox"));
    m_chip->addItems({QStringLiteral("i8254"), QStringLiteral("i8253")});
    m_timeLabel = new QLabel(central);
    m_timeLabel->setObjectName(QStringLiteral("TimeLabel"));
    controls->addWidget(step);
    controls->addWidget(m_runButton);
    controls->addWidget(new QLabel(QStringLiteral("Скорость:"), central));
    controls->addWidget(m_speed);
    controls->addWidget(reset);
    controls->addWidget(new QLabel(QStringLiteral("Масштаб:"), central));
    controls->addWidget(m_zoom);
    controls->addWidget(m_pcWiring);
    controls->addWidget(m_chip);
    controls->addStretch();
    controls->addWidget(m_timeLabel);
    layout->addLayout(controls);

    // Channels, program, task 2.
    auto *tabs = new QTabWidget(central);
    tabs->setObjectName(QStringLiteral("Pages"));
    auto *channelsPage = new QWidget(tabs);
    auto *channelRow = new QHBoxLayout(channelsPage);
    for (int i = 0; i < 3; ++i) {
        m_channels[i] = new ChannelPanel(m_timer, i, channelsPage);
        channelRow->addWidget(m_channels[i]);
        connect(m_channels[i], &ChannelPanel::logged, this, &TimerLabWindow::log);
        connect(m_channels[i], &ChannelPanel::timerChanged, this, &TimerLabWindow::refresh);
    }
    tabs->addTab(channelsPage, QStringLiteral("Каналы"));
    m_program = new ProgramPanel(m_timer, tabs);
    connect(m_program, &ProgramPanel::logged, this, &TimerLabWindow::log);
    connect(m_program, &ProgramPanel::timerChanged, this, &TimerLabWindow::refresh);
    tabs->addTab(m_program, QStringLiteral("Программа"));
    m_variants = new VariantPanel(tabs);
    tabs->addTab(m_variants, QStringLiteral("Задание 2: проверка"));

    m_waveform = new WaveformView(m_timer, central);
    m_log = new QPlainTextEdit(central);
    m_log->setObjectName(QStringLiteral("PortLog"));
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(2000);
    m_log->setPlaceholderText(QStringLiteral("Здесь записываются все обращения к портам таймера"));

    auto *splitter = new QSplitter(Qt::Vertical, central);
    splitter->addWidget(tabs);
    splitter->addWidget(m_waveform);
    splitter->addWidget(m_log);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 3);
    splitter->setStretchFactor(2, 1);
    layout->addWidget(splitter);
    setCentralWidget(central);

    m_ticker = new QTimer(this);
    m_ticker->setInterval(kTickMs);
    connect(m_ticker, &QTimer::timeout, this, [this] { advanceFor(m_wallClock.restart()); });
    connect(step, &QPushButton::clicked, this, &TimerLabWindow::stepClock);
    connect(m_runButton, &QPushButton::clicked, this, [this] { setRunning(!running()); });
    connect(reset, &QPushButton::clicked, this, &TimerLabWindow::resetTimer);
    connect(m_zoom, &QSlider::valueChanged, this,
            [this](int value) { m_waveform->setPixelsPerClock(pixelsForZoom(value)); });
    connect(m_pcWiring, &QCheckBox::toggled, this, [this](bool on) {
        m_timer.setPcWiring(on);
        log(on ? QStringLiteral(
                     "Подключение как в IBM PC: CLK = 1,193182 МГц, GATE0 = GATE1 = 1, GATE2 — бит 0 порта 61h")
               : QStringLiteral("Свободное подключение: GATE каждого канала задаётся флажком или командой GATE"));
        refresh();
    });
    connect(m_chip, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_timer.chip().setVariant(index == 0 ? Pit8254::Variant::I8254 : Pit8254::Variant::I8253);
    });
    m_waveform->setPixelsPerClock(pixelsForZoom(m_zoom->value()));

    m_sound = new SpeakerSound(this);
    if (!m_sound->available())
        statusBar()->showMessage(
            QStringLiteral("Звуковое устройство не найдено: динамик показан на диаграмме, но не звучит"));
    resize(1100, 820);
    refresh();
}

TimerLabWindow::~TimerLabWindow() = default;

bool TimerLabWindow::running() const
{
    return m_ticker->isActive();
}

void TimerLabWindow::setRunning(bool run)
{
    if (run == running())
        return;
    if (run) {
        m_carry = 0;
        m_wallClock.start();
        m_ticker->start();
    } else {
        m_ticker->stop();
    }
    m_runButton->setText(run ? QStringLiteral("Пауза") : QStringLiteral("Пуск"));
}

void TimerLabWindow::stepClock()
{
    m_timer.advance(1);
    refresh();
}

void TimerLabWindow::advanceFor(qint64 elapsedMs)
{
    const double speed = SimulationSpeed::clocksPerSecond(m_speed->currentIndex(), m_timer.clockHz());
    const qint64 pulses = SimulationSpeed::pulsesFor(speed, elapsedMs, m_carry);
    if (pulses > 0) {
        m_timer.advance(pulses);
        refresh();
    }
}

void TimerLabWindow::resetTimer()
{
    setRunning(false);
    m_timer.reset();
    log(QStringLiteral("Сброс: каналы не запрограммированы, время 0"));
    refresh();
}

double TimerLabWindow::speakerTone(const PcTimer &timer)
{
    const PitCounter &c = timer.chip().counter(2);
    if (!timer.pcWiring() || !timer.speakerEnabled() || !c.gate() || !c.counting() || (c.mode() != 2 && c.mode() != 3))
        return 0;
    return timer.clockHz() / c.initialCount();
}

void TimerLabWindow::refresh()
{
    for (ChannelPanel *panel : m_channels)
        panel->refresh();
    const double us = double(m_timer.time()) / m_timer.clockHz() * 1e6;
    m_timeLabel->setText(QStringLiteral("t = %1 тактов (%2 мкс)").arg(m_timer.time()).arg(us, 0, 'f', 2));
    m_pcWiring->setChecked(m_timer.pcWiring());
    m_sound->setTone(speakerTone(m_timer));
    m_waveform->update();
}

void TimerLabWindow::log(const QString &line)
{
    m_log->appendPlainText(QStringLiteral("[%1] %2").arg(m_timer.time(), 8).arg(line));
}
