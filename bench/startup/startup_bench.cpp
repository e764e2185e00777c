// Start-up figures of the main window, measured on a whole process:
//   bench_startup startup DIR [columns]         process start to the window shown with its list filled
//   bench_startup loadlist DIR [RUNS]           the index rebuild with every book on (median of runs)
// Each run prints its figures and the peak memory of the process. DIR holds the books: the
// shipped ones (build/bin/Books) or a corpus written by somnar-corpus.

#include "app/settingsstore.h"
#include "dictionary/bookcatalogue.h"
#include "dictionary/mainwindow.h"
#include "dictionary/wordindex.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <QWindow>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

using namespace somnar;

namespace {

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Milliseconds since the kernel started this process (10 ms resolution).
double millisecondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray statLine = stat.readAll();
    const QList<QByteArray> fields = statLine.mid(statLine.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();  // field 22 of the whole line
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    return (upSeconds - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

int startup(const QString &folder, bool columns, int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    SettingsStore settings(settingsDir.filePath(QStringLiteral("settings.ini")));
    if (columns)
        settings.save(kMainSection, QStringLiteral("ListMode"), 0);
    Form1 form(settings, folder);
    if (!form.Form_Load())
        return 1;
    form.show();
    while (!form.windowHandle() || !form.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    const double shown = millisecondsSinceProcessStart();
    // The window's own rebuild, list view included, as a switch of books runs it.
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        form.LoadList();
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("startup: %.0f ms from process start to the window shown with %lld words listed; "
                "window LoadList median %.1f ms; peak %.1f MB\n",
                shown, qlonglong(form.ListView1()->model()->rowCount()), times[times.size() / 2], peakMegabytes());
    return 0;
}

int loadList(const QString &folder, int runs, int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    SettingsStore settings(settingsDir.filePath(QStringLiteral("settings.ini")));
    BookCatalogue catalogue;
    QElapsedTimer open;
    open.start();
    if (catalogue.load(folder, settings) != BookCatalogue::LoadResult::Loaded)
        return 1;
    const double openMs = open.nsecsElapsed() / 1e6;
    std::vector<double> times;
    WordIndex index;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        index.build(catalogue);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    // The first build also computes the sort keys of every book; later rebuilds reuse them.
    const double first = times.front();
    times.erase(times.begin());
    std::sort(times.begin(), times.end());
    std::printf("loadlist: %lld books opened in %.0f ms; index of %lld words from %d articles: first build %.1f ms, "
                "rebuild median %.1f ms (best %.1f) over %d runs; peak %.1f MB\n",
                qlonglong(catalogue.count()), openMs, qlonglong(index.size()), index.articleTotal(), first,
                times[times.size() / 2], times.front(), runs, peakMegabytes());
    return 0;
}

}

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s startup|loadlist DIR [...]\n", argv[0]);
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    if (mode == QStringLiteral("startup"))
        return startup(folder, argc > 3 && QByteArray(argv[3]) == "columns", argc, argv);
    if (mode == QStringLiteral("loadlist"))
        return loadList(folder, argc > 3 ? atoi(argv[3]) : 10, argc, argv);
    return 2;
}
