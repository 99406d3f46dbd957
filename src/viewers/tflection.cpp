#include "viewers/tflection.h"

#include "platform/contenterror.h"
#include "platform/contentpath.h"
#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/textfile.h"
#include "platform/windowframe.h"
#include "shell/imagebutton.h"
#include "shell/tfposobie.h"
#include "shell/windowset.h"
#include "viewers/tflectionbrowser.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTimer>

namespace {

const QList<ImageButtonSurface::Button> kButtons = {
    {QStringLiteral("PlayButton"), QRect(21, 290, 30, 24), QStringLiteral("img/LFPlayActive.bmp"),
     QStringLiteral("img/LFPlayPressed.bmp")},
    {QStringLiteral("PauseButton"), QRect(58, 290, 30, 24), QStringLiteral("img/LFPauseActive.bmp"),
     QStringLiteral("img/LFPausePressed.bmp")},
    {QStringLiteral("StopButton"), QRect(95, 290, 30, 24), QStringLiteral("img/LFStopActive.bmp"),
     QStringLiteral("img/LFStopPressed.bmp")},
    {QStringLiteral("ExitButton"), QRect(610, 0, 30, 24), QStringLiteral("img/LFExitActive.bmp"),
     QStringLiteral("img/LFExitPressed.bmp")},
};

QPalette solid(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text, text);
    }
    return palette;
}

} // namespace

TFLection::TFLection(QWidget *parent, std::unique_ptr<MediaDevice> device)
    : QWidget(parent)
    , m_device(device ? std::move(device) : MediaDevice::createDefault())
{
    setObjectName(QStringLiteral("FLection"));
    WindowFrame::setFrameless(this);
    WindowFrame::setFixedClientSize(this, 640, 450);
    WindowFrame::centreOnScreen(this);

    LectionImage = new ImageButtonSurface(QStringLiteral("LectionImage"), kButtons, this);
    LectionImage->setGeometry(0, 0, 640, 450);
    LectionImage->setBackgroundFile(kBackground);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(26, 24, 320, 240);
    Panel1->setAutoFillBackground(true);
    Panel1->setPalette(solid(Panel1, QColor(30, 30, 30), Qt::white));
    m_device->setDisplay(Panel1);

    Slide = new QLabel(this);
    Slide->setObjectName(QStringLiteral("Slide"));
    Slide->setGeometry(380, 42, 240, 240);
    Slide->setAttribute(Qt::WA_TranslucentBackground);

    GlossaryText = new QPlainTextEdit(this);
    GlossaryText->setObjectName(QStringLiteral("GlossaryText"));
    GlossaryText->setGeometry(19, 330, 600, 104);
    GlossaryText->setFrameShape(QFrame::NoFrame);
    GlossaryText->setReadOnly(true);
    GlossaryText->setEnabled(false);
    // Purple light enough to read on the dark box.
    GlossaryText->setPalette(solid(GlossaryText, QColor(36, 36, 36), QColor(190, 120, 235)));
    QFont glossaryFont = GlossaryText->font();
    glossaryFont.setPixelSize(15);
    glossaryFont.setBold(true);
    GlossaryText->setFont(glossaryFont);

    Browser = new TFLectionBrowser(this);
    Browser->move(LectureSchedule::kTrackLeft, kBrowserTop);
    connect(Browser, &TFLectionBrowser::mouseDown, this,
            [this](int x) { Guard::run(this, [this, x] { BrowserMouseDown(x); }); });
    connect(Browser, &TFLectionBrowser::mouseMove, this,
            [this](int x) { Guard::run(this, [this, x] { BrowserMouseMove(x); }); });
    Guard::connect(Browser, &TFLectionBrowser::mouseUp, this, &TFLection::BrowserMouseUp);

    const QList<ImageButton *> buttons = LectionImage->buttons();
    Guard::connect(buttons[0], &ImageButton::clicked, this, &TFLection::PlayButtonClick);
    Guard::connect(buttons[1], &ImageButton::clicked, this, &TFLection::PauseButtonClick);
    Guard::connect(buttons[2], &ImageButton::clicked, this, &TFLection::StopButtonClick);
    Guard::connect(buttons[3], &ImageButton::clicked, this, &TFLection::ExitButtonClick);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    Guard::connect(escape, &QShortcut::activated, this, &TFLection::ExitButtonClick);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    Guard::connect(Timer1, &QTimer::timeout, this, &TFLection::Timer1Timer);
    Timer1->start();

    Guard::run(this, [this] { FormCreate(); });
}

