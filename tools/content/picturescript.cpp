#include "picturescript.h"

#include "sourcetext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PictureScript {

namespace {

constexpr int MaxPictureSide = 4096;
constexpr int MaxIncludeDepth = 16;

struct Token {
    QString text;
    bool quoted = false;
};

// Splits a line into tokens. A '#' that starts the line or stands before a blank
// (or the line end) starts a comment; "#rrggbb" is a colour. Quoted texts may
// hold \" \\ and \n.
std::optional<QList<Token>> tokenize(const QString &line, QString *error)
{
    QList<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        if (line[i] == QLatin1Char('#') && (tokens.isEmpty() || i + 1 == n || line[i + 1].isSpace()))
            break;
        Token token;
        if (line[i] == QLatin1Char('"')) {
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar ch = line[i];
                if (ch == QLatin1Char('"')) {
                    closed = true;
                    ++i;
                    break;
                }
                if (ch == QLatin1Char('\\') && i + 1 < n) {
                    const QChar next = line[i + 1];
                    if (next == QLatin1Char('n'))
                        token.text.append(QLatin1Char('\n'));
                    else if (next == QLatin1Char('"') || next == QLatin1Char('\\'))
                        token.text.append(next);
                    else {
                        *error = QStringLiteral("unknown escape \"\\%1\" in a text (use \\\" \\\\ or \\n)").arg(next);
                        return std::nullopt;
                    }
                    i += 2;
                    continue;
                }
                token.text.append(ch);
                ++i;
            }
            if (!closed) {
                *error = QStringLiteral("a text without its closing double quote");
                return std::nullopt;
            }
            if (i < n && !line[i].isSpace()) {
                *error = QStringLiteral("a blank is needed after the closing double quote");
                return std::nullopt;
            }
        } else {
            while (i < n && !line[i].isSpace()) {
                if (line[i] == QLatin1Char('"')) {
                    *error = QStringLiteral("a double quote inside a word");
                    return std::nullopt;
                }
                token.text.append(line[i]);
                ++i;
            }
        }
        tokens.append(token);
    }
    return tokens;
}

std::optional<QColor> colour(const QString &text)
{
    if (text.size() != 7 || text[0] != QLatin1Char('#'))
        return std::nullopt;
    for (qsizetype i = 1; i < 7; ++i) {
        if (!QStringLiteral("0123456789abcdefABCDEF").contains(text[i]))
            return std::nullopt;
    }
    return QColor::fromString(text);
}

std::optional<int> integer(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return value;
}

struct Context {
    const Loader &loader;
    SourceReport &report;
    Script &script;
    QStringList stack; // files being read, for include cycles
};

void parseInto(Context &context, const QByteArray &source, const QString &fileName, QPoint origin, bool topLevel);

