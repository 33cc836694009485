// The pictures of "Risultati della classe" for the README: a made-up class
// of eight pupils with three months of practice each, saved as the pupils
// save their results files, and two files that cannot be read (one cut
// short, one that is not a results file) so the list of problems shows.
// Saved as class-results-WIDTHxHEIGHT.png (the pupils) and
// class-results-sentences-WIDTHxHEIGHT.png (the sentences missed most) in the
// folder given.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "results/class_results_window.h"
#include "results/sample_class.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir dir;
    history::SampleShape shape;
    shape.last = QDate::currentDate();
    shape.first = shape.last.addMonths(-3);
    results::SampleClass sample;
    QString error;
    if (!results::writeSampleClass(dir.path(), QStringLiteral("3B"), 8, shape, sample, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QFile whole(sample.files.first());
    whole.open(QIODevice::ReadOnly);
    QFile cut(dir.filePath(QStringLiteral("risultati-Pietro.json")));
    cut.open(QIODevice::WriteOnly);
    cut.write(whole.readAll().left(5000));
    cut.close();
    QFile foreign(dir.filePath(QStringLiteral("compiti.json")));
    foreign.open(QIODevice::WriteOnly);
    foreign.write("{\"titolo\": \"Compiti per casa\"}");
    foreign.close();

    results::ClassResultsWindow window({}, {});
    window.importFiles(sample.files + QStringList{cut.fileName(), foreign.fileName(), sample.files.at(2)});
    window.show();
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const auto grab = [&](const QString &name) {
        const QString file = QDir(out).filePath(QStringLiteral("%1-%2x%3.png").arg(name).arg(screen.width()).arg(screen.height()));
        QGuiApplication::primaryScreen()->grabWindow(0).save(file);
        std::printf("%s\n", qPrintable(file));
    };
    QTimer::singleShot(1500, [&] {
        grab(QStringLiteral("class-results"));
        window.findChild<QTabWidget *>()->setCurrentIndex(3);
        QTimer::singleShot(800, [&] {
            grab(QStringLiteral("class-results-sentences"));
            app.quit();
        });
    });
    return app.exec();
}
