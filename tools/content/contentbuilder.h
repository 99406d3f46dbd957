#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

// Walks a content folder and builds every source into the package folder under
// the same relative path. Only outputs older than their inputs (the source,
// the scripts it includes, the tool itself) are rebuilt; every output is
// written to a temporary file and renamed into place, so nothing broken is
// left behind.
namespace ContentBuilder {

enum class Kind { Text, Questions, Phases, Descriptors, UsbTasks, Help, Picture, Diagram, Copy };

struct Source {
    Kind kind = Kind::Copy;
    QString path;     // absolute path of the source file or folder
    QString relative; // '/'-separated, relative to the content folder
    QString output;   // '/'-separated, relative to the package folder
};

// What a file or folder name is built into; nullopt for names that are not
// built (names starting with '_' or '.', ending with '~'). Folders other than
// help projects give nullopt too (they are walked into).
std::optional<Kind> kindOf(const QString &name, bool isFolder);
// The output name for a source name of a kind ("a.quest" -> "a.txt").
QString outputName(const QString &name, Kind kind);

// The sources of a content folder in path order; reports sources that are
// refused by name and outputs claimed by two sources.
Built<QList<Source>> collect(const QString &contentFolder);

// The output bytes of one source file (every kind but Help and Copy).
Built<QByteArray> buildFile(const Source &source);

struct Options {
    bool checkOnly = false;                   // validate every source, write nothing
    bool force = false;                       // rebuild outputs that look up to date
    QDateTime toolTime;                       // outputs older than this are rebuilt
    std::function<void(const QString &)> log; // one line per output written (may be empty)
};

struct Summary {
    int sources = 0;
    int built = 0;
    int upToDate = 0;
    int failed = 0;
};

SourceReport run(const QString &contentFolder, const QString &packageFolder, const Options &options, Summary *summary);

} // namespace ContentBuilder
