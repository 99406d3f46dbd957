#pragma once

#include "pci/pcidialog.h"

class QLabel;
class QPushButton;
class QWidget;
class MetafileView;

// The PCI trainer's about box: the programme's credits over a colour band
// running from blue through green towards red, and the bus picture.
class TPres : public PciDialog {
    Q_OBJECT
public:
    explicit TPres(QWidget *parent = nullptr);

    // The band's colour at x (1 to 512); x = 0 is not drawn.
    static QColor bandColour(int x);
    // Loads "pci\pci_info\pci.wmf"; throws naming the file when it is missing
    // or not a picture, so the box does not open without it.
    void loadPicture();
    QLabel *band() const { return Image2; }

private:
    void FormCreate();

    QLabel *Image2;
    QLabel *m_title;
    QLabel *m_credits;
    QWidget *m_pictureFrame;
    MetafileView *m_picture = nullptr;
    QPushButton *Button1;
};
