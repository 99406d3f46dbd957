#include "platform/helpengine.h"

#include "platform/contentpath.h"
#include "platform/documentopener.h"
#include "platform/documentviewer.h"

#include <QHash>
#include <QPointer>

namespace HelpEngine {

namespace {

QString &currentName()
{
    static QString name;
    return name;
}

QHash<QString, QPointer<DocumentViewer>> &viewers()
{
    static QHash<QString, QPointer<DocumentViewer>> map;
    return map;
}

QString keyFor(const QString &name)
{
    return name.isEmpty() ? QString() : ContentPath::resolve(name);
}

DocumentViewer *liveViewer(const QString &key)
{
    const QPointer<DocumentViewer> viewer = viewers().value(key);
    return viewer && !viewer->isClosing() ? viewer.data() : nullptr;
}

} // namespace

void setHelpFile(const QString &name)
{
    currentName() = name;
}

QString helpFile()
{
    return currentName();
}

void command(Command command)
{
    const QString key = keyFor(currentName());
    DocumentViewer *viewer = liveViewer(key);
    if (!viewer) {
        viewer = new DocumentViewer(key);
        viewers().insert(key, viewer);
    }
    switch (command) {
    case HELP_CONTENTS:
        viewer->showContents();
        break;
    case HELP_PARTIALKEY:
        break;
    case HELP_HELPONHELP:
        viewer->showHelpOnHelp();
        break;
    }
    DocumentOpener::present(viewer);
    // After showing, so that the search box keeps the focus in the raised window.
    if (command == HELP_PARTIALKEY)
        viewer->showIndex();
}

DocumentViewer *viewerFor(const QString &name)
{
    return liveViewer(keyFor(name));
}

void closeAll()
{
    const auto all = viewers();
    viewers().clear();
    for (const QPointer<DocumentViewer> &viewer : all) {
        if (viewer) {
            viewer->close();
            delete viewer.data();
        }
    }
}

} // namespace HelpEngine
