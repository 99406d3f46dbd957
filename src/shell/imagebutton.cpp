#include "shell/imagebutton.h"

#include "platform/contenterror.h"
#include "platform/contentpath.h"
#include "platform/guard.h"

#include <QBitmap>
#include <QHash>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

ImageButton::ImageButton(const QString &name, const QRect &hitArea, const QString &activePicture,
                         const QString &pressedPicture, QWidget *parent)
    : QWidget(parent)
    , m_activePicture(activePicture)
    , m_pressedPicture(pressedPicture)
{
    setObjectName(name);
    setGeometry(hitArea);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QPixmap ImageButton::loadTransparent(const QString &contentPath)
{
    static QHash<QString, QPixmap> cache;
    const QString path = ContentPath::resolve(contentPath);
    const auto found = cache.constFind(path);
    if (found != cache.constEnd())
        return *found;
    QImage image(path);
    if (image.isNull())
        throw ContentError::missingFile(contentPath);
    QPixmap picture = QPixmap::fromImage(image);
    const QRgb key = image.pixel(0, image.height() - 1);
    picture.setMask(QBitmap::fromImage(image.createMaskFromColor(key, Qt::MaskInColor)));
    cache.insert(path, picture);
    return picture;
}

void ImageButton::showPicture(ImageButtonGroup::Picture picture)
{
    const QString file = picture == ImageButtonGroup::Picture::Active    ? m_activePicture
                         : picture == ImageButtonGroup::Picture::Pressed ? m_pressedPicture
                                                                         : kPassivePicture;
    ++m_loads;
    m_picture = loadTransparent(file);
    m_shownFile = file;
    update();
}

void ImageButton::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

ImageButtonSurface::ImageButtonSurface(const QString &name, const QList<Button> &buttons, QWidget *parent)
    : QWidget(parent)
    , m_group(int(buttons.size()),
              [this](int button, ImageButtonGroup::Picture picture) { m_buttons[button]->showPicture(picture); })
{
    setObjectName(name);
    setMouseTracking(true);
    for (const Button &button : buttons)
        m_buttons.append(
            new ImageButton(button.name, button.hitArea, button.activePicture, button.pressedPicture, this));
}

void ImageButtonSurface::setBackgroundFile(const QString &contentPath)
{
    m_backgroundFile = contentPath;
    m_backgroundRead = false;
    update();
}

void ImageButtonSurface::paintEvent(QPaintEvent *)
{
    if (!m_backgroundRead) {
        m_backgroundRead = true;
        m_background = QPixmap(ContentPath::resolve(m_backgroundFile));
    }
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), QColor(36, 36, 36));
    else
        painter.drawPixmap(0, 0, m_background);
}

int ImageButtonSurface::buttonAt(const QPoint &point) const
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (insideButton(i, point))
            return i;
    }
    return -1;
}

bool ImageButtonSurface::insideButton(int button, const QPoint &point) const
{
    const QRect area = m_buttons[button]->geometry();
    return ImageButtonGroup::inside(point.x() - area.x(), point.y() - area.y(), area.width(), area.height());
}

void ImageButtonSurface::guarded(const std::function<void()> &handler)
{
    Guard::run(window(), handler);
}

void ImageButtonSurface::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int button = buttonAt(event->position().toPoint());
    if (button < 0)
        return;
    m_captured = button;
    guarded([&] { m_group.mouseDown(button); });
}

void ImageButtonSurface::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    const bool leftHeld = event->buttons().testFlag(Qt::LeftButton);
    const int button = m_captured >= 0 ? m_captured : buttonAt(point);
    if (button >= 0)
        guarded([&] { m_group.mouseMove(button, insideButton(button, point), leftHeld); });
    else
        guarded([&] { m_group.backgroundMove(); });
}

void ImageButtonSurface::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const int button = m_captured >= 0 ? m_captured : buttonAt(point);
    m_captured = -1;
    if (button < 0)
        return;
    const bool inside = insideButton(button, point);
    // The click comes before the mouse up, as on the original platform.
    if (m_group.isClick(button, inside))
        Q_EMIT m_buttons[button]->clicked();
    guarded([&] { m_group.mouseUp(button, inside); });
}
