#pragma once

#include "pci/lessonrules.h"

#include <QDialog>

class LessonGrid;
class QGroupBox;
class QLabel;
class QPushButton;

// The PCI electronic lesson: three tasks, each a bus transaction the student
// draws as a timing diagram and checks against the stored answer.
class TLesson : public QDialog {
    Q_OBJECT
public:
    explicit TLesson(QWidget *parent = nullptr);

    // Reads the lesson's files, starts a lesson and shows it modally. A
    // missing or short file throws before the window opens.
    int run();

    const LessonRules &rules() const { return m_rules; }
    LessonGrid *grid() const { return StringGrid1; }

    void FormShow();
    void FormHide();
    void StringGrid1SelectCell(int row);
    void StringGrid1MouseDown(int column);
    void ClearBtClick();
    void NextBtClick();
    void ReadyBtClick();
    void RetryBtClick();
    void GiveupBtClick();
    void HelpBtnClick();
    void ExitBtClick();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *button(const QString &name, const QString &caption, int index);
    void showButtons();
    void showCounters();
    void showTask();
    void endLesson();
    QStringList currentAnswer() const;

    LessonRules m_rules;
    QStringList m_pins;
    QStringList TaskTexts;
    QList<QStringList> m_answers; // of the three tasks drawn, read at the start

    QLabel *Label1;
    LessonGrid *StringGrid1;
    QGroupBox *GroupBox1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QPushButton *ReadyBt;
    QPushButton *ClearBt;
    QPushButton *NextBt;
    QPushButton *RetryBt;
    QPushButton *GiveupBt;
    QPushButton *HelpBtn;
    QPushButton *ExitBt;
};
