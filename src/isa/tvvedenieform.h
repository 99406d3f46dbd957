#pragma once

#include <QWidget>

class QCloseEvent;
class QPlainTextEdit;
class QPushButton;

// The ISA trainer's text window; each caller sets its caption and text. It has no
// close box and is left through its OK button.
class TVvedenieForm : public QWidget {
    Q_OBJECT
public:
    explicit TVvedenieForm(QWidget *parent = nullptr);

    // Shows the window with a caption and a content file (replacing the text).
    void showText(const QString &caption, const QString &contentPath);

    void BitBtn1Click();

    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1;

protected:
    void closeEvent(QCloseEvent *event) override;
};
