#pragma once

#include "scsi/phaseexercise.h"

#include <QDialog>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class PhaseChainView;
class TFMDlg1;
class Thelp_panel;

// Task 1 of the SCSI trainer: the student builds the chain of bus phases of a
// transaction, with the signals of each phase, and has it checked. Reads its
// task when created; a missing task file or a bad record escapes the
// constructor as a ContentError, so the window does not open and the caller's
// guard names the file.
class TForm1 : public QDialog {
    Q_OBJECT
public:
    TForm1(StudentRecord &record, QWidget *parent = nullptr);
    ~TForm1() override;

    const PhaseExercise &exercise() const { return m_exercise; }

    void FormCreate();
    void New_les_load();
    void Add_btnClick();
    void Phase_boxChange();
    void Ready_btnClick();
    void res_butClick();
    void size1Click();
    void help_pan1Click();
    void help_panelClose();
    void FormClose();

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void buildTaskAndPhase(QWidget *client);
    void buildButtonsAndCounters(QWidget *client);
    void buildChain(QWidget *client);
    void buildMenu();
    void showCounts();

    PhaseExercise m_exercise;
    QMenuBar *m_menu = nullptr;
    QAction *m_sizesAction = nullptr;
    QAction *m_hintAction = nullptr;
    QLabel *m_taskText = nullptr;
    QComboBox *m_phaseList = nullptr;
    std::array<QCheckBox *, PhaseTable::kSignalCount> m_signals{};
    QPushButton *m_add = nullptr;
    QPushButton *m_reset = nullptr;
    QPushButton *m_ready = nullptr;
    QLineEdit *m_allTasks = nullptr;
    QLineEdit *m_rightTasks = nullptr;
    PhaseChainView *m_chain = nullptr;
    Thelp_panel *m_hintPanel = nullptr;
    TFMDlg1 *m_parametersDialog = nullptr;
};
