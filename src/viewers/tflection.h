#pragma once

#include "platform/mediadevice.h"
#include "viewers/tflectionschedule.h"

#include <QSet>
#include <QWidget>
#include <memory>

class ImageButtonSurface;
class QLabel;
class QPlainTextEdit;
class QTimer;
class TFLectionBrowser;

// The multimedia lecture window: the introductory lecture video with its
// slides and glossary lines in step. It has no frame; its exit picture,
// Escape and the window manager's close all lead back to the textbook.
class TFLection : public QWidget {
    Q_OBJECT
public:
    static inline const QString kDefaultVideo = QStringLiteral("lession\\test.avi");
    static inline const QString kVideoList = QStringLiteral("lession\\test.txt");
    static inline const QString kSlideList = QStringLiteral("lession\\") + QLatin1String(LecturePairFormat::kSlideFile);
    static inline const QString kGlossaryList =
        QStringLiteral("lession\\") + QLatin1String(LecturePairFormat::kGlossaryFile);
    static inline const QString kBackground = QStringLiteral("img/LectionImage.bmp");
    static constexpr int kBrowserTop = 302;

    // Without a device the platform's own is used.
    explicit TFLection(QWidget *parent = nullptr, std::unique_ptr<MediaDevice> device = {});
    ~TFLection() override;

    void FormCreate();
    void FormShow();
    void FormHide();
    void Timer1Timer();
    void PlayButtonClick();
    void PauseButtonClick();
    void StopButtonClick();
    void ExitButtonClick();
    void BrowserMouseDown(int x);
    void BrowserMouseMove(int x);
    void BrowserMouseUp();

    MediaDevice *device() const { return m_device.get(); }
    const LectureSchedule &schedule() const { return m_schedule; }
    int dragStart() const { return m_dragStart; }
    // The slide file shown last (empty before the first).
    QString slideFile() const { return m_slideFile; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool playing() const;
    void showSlide(const QString &contentPath);

    std::unique_ptr<MediaDevice> m_device;
    LectureSchedule m_schedule;
    int m_dragStart = LectureSchedule::kDragIdle;
    QString m_slideFile;
    QSet<QString> m_reportedSlides; // slide files already reported as unreadable

    ImageButtonSurface *LectionImage;
    QWidget *Panel1;
    QLabel *Slide;
    QPlainTextEdit *GlossaryText;
    TFLectionBrowser *Browser;
    QTimer *Timer1;
};
