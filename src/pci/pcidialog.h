#pragma once

#include <QDialog>
#include <QKeyEvent>

// The PCI trainer's dialogs are left through their buttons or the close box;
// Escape does nothing, so a stray key never closes a page or abandons a test.
class PciDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            event->accept();
            return;
        }
        QDialog::keyPressEvent(event);
    }
};
