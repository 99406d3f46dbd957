#pragma once

#include "isa/cycleparameters.h"

#include <QDialog>

class QButtonGroup;
class QCloseEvent;
class QFrame;
class QGroupBox;
class QPushButton;

// The cycle-parameter dialog: kind, resource, width, direction and length of a bus
// cycle. It has no close box and is left only through "OK" (when a cycle matches)
// and "&Выход".
class TCyclesparamForm : public QDialog {
    Q_OBJECT
public:
    explicit TCyclesparamForm(QWidget *parent = nullptr);

    const CycleParameters &parameters() const { return m_parameters; }

    // From the main window: only the kind group is usable, earlier choices stay.
    void openFromMainWindow();
    // From the cycle window's "Другой цикл": as the last kind click left it.
    void reopen();
    // A click on an item of a group (group 0..4, item from 0).
    void RadioGroupClick(int group, int item);
    void BitBtn1Click();
    void BitBtn4Click();

    QFrame *Panel1;
    QGroupBox *RadioGroup[CycleParameters::GroupCount];
    QPushButton *BitBtn1;
    QPushButton *BitBtn4;

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showParameters();

    CycleParameters m_parameters;
    QButtonGroup *m_items[CycleParameters::GroupCount];
};
