#include "wmfwriter.h"

#include "platform/cp1251.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

extern "C" {
#include <uwmf.h>
}

namespace {

constexpr int kDpi = 96;

U_COLORREF colorRef(const QColor &color)
{
    return U_RGB(uint8_t(color.red()), uint8_t(color.green()), uint8_t(color.blue()));
}

U_POINT16 point16(const QPoint &point)
{
    return U_POINT16{int16_t(point.x()), int16_t(point.y())};
}

U_RECT16 rect16(const QRect &rect)
{
    // QRect's right and bottom are inclusive; the metafile's are not.
    return U_RECT16_set(point16(rect.topLeft()), point16(QPoint(rect.right() + 1, rect.bottom() + 1)));
}

QList<U_POINT16> points16(const QPolygon &points)
{
    QList<U_POINT16> result;
    result.reserve(points.size());
    for (const QPoint &point : points)
        result.append(point16(point));
    return result;
}

} // namespace

struct WmfWriter::Library {
    WMFTRACK *track = nullptr;
    WMFHANDLES *handles = nullptr;
};

WmfWriter::WmfWriter(const QSize &size)
    : m_library(std::make_unique<Library>())
{
    // libUEMF opens its file at once; it writes into a private temporary name
    // and the bytes are handed back, so no half-written picture is ever left.
    m_path = QDir::temp().filePath(QStringLiteral("shino-%1.wmf").arg(QUuid::createUuid().toString(QUuid::Id128)));
    if (wmf_start(QFile::encodeName(m_path).constData(), 64 * 1024, 64 * 1024, &m_library->track) != 0 ||
        wmf_htable_create(64, 64, &m_library->handles) != 0) {
        m_error = QStringLiteral("cannot start the metafile %1").arg(m_path);
        return;
    }
    // The header's size is in inches; times the resolution it gives the frame in pixels.
    U_PAIRF *inches = U_PAIRF_set(float(size.width()) / kDpi, float(size.height()) / kDpi);
    char *header = U_WMRHEADER_set(inches, kDpi);
    free(inches);
    wmf_header_append(reinterpret_cast<U_METARECORD *>(header), m_library->track, 1);
}

WmfWriter::~WmfWriter()
{
    if (m_library->handles)
        wmf_htable_free(&m_library->handles);
    if (m_library->track)
        wmf_free(&m_library->track);
    if (!m_finished)
        QFile::remove(m_path);
}

void WmfWriter::append(char *record)
{
    if (m_library->track && record)
        wmf_append(reinterpret_cast<U_METARECORD *>(record), m_library->track, 1);
}

quint32 WmfWriter::createPen(const QColor &color, int width, Qt::PenStyle style)
{
    uint16_t wmfStyle = U_PS_SOLID;
    switch (style) {
    case Qt::DashLine:
        wmfStyle = U_PS_DASH;
        break;
    case Qt::DotLine:
        wmfStyle = U_PS_DOT;
        break;
    case Qt::DashDotLine:
        wmfStyle = U_PS_DASHDOT;
        break;
    case Qt::NoPen:
        wmfStyle = U_PS_NULL;
        break;
    default:
        break;
    }
    if (wmfStyle != U_PS_SOLID)
        width = qMin(width, 1);
    else
        wmfStyle |= U_PS_ENDCAP_FLAT | U_PS_JOIN_MITER;
    uint32_t handle = 0;
    append(wcreatepenindirect_set(&handle, m_library->handles, U_PEN_set(wmfStyle, uint16_t(width), colorRef(color))));
    return handle;
}

quint32 WmfWriter::createBrush(const QColor &color, Hatch hatch)
{
    const U_WLOGBRUSH brush = hatch == Hatch::None ? U_WLOGBRUSH_set(U_BS_SOLID, colorRef(color), 0)
                                                   : U_WLOGBRUSH_set(U_BS_HATCHED, colorRef(color), uint16_t(hatch));
    uint32_t handle = 0;
    append(wcreatebrushindirect_set(&handle, m_library->handles, brush));
    return handle;
}

quint32 WmfWriter::createHollowBrush()
{
    uint32_t handle = 0;
    append(wcreatebrushindirect_set(&handle, m_library->handles, U_WLOGBRUSH_set(U_BS_NULL, U_RGB(0, 0, 0), 0)));
    return handle;
}

quint32 WmfWriter::createFont(int pixelHeight, bool bold, bool italic, const QString &family)
{
    QByteArray face = family.toLatin1().left(31);
    U_FONT *font = U_FONT_set(int16_t(-pixelHeight), 0, 0, 0, bold ? U_FW_BOLD : U_FW_NORMAL, italic ? 1 : 0, 0, 0,
                              U_RUSSIAN_CHARSET, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY,
                              U_DEFAULT_PITCH | U_FF_SWISS, face.data());
    uint32_t handle = 0;
    append(wcreatefontindirect_set(&handle, m_library->handles, font));
    free(font);
    return handle;
}

void WmfWriter::select(quint32 handle)
{
    append(wselectobject_set(handle, m_library->handles));
}

void WmfWriter::setTextColor(const QColor &color)
{
    append(U_WMRSETTEXTCOLOR_set(colorRef(color)));
}

void WmfWriter::setTransparentBackground()
{
    append(U_WMRSETBKMODE_set(U_TRANSPARENT));
}

void WmfWriter::setTextAlign(int flags)
{
    append(U_WMRSETTEXTALIGN_set(uint16_t(flags)));
}

void WmfWriter::polyline(const QPolygon &points)
{
    const QList<U_POINT16> data = points16(points);
    append(U_WMRPOLYLINE_set(uint16_t(data.size()), data.constData()));
}

void WmfWriter::polygon(const QPolygon &points)
{
    const QList<U_POINT16> data = points16(points);
    append(U_WMRPOLYGON_set(uint16_t(data.size()), data.constData()));
}

void WmfWriter::rectangle(const QRect &rect)
{
    append(U_WMRRECTANGLE_set(rect16(rect)));
}

void WmfWriter::ellipse(const QRect &rect)
{
    append(U_WMRELLIPSE_set(rect16(rect)));
}

bool WmfWriter::text(const QPoint &at, const QString &text)
{
    // The library copies the bytes as given: they must already be Windows-1251.
    std::optional<QByteArray> bytes = Cp1251::encode(text);
    if (!bytes)
        return false;
    append(U_WMRTEXTOUT_set(point16(at), bytes->data()));
    return true;
}

QByteArray WmfWriter::finish()
{
    if (!m_library->track) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("the metafile was not started");
        return {};
    }
    // The library does not end the record list itself.
    append(U_WMREOF_set());
    const int status = wmf_finish(m_library->track);
    wmf_free(&m_library->track);
    m_finished = true;
    QFile file(m_path);
    QByteArray bytes;
    if (status == 0 && file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    file.close();
    QFile::remove(m_path);
    if (bytes.isEmpty())
        m_error = QStringLiteral("libUEMF could not write the metafile");
    return bytes;
}
