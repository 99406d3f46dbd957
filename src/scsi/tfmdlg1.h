#pragma once

#include "scsi/phaseexercise.h"

#include <QDialog>

class QPushButton;
class QSpinBox;
class QLabel;

// The drawing-parameters dialog of task 1 ("Параметры"): circle diameter,
// arrowhead spread, gap and the size of the signal labels, tried out on a
// preview and applied to the exercise.
class TFMDlg1 : public QDialog {
    Q_OBJECT
public:
    TFMDlg1(PhaseExercise &exercise, QWidget *parent = nullptr);

    // The working values shown in the preview.
    ChainParameters workingParameters() const { return m_working; }
    int previewFontSize() const { return m_working.labelFontSize; }

    void FormShow();
    void UD_circleChanging();
    void Button1Click();
    void Button_exit1Click();

Q_SIGNALS:
    // "Применить" copied the working values into the exercise.
    void applied();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QSpinBox *addRow(const QString &name, const QString &caption, int minimum, int maximum, int step, int top);

    PhaseExercise &m_exercise;
    ChainParameters m_working;
    QWidget *m_preview = nullptr;
    QSpinBox *m_circle = nullptr;
    QSpinBox *m_font = nullptr;
    QSpinBox *m_string = nullptr;
    QSpinBox *m_dist = nullptr;
};
