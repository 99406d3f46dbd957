#include "usb/tmain_formusb.h"

#include "platform/guard.h"
#include "platform/helpengine.h"
#include "shell/windowset.h"
#include "usb/tabout_form1.h"
#include "usb/tform11.h"
#include "usb/tquest_formusb.h"
#include "usb/treg_formusb.h"
#include "usb/tstat_formusb.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

TMain_formusb::TMain_formusb(QWidget *parent)
    : TrainerMainWindow(QStringLiteral("Main_formusb"), QStringLiteral("USB"), QColor(0xff, 0xff, 0xff),
                        QColor(0x0d, 0x2a, 0x6e), parent)
{
    QPushButton *bb_reg = addButton(Panel_but, QStringLiteral("bb_reg"), QStringLiteral("Регистрация"));
    QPushButton *bb_inf = addButton(Panel_but, QStringLiteral("bb_inf"), QStringLiteral("Информация"));
    QPushButton *BitBtn1 = addButton(Panel_but, QStringLiteral("BitBtn1"), QStringLiteral("Вопросы"));
    QPushButton *bb_les = addButton(Panel_but, QStringLiteral("bb_les"), QStringLiteral("Задание"));
    QPushButton *bb_stat = addButton(Panel_but, QStringLiteral("bb_stat"), QStringLiteral("Статистика"));
    QPushButton *bb_exit = addButton(Panel_but, QStringLiteral("bb_exit"), QStringLiteral("ВЫХОД"));

    QPushButton *bb_about = addButton(Panel_inf, QStringLiteral("bb_about"), QStringLiteral("О программе"));
    QPushButton *bb_usb = addButton(Panel_inf, QStringLiteral("bb_usb"), QStringLiteral("Справочник"));
    QPushButton *bb_def = addButton(Panel_inf, QStringLiteral("bb_def"), QStringLiteral("Порядок работы"));
    QPushButton *bb_back = addButton(Panel_inf, QStringLiteral("bb_back"), QStringLiteral("НАЗАД"));

    QPushButton *bb_les1 = addButton(Panel_les, QStringLiteral("bb_les1"), QStringLiteral("Задание"));
    QPushButton *bb_back1 = addButton(Panel_les, QStringLiteral("bb_back1"), QStringLiteral("НАЗАД"));

    QAction *m_les1 = addAction(m_tasks, QStringLiteral("m_les1"), QStringLiteral("Задание"));
    m_tasks->addSeparator();
    QAction *m_quest = addAction(m_tasks, QStringLiteral("m_quest"), QStringLiteral("Вопросы"));
    QAction *m_h_usb = addAction(m_help, QStringLiteral("m_h_usb"), QStringLiteral("Интерфейс USB"));
    m_help->addSeparator();

    TrainerMainWindow *base = this;
    Guard::connect(bb_reg, &QPushButton::clicked, base, &TrainerMainWindow::m_regClick);
    Guard::connect(bb_inf, &QPushButton::clicked, base, &TrainerMainWindow::bb_infClick);
    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TMain_formusb::BitBtn1Click);
    Guard::connect(bb_les, &QPushButton::clicked, this, &TMain_formusb::bb_lesClick);
    Guard::connect(bb_stat, &QPushButton::clicked, base, &TrainerMainWindow::m_statClick);
    Guard::connect(bb_exit, &QPushButton::clicked, base, &TrainerMainWindow::m_exitClick);
    Guard::connect(bb_about, &QPushButton::clicked, base, &TrainerMainWindow::m_h_aboutClick);
    Guard::connect(bb_usb, &QPushButton::clicked, this, &TMain_formusb::m_h_usbClick);
    Guard::connect(bb_def, &QPushButton::clicked, this, &TMain_formusb::bb_defClick);
    Guard::connect(bb_back, &QPushButton::clicked, base, &TrainerMainWindow::bb_backClick);
    Guard::connect(bb_les1, &QPushButton::clicked, this, &TMain_formusb::m_les1Click);
    Guard::connect(bb_back1, &QPushButton::clicked, base, &TrainerMainWindow::bb_back1Click);
    Guard::connect(m_les1, &QAction::triggered, this, &TMain_formusb::m_les1Click);
    Guard::connect(m_quest, &QAction::triggered, this, &TMain_formusb::m_questClick);
    Guard::connect(m_h_usb, &QAction::triggered, this, &TMain_formusb::m_h_usbClick);

    FormCreate();
}

QDialog *TMain_formusb::createAboutBox()
{
    return new Tabout_form1(this);
}

// The standing dialogs of the window set when the shell made them, otherwise own ones.
RegistrationDialog *TMain_formusb::registrationDialog()
{
    if (::Reg_formusb)
        return ::Reg_formusb;
    if (!m_regForm)
        m_regForm = new TReg_formusb(this);
    return m_regForm;
}

StatisticsDialog *TMain_formusb::statisticsDialog()
{
    if (::Stat_formusb)
        return ::Stat_formusb;
    if (!m_statForm)
        m_statForm = new TStat_formusb(this);
    return m_statForm;
}

void TMain_formusb::m_les1Click()
{
    runModal<TForm11>();
}

void TMain_formusb::m_questClick()
{
    runModal<TQuest_formusb>();
}

void TMain_formusb::BitBtn1Click()
{
    m_questClick();
}

// The USB trainer has one task: the button opens it directly.
void TMain_formusb::bb_lesClick()
{
    m_les1Click();
}

void TMain_formusb::m_h_usbClick()
{
    HelpEngine::setHelpFile(QStringLiteral("usb\\help\\usb.hlp"));
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
}

void TMain_formusb::bb_defClick()
{
    HelpEngine::setHelpFile(QStringLiteral("usb\\help\\usb_prog.hlp"));
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
}
