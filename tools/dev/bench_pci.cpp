// Measures the PCI lesson: opening it (its files read, the first task shown
// and the grid painted) and one full repaint of the diagram grid. Run from the
// package folder; without the lesson's files there, a lesson of the same size
// is written to a temporary folder and used instead.

#include "pci/lessongrid.h"
#include "pci/tlesson.h"
#include "platform/contentpath.h"
#include "platform/cp1251.h"
#include "platform/random.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRepetitions = 100;

void write(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(Cp1251::encode(text).value_or(QByteArray()));
}

void writeFixtureLesson(const QString &folder)
{
    QStringList pins{"CLK", "AD", "C/BE#", "FRAME#", "IRDY#", "TRDY#", "DEVSEL#", "STOP#", "REQ#", "GNT#", "IDSEL"};
    write(folder + "/pci/lesson/pins.txt", pins.join("\r\n"));
    QStringList tasks;
    for (int k = 1; k <= 17; ++k)
        tasks
            << QStringLiteral("транзакцию чтения номер %1 с одной фазой данных и ожиданием со стороны цели.\"").arg(k);
    write(folder + "/pci/lesson/task.txt", tasks.join("\r\n"));
    const QString answer = "700000009\r\n788888889\r\n255555534\r\n425555534\r\n442555534\r\n442555534\r\n"
                           "444444444\r\n444444444\r\n444444444\r\n444444444\r\n";
    for (int k = 1; k <= 17; ++k)
        write(folder + QStringLiteral("/pci/lesson/answer%1.txt").arg(k), answer);
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ContentPath::adoptPackageFolder();
    QTemporaryDir fixture;
    if (!ContentPath::exists(QStringLiteral("pci\\lesson\\pins.txt"))) {
        writeFixtureLesson(fixture.path());
        QDir::setCurrent(fixture.path());
        std::printf("(no lesson in the package folder: a fixture lesson of the same size is used)\n");
    }
    Random::seed(1);

    TLesson lesson;
    LessonGrid *grid = lesson.grid();
    // The first showing of a process pays for fonts and styles once; warm up.
    lesson.FormShow();
    lesson.show();
    QApplication::processEvents();
    lesson.hide();

    std::vector<double> opening;
    for (int i = 0; i < kRepetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        lesson.FormShow();
        lesson.show();
        grid->repaint();
        QApplication::processEvents();
        opening.push_back(double(timer.nsecsElapsed()) / 1e6);
        lesson.hide();
        lesson.FormHide();
    }

    // Draw a busy diagram, then time whole repaints of the grid.
    lesson.FormShow();
    lesson.show();
    for (int row = 1; row <= 10; ++row) {
        lesson.StringGrid1SelectCell(row);
        lesson.StringGrid1MouseDown(1 + row % 3);
        lesson.StringGrid1MouseDown(5 + row % 4);
    }
    QImage image(grid->size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> repaint;
    for (int i = 0; i < kRepetitions * 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        grid->render(&image);
        repaint.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("Lesson opening (files read, first task shown, grid painted)  %.2f ms  (limit 20 ms)\n",
                median(opening));
    std::printf("Full repaint of the diagram grid %.2f ms  (limit 5 ms)\n", median(repaint));
    return 0;
}
