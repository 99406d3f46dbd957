#include "isa/isacontrols.h"

#include "isa/isatext.h"
#include "platform/metafileview.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace IsaControls {

QPushButton *button(const QString &name, const QString &caption, QWidget *parent, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

QLabel *label(const QString &name, const QString &caption, QWidget *parent, const QRect &geometry)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QFrame *panel(const QString &name, QWidget *parent, const QRect &geometry)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(geometry);
    return panel;
}

QPlainTextEdit *memo(const QString &name, QWidget *parent, const QRect &geometry, bool horizontalBar)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setGeometry(geometry);
    setScrollBars(memo, horizontalBar);
    return memo;
}

void setScrollBars(QPlainTextEdit *memo, bool horizontalBar)
{
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(horizontalBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(horizontalBar ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

MetafileView *picture(const QString &name, QWidget *parent, const QRect &geometry, bool stretch)
{
    auto *box = new MetafileView(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFit(stretch ? MetafileView::Fit::Stretch : MetafileView::Fit::NaturalTopLeft);
    return box;
}

void loadPicture(MetafileView *box, const QString &contentPath)
{
    box->setMetafile(Metafile::load(contentPath));
}

void loadMemo(QPlainTextEdit *memo, const QString &contentPath)
{
    memo->setPlainText(IsaText::readText(contentPath));
}

void refuseClose(QCloseEvent *event)
{
    event->ignore();
}

bool swallowEscape(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    event->accept();
    return true;
}

} // namespace IsaControls
