#include "lecturebuild.h"

#include "lecturescript.h"
#include "lecturesound.h"
#include "platform/cp1251.h"
#include "viewers/lecturepairformat.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <optional>

namespace LectureBuild {

namespace {

// Changing how the outputs are made changes this, so that they are made again.
constexpr char kBuildVersion[] = "lecture build 2: espeak-ng ru, x264 main crf 28 10 fps g 50, aac 48k mono";
constexpr int kProcessTimeoutMs = 180000;

struct Place {
    QString folder;        // on disk
    QString contentFolder; // backslash content path, empty at the package's top
    QString baseName;      // of X.txt

    QString file(const QString &name) const { return QDir(folder).filePath(name); }
    QString contentPath(const QString &name) const
    {
        return contentFolder.isEmpty() ? name : contentFolder + QLatin1Char('\\') + name;
    }
    QString video() const { return baseName + QStringLiteral(".mp4"); }
};

QString slideName(int section)
{
    return QStringLiteral("slide%1.bmp").arg(section + 1, 2, 10, QLatin1Char('0'));
}

QByteArray videoList(const Place &place, const QString &key)
{
    return place.contentPath(place.video()).toLatin1() + "\r\n; script " + key.toLatin1() + "\r\n";
}

bool upToDate(const Place &place, const QString &outputPath, const QByteArray &expected, int sections)
{
    QFile list(outputPath);
    if (!list.open(QIODevice::ReadOnly) || list.readAll() != expected)
        return false;
    QStringList needed = {place.video(), QString::fromLatin1(LecturePairFormat::kSlideFile),
                          QString::fromLatin1(LecturePairFormat::kGlossaryFile)};
    for (int i = 0; i < sections; ++i)
        needed.append(slideName(i));
    for (const QString &name : std::as_const(needed)) {
        if (!QFileInfo(place.file(name)).isFile())
            return false;
    }
    return true;
}

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

// Pairs of lines, a time in milliseconds and a text, in Windows-1251 with CR LF.
QByteArray pairFile(const QList<qint64> &times, const QStringList &texts)
{
    QByteArray bytes;
    for (int i = 0; i < times.size(); ++i) {
        bytes += QByteArray::number(times[i]) + "\r\n";
        bytes += Cp1251::encode(texts[i]).value_or(QByteArray()) + "\r\n";
    }
    return bytes;
}

struct Run {
    QString program;
    QStringList arguments;
};

// Runs the commands, several at a time; the first failure is reported.
bool runAll(const QList<Run> &runs, const QString &fileName, SourceReport &report)
{
    std::vector<std::unique_ptr<QProcess>> processes(size_t(runs.size()));
    const int parallel = qBound(1, QThread::idealThreadCount(), 4);
    int next = 0;
    int running = 0;
    bool ok = true;
    QList<int> active;
    while (ok && (next < runs.size() || !active.isEmpty())) {
        while (next < runs.size() && running < parallel) {
            const Run &run = runs[next];
            auto &process = processes[size_t(next)];
            process = std::make_unique<QProcess>();
            process->setProcessChannelMode(QProcess::MergedChannels);
            process->start(run.program, run.arguments);
            if (!process->waitForStarted()) {
                report.error(fileName, 0,
                             QStringLiteral("cannot start %1 (tools/bootstrap.sh installs it)").arg(run.program));
                return false;
            }
            active.append(next++);
            ++running;
        }
        const int index = active.takeFirst();
        --running;
        QProcess &process = *processes[size_t(index)];
        if (!process.waitForFinished(kProcessTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            report.error(fileName, 0,
                         QStringLiteral("%1 failed: %2")
                             .arg(runs[index].program, QString::fromLocal8Bit(process.readAll()).trimmed()));
            ok = false;
        }
    }
    for (auto &process : processes) {
        if (process && process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished();
        }
    }
    return ok;
}

// The making of one lecture's outputs from its parsed script, in a work folder.
struct Job {
    const QString &sourcePath;
    const LectureScript::Script &script;
    SourceReport &report;
    const QTemporaryDir &work;

    int sectionCount() const { return int(script.sections.size()); }
    void fail(const QString &what, int line = 0) const { report.error(sourcePath, line, what); }
};

Place placeOf(const QString &outputPath, const QString &outputRelative)
{
    Place place;
    place.folder = QFileInfo(outputPath).path();
    const QString relativeFolder = QFileInfo(outputRelative).path();
    place.contentFolder =
        relativeFolder == QStringLiteral(".") ? QString() : QString(relativeFolder).replace('/', '\\');
    place.baseName = QFileInfo(outputRelative).completeBaseName();
    return place;
}

// The narration, one recording per section, joined into narration.wav.
std::optional<LectureSound::Joined> recordNarration(const Job &job, const QStringList &spokenTexts)
{
    QString error;
    QList<Run> voices;
    for (int i = 0; i < job.sectionCount(); ++i) {
        const QString text = job.work.filePath(QStringLiteral("s%1.txt").arg(i));
        if (!writeFile(text, spokenTexts[i].toUtf8(), &error)) {
            job.fail(QStringLiteral("cannot write %1: %2").arg(text, error));
            return std::nullopt;
        }
        voices.append(
            {QStringLiteral("espeak-ng"),
             {QStringLiteral("-v"), QStringLiteral("ru"), QStringLiteral("-s"), QString::number(job.script.speed),
              QStringLiteral("-w"), job.work.filePath(QStringLiteral("s%1.wav").arg(i)), QStringLiteral("-f"), text}});
    }
    if (!runAll(voices, job.sourcePath, job.report))
        return std::nullopt;
    QList<LectureSound::Pcm> recordings;
    for (int i = 0; i < job.sectionCount(); ++i) {
        const QString wav = job.work.filePath(QStringLiteral("s%1.wav").arg(i));
        std::optional<LectureSound::Pcm> pcm = LectureSound::readWav(wav);
        if (!pcm || (!recordings.isEmpty() && (pcm->sampleRate != recordings.first().sampleRate ||
                                               pcm->channels != recordings.first().channels))) {
            const LectureScript::Section &section = job.script.sections[i];
            job.fail(QStringLiteral("espeak-ng made no usable recording of section \"%1\"").arg(section.title),
                     section.line);
            return std::nullopt;
        }
        recordings.append(*pcm);
    }
    LectureSound::Joined narration = LectureSound::join(recordings, job.script.gapMs);
    if (!writeFile(job.work.filePath(QStringLiteral("narration.wav")), LectureSound::wav(narration.pcm), &error)) {
        job.fail(QStringLiteral("cannot write the narration: %1").arg(error));
        return std::nullopt;
    }
    return narration;
}

// The pictures of the video, one per section, held for its length, and their list for ffmpeg (frames.txt).
bool writeFrames(const Job &job, const QList<QImage> &slides, const LectureSound::Joined &narration)
{
    const int sectionCount = job.sectionCount();
    QByteArray frameList = "ffconcat version 1.0\n";
    for (int i = 0; i < sectionCount; ++i) {
        const QString frame = QStringLiteral("f%1.png").arg(i);
        if (!LectureScript::renderFrame(slides[i], i, sectionCount).save(job.work.filePath(frame), "PNG")) {
            job.fail(QStringLiteral("cannot write a picture of the video"));
            return false;
        }
        const qint64 end = i + 1 < sectionCount ? narration.startsMs[i + 1] : narration.lengthMs;
        frameList += "file '" + frame.toLatin1() + "'\nduration " +
                     QByteArray::number(double(end - narration.startsMs[i]) / 1000.0, 'f', 3) + "\n";
    }
    frameList += "file 'f" + QByteArray::number(sectionCount - 1) + ".png'\n";
    QString error;
    if (!writeFile(job.work.filePath(QStringLiteral("frames.txt")), frameList, &error)) {
        job.fail(QStringLiteral("cannot write the frame list: %1").arg(error));
        return false;
    }
    return true;
}

// The video of the frames and the narration; its path in the work folder.
std::optional<QString> encodeVideo(const Job &job, const QList<QImage> &slides, const LectureSound::Joined &narration)
{
    if (!writeFrames(job, slides, narration))
        return std::nullopt;
    const QString video = job.work.filePath(QStringLiteral("video.mp4"));
    const QStringList input = {QStringLiteral("-f"),    QStringLiteral("concat"),
                               QStringLiteral("-safe"), QStringLiteral("0"),
                               QStringLiteral("-i"),    job.work.filePath(QStringLiteral("frames.txt")),
                               QStringLiteral("-i"),    job.work.filePath(QStringLiteral("narration.wav"))};
    const QString encoding = QStringLiteral("-vf fps=10,format=yuv420p -c:v libx264 -profile:v main -preset veryfast "
                                            "-tune stillimage -crf 28 -g 50 -c:a aac -b:a 48k -ac 1 -ar 44100 "
                                            "-movflags +faststart -shortest");
    const QList<Run> encode = {{QStringLiteral("ffmpeg"),
                                QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                                            QStringLiteral("error"), QStringLiteral("-nostdin"), QStringLiteral("-y")} +
                                    input + encoding.split(QLatin1Char(' ')) + QStringList{video}}};
    if (!runAll(encode, job.sourcePath, job.report))
        return std::nullopt;
    return video;
}

// Into place: slides and pair files first, the video last but one; the
// caller writes the video list last, which marks the lecture as built.
void install(const Job &job, const Place &place, const QList<QImage> &slides, const LectureSound::Joined &narration,
             const QString &video)
{
    QList<qint64> times;
    QStringList slidePaths;
    QStringList glossary;
    for (int i = 0; i < job.sectionCount(); ++i) {
        QSaveFile slide(place.file(slideName(i)));
        if (!slide.open(QIODevice::WriteOnly) ||
            !slides[i].convertToFormat(QImage::Format_RGB888).save(&slide, "BMP") || !slide.commit()) {
            job.fail(QStringLiteral("cannot write %1: %2").arg(slideName(i), slide.errorString()));
            return;
        }
        times.append(narration.startsMs[i]);
        slidePaths.append(place.contentPath(slideName(i)));
        glossary.append(job.script.sections[i].glossary);
    }
    QString error;
    if (!writeFile(place.file(QString::fromLatin1(LecturePairFormat::kSlideFile)), pairFile(times, slidePaths),
                   &error) ||
        !writeFile(place.file(QString::fromLatin1(LecturePairFormat::kGlossaryFile)), pairFile(times, glossary),
                   &error)) {
        job.fail(QStringLiteral("cannot write the pair files: %1").arg(error));
        return;
    }
    QFile::remove(place.file(place.video()));
    if (!QFile::rename(video, place.file(place.video())))
        job.fail(QStringLiteral("cannot move the video to %1").arg(place.file(place.video())));
}

} // namespace

Built<QByteArray> build(const QString &sourcePath, const QString &outputPath, const QString &outputRelative,
                        bool checkOnly)
{
    Built<QByteArray> result;
    SourceReport &report = result.report;
    QFile sourceFile(sourcePath);
    if (!sourceFile.open(QIODevice::ReadOnly)) {
        report.error(sourcePath, 0, QStringLiteral("cannot read the file"));
        return result;
    }
    const QByteArray source = sourceFile.readAll();
    const Built<LectureScript::Script> parsed = LectureScript::parse(source, sourcePath);
    report.append(parsed.report);
    if (!parsed.ok())
        return result;
    const LectureScript::Script &script = parsed.value;

    const Place place = placeOf(outputPath, outputRelative);
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(QByteArray(source + kBuildVersion), QCryptographicHash::Sha1).toHex().left(16));
    result.value = videoList(place, key);

    QStringList spokenTexts;
    for (const LectureScript::Section &section : script.sections)
        spokenTexts.append(LectureScript::spoken(script, section, sourcePath, report));
    if (!report.ok() || (!checkOnly && upToDate(place, outputPath, result.value, int(script.sections.size()))))
        return result;

    QList<QImage> slides;
    for (const LectureScript::Section &section : script.sections) {
        const Built<QImage> slide = LectureScript::renderSlide(section, sourcePath);
        report.append(slide.report);
        slides.append(slide.value);
    }
    if (!report.ok() || checkOnly)
        return result;

    QDir().mkpath(place.folder);
    const QTemporaryDir work(place.file(QStringLiteral(".lecture-XXXXXX")));
    if (!work.isValid()) {
        report.error(sourcePath, 0, QStringLiteral("cannot make a work folder in %1").arg(place.folder));
        return result;
    }
    const Job job{sourcePath, script, report, work};
    const std::optional<LectureSound::Joined> narration = recordNarration(job, spokenTexts);
    if (!narration)
        return result;
    const std::optional<QString> video = encodeVideo(job, slides, *narration);
    if (video)
        install(job, place, slides, *narration, *video);
    return result;
}

} // namespace LectureBuild
