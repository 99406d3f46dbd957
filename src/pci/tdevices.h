#pragma once

#include "pci/pcidialog.h"

class QPlainTextEdit;
class QPushButton;
class QTabBar;
class MetafileView;

// The four kinds of PCI bus operation, each with its text and picture.
class TDevices : public PciDialog {
    Q_OBJECT
public:
    explicit TDevices(QWidget *parent = nullptr);

    // The text and picture of tab index 0 to 3.
    static QString textPath(int tab);
    static QString picturePath(int tab);

    // Opens modally on the page the introduction's tag chose: tag 0 the first
    // page, tag k (1 to 4) page k - 1.
    void showOperations(int tag);
    // Loads the current tab's text and picture.
    void TabSet1Change();

private:
    QTabBar *TabSet1;
    QPlainTextEdit *Memo1;
    MetafileView *Image1;
    QPushButton *BitBtn1;
};
