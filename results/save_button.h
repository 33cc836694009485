#pragma once
// The pupil's way to "i miei risultati": a button in "I miei progressi" that
// saves her closed series to one file the teacher imports. At home, where
// no class list names her, she is asked her name (and class) first: the
// teacher must know whose results they are. Nothing asked is kept.

#include <QString>
#include <functional>

#include "results_file.h"

class QDialog;
class QWidget;

namespace results {

struct SaveSeams {
    // The file to write, or empty when the pupil gives up.
    std::function<QString(QWidget *over, const QString &suggested)> chooseFile;
    // Who the results are, asked when the class list does not say; false
    // when the pupil gives up.
    std::function<bool(QWidget *over, Owner &owner)> askOwner;
    // What the pupil is told when it is done, or why not.
    std::function<void(QWidget *over, const QString &message, bool ok)> tell;
    std::function<std::int64_t()> nowMs;
};
SaveSeams realSaveSeams();

// Adds the button to `window`'s row of buttons (left of Chiudi).
void addSaveButton(QDialog &window, const QString &historyPath, const Owner &owner, SaveSeams seams = realSaveSeams());

// What the button does; true when the file was written.
bool saveResultsAsked(QWidget *over, const QString &historyPath, Owner owner, const SaveSeams &seams);

}  // namespace results
