#pragma once

#include "scsi/trainermainwindow.h"

class TReg_formusb;
class TStat_formusb;

// Home screen of the USB trainer: registration, statistics, the packet task,
// the question test and the help files.
class TMain_formusb : public TrainerMainWindow {
    Q_OBJECT
public:
    explicit TMain_formusb(QWidget *parent = nullptr);

    void m_les1Click();
    void m_questClick();
    void BitBtn1Click();
    void bb_lesClick();
    void m_h_usbClick();
    void bb_defClick();

protected:
    QDialog *createAboutBox() override;
    RegistrationDialog *registrationDialog() override;
    StatisticsDialog *statisticsDialog() override;

private:
    TReg_formusb *m_regForm = nullptr;
    TStat_formusb *m_statForm = nullptr;
};
