#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The exam-question list: "exam\exam.txt" read once, when the window is created.
class TFExamQuest : public QWidget {
    Q_OBJECT
public:
    explicit TFExamQuest(QWidget *parent = nullptr);

    void FormCreate();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *Label1;
    QPlainTextEdit *QuestMemo;
};
