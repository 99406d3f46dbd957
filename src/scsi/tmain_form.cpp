#include "scsi/tmain_form.h"

#include "platform/guard.h"
#include "platform/helpengine.h"
#include "scsi/tabout_form.h"
#include "scsi/tform1.h"
#include "scsi/tles2_form.h"
#include "scsi/tquest_form.h"
#include "scsi/treg_form.h"
#include "scsi/tstat_form.h"
#include "shell/windowset.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

TMain_form::TMain_form(QWidget *parent)
    : TrainerMainWindow(QStringLiteral("Main_form"), QStringLiteral("SCSI"), QColor(0x1b, 0x7a, 0x3a),
                        QColor(0xff, 0xff, 0xff), parent)
{
    QPushButton *bb_reg = addButton(Panel_but, QStringLiteral("bb_reg"), QStringLiteral("Регистрация"));
    QPushButton *bb_inf = addButton(Panel_but, QStringLiteral("bb_inf"), QStringLiteral("Информация"));
    QPushButton *BitBtn1 = addButton(Panel_but, QStringLiteral("BitBtn1"), QStringLiteral("Вопросы"));
    QPushButton *bb_les = addButton(Panel_but, QStringLiteral("bb_les"), QStringLiteral("Задания"));
    QPushButton *bb_stat = addButton(Panel_but, QStringLiteral("bb_stat"), QStringLiteral("Статистика"));
    QPushButton *bb_exit = addButton(Panel_but, QStringLiteral("bb_exit"), QStringLiteral("ВЫХОД"));

    QPushButton *bb_about = addButton(Panel_inf, QStringLiteral("bb_about"), QStringLiteral("О программе"));
    QPushButton *bb_scsi = addButton(Panel_inf, QStringLiteral("bb_scsi"), QStringLiteral("Справочник"));
    QPushButton *bb_def = addButton(Panel_inf, QStringLiteral("bb_def"), QStringLiteral("Порядок работы "));
    QPushButton *bb_back = addButton(Panel_inf, QStringLiteral("bb_back"), QStringLiteral("НАЗАД"));

    QPushButton *bb_les1 = addButton(Panel_les, QStringLiteral("bb_les1"), QStringLiteral("Задание 1"));
    QPushButton *bb_les2 = addButton(Panel_les, QStringLiteral("bb_les2"), QStringLiteral("Задание 2"));
    QPushButton *bb_back1 = addButton(Panel_les, QStringLiteral("bb_back1"), QStringLiteral("НАЗАД"));

    QAction *m_les1 = addAction(m_tasks, QStringLiteral("m_les1"), QStringLiteral("Задание 1"));
    QAction *m_les2 = addAction(m_tasks, QStringLiteral("m_les2"), QStringLiteral("Задание 2"));
    m_tasks->addSeparator();
    QAction *m_quest = addAction(m_tasks, QStringLiteral("m_quest"), QStringLiteral("Вопросы"));
    QAction *m_h_scsi = addAction(m_help, QStringLiteral("m_h_scsi"), QStringLiteral("Интерфейс SCSI"));
    m_help->addSeparator();

    TrainerMainWindow *base = this;
    Guard::connect(bb_reg, &QPushButton::clicked, base, &TrainerMainWindow::m_regClick);
    Guard::connect(bb_inf, &QPushButton::clicked, base, &TrainerMainWindow::bb_infClick);
    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TMain_form::BitBtn1Click);
    Guard::connect(bb_les, &QPushButton::clicked, this, &TMain_form::bb_lesClick);
    Guard::connect(bb_stat, &QPushButton::clicked, base, &TrainerMainWindow::m_statClick);
    Guard::connect(bb_exit, &QPushButton::clicked, base, &TrainerMainWindow::m_exitClick);
    Guard::connect(bb_about, &QPushButton::clicked, base, &TrainerMainWindow::m_h_aboutClick);
    Guard::connect(bb_scsi, &QPushButton::clicked, this, &TMain_form::m_h_scsiClick);
    Guard::connect(bb_def, &QPushButton::clicked, this, &TMain_form::bb_defClick);
    Guard::connect(bb_back, &QPushButton::clicked, base, &TrainerMainWindow::bb_backClick);
    Guard::connect(bb_les1, &QPushButton::clicked, this, &TMain_form::m_les1Click);
    Guard::connect(bb_les2, &QPushButton::clicked, this, &TMain_form::m_les2Click);
    Guard::connect(bb_back1, &QPushButton::clicked, base, &TrainerMainWindow::bb_back1Click);
    Guard::connect(m_les1, &QAction::triggered, this, &TMain_form::m_les1Click);
    Guard::connect(m_les2, &QAction::triggered, this, &TMain_form::m_les2Click);
    Guard::connect(m_quest, &QAction::triggered, this, &TMain_form::m_questClick);
    Guard::connect(m_h_scsi, &QAction::triggered, this, &TMain_form::m_h_scsiClick);

    FormCreate();
}

QDialog *TMain_form::createAboutBox()
{
    return new Tabout_form(this);
}

// The standing dialogs of the window set when the shell made them, otherwise own ones.
RegistrationDialog *TMain_form::registrationDialog()
{
    if (::Reg_form)
        return ::Reg_form;
    if (!m_regForm)
        m_regForm = new TReg_form(this);
    return m_regForm;
}

StatisticsDialog *TMain_form::statisticsDialog()
{
    if (::Stat_form)
        return ::Stat_form;
    if (!m_statForm)
        m_statForm = new TStat_form(this);
    return m_statForm;
}

void TMain_form::m_les1Click()
{
    runModal<TForm1>();
}

void TMain_form::m_les2Click()
{
    runModal<Tles2_form>();
}

void TMain_form::m_questClick()
{
    runModal<TQuest_form>();
}

void TMain_form::BitBtn1Click()
{
    m_questClick();
}

void TMain_form::bb_lesClick()
{
    Panel_but->hide();
    Panel_les->show();
}

void TMain_form::m_h_scsiClick()
{
    HelpEngine::setHelpFile(QStringLiteral("scsi\\help\\vved.hlp"));
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
}

void TMain_form::bb_defClick()
{
    HelpEngine::setHelpFile(QStringLiteral("scsi\\help\\scsi_prog.hlp"));
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
}
