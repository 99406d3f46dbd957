#pragma once

#include <QWidget>

class ClickableLabel;

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

private:
    ClickableLabel *Label4;
    ClickableLabel *Label16;
    ClickableLabel *Label17;
    ClickableLabel *Label18;
    ClickableLabel *Label19;
    ClickableLabel *Label20;
    ClickableLabel *Label21;
    ClickableLabel *Label22;
    ClickableLabel *Label23;
    ClickableLabel *Label24;
    ClickableLabel *Label25;
    ClickableLabel *Label26;
    ClickableLabel *Label27;
    ClickableLabel *Label28;
    ClickableLabel *Label29;
    ClickableLabel *Label30;
    ClickableLabel *Label31;
    ClickableLabel *Label32;
    ClickableLabel *Label33;
    ClickableLabel *Label34;
    ClickableLabel *Label2;
    ClickableLabel *Label7;
};
