#include "scsi/thelp_panel.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

const char *const kLines[] = {
    "BF - Bus Free", "AR - Arbitration", "SE - Selection", "RS - Reselection", "CM - Command",
    "DI - Data IN",  "DO - Data OUT",    "ST - Status",    "MI - Message IN",  "MO - Message OUT",
};

} // namespace

Thelp_panel::Thelp_panel(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("help_panel"));
    setWindowTitle(QStringLiteral("Панель подсказки"));
    int top = 8;
    int number = 1;
    for (const char *text : kLines) {
        auto *label = new QLabel(QString::fromLatin1(text), this);
        label->setObjectName(QStringLiteral("Label%1").arg(number++));
        label->setGeometry(12, top, 150, 18);
        top += 20;
    }
    setFixedSize(170, top + 6);
}

void Thelp_panel::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}
