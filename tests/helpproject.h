#pragma once

// Compiled help documents for the tests, built with the HTML help compiler chmcmd.

#include "platform/cp1251.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QProcess>
#include <QStandardPaths>

namespace HelpProject {

struct File {
    QString path; // relative, '/' separators
    QByteArray bytes;
};

struct Project {
    QString output = QStringLiteral("sample.chm");
    QString title;
    QString defaultTopic;
    QString contentsFile; // "toc.hhc", empty for none
    QString indexFile;    // "index.hhk", empty for none
    QList<File> files;    // pages, pictures, stylesheets and the sitemaps
};

inline QString compiler()
{
    if (QFileInfo::exists(QStringLiteral("/usr/bin/chmcmd")))
        return QStringLiteral("/usr/bin/chmcmd");
    return QStandardPaths::findExecutable(QStringLiteral("chmcmd"));
}

inline void writeFile(const QString &folder, const QString &relative, const QByteArray &bytes)
{
    const QString full = folder + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray png(int width, int height, QRgb color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

inline QByteArray cp1251(const QString &text)
{
    return Cp1251::encode(text).value_or(QByteArray());
}

// Writes the project into folder and compiles it; returns the document's path,
// or an empty text when the compiler is missing or fails.
inline QString compile(const QString &folder, const Project &project)
{
    const QString chmcmd = compiler();
    if (chmcmd.isEmpty())
        return QString();
    QByteArray hhp = "[OPTIONS]\r\nCompatibility=1.1 or later\r\n";
    hhp += "Compiled file=" + project.output.toUtf8() + "\r\n";
    if (!project.contentsFile.isEmpty())
        hhp += "Contents file=" + project.contentsFile.toUtf8() + "\r\n";
    if (!project.indexFile.isEmpty())
        hhp += "Index file=" + project.indexFile.toUtf8() + "\r\n";
    if (!project.defaultTopic.isEmpty())
        hhp += "Default topic=" + project.defaultTopic.toUtf8() + "\r\n";
    hhp += "Display compile progress=No\r\nLanguage=0x419 Russian\r\n";
    if (!project.title.isEmpty())
        hhp += "Title=" + project.title.toUtf8() + "\r\n";
    hhp += "\r\n[FILES]\r\n";
    for (const File &file : project.files) {
        writeFile(folder, file.path, file.bytes);
        if (file.path != project.contentsFile && file.path != project.indexFile)
            hhp += file.path.toUtf8() + "\r\n";
    }
    const QString hhpName = QFileInfo(project.output).completeBaseName() + QStringLiteral(".hhp");
    writeFile(folder, hhpName, hhp);
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(chmcmd, {QStringLiteral("--no-html-scan"), hhpName});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    const QString output = folder + QLatin1Char('/') + project.output;
    return QFileInfo::exists(output) ? output : QString();
}

inline QByteArray sitemapEntry(const QString &name, const QString &local)
{
    QByteArray entry = "<LI> <OBJECT type=\"text/sitemap\">\n\t<param name=\"Name\" value=\"" + name.toUtf8() + "\">\n";
    if (!local.isEmpty())
        entry += "\t<param name=\"Local\" value=\"" + local.toUtf8() + "\">\n";
    return entry + "\t</OBJECT>\n";
}

inline QByteArray samplePicture()
{
    return png(40, 30, qRgb(200, 40, 40));
}

// The sample document of the tests: two pages (the second in Windows-1251), a
// picture, a stylesheet, contents and index.
inline Project sampleProject(const QString &output = QStringLiteral("sample.chm"))
{
    Project project;
    project.output = output;
    project.title = QStringLiteral("Тестовый документ");
    project.defaultTopic = QStringLiteral("index.html");
    project.contentsFile = QStringLiteral("toc.hhc");
    project.indexFile = QStringLiteral("index.hhk");
    const QString first = QStringLiteral(
        "<html><head><meta charset=\"utf-8\"><title>Введение</title>"
        "<link rel=\"stylesheet\" href=\"style.css\"></head><body>\n"
        "<h1>Шина ISA</h1>\n"
        "<p>Магистраль ISA соединяет процессор с устройствами. Магистраль работает на частоте 8 МГц.</p>\n"
        "<p><a href=\"sub/page2.html\">Вторая страница</a></p>\n"
        "<p><img src=\"img/pic.png\" alt=\"рисунок\"></p>\n"
        "<p><a href=\"http://example.com/\">Внешняя ссылка</a></p>\n"
        "</body></html>\n");
    const QString second = QStringLiteral(
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></head><body>\n"
        "<h1>Сигналы шины</h1>\n<p>Сигнал IOR# читает порт ввода-вывода.</p>\n"
        "<p><a name=\"a2\"></a>Раздел второй.</p>\n<p><a href=\"../index.html\">К началу</a></p>\n"
        "</body></html>\n");
    QByteArray toc =
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n<HTML><BODY>\n"
        "<OBJECT type=\"text/site properties\"><param name=\"Window Styles\" value=\"0x800025\"></OBJECT>\n"
        "<UL>\n";
    toc += sitemapEntry(QStringLiteral("Введение"), QStringLiteral("index.html"));
    toc += "<UL>\n" + sitemapEntry(QStringLiteral("Сигналы шины"), QStringLiteral("sub/page2.html")) + "</UL>\n";
    toc += sitemapEntry(QStringLiteral("Приложение"), QString());
    toc += "<UL>\n" + sitemapEntry(QStringLiteral("Раздел второй"), QStringLiteral("sub/page2.html#a2")) + "</UL>\n";
    toc += "</UL>\n</BODY></HTML>\n";
    QByteArray index = "<HTML><BODY>\n<UL>\n";
    index += sitemapEntry(QStringLiteral("магистраль"), QStringLiteral("index.html"));
    index += sitemapEntry(QStringLiteral("адрес"), QStringLiteral("index.html"));
    index += sitemapEntry(QStringLiteral("сигнал"), QStringLiteral("sub/page2.html"));
    index += "<UL>\n" + sitemapEntry(QStringLiteral("IOR#"), QStringLiteral("sub/page2.html")) + "</UL>\n";
    index += sitemapEntry(QStringLiteral("данные"), QStringLiteral("sub/page2.html#a2"));
    index += "</UL>\n</BODY></HTML>\n";
    project.files = {
        {QStringLiteral("index.html"), first.toUtf8()},
        {QStringLiteral("sub/page2.html"), cp1251(second)},
        {QStringLiteral("img/pic.png"), samplePicture()},
        {QStringLiteral("style.css"), QByteArray("h1 { color: #1f4e79; }\n")},
        {QStringLiteral("toc.hhc"), toc},
        {QStringLiteral("index.hhk"), index},
    };
    return project;
}

inline QString buildSample(const QString &folder, const QString &output = QStringLiteral("sample.chm"))
{
    return compile(folder, sampleProject(output));
}

} // namespace HelpProject
