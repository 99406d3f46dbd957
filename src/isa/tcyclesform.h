#pragma once

#include "isa/cyclecatalogue.h"

#include <QWidget>

class QCloseEvent;
class QFrame;
class QLabel;
class QPlainTextEdit;
class MetafileView;
class QPushButton;

// One ISA bus cycle: its timing diagram beside its description; left only through the
// cycle-parameter dialog or its "For PC AT" button.
class TCyclesForm : public QWidget {
    Q_OBJECT
public:
    explicit TCyclesForm(QWidget *parent = nullptr);

    // The main window's "&Циклы шины": this window with the parameter dialog over it.
    void openSection(QWidget *from);
    // Description, title, diagram, then the AT button; a failing load abandons the rest.
    void ShowCycle(const CycleCatalogue::Entry &entry);
    void Param();
    void BitBtn2Click();
    // A click on the description toggles it between its two placements.
    void Memo1Change();

    QFrame *Panel1;
    QLabel *Label3;
    MetafileView *Image1;
    QLabel *Label2;
    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
