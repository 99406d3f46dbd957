#pragma once

#include <QString>

class DocumentViewer;
class QUrl;
class QWidget;

// Opening documents, folders and the glossary beside the package.
namespace DocumentOpener {

// Full path of a document: the program folder joined with a relative name.
QString documentPath(const QString &programFolder, const QString &relativeName);

// Opens a document of the program's folder ("book\annot.chm") in a new viewer
// window; opening the same document twice opens two viewers. A missing
// document opens the viewer on a page naming the missing file.
void openDocument(const QString &relativeName);
// The same for a given program folder; returns the viewer opened, or nullptr
// when the file went to the desktop.
QWidget *openDocumentIn(const QString &programFolder, const QString &relativeName);

// Makes "glossary.hlp" the current help file and shows its contents page.
void showGlossary();

// Opens a folder of the program's folder in the desktop's file manager; when
// none answers, shows the folder's files in a window of the package.
void exploreFolder(const QString &relativeName);
void exploreAdapterFolder();
// The same for a given program folder; returns the package's folder window,
// or nullptr when the desktop's file manager took the folder.
QWidget *exploreFolderIn(const QString &programFolder, const QString &relativeName);

// Compiled help (".chm", and the package's ".hlp" files in the same container).
bool isHelpDocument(const QString &path);
// Opens a file by its full path: help documents (and missing files) in a new
// viewer, other files with the desktop, text files in a window of the package
// when the desktop does not answer. Returns the package's window, if one was opened.
QWidget *openFile(const QString &fullPath);
// False on platforms without a desktop (offscreen) and when the desktop refuses.
bool openExternally(const QUrl &url);
bool hasDesktop();
// Shows a window of the package in front (restoring it when minimised).
void present(QWidget *window);

} // namespace DocumentOpener
