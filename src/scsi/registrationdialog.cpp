#include "scsi/registrationdialog.h"

#include "platform/guard.h"
#include "scsi/editchain.h"
#include "scsi/studentrecord.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

RegistrationDialog::RegistrationDialog(int counterCount, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_counterCount(counterCount)
{
    setWindowTitle(QStringLiteral("Регистрация"));
    setFixedSize(257, 150);

    QFont bold = font();
    bold.setBold(true);

    L_fam = new QLabel(QStringLiteral("Фамилия"), this);
    L_fam->setObjectName(QStringLiteral("L_fam"));
    L_fam->setFont(bold);
    L_fam->setGeometry(16, 12, 225, 18);
    E_fam = new QLineEdit(this);
    E_fam->setObjectName(QStringLiteral("E_fam"));
    E_fam->setGeometry(16, 32, 225, 24);
    L_fam->setBuddy(E_fam);

    L_gr = new QLabel(QStringLiteral("Группа"), this);
    L_gr->setObjectName(QStringLiteral("L_gr"));
    L_gr->setFont(bold);
    L_gr->setGeometry(16, 64, 225, 18);
    E_gr = new QLineEdit(this);
    E_gr->setObjectName(QStringLiteral("E_gr"));
    E_gr->setGeometry(16, 84, 225, 24);
    L_gr->setBuddy(E_gr);

    B_ok = new QPushButton(QStringLiteral("OK"), this);
    B_ok->setObjectName(QStringLiteral("B_ok"));
    B_ok->setGeometry(40, 116, 85, 26);
    B_can = new QPushButton(QStringLiteral("Отмена"), this);
    B_can->setObjectName(QStringLiteral("B_can"));
    B_can->setGeometry(133, 116, 85, 26);

    // Enter in the surname goes on to the group; Enter in the group accepts.
    EditChain::install({E_fam, E_gr}, [this] { B_ok->click(); });

    Guard::connect(B_ok, &QPushButton::clicked, this, &RegistrationDialog::B_okClick);
    Guard::connect(B_can, &QPushButton::clicked, this, &RegistrationDialog::B_canClick);
}

bool RegistrationDialog::registerStudent(StudentRecord &record)
{
    setRecord(&record);
    if (exec() != QDialog::Accepted)
        return false;
    for (int i = 0; i < m_counterCount && i < StudentRecord::kCounterCount; ++i)
        record.counters[size_t(i)] = 0;
    return true;
}

void RegistrationDialog::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
    QDialog::showEvent(event);
}

void RegistrationDialog::FormShow()
{
    E_fam->setText(m_record ? m_record->surname : QString());
    E_gr->setText(m_record ? m_record->group : QString());
    E_fam->setFocus();
}

void RegistrationDialog::B_okClick()
{
    const QString surname = E_fam->text();
    const QString group = E_gr->text();
    if (!m_record || (surname == m_record->surname && group == m_record->group)) {
        reject();
        return;
    }
    m_record->surname = surname;
    m_record->group = group;
    accept();
}

void RegistrationDialog::B_canClick()
{
    reject();
}
