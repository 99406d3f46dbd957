#include "platform/metafileview.h"

#include <QPainter>

MetafileView::MetafileView(QWidget *parent)
    : QWidget(parent)
{}

void MetafileView::setFit(Fit fit)
{
    m_fit = fit;
    update();
}

void MetafileView::setMetafile(const Metafile &metafile)
{
    m_metafile = metafile;
    update();
}

void MetafileView::clear()
{
    m_metafile = Metafile();
    update();
}

const Metafile &MetafileView::metafile() const
{
    return m_metafile;
}

void MetafileView::paintEvent(QPaintEvent *)
{
    if (m_metafile.isNull())
        return;
    QPainter painter(this);
    painter.setClipRect(rect());
    const QRectF target = m_fit == Fit::Stretch ? QRectF(rect()) : QRectF(QPointF(0, 0), QSizeF(m_metafile.size()));
    m_metafile.draw(painter, target);
}
