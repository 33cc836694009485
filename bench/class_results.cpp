// "Risultati della classe" with 30 pupils and one year of daily practice
// each, saved as the pupils save their results files. Times the teacher's
// import as she meets it: the files read and checked, the series gathered
// (each once), the totals worked out and the window drawn. Prints the
// median and the slowest of the runs, and the parts; the goal is under 1 s.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <time.h>
#include <vector>

#include "bench_common.h"
#include "paint_probe.h"
#include "results/class_results_window.h"
#include "results/results_file.h"
#include "results/sample_class.h"

namespace {

// Processor time of every thread of the process (the window reads the files
// on a pool of threads): unlike the wall clock, a machine busy with other
// work does not stretch it.
std::int64_t processCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 7;
    // A second argument keeps the class's files in that folder, written once.
    QTemporaryDir temporary;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path();
    history::SampleShape shape;
    shape.last = QDate::currentDate();
    shape.first = shape.last.addYears(-1);
    shape.practiceDays = 1.0;  // every day of the year
    results::SampleClass sample;
    QString error;
    QElapsedTimer writing;
    writing.start();
    const QStringList kept = QDir(folder).entryList({QStringLiteral("risultati-*.json")}, QDir::Files, QDir::Name);
    if (kept.size() == 30) {
        for (const QString &f : kept)
            sample.files << QDir(folder).filePath(f);
    } else if (!QDir().mkpath(folder) ||
               !results::writeSampleClass(folder, QStringLiteral("3B"), 30, shape, sample, error)) {
        std::fprintf(stderr, "class not written: %s\n", qPrintable(error));
        return 1;
    }
    const qint64 writeMs = writing.elapsed();
    qint64 bytes = 0;
    for (const QString &f : sample.files)
        bytes += QFileInfo(f).size();

    // Wall-clock times, and the processor time of all threads.
    int seriesShown = 0, answersShown = 0;
    std::vector<double> readMs, sumMs, openMs, readCpuMs, sumCpuMs, openCpuMs;
    for (int run = 0; run < runs + 1; ++run) {  // the first run warms the caches and is left out
        const std::int64_t start = bench::nowNs(), startCpu = processCpuNs();
        // The parts on their own: reading and checking the files, the totals.
        std::vector<results::ResultsFileSource> files;
        for (const QString &f : sample.files)
            files.emplace_back(f);
        std::vector<history::ClassResultsSource *> sources;
        for (auto &f : files)
            sources.push_back(&f);
        const results::Gathered gathered = results::gather(sources);
        const std::int64_t read = bench::nowNs(), readCpu = processCpuNs();
        const results::ClassSummary summary = results::summarize(gathered.series, {});
        const std::int64_t summed = bench::nowNs(), summedCpu = processCpuNs();
        // The whole, as the teacher meets it.
        const std::int64_t opening = bench::nowNs(), openingCpu = processCpuNs();
        results::ClassResultsWindow window({}, {});
        window.importFiles(sample.files);
        bench::PaintProbe probe;
        if (!bench::showAndWaitForFirstPaint(&window, probe))
            return 1;
        while (probe.firstFrameNs == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
        const std::int64_t drawnCpu = processCpuNs();
        seriesShown = window.summary().all.series;
        answersShown = window.summary().all.answers;
        if (run > 0) {
            readMs.push_back((read - start) / 1e6);
            sumMs.push_back((summed - read) / 1e6);
            openMs.push_back((probe.firstFrameNs - opening) / 1e6);
            readCpuMs.push_back((readCpu - startCpu) / 1e6);
            sumCpuMs.push_back((summedCpu - readCpu) / 1e6);
            openCpuMs.push_back((drawnCpu - openingCpu) / 1e6);
        }
        if (summary.all.series != int(gathered.series.size()) || window.summary().all.series != summary.all.series) {
            std::fprintf(stderr, "the window counts %d series, the totals %d\n", window.summary().all.series,
                         summary.all.series);
            return 1;
        }
    }
    std::printf("\"Risultati della classe\": 30 pupils, %d series, %d answers in %lld MB of results files "
                "(%s %lld ms), %d runs:\n\n",
                seriesShown, answersShown, static_cast<long long>(bytes >> 20),
                kept.size() == 30 ? "kept from an earlier run, looked up in" : "written in",
                static_cast<long long>(writeMs), runs);
    std::printf("| | median ms | slowest ms | median processor ms |\n|---|---:|---:|---:|\n");
    const auto row = [](const char *what, const std::vector<double> &wall, const std::vector<double> &cpu) {
        std::printf("| %s | %.1f | %.1f | %.1f |\n", what, bench::quantile(wall, 0.5), bench::quantile(wall, 1),
                    bench::quantile(cpu, 0.5));
    };
    row("30 files read and checked, series gathered", readMs, readCpuMs);
    row("totals worked out", sumMs, sumCpuMs);
    row("import to window drawn (goal < 1000)", openMs, openCpuMs);
    return 0;
}
