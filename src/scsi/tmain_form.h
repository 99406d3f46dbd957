#pragma once

#include "scsi/trainermainwindow.h"

class TReg_form;
class TStat_form;

// Home screen of the SCSI trainer: registration, statistics, the two tasks,
// the question test and the help files.
class TMain_form : public TrainerMainWindow {
    Q_OBJECT
public:
    explicit TMain_form(QWidget *parent = nullptr);

    void m_les1Click();
    void m_les2Click();
    void m_questClick();
    void BitBtn1Click();
    void bb_lesClick();
    void m_h_scsiClick();
    void bb_defClick();

protected:
    QDialog *createAboutBox() override;
    RegistrationDialog *registrationDialog() override;
    StatisticsDialog *statisticsDialog() override;

private:
    TReg_form *m_regForm = nullptr;
    TStat_form *m_statForm = nullptr;
};
