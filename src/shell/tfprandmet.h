#pragma once

#include <QWidget>

class ClickableLabel;

// The course programme: each entry opens one of the course documents in "book".
class TFPrandmet : public QWidget {
    Q_OBJECT
public:
    explicit TFPrandmet(QWidget *parent = nullptr);

    void Label16Click();
    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Label4Click();
    void Label5Click();
    void Label6Click();
    void Label7Click();
    void Label8Click();
    void Label9Click();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ClickableLabel *Label16;
    ClickableLabel *Label1;
    ClickableLabel *Label2;
    ClickableLabel *Label3;
    ClickableLabel *Label4;
    ClickableLabel *Label5;
    ClickableLabel *Label6;
    ClickableLabel *Label7;
    ClickableLabel *Label8;
    ClickableLabel *Label9;
};
