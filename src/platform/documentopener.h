#pragma once

#include <QString>

class QWidget;

// Opening documents, folders and the glossary beside the package.
namespace DocumentOpener {

// Full path of a document: the program folder joined with a relative name.
QString documentPath(const QString &programFolder, const QString &relativeName);

// Opens a document of the program's folder ("book\annot.chm") in a new viewer
// window; opening the same document twice opens two viewers. A missing
// document opens the viewer on a page naming the missing file.
void openDocument(const QString &relativeName);

// Makes "glossary.hlp" the current help file and shows its contents page.
void showGlossary();

// Opens a folder of the program's folder in the desktop's file manager; when
// none answers, shows the folder's files in a window of the package.
void exploreFolder(const QString &relativeName);
void exploreAdapterFolder();

} // namespace DocumentOpener
