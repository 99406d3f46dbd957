#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls of the exercise windows, placed at fixed positions.
namespace FormControls {

QPushButton *button(const QString &name, const QString &caption, QWidget *parent, const QRect &geometry);
QLabel *label(const QString &name, const QString &caption, QWidget *parent, const QRect &geometry,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A read-only counter edit, "0" at first.
QLineEdit *counter(const QString &name, QWidget *parent, const QRect &geometry);

} // namespace FormControls
