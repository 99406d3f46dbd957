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

// Reads a quoted text that starts at line[i] (the opening quote); leaves i after the closing one.
bool readQuoted(const QString &line, qsizetype &i, Token &token, QString *error)
{
    const qsizetype n = line.size();
    token.quoted = true;
    ++i;
    while (i < n) {
        const QChar ch = line[i];
        if (ch == QLatin1Char('"')) {
            ++i;
            if (i < n && !line[i].isSpace()) {
                *error = QStringLiteral("a blank is needed after the closing double quote");
                return false;
            }
            return true;
        }
        if (ch == QLatin1Char('\\') && i + 1 < n) {
            const QChar next = line[i + 1];
            if (next == QLatin1Char('n'))
                token.text.append(QLatin1Char('\n'));
            else if (next == QLatin1Char('"') || next == QLatin1Char('\\'))
                token.text.append(next);
            else {
                *error = QStringLiteral("unknown escape \"\\%1\" in a text (use \\\" \\\\ or \\n)").arg(next);
                return false;
            }
            i += 2;
            continue;
        }
        token.text.append(ch);
        ++i;
    }
    *error = QStringLiteral("a text without its closing double quote");
    return false;
}

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
            if (!readQuoted(line, i, token, error))
                return std::nullopt;
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

// One command line being parsed: its place, its arguments and the report of its faults.
struct CommandLine {
    Context &context;
    const QString &fileName;
    int number = 0;
    QPoint origin;
    bool topLevel = false;
    bool first = false; // the first command of its file
    QString name;
    QList<Token> positional; // positional arguments come first,
    QList<Token> options;    // options (key=value and flags) after them

    void fail(const QString &what) const { context.report.error(fileName, number, what); }

    bool numbers(int from, int count, QList<int> *values) const
    {
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
    }

    bool expectCount(qsizetype count, const QString &usage) const
    {
        if (positional.size() != count) {
            fail(QStringLiteral("usage: %1").arg(usage));
            return false;
        }
        return true;
    }

    Command command(Command::Kind kind) const
    {
        Command command;
        command.kind = kind;
        command.file = fileName;
        command.line = number;
        command.origin = origin;
        return command;
    }
};

struct CommandShape;
using CommandParser = void (*)(CommandLine &line, const CommandShape &shape);

// What a command takes: how many positional arguments, which options, and how it is written.
struct CommandShape {
    const char *name;
    CommandParser parse;
    Command::Kind kind;
    qsizetype count;     // positional arguments
    const char *options; // allowed option keys, blank-separated
    const char *usage;   // what follows the name in the usage line

    QString usageLine() const { return QString::fromLatin1(name) + QString::fromLatin1(usage); }
    QStringList allowed() const { return QString::fromLatin1(options).split(QLatin1Char(' '), Qt::SkipEmptyParts); }
};

enum class OptionKind { Colour, Number, Align, Flag };

struct OptionShape {
    const char *key;
    OptionKind kind;
    bool noneAllowed = false;                         // Colour: "none" draws no outline or brush
    std::optional<QColor> Command::*colour = nullptr; // Colour
    int max = 0;                                      // Number: 1..max
    int Command::*number = nullptr;                   // Number
    bool Command::*flag = nullptr;                    // Flag
};

const OptionShape kOptions[] = {
    {.key = "fill", .kind = OptionKind::Colour, .noneAllowed = true, .colour = &Command::fill},
    {.key = "pen", .kind = OptionKind::Colour, .noneAllowed = true, .colour = &Command::pen},
    {.key = "color", .kind = OptionKind::Colour, .noneAllowed = false, .colour = &Command::pen},
    {.key = "width", .kind = OptionKind::Number, .max = 50, .number = &Command::width},
    {.key = "size", .kind = OptionKind::Number, .max = 200, .number = &Command::fontSize},
    {.key = "align", .kind = OptionKind::Align},
    {.key = "bold", .kind = OptionKind::Flag, .flag = &Command::bold},
    {.key = "italic", .kind = OptionKind::Flag, .flag = &Command::italic},
    {.key = "mono", .kind = OptionKind::Flag, .flag = &Command::mono},
};

const OptionShape *optionShape(const QString &key)
{
    for (const OptionShape &option : kOptions) {
        if (key == QLatin1String(option.key))
            return &option;
    }
    return nullptr;
}

bool isFlag(const QString &word)
{
    const OptionShape *option = optionShape(word);
    return option && option->kind == OptionKind::Flag;
}

