#include "scsi/formcontrols.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace FormControls {

QPushButton *button(const QString &name, const QString &caption, QWidget *parent, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

QLabel *label(const QString &name, const QString &caption, QWidget *parent, const QRect &geometry,
              Qt::Alignment alignment)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLineEdit *counter(const QString &name, QWidget *parent, const QRect &geometry)
{
    auto *edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignCenter);
    edit->setGeometry(geometry);
    return edit;
}

} // namespace FormControls
