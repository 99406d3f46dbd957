#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The note shown after a bus cycle has been chosen.
class TWarningForm : public QDialog {
    Q_OBJECT
public:
    explicit TWarningForm(QWidget *parent = nullptr);

    static QString noteFile() { return QStringLiteral("isa\\discr\\Warning.txt"); }
    // Shows the window, then loads the note.
    void showNote();
    void BitBtn1Click();

    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1;
};