// Parses one command line; appends to the script. first tells whether it is the
// first command of its file.
void parseCommand(Context &context, const QList<Token> &tokens, const QString &fileName, int lineNumber, QPoint origin,
                  bool topLevel, bool first)
{
    SourceReport &report = context.report;
    auto fail = [&](const QString &what) { report.error(fileName, lineNumber, what); };
    const QString name = tokens[0].text;
    static const QStringList known = {QStringLiteral("size"),  QStringLiteral("fill"),    QStringLiteral("include"),
                                      QStringLiteral("rect"),  QStringLiteral("ellipse"), QStringLiteral("line"),
                                      QStringLiteral("arrow"), QStringLiteral("text")};
    if (tokens[0].quoted || !known.contains(name)) {
        fail(QStringLiteral("unknown command \"%1\" (commands: %2)").arg(name, known.join(QStringLiteral(", "))));
        return;
    }
    if (topLevel && first && name != QStringLiteral("size")) {
        fail(QStringLiteral("the first command must be \"size W H\""));
        return;
    }

    // Positional arguments come first, options (key=value and flags) after them.
    QList<Token> positional;
    QList<Token> options;
    for (qsizetype i = 1; i < tokens.size(); ++i) {
        const bool isOption = !tokens[i].quoted &&
                              (tokens[i].text.contains(QLatin1Char('=')) || tokens[i].text == QStringLiteral("bold") ||
                               tokens[i].text == QStringLiteral("italic") || tokens[i].text == QStringLiteral("mono"));
        if (isOption)
            options.append(tokens[i]);
        else if (!options.isEmpty()) {
            fail(QStringLiteral("\"%1\" after the options; options come last").arg(tokens[i].text));
            return;
        } else
            positional.append(tokens[i]);
    }

    auto numbers = [&](int from, int count, QList<int> *values) -> bool {
        for (int i = from; i < from + count; ++i) {
            if (positional[i].quoted) {
                fail(QStringLiteral("%1: a number expected, not a quoted text").arg(name));
                return false;
            }
            const std::optional<int> value = integer(positional[i].text);
            if (!value) {
                fail(QStringLiteral("%1: bad number \"%2\"").arg(name, positional[i].text));
                return false;
            }
            values->append(*value);
        }
        return true;
    };
    auto expectCount = [&](qsizetype min, qsizetype max, const QString &usage) -> bool {
        if (positional.size() < min || positional.size() > max) {
            fail(QStringLiteral("usage: %1").arg(usage));
            return false;
        }
        return true;
    };

    if (name == QStringLiteral("size") || name == QStringLiteral("include") || name == QStringLiteral("fill")) {
        if (!options.isEmpty()) {
            fail(QStringLiteral("%1 takes no options").arg(name));
            return;
        }
    }
    if (name == QStringLiteral("size")) {
        if (!first) {
            fail(QStringLiteral("\"size\" is only allowed as the first command"));
            return;
        }
        QList<int> values;
        if (!expectCount(2, 2, QStringLiteral("size W H")) || !numbers(0, 2, &values))
            return;
        if (values[0] < 1 || values[1] < 1 || values[0] > MaxPictureSide || values[1] > MaxPictureSide) {
            fail(QStringLiteral("size %1 x %2 is out of range (1-%3)")
                     .arg(values[0])
                     .arg(values[1])
                     .arg(MaxPictureSide));
            return;
        }
        if (topLevel)
            context.script.size = QSize(values[0], values[1]);
        return; // an included script's own size is ignored
    }
    if (name == QStringLiteral("include")) {
        if (positional.size() != 1 && positional.size() != 3) {
            fail(QStringLiteral("usage: include FILE [X Y]"));
            return;
        }
        QPoint offset;
        if (positional.size() == 3) {
            QList<int> values;
            if (!numbers(1, 2, &values))
                return;
            offset = QPoint(values[0], values[1]);
        }
        const QString path = QDir::cleanPath(QFileInfo(fileName).path() + QLatin1Char('/') + positional[0].text);
        if (context.stack.contains(path)) {
            fail(QStringLiteral("\"%1\" includes itself").arg(positional[0].text));
            return;
        }
        if (context.stack.size() >= MaxIncludeDepth) {
            fail(QStringLiteral("includes nested too deep"));
            return;
        }
        const std::optional<QByteArray> text = context.loader(path);
        if (!text) {
            fail(QStringLiteral("cannot read the included script \"%1\"").arg(positional[0].text));
            return;
        }
        parseInto(context, *text, path, origin + offset, false);
        return;
    }

    Command command;
    command.file = fileName;
    command.line = lineNumber;
    command.origin = origin;
    if (name == QStringLiteral("fill")) {
        if (!expectCount(1, 1, QStringLiteral("fill #rrggbb")))
            return;
        command.kind = Command::Fill;
        command.fill = colour(positional[0].text);
        if (!command.fill) {
            fail(QStringLiteral("bad colour \"%1\" (write #rrggbb)").arg(positional[0].text));
            return;
        }
        context.script.commands.append(command);
        return;
    }

    QStringList allowed;
    QString usage;
    qsizetype count = 4;
    if (name == QStringLiteral("rect") || name == QStringLiteral("ellipse")) {
        command.kind = name == QStringLiteral("rect") ? Command::Rect : Command::Ellipse;
        allowed = {QStringLiteral("fill"), QStringLiteral("pen"), QStringLiteral("width")};
        usage = name + QStringLiteral(" X Y W H [fill=#rrggbb] [pen=#rrggbb] [width=N]");
    } else if (name == QStringLiteral("line") || name == QStringLiteral("arrow")) {
        command.kind = name == QStringLiteral("line") ? Command::Line : Command::Arrow;
        allowed = {QStringLiteral("pen"), QStringLiteral("width")};
        usage = name + QStringLiteral(" X1 Y1 X2 Y2 [pen=#rrggbb] [width=N]");
    } else {
        command.kind = Command::Text;
        allowed = {QStringLiteral("size"), QStringLiteral("bold"),  QStringLiteral("italic"),
                   QStringLiteral("mono"), QStringLiteral("color"), QStringLiteral("align")};
        usage = QStringLiteral("text X Y W H \"text\" [size=N] [bold] [italic] [mono] [color=#rrggbb] "
                               "[align=left|center|right]");
        count = 5;
    }
    if (!expectCount(count, count, usage))
        return;
    QList<int> values;
    if (!numbers(0, 4, &values))
        return;
    command.a = values[0];
    command.b = values[1];
    command.c = values[2];
    command.d = values[3];
    if ((command.kind == Command::Rect || command.kind == Command::Ellipse || command.kind == Command::Text) &&
        (command.c < 0 || command.d < 0)) {
        fail(QStringLiteral("%1: negative width or height").arg(name));
        return;
    }
    if (command.kind == Command::Text) {
        if (!positional[4].quoted) {
            fail(QStringLiteral("text: the text must be in double quotes"));
            return;
        }
        command.text = positional[4].text;
    }

    QStringList seen;
    for (const Token &option : options) {
        const qsizetype eq = option.text.indexOf(QLatin1Char('='));
        const QString key = eq < 0 ? option.text : option.text.left(eq);
        const QString value = eq < 0 ? QString() : option.text.mid(eq + 1);
        if (!allowed.contains(key)) {
            fail(QStringLiteral("%1: unknown option \"%2\" (options: %3)")
                     .arg(name, key, allowed.join(QStringLiteral(", "))));
            return;
        }
        if (seen.contains(key)) {
            fail(QStringLiteral("%1: option \"%2\" given twice").arg(name, key));
            return;
        }
        seen.append(key);
        const bool flag =
            key == QStringLiteral("bold") || key == QStringLiteral("italic") || key == QStringLiteral("mono");
        if (flag != (eq < 0) || (!flag && value.isEmpty())) {
            fail(flag ? QStringLiteral("%1: \"%2\" takes no value").arg(name, key)
                      : QStringLiteral("%1: option \"%2\" needs a value").arg(name, key));
            return;
        }
        if (key == QStringLiteral("fill") || key == QStringLiteral("pen") || key == QStringLiteral("color")) {
            std::optional<QColor> parsed;
            if (value == QStringLiteral("none") && key != QStringLiteral("color")) {
                parsed = std::nullopt;
            } else {
                parsed = colour(value);
                if (!parsed) {
                    fail(
                        QStringLiteral("%1: bad colour \"%2\" (write #rrggbb%3)")
                            .arg(name, value, key == QStringLiteral("color") ? QString() : QStringLiteral(" or none")));
                    return;
                }
            }
            if (key == QStringLiteral("fill"))
                command.fill = parsed;
            else
                command.pen = parsed;
        } else if (key == QStringLiteral("width") || key == QStringLiteral("size")) {
            const std::optional<int> number = integer(value);
            const int max = key == QStringLiteral("width") ? 50 : 200;
            if (!number || *number < 1 || *number > max) {
                fail(QStringLiteral("%1: %2 must be a number from 1 to %3, not \"%4\"")
                         .arg(name, key)
                         .arg(max)
                         .arg(value));
                return;
            }
            if (key == QStringLiteral("width"))
                command.width = *number;
            else
                command.fontSize = *number;
        } else if (key == QStringLiteral("align")) {
            if (value == QStringLiteral("left"))
                command.align = Qt::AlignLeft;
            else if (value == QStringLiteral("center"))
                command.align = Qt::AlignHCenter;
            else if (value == QStringLiteral("right"))
                command.align = Qt::AlignRight;
            else {
                fail(QStringLiteral("text: align must be left, center or right, not \"%1\"").arg(value));
                return;
            }
        } else if (key == QStringLiteral("bold")) {
            command.bold = true;
        } else if (key == QStringLiteral("italic")) {
            command.italic = true;
        } else if (key == QStringLiteral("mono")) {
            command.mono = true;
        }
    }
    context.script.commands.append(command);
}

