#pragma once

#include <QWidget>

class PhaseExercise;

// The white drawing surface `Main_Box` of task 1: every paint redraws the
// whole chain from the exercise's steps and drawing parameters.
class PhaseChainView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 780;
    static constexpr int kHeight = 311;

    PhaseChainView(const PhaseExercise &exercise, QWidget *parent = nullptr);
    QSize sizeHint() const override { return QSize(kWidth, kHeight); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const PhaseExercise &m_exercise;
};
