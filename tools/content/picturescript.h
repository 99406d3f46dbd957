#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Picture drawing scripts (X.jpg.pic): one command per line, '#' comments,
// coordinates in pixels. The parsed script is a flat list of drawing commands
// with every include expanded in place.
namespace PictureScript {

struct Command {
    enum Kind { Fill, Rect, Ellipse, Line, Arrow, Text };
    Kind kind = Fill;
    QString file; // where the command was written
    int line = 0;
    QPoint origin; // offset added by the includes that brought the command in
    // rect/ellipse/text: x, y, w, h; line/arrow: x1, y1, x2, y2
    int a = 0, b = 0, c = 0, d = 0;
    std::optional<QColor> fill;                    // Fill: the colour; rect/ellipse: the brush (none by default)
    std::optional<QColor> pen = QColor(Qt::black); // outline / line / text colour; nullopt = none
    int width = 1;
    QString text;
    int fontSize = 10; // points at 96 dpi
    bool bold = false;
    bool italic = false;
    bool mono = false;
    Qt::Alignment align = Qt::AlignLeft;
};

struct Script {
    QSize size;
    QList<Command> commands;
    QStringList files; // the script and every included one
};

// Reads an included script by its resolved path; nullopt when it cannot be read.
using Loader = std::function<std::optional<QByteArray>(const QString &path)>;

// Include paths are resolved relative to the folder of fileName.
Built<Script> parse(const QByteArray &source, const QString &fileName, const Loader &loader);
// The same for a script file on disk (includes read from disk).
Built<Script> parseFile(const QString &path);
Loader diskLoader();

} // namespace PictureScript
