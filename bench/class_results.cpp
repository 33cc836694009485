// "Risultati della classe" with 30 pupils and one year of daily practice
// each, saved as the pupils save their results files. Times the teacher's
// import as she meets it: the files read and checked, the series gathered
// (each once), the totals worked out and the window drawn. Prints the
// median and the slowest of the runs, and the parts; the goal is under 1 s.

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "bench_common.h"
#include "paint_probe.h"
#include "results/class_results_window.h"
#include "results/results_file.h"
#include "results/sample_class.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 7;
    QTemporaryDir dir;
    history::SampleShape shape;
    shape.last = QDate::currentDate();
    shape.first = shape.last.addYears(-1);
    shape.practiceDays = 1.0;  // every day of the year
    results::SampleClass sample;
    QString error;
    QElapsedTimer writing;
    writing.start();
    if (!results::writeSampleClass(dir.path(), QStringLiteral("3B"), 30, shape, sample, error)) {
        std::fprintf(stderr, "class not written: %s\n", qPrintable(error));
        return 1;
    }
    const qint64 writeMs = writing.elapsed();
    qint64 bytes = 0;
    for (const QString &f : sample.files)
        bytes += QFileInfo(f).size();

    std::vector<double> readMs, sumMs, openMs;
    for (int run = 0; run < runs + 1; ++run) {  // the first run warms the caches and is left out
        const std::int64_t start = bench::nowNs();
        // The parts on their own: reading and checking the files, the totals.
        std::vector<results::ResultsFileSource> files;
        for (const QString &f : sample.files)
            files.emplace_back(f);
        std::vector<history::ClassResultsSource *> sources;
        for (auto &f : files)
            sources.push_back(&f);
        const results::Gathered gathered = results::gather(sources);
        const std::int64_t read = bench::nowNs();
        const results::ClassSummary summary = results::summarize(gathered.series, {});
        const std::int64_t summed = bench::nowNs();
        // The whole, as the teacher meets it.
        const std::int64_t opening = bench::nowNs();
        results::ClassResultsWindow window({}, {});
        window.importFiles(sample.files);
        bench::PaintProbe probe;
        if (!bench::showAndWaitForFirstPaint(&window, probe))
            return 1;
        while (probe.firstFrameNs == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
        if (run > 0) {
            readMs.push_back((read - start) / 1e6);
            sumMs.push_back((summed - read) / 1e6);
            openMs.push_back((probe.firstFrameNs - opening) / 1e6);
        }
        if (summary.all.series != int(gathered.series.size()) || window.summary().all.series != summary.all.series) {
            std::fprintf(stderr, "the window counts %d series, the totals %d\n", window.summary().all.series,
                         summary.all.series);
            return 1;
        }
    }
    std::printf("\"Risultati della classe\": 30 pupils, %d series, %d answers in %lld MB of results files "
                "(written in %lld ms), %d runs:\n\n",
                sample.size.series, sample.size.answers, static_cast<long long>(bytes >> 20),
                static_cast<long long>(writeMs), runs);
    std::printf("| | median ms | slowest ms |\n|---|---:|---:|\n");
    std::printf("| 30 files read and checked, series gathered | %.1f | %.1f |\n", bench::quantile(readMs, 0.5),
                bench::quantile(readMs, 1));
    std::printf("| totals worked out | %.1f | %.1f |\n", bench::quantile(sumMs, 0.5), bench::quantile(sumMs, 1));
    std::printf("| import to window drawn (goal < 1000) | %.1f | %.1f |\n", bench::quantile(openMs, 0.5),
                bench::quantile(openMs, 1));
    return 0;
}
