#include "platform/documentopener.h"

#include "platform/contentpath.h"
#include "platform/documentviewer.h"
#include "platform/folderwindow.h"
#include "platform/helpengine.h"
#include "platform/messages.h"
#include "platform/textwindow.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>
#include <QWidget>

namespace DocumentOpener {

QString documentPath(const QString &programFolder, const QString &relativeName)
{
    return ContentPath::join(programFolder, relativeName);
}

void openDocument(const QString &relativeName)
{
    openDocumentIn(ContentPath::programFolder(), relativeName);
}

QWidget *openDocumentIn(const QString &programFolder, const QString &relativeName)
{
    return openFile(ContentPath::resolve(relativeName, programFolder));
}

void showGlossary()
{
    HelpEngine::setHelpFile(QStringLiteral("glossary.hlp"));
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
}

void exploreFolder(const QString &relativeName)
{
    exploreFolderIn(ContentPath::programFolder(), relativeName);
}

void exploreAdapterFolder()
{
    exploreFolder(QStringLiteral("vv55a"));
}

QWidget *exploreFolderIn(const QString &programFolder, const QString &relativeName)
{
    const QString path = ContentPath::resolve(relativeName, programFolder);
    if (QFileInfo(path).isDir() && openExternally(QUrl::fromLocalFile(path)))
        return nullptr;
    return FolderWindow::showFolder(path);
}

bool isHelpDocument(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("chm") || suffix == QLatin1String("hlp");
}

QWidget *openFile(const QString &fullPath)
{
    const QFileInfo info(fullPath);
    if (isHelpDocument(fullPath) || !info.exists()) {
        auto *viewer = new DocumentViewer(fullPath);
        present(viewer);
        return viewer;
    }
    if (openExternally(QUrl::fromLocalFile(info.absoluteFilePath())))
        return nullptr;
    if (info.suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0) {
        auto *window = new TextWindow(info.absoluteFilePath());
        present(window);
        return window;
    }
    Messages::exclamation(nullptr, QStringLiteral("Не удалось открыть файл %1: для него нет программы просмотра.")
                                       .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
    return nullptr;
}

bool hasDesktop()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void present(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    // The offscreen platform has no stacking order and warns about raise().
    if (hasDesktop())
        window->raise();
    window->activateWindow();
}

bool openExternally(const QUrl &url)
{
    return hasDesktop() && QDesktopServices::openUrl(url);
}

} // namespace DocumentOpener
