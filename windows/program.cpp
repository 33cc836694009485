#include "program.h"

#include <QApplication>
#include <QStyleFactory>

#include "../platform/collection_folders.h"
#include "../history/notice_box.h"
#include "../history/progress_window.h"

Program::Program()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);  // FINE ends the program
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.scuola.AnalisiGrammaticale"));

    splash_ = new Iniziale(audio_, [this] {
        if (!exercise_) {
            history_ = std::make_unique<history::SqliteHistory>(history::historyFile({}), QString(), wallClock_,
                                                                history::showNotice);
            exercise_ = std::make_unique<engine::FormB>(state_, engine::ExerciseServices{
                .clock = clock_, .random = random_, .audio = audio_, .collections = platform::readCollections,
                .history = history_.get(),
                .showProgress = [](QWidget *over) { history::showProgress(history::historyFile({}), over); }});
            if (onExerciseLoaded)
                onExerciseLoaded(*exercise_);
        }
        exercise_->show();
    });
}
