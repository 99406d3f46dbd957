#pragma once

#include <QWidget>

class ClickableLabel;

// The contents menu: course programme, textbook, lab practicum, glossary, exam questions.
class TFSoderg : public QWidget {
    Q_OBJECT
public:
    explicit TFSoderg(QWidget *parent = nullptr);

    void Label11Click();
    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Label4Click();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ClickableLabel *Label11;
    ClickableLabel *Label1;
    ClickableLabel *Label2;
    ClickableLabel *Label3;
    ClickableLabel *Label4;
};
