#pragma once

#include "isa/interactanswers.h"

#include <QString>

// The rules of the device-interaction exercise: five tasks, one second try per
// task, giving up, skipping, the counters and the ten-point mark. The window
// shows the state and forwards the student's actions.
class InteractExercise {
public:
    static constexpr int FinishedTask = 6;

    // Which controls are usable; the window applies this after every action.
    struct Controls {
        bool ready = false;  // "Готово"
        bool clear = false;  // "Очистить"
        bool next = false;   // "Дальше"
        bool giveUp = false; // "Сдаюсь"
        bool exit = true;    // "Выход"
        bool boxes = true;
    };

    // What acknowledging a result did, so the window knows what to do with the boxes
    // and whether the mark is to be shown.
    enum class Outcome {
        Closed,     // the mark had been on show: the exercise is over
        ShowMark,   // fifth task right: the mark is to be shown, the task number becomes 6
        Accepted,   // right: the boxes keep the answer, only "Дальше" is usable
        TryAgain,   // first wrong answer: boxes cleared for a second try
        OnlyGiveUp, // second wrong answer: boxes cleared, only "Сдаюсь" is usable
    };

    // Starts the exercise at task 1 with the counters at zero.
    void start();
    // Starts task n (1..5), drawing a variant among its titles.
    void startTask(int task);

    // "Готово": the number of rows whose box differs from the answer row.
    int check(const InteractAnswers::Row &boxes);
    QString verdict(int errors) const;
    // The result window's OK after a check (or after the mark).
    Outcome acknowledge(int errors);
    // "Дальше": counts the task as answered if it was not; starts the next task
    // or, after the fifth, finishes with the task number 6 (returns true: the mark is
    // to be shown).
    bool next();
    // "Сдаюсь": the answer row to show; it cannot be edited, only "Дальше" is usable.
    InteractAnswers::Row giveUp();
    int taskNo() const { return m_taskNo; }
    int variant() const { return m_variant; }
    bool secondTry() const { return m_secondTry; }
    int answers() const { return m_answers; }
    int correct() const { return m_correct; }
    int retries() const { return m_retries; }
    const Controls &controls() const { return m_controls; }
    InteractAnswers::Row rightAnswer() const { return InteractAnswers::answer(m_taskNo, m_variant); }
    QString heading() const { return InteractAnswers::heading(m_taskNo); }
    QString title() const { return InteractAnswers::title(m_taskNo, m_variant); }
    int devices() const { return InteractAnswers::devices(m_taskNo); }

    int finalMark() const { return mark(m_correct, m_retries); }
    // 2 x correct, less one for 2 or 3 retries and two for 4 or more; never below 0.
    static int mark(int correct, int retries);

private:
    void setControls(bool ready, bool clear, bool next, bool giveUp, bool exit, bool boxes);

    int m_taskNo = 0;
    int m_variant = 0;
    bool m_secondTry = false;
    int m_answers = 0;
    int m_correct = 0;
    int m_retries = 0;
    Controls m_controls;
};