void parseSize(CommandLine &line, const CommandShape &shape)
{
    if (!line.first) {
        line.fail(QStringLiteral("\"size\" is only allowed as the first command"));
        return;
    }
    QList<int> values;
    if (!line.expectCount(shape.count, shape.usageLine()) || !line.numbers(0, 2, &values))
        return;
    if (values[0] < 1 || values[1] < 1 || values[0] > MaxPictureSide || values[1] > MaxPictureSide) {
        line.fail(
            QStringLiteral("size %1 x %2 is out of range (1-%3)").arg(values[0]).arg(values[1]).arg(MaxPictureSide));
        return;
    }
    if (line.topLevel)
        line.context.script.size = QSize(values[0], values[1]);
    // an included script's own size is ignored
}

void parseInclude(CommandLine &line, const CommandShape &shape)
{
    if (line.positional.size() != 1 && line.positional.size() != 3) {
        line.fail(QStringLiteral("usage: %1").arg(shape.usageLine()));
        return;
    }
    QPoint offset;
    if (line.positional.size() == 3) {
        QList<int> values;
        if (!line.numbers(1, 2, &values))
            return;
        offset = QPoint(values[0], values[1]);
    }
    const QString file = line.positional[0].text;
    const QString path = QDir::cleanPath(QFileInfo(line.fileName).path() + QLatin1Char('/') + file);
    Context &context = line.context;
    if (context.stack.contains(path)) {
        line.fail(QStringLiteral("\"%1\" includes itself").arg(file));
        return;
    }
    if (context.stack.size() >= MaxIncludeDepth) {
        line.fail(QStringLiteral("includes nested too deep"));
        return;
    }
    const std::optional<QByteArray> text = context.loader(path);
    if (!text) {
        line.fail(QStringLiteral("cannot read the included script \"%1\"").arg(file));
        return;
    }
    parseInto(context, *text, path, line.origin + offset, false);
}

void parseFill(CommandLine &line, const CommandShape &shape)
{
    if (!line.expectCount(shape.count, shape.usageLine()))
        return;
    Command command = line.command(shape.kind);
    command.fill = colour(line.positional[0].text);
    if (!command.fill) {
        line.fail(QStringLiteral("bad colour \"%1\" (write #rrggbb)").arg(line.positional[0].text));
        return;
    }
    line.context.script.commands.append(command);
}

// Sets one option of a figure; false (reported) when its value is wrong.
bool applyOption(const CommandLine &line, const OptionShape &option, const QString &value, Command &command)
{
    const QString key = QString::fromLatin1(option.key);
    switch (option.kind) {
    case OptionKind::Colour: {
        std::optional<QColor> parsed;
        if (!(option.noneAllowed && value == QStringLiteral("none"))) {
            parsed = colour(value);
            if (!parsed) {
                line.fail(QStringLiteral("%1: bad colour \"%2\" (write #rrggbb%3)")
                              .arg(line.name, value, option.noneAllowed ? QStringLiteral(" or none") : QString()));
                return false;
            }
        }
        command.*option.colour = parsed;
        return true;
    }
    case OptionKind::Number: {
        const std::optional<int> number = integer(value);
        if (!number || *number < 1 || *number > option.max) {
            line.fail(QStringLiteral("%1: %2 must be a number from 1 to %3, not \"%4\"")
                          .arg(line.name, key)
                          .arg(option.max)
                          .arg(value));
            return false;
        }
        command.*option.number = *number;
        return true;
    }
    case OptionKind::Align:
        if (value == QStringLiteral("left"))
            command.align = Qt::AlignLeft;
        else if (value == QStringLiteral("center"))
            command.align = Qt::AlignHCenter;
        else if (value == QStringLiteral("right"))
            command.align = Qt::AlignRight;
        else {
            line.fail(QStringLiteral("text: align must be left, center or right, not \"%1\"").arg(value));
            return false;
        }
        return true;
    case OptionKind::Flag:
        command.*option.flag = true;
        return true;
    }
    return true;
}

bool applyOptions(const CommandLine &line, const CommandShape &shape, Command &command)
{
    const QStringList allowed = shape.allowed();
    QStringList seen;
    for (const Token &option : line.options) {
        const qsizetype eq = option.text.indexOf(QLatin1Char('='));
        const QString key = eq < 0 ? option.text : option.text.left(eq);
        const QString value = eq < 0 ? QString() : option.text.mid(eq + 1);
        if (!allowed.contains(key)) {
            line.fail(QStringLiteral("%1: unknown option \"%2\" (options: %3)")
                          .arg(line.name, key, allowed.join(QStringLiteral(", "))));
            return false;
        }
        if (seen.contains(key)) {
            line.fail(QStringLiteral("%1: option \"%2\" given twice").arg(line.name, key));
            return false;
        }
        seen.append(key);
        const OptionShape &shapeOfOption = *optionShape(key);
        const bool flag = shapeOfOption.kind == OptionKind::Flag;
        if (flag != (eq < 0) || (!flag && value.isEmpty())) {
            line.fail(flag ? QStringLiteral("%1: \"%2\" takes no value").arg(line.name, key)
                           : QStringLiteral("%1: option \"%2\" needs a value").arg(line.name, key));
            return false;
        }
        if (!applyOption(line, shapeOfOption, value, command))
            return false;
    }
    return true;
}

