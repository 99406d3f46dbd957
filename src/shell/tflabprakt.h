#pragma once

#include <QWidget>

class ClickableLabel;

// The lab practicum menu: the lab instructions and the lab selector.
class TFLabprakt : public QWidget {
    Q_OBJECT
public:
    explicit TFLabprakt(QWidget *parent = nullptr);

    void Label16Click();
    void Label1Click();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ClickableLabel *Label16;
    ClickableLabel *Label1;
};
