#pragma once

#include "scsi/studentrecord.h"

#include <QColor>
#include <QWidget>

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class RegistrationDialog;
class StatisticsDialog;

// What the SCSI and USB trainer main windows share: the title block, the
// three button panels of which one is visible, the main menu with its
// "Файл" entries, the student record with registration and statistics, the
// about box and registration at the first activation, and the return to the
// lab selector on close. The windows add their own buttons, menu entries and
// handlers, then call FormCreate.
class TrainerMainWindow : public QWidget {
    Q_OBJECT
public:
    StudentRecord &record() { return m_record; }
    bool firstActivationDone() const { return m_firstActivationDone; }
    // MMenu1, made on first use.
    QMenuBar *menuBar();

    void FormCreate();
    void FormActivate();
    void FormResize();
    void FormClose();

    void RegisterStudent();
    void ShowStatistics();

    void m_regClick();
    void m_statClick();
    void m_exitClick();
    void m_h_aboutClick();
    void bb_infClick();
    void bb_backClick();
    void bb_back1Click();

protected:
    TrainerMainWindow(const QString &name, const QString &title, const QColor &background, const QColor &titleColour,
                      QWidget *parent);

    virtual QDialog *createAboutBox() = 0;
    virtual RegistrationDialog *registrationDialog() = 0;
    virtual StatisticsDialog *statisticsDialog() = 0;

    QPushButton *addButton(QWidget *panel, const QString &name, const QString &caption);
    QAction *addAction(QMenu *menu, const QString &name, const QString &caption);
    // Hides this window while a modal window of the trainer is open. The
    // window is created first: when its content is missing it throws and this
    // window stays as it is.
    template <typename Window> void runModal()
    {
        Window window(m_record, this);
        hide();
        window.exec();
        show();
    }

    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QWidget *m_client;
    QFrame *Bevel1;
    QLabel *Label1;
    QLabel *Label2;
    QWidget *Panel_but;
    QWidget *Panel_inf;
    QWidget *Panel_les;
    QMenuBar *MMenu1 = nullptr;
    QMenu *m_file;
    QMenu *m_tasks;
    QMenu *m_help;
    QAction *m_reg;
    QAction *m_stat;
    QAction *m_exit;
    QAction *m_h_about = nullptr;
    QDialog *m_about = nullptr;

private:
    void scheduleFirstActivation();
    void sizePanels();

    StudentRecord m_record;
    bool m_firstActivationDone = false;
    bool m_activationPending = false;
};
