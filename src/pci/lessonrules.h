#pragma once

#include "pci/signalstates.h"

#include <QString>
#include <QStringList>
#include <array>

// The rules of the PCI electronic lesson, without widgets: the diagram being
// drawn (states of rows 0 to 10 over periods 1 to 9), interval editing into
// the active row, the comparison with an answer, the draw of three tasks, the
// counters and which buttons are enabled. The window shows this state and
// forwards the student's clicks.
class LessonRules {
public:
    static constexpr int TaskCount = 3;
    static constexpr int Rows = SignalStates::kSignalRows + 1; // row 0 is the clock
    static constexpr int FirstTask[TaskCount] = {1, 7, 12};
    static constexpr int LastTask[TaskCount] = {6, 11, 17};

    struct Buttons {
        bool ready = false;
        bool next = false;
        bool retry = false;
        bool giveUp = false;
    };

    struct Check {
        bool right = false;
        QString errorText; // " " then the name of each wrong row followed by "; "
    };

    // What follows a press of "Готово".
    struct Verdict {
        bool right = false;
        QString errorText;
        bool lessonEnds = false;  // the summary follows
        bool nextFollows = false; // a right answer before the last task: the next task follows at once
    };

    LessonRules();

    // The diagram. Row 0 holds the clock in every period; column is 1 to 9.
    quint8 state(int row, int column) const;
    void setState(int row, int column, quint8 state);
    const SignalStates::Row &row(int row) const { return m_grid[size_t(row)]; }

    int activeRow() const { return m_activeRow; }
    int pendingColumn() const { return m_pendingColumn; }
    // The row being selected becomes the one edited; the clock row is never edited.
    void selectRow(int row);
    // A right click in a column: the first marks where an interval starts, the
    // second where it ends (a second click not right of the first only cancels).
    void rightClick(int column);
    void clearActiveRow();

    // The start of a lesson: counters to zero and three new tasks drawn.
    void start();
    // Draws a task for each position from its range, never the one the same
    // position held in the previous lesson of this run.
    void chooseTasks();
    const std::array<int, TaskCount> &taskOrder() const { return m_taskOrder; }
    // The task number being asked (0 before the first).
    int currentTask() const;

    void next();
    Verdict ready(const QStringList &answerLines, const QStringList &rowNames);
    void retry();
    // Shows the answer in the diagram: each cell its digit, '?' as nothing.
    // Returns true when this was the last task (the lesson ends).
    bool giveUp(const QStringList &answerLines);

    static Check compare(const std::array<SignalStates::Row, Rows> &grid, const QStringList &answerLines,
                         const QStringList &rowNames);

    int taskIndex() const { return m_taskIndex; }
    int rightCount() const { return m_rightCount; }
    int retryCount() const { return m_retryCount; }
    bool retryMode() const { return m_retryMode; }
    Buttons buttons() const { return m_buttons; }

    // Texts of the window made from this state.
    static QString digit(int value);
    QString caption() const;
    QString summaryText() const;

private:
    void clearSignalRows();

    std::array<SignalStates::Row, Rows> m_grid;
    int m_activeRow = 1;
    int m_pendingColumn = 0;
    std::array<int, TaskCount> m_taskOrder{0, 0, 0};
    int m_taskIndex = 0;
    int m_rightCount = 0;
    int m_retryCount = 0;
    bool m_retryMode = false;
    Buttons m_buttons;
};
