#pragma once

// The run of the ISA control questions: five questions in order, one variant of
// each drawn at random, one answer each, counters of answered and right answers;
// the mark is the number of right answers.
class ControlQuestions {
public:
    void start();
    // Answers the current question with the selected button (1..6, 0 for none);
    // returns whether it was right and moves to the next question, or finishes
    // after the fifth. Does nothing once finished.
    bool answer(int button);

    int questionNo() const { return m_questionNo; }
    int variant() const { return m_variant; }
    int answered() const { return m_answered; }
    int right() const { return m_right; }
    bool finished() const { return m_finished; }
    int mark() const { return m_right; }

private:
    void draw(int question);

    int m_questionNo = 0;
    int m_variant = 0;
    int m_answered = 0;
    int m_right = 0;
    bool m_finished = true;
};
