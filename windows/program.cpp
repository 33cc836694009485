#include "program.h"

#include <QApplication>
#include <QStyleFactory>
#include <iostream>

#include "../platform/collection_folders.h"
#include "../history/notice_box.h"
#include "../history/progress_window.h"
#include "../history/who_dialog.h"
#include "../results/save_button.h"

Program::Program()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);  // FINE ends the program
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.scuola.AnalisiGrammaticale"));

    splash_ = new Iniziale(audio_, [this] {
        if (!exercise_) {
            // In a school lab with class lists: "Chi sei?" first.
            const history::Pupil pupil = history::askWhoIsPracticing();
            const QString historyPath = history::historyFileOf(pupil);
            history_ = std::make_unique<history::SqliteHistory>(historyPath, pupil.name, wallClock_,
                                                                history::showNotice);
            server_ = history::startServerSending(*history_, pupil, history::showNotice);
            speech_ = std::make_unique<speech::QtSpeechEngine>(std::cerr);
            exercise_ = std::make_unique<engine::FormB>(state_, engine::ExerciseServices{
                .clock = clock_, .random = random_, .audio = audio_, .collections = platform::readCollections,
                .speech = speech_.get(), .history = history_.get(),
                .showProgress = [historyPath, pupil](QWidget *over) {
                    history::showProgress(historyPath, over, [&](history::ProgressWindow &window) {
                        results::addSaveButton(window, historyPath, {pupil.name, pupil.className});
                    });
                }});
            if (onExerciseLoaded)
                onExerciseLoaded(*exercise_);
        }
        exercise_->show();
    });
}
