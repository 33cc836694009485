// The picture of "I miei progressi" for the README: three months of a
// made-up pupil's practice, the window shown as the drill shows it (as large
// as the screen allows), saved as progress-WIDTHxHEIGHT.png in the folder
// given.

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "history/progress_window.h"
#include "history/sample_history.h"
#include "results/save_button.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("storico.sqlite"));
    history::SampleShape shape;
    shape.last = QDate::currentDate();
    shape.first = shape.last.addMonths(-3);
    history::SampleSize size;
    QString error;
    if (!history::writeSampleHistory(path, shape, size, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    history::Progress progress;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(path);
        db.open();
        progress = history::readProgress(db, QDate::currentDate());
    }
    history::ProgressWindow window(progress);
    results::addSaveButton(window, path, {QStringLiteral("Anna R."), QStringLiteral("3B")});
    window.show();
    QTimer::singleShot(1500, [&] {
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QString file = QDir(out).filePath(
            QStringLiteral("progress-%1x%2.png").arg(screen.width()).arg(screen.height()));
        // The whole screen, as the pupil sees it.
        QGuiApplication::primaryScreen()->grabWindow(0).save(file);
        std::printf("%s\n", qPrintable(file));
        app.quit();
    });
    return app.exec();
}
