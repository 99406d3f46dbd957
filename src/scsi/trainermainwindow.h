#pragma once

#include "scsi/studentrecord.h"
#include "scsi/trainerdescription.h"

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

// The home window of the SCSI and of the USB trainer, made from the trainer's
// description: the title block, the three button panels of which one is
// visible, the main menu, the student record with registration and statistics,
// the about box and registration at the first activation, and the return to
// the window it was given on close.
class TrainerMainWindow : public QWidget {
    Q_OBJECT
public:
    StudentRecord &record() { return m_record; }
    bool firstActivationDone() const { return m_firstActivationDone; }
    // MMenu1, made on first use.
    QMenuBar *menuBar();

    // The window shown again when this one closes (the lab selector).
    void setReturnWindow(QWidget *window) { m_returnWindow = window; }
    // The standing registration and statistics dialogs of the window set;
    // without them the window makes its own when first needed.
    void setDialogs(RegistrationDialog *registration, StatisticsDialog *statistics);

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
    void m_les1Click();
    void m_questClick();
    void BitBtn1Click();
    void bb_infClick();
    void bb_backClick();
    void bb_lesClick();
    void bb_back1Click();
    void bb_defClick();

protected:
    TrainerMainWindow(TrainerDescription description, QWidget *parent);

    // Hides this window while a task's window (counted from 0) is open.
    void openTask(int index);
    // Makes the reference help file the application's and opens its contents.
    void openReference();

    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Handler = void (TrainerMainWindow::*)();

    void buildTitle();
    void buildPanels();
    void buildMenus();
    QPushButton *addButton(QWidget *panel, const QString &name, const QString &caption);
    void addButton(QWidget *panel, const QString &name, const QString &caption, Handler handler);
    QAction *addAction(QMenu *menu, const QString &name, const QString &caption);
    void addAction(QMenu *menu, const QString &name, const QString &caption, Handler handler);
    void sizePanels();
    void runModal(const TrainerDescription::Exercise &exercise);
    void switchPanel(QWidget *from, QWidget *to);
    void openHelp(const QString &helpFile);
    void scheduleFirstActivation();
    RegistrationDialog *registrationDialog();
    StatisticsDialog *statisticsDialog();

    const TrainerDescription m_description;
    QWidget *m_client;
    QFrame *m_bevel;
    QLabel *m_heading;
    QLabel *m_title;
    QWidget *m_mainPanel;
    QWidget *m_infoPanel;
    QWidget *m_tasksPanel;
    QMenuBar *m_menuBar = nullptr;
    QMenu *m_fileMenu;
    QMenu *m_tasksMenu;
    QMenu *m_helpMenu;
    QDialog *m_aboutBox = nullptr;
    RegistrationDialog *m_registration = nullptr;
    StatisticsDialog *m_statistics = nullptr;
    QWidget *m_returnWindow = nullptr;

    StudentRecord m_record;
    bool m_firstActivationDone = false;
    bool m_activationPending = false;
};
