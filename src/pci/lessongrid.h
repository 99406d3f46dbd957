#pragma once

#include <QTableWidget>

class LessonRules;

// The lesson's diagram grid: 10 columns by 11 rows of 51 x 36 cells, the
// signal names in column 0 and the clock in row 0. It only draws the rules'
// state and reports the student's clicks; a right click never moves the
// selection, so an interval always goes into the row being edited.
class LessonGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int CellWidth = 51;
    static constexpr int CellHeight = 36;

    LessonGrid(const LessonRules &rules, QWidget *parent = nullptr);

    // Column 0, top to bottom.
    void setNames(const QStringList &names);
    // The rectangle of a cell in the grid's viewport.
    QRect cellRect(int row, int column) const;

Q_SIGNALS:
    void rowSelecting(int row);
    void rightClicked(int column);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const LessonRules &m_rules;
};
