// "I miei progressi" with five years of daily practice: about 25,000 series
// and 500,000 answers in a history file made up for the run. Times the
// opening as the pupil meets it, from the key to the window drawn: the
// history opened read-only, the four readings, the charts built and the
// window's first paint pass over. Prints the median and the slowest of the
// runs; the goal is under 300 ms.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "bench_common.h"
#include "history/progress_window.h"
#include "history/sample_history.h"
#include "paint_probe.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 11;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("storico.sqlite"));
    history::SampleShape shape;
    shape.last = QDate::currentDate();
    shape.first = shape.last.addYears(-5);
    shape.seriesPerDay = 26;
    shape.practiceDays = 1.0;
    history::SampleSize size;
    QString error;
    QElapsedTimer writing;
    writing.start();
    if (!history::writeSampleHistory(path, shape, size, error)) {
        std::fprintf(stderr, "history not written: %s\n", qPrintable(error));
        return 1;
    }
    const qint64 writeMs = writing.elapsed();

    std::vector<double> readMs, openMs;
    for (int run = 0; run < runs + 1; ++run) {  // the first run warms the caches and is left out
        const std::int64_t start = bench::nowNs();
        history::Progress progress;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            db.open();
            progress = history::readProgress(db, QDate::currentDate());
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench"));
        const std::int64_t read = bench::nowNs();
        history::ProgressWindow window(progress);
        bench::PaintProbe probe;
        if (!bench::showAndWaitForFirstPaint(&window, probe))
            return 1;
        while (probe.firstFrameNs == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
        const std::int64_t drawn = probe.firstFrameNs;
        if (run > 0) {
            readMs.push_back((read - start) / 1e6);
            openMs.push_back((drawn - start) / 1e6);
        }
    }
    std::printf("\"I miei progressi\" with %d series and %d answers (history written in %lld ms), %d runs:\n\n",
                size.series, size.answers, static_cast<long long>(writeMs), runs);
    std::printf("| | median ms | slowest ms |\n|---|---:|---:|\n");
    std::printf("| history read (four readings) | %.1f | %.1f |\n", bench::quantile(readMs, 0.5), bench::quantile(readMs, 1));
    std::printf("| key to window drawn (goal < 300) | %.1f | %.1f |\n", bench::quantile(openMs, 0.5),
                bench::quantile(openMs, 1));
    return 0;
}
