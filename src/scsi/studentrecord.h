#pragma once

#include <QString>
#include <array>

// Who is working in a trainer and how much they have done, kept in memory for
// the run of the program. The SCSI trainer uses all six counters, the USB
// trainer the first four.
struct StudentRecord {
    enum Counter {
        QuestionsAsked = 0,
        QuestionsRight = 1,
        Task1Attempts = 2,
        Task1Right = 3,
        Task2Attempts = 4,
        Task2Right = 5,
    };
    static constexpr int kCounterCount = 6;

    QString surname;
    QString group;
    std::array<qint32, kCounterCount> counters{};

    void clear()
    {
        surname.clear();
        group.clear();
        clearCounters();
    }
    void clearCounters() { counters.fill(0); }
    void add(Counter counter, int amount = 1) { counters[counter] += amount; }
    qint32 value(Counter counter) const { return counters[counter]; }
};
