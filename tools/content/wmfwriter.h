#pragma once

#include <QByteArray>
#include <QColor>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>

// Writes a placeable Windows metafile through libUEMF, one logical unit a
// pixel at 96 dpi. Pens, brushes and fonts are created once, by the
// library's handle-keeping wrappers (so the header counts them), and then
// selected by the handle they were given.
class WmfWriter {
public:
    enum class Hatch { None = -1, Horizontal = 0, Vertical, ForwardDiagonal, BackwardDiagonal, Cross, DiagonalCross };

    explicit WmfWriter(const QSize &size);
    ~WmfWriter();
    WmfWriter(const WmfWriter &) = delete;
    WmfWriter &operator=(const WmfWriter &) = delete;

    // An error text when the library could not start the file.
    QString error() const { return m_error; }

    // Handles of new objects; dashed pens are one pixel wide, as dashes need.
    quint32 createPen(const QColor &color, int width, Qt::PenStyle style = Qt::SolidLine);
    quint32 createBrush(const QColor &color, Hatch hatch = Hatch::None);
    quint32 createHollowBrush();
    quint32 createFont(int pixelHeight, bool bold, bool italic, const QString &family = QStringLiteral("Arial"));
    void select(quint32 handle);

    void setTextColor(const QColor &color);
    void setTransparentBackground();
    // Alignment flags of the metafile (left/centre/right, top/baseline/bottom).
    void setTextAlign(int flags);

    void polyline(const QPolygon &points);
    void polygon(const QPolygon &points);
    void rectangle(const QRect &rect); // the right and bottom edges are exclusive
    void ellipse(const QRect &rect);
    // Text in Windows-1251; false for a text with a character that has no such form.
    bool text(const QPoint &at, const QString &text);

    // Closes the metafile and returns its bytes; empty with error() on failure.
    QByteArray finish();

private:
    void append(char *record);

    struct Library; // the library's file and handle table
    std::unique_ptr<Library> m_library;
    QString m_path;
    QString m_error;
    bool m_finished = false;
};
