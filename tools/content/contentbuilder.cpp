#include "contentbuilder.h"

#include "descriptorsource.h"
#include "helpcompiler.h"
#include "phasesource.h"
#include "picturerenderer.h"
#include "picturescript.h"
#include "questionsource.h"
#include "textsource.h"
#include "usbtasksource.h"
#include "wavediagram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace ContentBuilder {

namespace {

struct Suffix {
    const char *source;
    const char *output;
    Kind kind;
};

// Longest suffixes first: ".jpg.pic" before anything shorter.
constexpr Suffix kFileSuffixes[] = {
    {".jpg.pic", ".jpg", Kind::Picture},  {".txt", ".txt", Kind::Text},        {".quest", ".txt", Kind::Questions},
    {".phases", ".dat", Kind::Phases},    {".cdb", ".dat", Kind::Descriptors}, {".usbtasks", ".dat", Kind::UsbTasks},
    {".wmf.wave", ".wmf", Kind::Diagram}, {".isa", ".isa", Kind::Text},        {".dgr", ".dgr", Kind::Text},
};
constexpr Suffix kFolderSuffixes[] = {{".hlp.d", ".hlp", Kind::Help}, {".chm.d", ".chm", Kind::Help}};

bool notBuilt(const QString &name)
{
    return name.startsWith(QLatin1Char('_')) || name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char('~'));
}

std::optional<QByteArray> readSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QDateTime modified(const QString &path)
{
    return QFileInfo(path).lastModified();
}

// The newest modification time of a folder, its subfolders and files.
QDateTime newestIn(const QString &folder)
{
    QDateTime newest = modified(folder);
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &info : entries) {
        const QDateTime time = info.isDir() ? newestIn(info.filePath()) : info.lastModified();
        if (time > newest)
            newest = time;
    }
    return newest;
}

// The newest time among the inputs of a source.
QDateTime inputTime(const Source &source)
{
    switch (source.kind) {
    case Kind::Help:
        return newestIn(source.path);
    case Kind::Picture: {
        QDateTime newest = modified(source.path);
        const Built<PictureScript::Script> script = PictureScript::parseFile(source.path);
        for (const QString &file : script.value.files) {
            const QDateTime time = modified(file);
            if (time > newest)
                newest = time;
        }
        return newest;
    }
    default:
        return modified(source.path);
    }
}

bool writeAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool copyAtomically(const QString &from, const QString &to, QString *error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = source.errorString();
        return false;
    }
    QDir().mkpath(QFileInfo(to).path());
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly)) {
        *error = target.errorString();
        return false;
    }
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size()) {
            *error = chunk.isEmpty() ? source.errorString() : target.errorString();
            target.cancelWriting();
            return false;
        }
    }
    if (!target.commit()) {
        *error = target.errorString();
        return false;
    }
    QFile::setPermissions(to, source.permissions());
    return true;
}

void collectFolder(const QString &root, const QString &folder, QList<Source> &sources, SourceReport &report)
{
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QFileInfo &info : entries) {
        const QString name = info.fileName();
        if (notBuilt(name))
            continue;
        const QString relative = QDir(root).relativeFilePath(info.filePath());
        if (relative == QStringLiteral("README.md"))
            continue; // the description of the sources themselves
        const std::optional<Kind> kind = kindOf(name, info.isDir());
        if (info.isDir() && !kind) {
            collectFolder(root, info.filePath(), sources, report);
            continue;
        }
        if (!kind)
            continue;
        if (*kind == Kind::Copy && name.endsWith(QStringLiteral(".pic"), Qt::CaseInsensitive)) {
            report.error(info.filePath(), 0,
                         QStringLiteral("a picture script is named X.jpg.pic (a script only included by others "
                                        "starts with \"_\")"));
            continue;
        }
        Source source;
        source.kind = *kind;
        source.path = info.filePath();
        source.relative = relative;
        const QString parent = QFileInfo(relative).path();
        const QString output = outputName(name, *kind);
        source.output = parent == QStringLiteral(".") ? output : parent + QLatin1Char('/') + output;
        sources.append(source);
    }
}

} // namespace

std::optional<Kind> kindOf(const QString &name, bool isFolder)
{
    if (notBuilt(name))
        return std::nullopt;
    if (isFolder) {
        for (const Suffix &suffix : kFolderSuffixes) {
            if (name.endsWith(QLatin1String(suffix.source), Qt::CaseInsensitive) &&
                name.size() > qsizetype(qstrlen(suffix.source)))
                return suffix.kind;
        }
        return std::nullopt;
    }
    for (const Suffix &suffix : kFileSuffixes) {
        if (name.endsWith(QLatin1String(suffix.source), Qt::CaseInsensitive) &&
            name.size() > qsizetype(qstrlen(suffix.source)))
            return suffix.kind;
    }
    return Kind::Copy;
}

QString outputName(const QString &name, Kind kind)
{
    const auto replace = [&](const Suffix &suffix) -> std::optional<QString> {
        if (suffix.kind == kind && name.endsWith(QLatin1String(suffix.source), Qt::CaseInsensitive))
            return name.chopped(qsizetype(qstrlen(suffix.source))) + QLatin1String(suffix.output);
        return std::nullopt;
    };
    for (const Suffix &suffix : kFileSuffixes) {
        if (const std::optional<QString> output = replace(suffix))
            return *output;
    }
    for (const Suffix &suffix : kFolderSuffixes) {
        if (const std::optional<QString> output = replace(suffix))
            return *output;
    }
    return name;
}

