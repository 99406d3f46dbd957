#include "picturerenderer.h"

#include "jpegwriter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace PictureRenderer {

namespace {

constexpr int DotsPerMeter96Dpi = 3780;

QPen penOf(const PictureScript::Command &command, Qt::PenCapStyle cap)
{
    QPen pen(*command.pen, command.width);
    pen.setCapStyle(cap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// The rectangle of a shape's outline: inset by half the pen so the stroke stays inside.
QRectF outlineRect(const PictureScript::Command &command)
{
    const qreal half = command.width / 2.0;
    return QRectF(command.a + half, command.b + half, qMax(0.0, command.c - 2 * half), qMax(0.0, command.d - 2 * half));
}

// Line end points: pixel centres for odd pen widths, pixel corners for even ones.
QLineF lineOf(const PictureScript::Command &command)
{
    const qreal shift = command.width % 2 ? 0.5 : 0.0;
    return QLineF(command.a + shift, command.b + shift, command.c + shift, command.d + shift);
}

void drawArrow(QPainter &painter, const PictureScript::Command &command)
{
    const QLineF line = lineOf(command);
    const qreal headLength = 6 + 3 * command.width;
    const qreal headHalfWidth = 2 + 1.5 * command.width;
    const qreal length = line.length();
    if (length <= 0)
        return;
    const QPointF direction = (line.p2() - line.p1()) / length;
    const QPointF normal(-direction.y(), direction.x());
    const QPointF base = line.p2() - direction * qMin(headLength, length);
    if (length > headLength) {
        painter.setPen(penOf(command, Qt::FlatCap));
        painter.drawLine(line.p1(), base);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(*command.pen);
    painter.drawPolygon(QPolygonF({line.p2(), base + normal * headHalfWidth, base - normal * headHalfWidth}));
}

} // namespace

Built<QImage> render(const PictureScript::Script &script)
{
    Built<QImage> result;
    QImage &image = result.value;
    image = QImage(script.size, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeter96Dpi);
    image.setDotsPerMeterY(DotsPerMeter96Dpi);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    using Command = PictureScript::Command;
    for (const Command &command : script.commands) {
        painter.save();
        painter.translate(command.origin);
        const QRect box(command.a, command.b, command.c, command.d);
        switch (command.kind) {
        case Command::Fill:
            painter.resetTransform();
            painter.fillRect(image.rect(), *command.fill);
            break;
        case Command::Rect:
            if (command.fill)
                painter.fillRect(box, *command.fill);
            if (command.pen) {
                // Four bands inside the rectangle: crisp, exactly where the numbers say.
                const int w = qMin(command.width, qMin(box.width(), box.height()) / 2 + 1);
                painter.fillRect(QRect(box.left(), box.top(), box.width(), w), *command.pen);
                painter.fillRect(QRect(box.left(), box.bottom() - w + 1, box.width(), w), *command.pen);
                if (box.height() > 2 * w) {
                    painter.fillRect(QRect(box.left(), box.top() + w, w, box.height() - 2 * w), *command.pen);
                    painter.fillRect(QRect(box.right() - w + 1, box.top() + w, w, box.height() - 2 * w), *command.pen);
                }
            }
            break;
        case Command::Ellipse:
            painter.setPen(command.pen ? penOf(command, Qt::SquareCap) : QPen(Qt::NoPen));
            painter.setBrush(command.fill ? QBrush(*command.fill) : QBrush(Qt::NoBrush));
            painter.drawEllipse(command.pen ? outlineRect(command) : QRectF(box));
            break;
        case Command::Line:
            if (command.pen) {
                painter.setPen(penOf(command, Qt::SquareCap));
                painter.drawLine(lineOf(command));
            }
            break;
        case Command::Arrow:
            if (command.pen)
                drawArrow(painter, command);
            break;
        case Command::Text: {
            QFont font(command.mono ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
            font.setPointSize(command.fontSize);
            font.setBold(command.bold);
            font.setItalic(command.italic);
            painter.setFont(font);
            painter.setPen(command.pen ? *command.pen : QColor(Qt::black));
            const int flags = int(command.align) | Qt::AlignVCenter | Qt::TextWordWrap;
            const QRect needed = painter.boundingRect(box, flags, command.text);
            if (needed.width() > box.width() || needed.height() > box.height())
                result.report.warning(command.file, command.line,
                                      QStringLiteral("text \"%1\" does not fit its %2 x %3 box (needs %4 x %5)")
                                          .arg(command.text)
                                          .arg(box.width())
                                          .arg(box.height())
                                          .arg(needed.width())
                                          .arg(needed.height()));
            painter.drawText(box, flags, command.text);
            break;
        }
        }
        painter.restore();
    }
    return result;
}

Built<QByteArray> buildJpeg(const QByteArray &source, const QString &fileName, const PictureScript::Loader &loader)
{
    Built<QByteArray> result;
    const Built<PictureScript::Script> script = PictureScript::parse(source, fileName, loader);
    result.report = script.report;
    if (!script.ok())
        return result;
    const Built<QImage> image = render(script.value);
    result.report.append(image.report);
    const std::optional<QByteArray> jpeg = JpegWriter::encode(image.value, JpegQuality);
    if (!jpeg)
        result.report.error(fileName, 0, QStringLiteral("the picture could not be JPEG-encoded"));
    else
        result.value = *jpeg;
    return result;
}

} // namespace PictureRenderer
