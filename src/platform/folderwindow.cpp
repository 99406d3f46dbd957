#include "platform/folderwindow.h"

#include "platform/documentopener.h"
#include "platform/guard.h"
#include "platform/icons.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kIsFolderRole = Qt::UserRole + 1;

QString sizeText(qint64 bytes)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    if (bytes < 1024)
        return QStringLiteral("%1 байт").arg(bytes);
    if (bytes < 1024 * 1024)
        return russian.toString(double(bytes) / 1024.0, 'f', 1) + QStringLiteral(" КБ");
    return russian.toString(double(bytes) / (1024.0 * 1024.0), 'f', 1) + QStringLiteral(" МБ");
}

QString cleanFolder(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

FolderWindow::FolderWindow(const QString &folderPath, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_root(cleanFolder(folderPath))
{
    setObjectName(QStringLiteral("FolderWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(620, 440);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    auto *top = new QHBoxLayout;
    m_up = new QToolButton(this);
    m_up->setObjectName(QStringLiteral("UpButton"));
    m_up->setText(QStringLiteral("Вверх"));
    m_up->setToolTip(QStringLiteral("В папку уровнем выше (Backspace)"));
    m_up->setIcon(Icons::standard(QStyle::SP_FileDialogToParent));
    m_up->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_up->setShortcut(QKeySequence(Qt::Key_Backspace));
    m_pathLabel = new QLabel(this);
    m_pathLabel->setObjectName(QStringLiteral("PathLabel"));
    m_pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(m_up);
    top->addWidget(m_pathLabel, 1);
    layout->addLayout(top);

    m_stack = new QStackedWidget(this);
    m_list = new QTreeWidget(m_stack);
    m_list->setObjectName(QStringLiteral("FileList"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("Имя"), QStringLiteral("Размер")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSortingEnabled(false);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_message = new QLabel(m_stack);
    m_message->setObjectName(QStringLiteral("MessageLabel"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setMargin(20);
    m_stack->addWidget(m_list);
    m_stack->addWidget(m_message);
    layout->addWidget(m_stack, 1);

    m_hint = new QLabel(QStringLiteral("Двойной щелчок или Enter открывает файл."), this);
    m_hint->setObjectName(QStringLiteral("HintLabel"));
    m_hint->setEnabled(false);
    layout->addWidget(m_hint);

    Guard::connect(m_list, &QTreeWidget::itemActivated, this, &FolderWindow::FileListActivate);
    Guard::connect(m_up, &QToolButton::clicked, this, &FolderWindow::UpButtonClick);

    setWindowTitle(QStringLiteral("Папка %1").arg(QFileInfo(m_root).fileName()));
    showFolderContents(m_root);
}

FolderWindow *FolderWindow::showFolder(const QString &folderPath)
{
    const QString root = cleanFolder(folderPath);
    FolderWindow *window = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *candidate = qobject_cast<FolderWindow *>(widget);
        if (candidate && candidate->isVisible() && candidate->rootFolder() == root) {
            window = candidate;
            break;
        }
    }
    if (!window)
        window = new FolderWindow(root);
    else
        window->showFolderContents(window->currentFolder());
    DocumentOpener::present(window);
    return window;
}

void FolderWindow::showFolderContents(const QString &path)
{
    m_current = cleanFolder(path);
    m_pathLabel->setText(QDir::toNativeSeparators(m_current));
    m_up->setEnabled(m_current != m_root && m_current.startsWith(m_root));
    m_list->clear();
    const QDir folder(m_current);
    if (!folder.exists()) {
        m_message->setText(QStringLiteral("Папка %1 не найдена.").arg(QDir::toNativeSeparators(m_current)));
        m_stack->setCurrentWidget(m_message);
        m_hint->hide();
        return;
    }
    const QFileInfoList entries =
        folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::DirsFirst | QDir::Name | QDir::IgnoreCase);
    if (entries.isEmpty()) {
        m_message->setText(QStringLiteral("Папка %1 пуста.").arg(QDir::toNativeSeparators(m_current)));
        m_stack->setCurrentWidget(m_message);
        m_hint->hide();
        return;
    }
    const QIcon folderIcon = Icons::standard(QStyle::SP_DirIcon);
    const QIcon fileIcon = Icons::standard(QStyle::SP_FileIcon);
    for (const QFileInfo &entry : entries) {
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(0, entry.fileName());
        item->setIcon(0, entry.isDir() ? folderIcon : fileIcon);
        item->setText(1, entry.isDir() ? QStringLiteral("папка") : sizeText(entry.size()));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, kPathRole, entry.absoluteFilePath());
        item->setData(0, kIsFolderRole, entry.isDir());
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_stack->setCurrentWidget(m_list);
    m_hint->show();
}

void FolderWindow::FileListActivate()
{
    QTreeWidgetItem *item = m_list->currentItem();
    if (!item)
        return;
    const QString path = item->data(0, kPathRole).toString();
    if (item->data(0, kIsFolderRole).toBool())
        showFolderContents(path);
    else
        DocumentOpener::openFile(path);
}

void FolderWindow::UpButtonClick()
{
    if (m_current != m_root)
        showFolderContents(QFileInfo(m_current).path());
}
