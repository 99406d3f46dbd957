#pragma once

#include <QDialog>

class MetafileView;
class QPushButton;

// The ISA trainer's about box: a picture and OK, which shows the main window.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    static QString pictureFile() { return QStringLiteral("ISA\\signals\\123.wmf"); }
    // Shows the box, then loads its picture.
    void showAbout();
    void BitBtn1Click();

    MetafileView *Image1;
    QPushButton *BitBtn1;

protected:
    void reject() override;
};
