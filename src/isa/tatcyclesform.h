#pragma once

#include <QWidget>

class QCloseEvent;
class QLabel;
class QPlainTextEdit;
class MetafileView;
class QPushButton;
class QTabBar;

// The AT-bus variants of the ISA bus cycles; left only through its own buttons,
// back to the main window or to the cycle window.
class TATCyclesForm : public QWidget {
    Q_OBJECT
public:
    explicit TATCyclesForm(QWidget *parent = nullptr);

    // The main window's "&Особенности циклов AT-шины": tab 0, no cycle window to return to.
    void OpenAtFromIsa(QWidget *from);
    // The cycle window's "For PC AT": the tab of the chosen resource and width
    // (CycleCatalogue::None leaves the tab as it was and the description empty).
    void openFromCycles(int tab);
    void TabSet1Click();
    void BitBtn1Click();
    void BitBtn2Click();

    QPlainTextEdit *Memo1;
    QTabBar *TabSet1;
    MetafileView *Image1;
    QLabel *Label1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void loadTab(int tab);
    void selectTab(int tab);
};