// rect, ellipse and text: X Y W H; line and arrow: X1 Y1 X2 Y2; text then its quoted text.
void parseFigure(CommandLine &line, const CommandShape &shape)
{
    if (!line.expectCount(shape.count, shape.usageLine()))
        return;
    QList<int> values;
    if (!line.numbers(0, 4, &values))
        return;
    Command command = line.command(shape.kind);
    command.a = values[0];
    command.b = values[1];
    command.c = values[2];
    command.d = values[3];
    const bool box = shape.kind != Command::Line && shape.kind != Command::Arrow;
    if (box && (command.c < 0 || command.d < 0)) {
        line.fail(QStringLiteral("%1: negative width or height").arg(line.name));
        return;
    }
    if (shape.kind == Command::Text) {
        if (!line.positional[4].quoted) {
            line.fail(QStringLiteral("text: the text must be in double quotes"));
            return;
        }
        command.text = line.positional[4].text;
    }
    if (applyOptions(line, shape, command))
        line.context.script.commands.append(command);
}

const CommandShape kCommands[] = {
    {"size", parseSize, Command::Fill, 2, "", " W H"},
    {"fill", parseFill, Command::Fill, 1, "", " #rrggbb"},
    {"include", parseInclude, Command::Fill, 1, "", " FILE [X Y]"},
    {"rect", parseFigure, Command::Rect, 4, "fill pen width", " X Y W H [fill=#rrggbb] [pen=#rrggbb] [width=N]"},
    {"ellipse", parseFigure, Command::Ellipse, 4, "fill pen width", " X Y W H [fill=#rrggbb] [pen=#rrggbb] [width=N]"},
    {"line", parseFigure, Command::Line, 4, "pen width", " X1 Y1 X2 Y2 [pen=#rrggbb] [width=N]"},
    {"arrow", parseFigure, Command::Arrow, 4, "pen width", " X1 Y1 X2 Y2 [pen=#rrggbb] [width=N]"},
    {"text", parseFigure, Command::Text, 5, "size bold italic mono color align",
     " X Y W H \"text\" [size=N] [bold] [italic] [mono] [color=#rrggbb] [align=left|center|right]"},
};

const CommandShape *commandShape(const Token &word)
{
    if (word.quoted)
        return nullptr;
    for (const CommandShape &shape : kCommands) {
        if (word.text == QLatin1String(shape.name))
            return &shape;
    }
    return nullptr;
}

// Splits the arguments into positional ones and options; false (reported) when a positional one follows an option.
bool splitArguments(const QList<Token> &tokens, CommandLine &line)
{
    for (qsizetype i = 1; i < tokens.size(); ++i) {
        const bool isOption =
            !tokens[i].quoted && (tokens[i].text.contains(QLatin1Char('=')) || isFlag(tokens[i].text));
        if (isOption)
            line.options.append(tokens[i]);
        else if (!line.options.isEmpty()) {
            line.fail(QStringLiteral("\"%1\" after the options; options come last").arg(tokens[i].text));
            return false;
        } else
            line.positional.append(tokens[i]);
    }
    return true;
}

// Parses one command line; appends to the script.
void parseCommand(Context &context, const QList<Token> &tokens, const QString &fileName, int lineNumber, QPoint origin,
                  bool topLevel, bool first)
{
    CommandLine line{context, fileName, lineNumber, origin, topLevel, first, tokens[0].text, {}, {}};
    const CommandShape *shape = commandShape(tokens[0]);
    if (!shape) {
        QStringList known;
        for (const CommandShape &each : kCommands)
            known.append(QString::fromLatin1(each.name));
        line.fail(
            QStringLiteral("unknown command \"%1\" (commands: %2)").arg(line.name, known.join(QStringLiteral(", "))));
        return;
    }
    if (topLevel && first && shape->parse != parseSize) {
        line.fail(QStringLiteral("the first command must be \"size W H\""));
        return;
    }
    if (!splitArguments(tokens, line))
        return;
    if (!*shape->options && !line.options.isEmpty()) {
        line.fail(QStringLiteral("%1 takes no options").arg(line.name));
        return;
    }
    shape->parse(line, *shape);
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
