#pragma once

#include "timerlab/portprogram.h"

#include <QWidget>
#include <memory>

class PcTimer;
class QLabel;
class QPlainTextEdit;

// The program editor and runner: port commands in the lab's notation, run
// step by step or at once against the timer, with the values read beside each IN.
class ProgramPanel : public QWidget {
    Q_OBJECT
public:
    explicit ProgramPanel(PcTimer &timer, QWidget *parent = nullptr);

    QPlainTextEdit *editor() const { return m_editor; }
    QString resultsText() const;
    QString errorText() const;

    // Parses the text if it changed; false (and the error shown) on a syntax error.
    bool prepare();
    void stepOnce();
    void runToEnd();
    void restart();
    bool loadFrom(const QString &fileName);
    bool saveTo(const QString &fileName);

Q_SIGNALS:
    void logged(const QString &line);
    void timerChanged();

private:
    void show(const PortProgramRunner::Result &result);
    void highlightLine(int line);

    PcTimer &m_timer;
    QPlainTextEdit *m_editor;
    QPlainTextEdit *m_results;
    QLabel *m_error;
    PortProgram m_program;
    std::unique_ptr<PortProgramRunner> m_runner;
    bool m_dirty = true;
};
