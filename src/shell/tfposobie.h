#pragma once

#include <QWidget>

// The textbook: the introductory lecture and the chapters as help documents in "book".
class TFPosobie : public QWidget {
    Q_OBJECT
public:
    explicit TFPosobie(QWidget *parent = nullptr);

    void Label4Click();
    void Label16Click();
    void Label18Click();
    void Label19Click();
    void Label20Click();
    void Label21Click();
    void Label22Click();
    void Label23Click();
    void Label24Click();
    void Label25Click();
    void Label27Click();
    void Label28Click();
    void Label29Click();
    void Label31Click();
    void Label32Click();
    void Label33Click();
    void Label34Click();
    void Label7Click();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
};