Built<QList<Source>> collect(const QString &contentFolder)
{
    Built<QList<Source>> result;
    if (!QFileInfo(contentFolder).isDir()) {
        result.report.error(contentFolder, 0, QStringLiteral("not a folder"));
        return result;
    }
    collectFolder(QDir(contentFolder).absolutePath(), QDir(contentFolder).absolutePath(), result.value, result.report);
    // Content paths are looked up without regard to letter case: two sources
    // must not make the same output.
    QHash<QString, QString> claimed;
    for (const Source &source : std::as_const(result.value)) {
        const QString key = source.output.toLower();
        if (claimed.contains(key))
            result.report.error(
                source.path, 0,
                QStringLiteral("makes \"%1\", which \"%2\" makes too").arg(source.output, claimed[key]));
        else
            claimed.insert(key, source.relative);
    }
    return result;
}

Built<QByteArray> buildFile(const Source &source)
{
    Built<QByteArray> result;
    const std::optional<QByteArray> read = readSource(source.path);
    if (!read) {
        result.report.error(source.path, 0, QStringLiteral("cannot read the file"));
        return result;
    }
    const QByteArray &bytes = *read;
    switch (source.kind) {
    case Kind::Picture:
        return PictureRenderer::buildJpeg(bytes, source.path, PictureScript::diskLoader());
    case Kind::Text:
        return TextSource::build(bytes, source.path);
    case Kind::Questions:
        return QuestionSource::build(bytes, source.path);
    case Kind::Phases:
        return PhaseSource::build(bytes, source.path);
    case Kind::Descriptors:
        return DescriptorSource::build(bytes, source.path);
    case Kind::UsbTasks:
        return UsbTaskSource::build(bytes, source.path);
    case Kind::Diagram:
        return Wave::buildWmf(bytes, source.path);
    default:
        result.value = bytes;
        return result;
    }
}

namespace {

// One source whose output is out of date (or any source when checking).
struct Job {
    const Source *source = nullptr;
    QString outputPath;
    Built<QByteArray> built;
};

bool isHelpCompile(const Job &job, const Options &options)
{
    return job.source->kind == Kind::Help && !options.checkOnly;
}

// Makes the output bytes of every job (copies are made while writing). Help
// folders are compiled by chmcmd in worker threads meanwhile, since that is
// where a full build spends its time.
void buildJobs(std::vector<Job> &jobs, const Options &options)
{
    std::vector<size_t> helpJobs;
    for (size_t i = 0; i < jobs.size(); ++i) {
        if (isHelpCompile(jobs[i], options))
            helpJobs.push_back(i);
    }
    std::atomic<size_t> next{0};
    auto compileHelp = [&]() {
        for (size_t i; (i = next++) < helpJobs.size();)
            jobs[helpJobs[i]].built = HelpCompiler::compile(jobs[helpJobs[i]].source->path);
    };
    std::vector<std::thread> workers;
    const int threads = helpJobs.empty() ? 0 : qBound(1, QThread::idealThreadCount(), 4);
    for (int t = 0; t < threads; ++t)
        workers.emplace_back(compileHelp);
    for (Job &job : jobs) {
        if (isHelpCompile(job, options) || job.source->kind == Kind::Copy)
            continue;
        if (job.source->kind == Kind::Help)
            job.built.report = HelpCompiler::readFolder(job.source->path).report;
        else
            job.built = buildFile(*job.source);
    }
    for (std::thread &worker : workers)
        worker.join();
}

} // namespace

SourceReport run(const QString &contentFolder, const QString &packageFolder, const Options &options, Summary *summary)
{
    Summary counts;
    const Built<QList<Source>> sources = collect(contentFolder);
    SourceReport report = sources.report;
    const QDir package(packageFolder);
    std::vector<Job> jobs;
    for (const Source &source : sources.value) {
        ++counts.sources;
        const QString outputPath = package.filePath(source.output);
        if (!options.checkOnly && !options.force) {
            const QFileInfo output(outputPath);
            QDateTime newest = inputTime(source);
            if (options.toolTime.isValid() && options.toolTime > newest)
                newest = options.toolTime;
            if (output.exists() && output.isFile() && output.lastModified() >= newest) {
                ++counts.upToDate;
                continue;
            }
        }
        jobs.push_back(Job{&source, outputPath, {}});
    }
    buildJobs(jobs, options);

    for (Job &job : jobs) {
        const Source &source = *job.source;
        SourceReport &step = job.built.report;
        QString error;
        bool written = false;
        if (options.checkOnly) {
            // nothing is written
        } else if (source.kind == Kind::Copy) {
            if (copyAtomically(source.path, job.outputPath, &error))
                written = true;
            else
                step.error(source.path, 0, QStringLiteral("cannot copy to %1: %2").arg(job.outputPath, error));
        } else if (step.ok()) {
            if (writeAtomically(job.outputPath, job.built.value, &error))
                written = true;
            else
                step.error(source.path, 0, QStringLiteral("cannot write %1: %2").arg(job.outputPath, error));
        }
        // Messages of a source in line order, whichever check found them.
        std::stable_sort(step.errors.begin(), step.errors.end(), [](const SourceError &a, const SourceError &b) {
            return a.file == b.file ? a.line < b.line : a.file < b.file;
        });
        if (!step.ok())
            ++counts.failed;
        if (written) {
            ++counts.built;
            if (options.log)
                options.log(source.output);
        }
        report.append(step);
    }
    if (summary)
        *summary = counts;
    return report;
}

} // namespace ContentBuilder