TFLection::~TFLection() = default;

void TFLection::FormCreate()
{
    // Slides first: a fault in them leaves the glossary unread.
    m_schedule.setSlides(LecturePairs::read(kSlideList));
    m_schedule.setGlossary(LecturePairs::read(kGlossaryList));
}

bool TFLection::playing() const
{
    return m_device->mode() == MediaDevice::Mode::Playing;
}

void TFLection::FormShow()
{
    // Before anything that may fail: a failed open must not leave a drag going.
    m_dragStart = LectureSchedule::kDragIdle;
    LectionImage->group().setPassiveButtons();
    Slide->show();
    GlossaryText->show();
    m_device->setFileName(kDefaultVideo);
    if (ContentPath::exists(kVideoList)) {
        const QStringList lines = TextFile::readLines(kVideoList);
        const QString video = lines.isEmpty() ? QString() : lines.first().trimmed();
        if (!playing() && !video.isEmpty())
            m_device->setFileName(video);
    }
    const MediaDevice::Mode mode = m_device->mode();
    if (mode != MediaDevice::Mode::Open && mode != MediaDevice::Mode::Playing)
        m_device->open();
    if (!playing())
        m_device->play();
}

void TFLection::FormHide()
{
    Slide->hide();
    GlossaryText->hide();
}

void TFLection::showSlide(const QString &contentPath)
{
    try {
        Slide->setPixmap(ImageButton::loadTransparent(contentPath));
        m_slideFile = contentPath;
    } catch (const ContentError &error) {
        // The lecture goes on with the next slide; each bad file is told once.
        Slide->clear();
        m_slideFile.clear();
        if (!m_reportedSlides.contains(contentPath)) {
            m_reportedSlides.insert(contentPath);
            Guard::showError(this, error.message());
        }
    }
}

void TFLection::Timer1Timer()
{
    const QString failure = m_device->takeFailure();
    if (!failure.isEmpty())
        Guard::showError(this, failure);
    const bool isPlaying = playing();
    const LectureSchedule::Step step =
        m_schedule.tick(isPlaying, isPlaying ? m_device->position() : 0, isPlaying ? m_device->length() : 0,
                        m_dragStart != LectureSchedule::kDragIdle);
    if (step.changesNothing())
        return;
    if (step.reset) {
        GlossaryText->clear();
        showSlide(ImageButton::kPassivePicture);
    }
    if (step.browserLeft && Browser->x() != *step.browserLeft)
        Browser->move(*step.browserLeft, kBrowserTop);
    if (step.slide)
        showSlide(*step.slide);
    if (step.glossary) {
        GlossaryText->clear();
        GlossaryText->appendPlainText(*step.glossary);
    }
}

void TFLection::PlayButtonClick()
{
    if (!playing())
        m_device->play();
}

void TFLection::PauseButtonClick()
{
    if (m_device->mode() != MediaDevice::Mode::Paused)
        m_device->pause();
}

void TFLection::StopButtonClick()
{
    if (m_device->mode() == MediaDevice::Mode::Stopped)
        return;
    m_device->stop();
    m_device->seek(0);
}

void TFLection::ExitButtonClick()
{
    m_device->close();
    hide();
    Navigation::show(FPosobie);
}

void TFLection::BrowserMouseDown(int x)
{
    m_dragStart = x;
}

void TFLection::BrowserMouseMove(int x)
{
    if (m_dragStart == LectureSchedule::kDragIdle)
        return;
    Browser->move(LectureSchedule::dragLeft(Browser->x(), m_dragStart, x), kBrowserTop);
}

void TFLection::BrowserMouseUp()
{
    // A drag with no video open only moves the slider: there is nothing to seek.
    if (m_device->mode() != MediaDevice::Mode::NotReady) {
        const bool wasPlaying = playing();
        if (wasPlaying)
            m_device->stop();
        m_device->setStartPosition(LectureSchedule::startOfPlay(Browser->x(), m_device->length()));
        if (wasPlaying)
            m_device->play();
    }
    m_dragStart = LectureSchedule::kDragIdle;
}

void TFLection::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Guard::run(this, [this] { FormShow(); });
}

void TFLection::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}

// Closing the window from outside (Alt+F4, the window manager) must not leave
// the student with no window of the package: it is the exit picture's way out.
void TFLection::closeEvent(QCloseEvent *event)
{
    Guard::close(event, this, &TFLection::ExitButtonClick);
}