void parseInto(Context &context, const QByteArray &source, const QString &fileName, QPoint origin, bool topLevel)
{
    context.stack.append(fileName);
    if (!context.script.files.contains(fileName))
        context.script.files.append(fileName);
    const QStringList lines = SourceText::lines(source, fileName, context.report);
    bool first = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString error;
        const std::optional<QList<Token>> tokens = tokenize(lines[i], &error);
        if (!tokens) {
            context.report.error(fileName, int(i + 1), error);
            first = false;
            continue;
        }
        if (tokens->isEmpty())
            continue;
        parseCommand(context, *tokens, fileName, int(i + 1), origin, topLevel, first);
        first = false;
    }
    if (topLevel && first)
        context.report.error(fileName, 0, QStringLiteral("an empty script: the first command must be \"size W H\""));
    context.stack.removeLast();
}

} // namespace

Built<Script> parse(const QByteArray &source, const QString &fileName, const Loader &loader)
{
    Built<Script> result;
    Context context{loader, result.report, result.value, {}};
    parseInto(context, source, fileName, QPoint(), true);
    return result;
}

Loader diskLoader()
{
    return [](const QString &path) -> std::optional<QByteArray> {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    };
}

Built<Script> parseFile(const QString &path)
{
    const std::optional<QByteArray> source = diskLoader()(path);
    if (!source) {
        Built<Script> result;
        result.report.error(path, 0, QStringLiteral("cannot read the script"));
        return result;
    }
    return parse(*source, path, diskLoader());
}

} // namespace PictureScript
