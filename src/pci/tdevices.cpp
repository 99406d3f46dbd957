#include "pci/tdevices.h"

#include "platform/guard.h"
#include "platform/icons.h"
#include "platform/metafile.h"
#include "platform/metafileview.h"
#include "platform/textfile.h"
#include "platform/windowframe.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 520;
const char *const kPages[] = {"read_tr", "write_tr", "bas_arb", "config"};

// The hourglass while a page loads, whichever way the loading ends.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

TDevices::TDevices(QWidget *parent)
    : PciDialog(parent)
{
    setObjectName(QStringLiteral("Devices"));
    setWindowTitle(QStringLiteral("Операции на шине"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::Close);
    WindowFrame::setFixedClientSize(this, kWidth, kHeight);

    TabSet1 = new QTabBar(this);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    for (const QString &tab : {QStringLiteral("Цикл &чтения"), QStringLiteral("Цикл &записи"),
                               QStringLiteral("&Арбитрация"), QStringLiteral("Цикл &конфигурации")})
        TabSet1->addTab(tab);
    TabSet1->setGeometry(8, 6, kWidth - 16, 28);
    TabSet1->setExpanding(false);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setGeometry(8, 36, kWidth - 16, 170);

    Image1 = new MetafileView(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFit(MetafileView::Fit::Stretch);
    Image1->setGeometry(8, 214, kWidth - 16, kHeight - 214 - 46);

    BitBtn1 = new QPushButton(Icons::standard(QStyle::SP_DialogCloseButton), QStringLiteral("&Выход"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(kWidth - 108, kHeight - 38, 100, 30);
    BitBtn1->setAutoDefault(false);

    Guard::connect(TabSet1, &QTabBar::currentChanged, this, &TDevices::TabSet1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    WindowFrame::centreOnScreen(this);
}

QString TDevices::textPath(int tab)
{
    return QStringLiteral("pci\\pci_info\\%1.txt").arg(QLatin1String(kPages[qBound(0, tab, 3)]));
}

QString TDevices::picturePath(int tab)
{
    return QStringLiteral("pci\\pci_info\\%1.wmf").arg(QLatin1String(kPages[qBound(0, tab, 3)]));
}

void TDevices::showOperations(int tag)
{
    const int tab = tag >= 1 && tag <= 4 ? tag - 1 : 0;
    {
        const QSignalBlocker quiet(TabSet1);
        TabSet1->setCurrentIndex(tab);
    }
    TabSet1Change();
    exec();
}

void TDevices::TabSet1Change()
{
    const BusyCursor busy;
    const int tab = TabSet1->currentIndex();
    Memo1->clear();
    Image1->clear();
    Memo1->setPlainText(TextFile::readText(textPath(tab)));
    Image1->setMetafile(Metafile::load(picturePath(tab)));
}
