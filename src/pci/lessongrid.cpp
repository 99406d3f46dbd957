#include "pci/lessongrid.h"

#include "pci/lessoncellpainter.h"
#include "pci/lessonrules.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

const QColor kFixedFill(192, 192, 192);

class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(const LessonRules &rules, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_rules(rules)
    {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int row = index.row();
        const int column = index.column();
        // The grid's own drawing: fixed cells grey with their name, the others white.
        const bool fixed = row == 0 || column == 0;
        painter->fillRect(option.rect, fixed ? kFixedFill : QColor(Qt::white));
        const QString text = index.data().toString();
        if (!text.isEmpty()) {
            painter->setPen(Qt::black);
            painter->drawText(option.rect.adjusted(3, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        }
        LessonCellPainter::Cell cell;
        cell.column = column;
        cell.state = m_rules.state(row, column);
        cell.active = row == m_rules.activeRow();
        cell.pending = cell.active && column == m_rules.pendingColumn();
        LessonCellPainter::paint(*painter, option.rect, cell);
    }

private:
    const LessonRules &m_rules;
};

} // namespace

LessonGrid::LessonGrid(const LessonRules &rules, QWidget *parent)
    : QTableWidget(LessonRules::Rows, 10, parent)
    , m_rules(rules)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(CellWidth);
    verticalHeader()->setDefaultSectionSize(CellHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::StrongFocus);
    setItemDelegate(new CellDelegate(m_rules, this));
    setFixedSize(10 * CellWidth, LessonRules::Rows * CellHeight);
    // Names such as "DEVSEL#" must fit the 51-pixel name column.
    QFont names = font();
    names.setPointSize(names.pointSize() - 1);
    setFont(names);
}

void LessonGrid::setNames(const QStringList &names)
{
    for (int row = 0; row < rowCount(); ++row) {
        auto *item = new QTableWidgetItem(names.value(row));
        item->setFlags(Qt::ItemIsEnabled);
        setItem(row, 0, item);
    }
}

QRect LessonGrid::cellRect(int row, int column) const
{
    return visualRect(model()->index(row, column));
}

void LessonGrid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    setFocus(Qt::MouseFocusReason);
    if (!index.isValid())
        return;
    if (event->button() == Qt::RightButton)
        Q_EMIT rightClicked(index.column());
    else if (event->button() == Qt::LeftButton && index.row() >= 1 && index.column() >= 1)
        Q_EMIT rowSelecting(index.row());
}

void LessonGrid::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void LessonGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void LessonGrid::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        if (m_rules.activeRow() > 1)
            Q_EMIT rowSelecting(m_rules.activeRow() - 1);
        break;
    case Qt::Key_Down:
        if (m_rules.activeRow() < LessonRules::Rows - 1)
            Q_EMIT rowSelecting(m_rules.activeRow() + 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
