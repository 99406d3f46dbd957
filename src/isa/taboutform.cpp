#include "isa/taboutform.h"

#include "isa/isacontrols.h"
#include "isa/isawindows.h"
#include "isa/tisaform.h"
#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"

#include <QPushButton>

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("AboutBox"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::Close);
    WindowFrame::setFixedClientSize(this, 467, 331);
    Image1 = IsaControls::picture(QStringLiteral("Image1"), this, QRect(1, 3, 465, 325), true);
    BitBtn1 = IsaControls::button(QStringLiteral("BitBtn1"), QStringLiteral("OK"), this, QRect(384, 296, 75, 25));
    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TAboutForm::BitBtn1Click);
    WindowFrame::centreOnScreen(this);
}

void TAboutForm::showAbout()
{
    Navigation::show(this);
    IsaControls::loadPicture(Image1, pictureFile());
}

void TAboutForm::BitBtn1Click()
{
    hide();
    if (ISAForm)
        Navigation::show(ISAForm);
}

// The close box and Escape leave the box as OK does.
void TAboutForm::reject()
{
    Guard::run(this, [this] { BitBtn1Click(); });
}
