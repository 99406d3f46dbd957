#pragma once

#include "shell/imagebuttongroup.h"

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QWidget>

// A transparent picture button laid over a painted control of its window's
// background: nothing when passive ("img/empty.bmp"), a highlighted picture when
// the pointer is over it, a pressed picture while the left button is down on
// it. It takes no mouse input itself; the background under it (an
// ImageButtonSurface) hit-tests and dispatches, as a window does for its
// graphic controls, so the button that took the press keeps the mouse until
// the release.
class ImageButton : public QWidget {
    Q_OBJECT
public:
    static inline const QString kPassivePicture = QStringLiteral("img/empty.bmp");

    ImageButton(const QString &name, const QRect &hitArea, const QString &activePicture, const QString &pressedPicture,
                QWidget *parent);

    // Loads the picture of a state; a missing file throws ContentError and the
    // button keeps the picture it had.
    void showPicture(ImageButtonGroup::Picture picture);
    // The file of the picture shown, empty before the first load.
    QString pictureFile() const { return m_shownFile; }
    // How many pictures the button has loaded (a cache hit counts as a load).
    int loads() const { return m_loads; }

    // A bitmap of the package whose bottom-left pixel's colour is transparent,
    // as with the transparent pictures of the original platform. Cached by
    // file; throws ContentError::missingFile for a file that cannot be read.
    static QPixmap loadTransparent(const QString &contentPath);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_activePicture;
    QString m_pressedPicture;
    QString m_shownFile;
    QPixmap m_picture;
    int m_loads = 0;
};

// The background picture of a window with picture buttons on it. It receives
// the mouse for the whole picture and applies the group's rules: moves go to
// the button under the pointer (or to the button that took the press while the
// left button is held), to the background elsewhere.
class ImageButtonSurface : public QWidget {
    Q_OBJECT
public:
    struct Button {
        QString name;
        QRect hitArea;
        QString activePicture;
        QString pressedPicture;
    };

    ImageButtonSurface(const QString &name, const QList<Button> &buttons, QWidget *parent);

    // The background is read from a package bitmap when first painted; a
    // missing file leaves a plain dark picture.
    void setBackgroundFile(const QString &contentPath);
    ImageButtonGroup &group() { return m_group; }
    QList<ImageButton *> buttons() const { return m_buttons; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int buttonAt(const QPoint &point) const;
    bool insideButton(int button, const QPoint &point) const;
    void guarded(const std::function<void()> &handler);

    QList<ImageButton *> m_buttons;
    ImageButtonGroup m_group;
    int m_captured = -1;
    QString m_backgroundFile;
    QPixmap m_background;
    bool m_backgroundRead = false;
};
