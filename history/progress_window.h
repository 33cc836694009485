#pragma once
// "I miei progressi": the pupil's history in four pictures, each with a line
// of plain text under it that says what it shows. Opened from the results
// window and, while VIA is offered, with G from the exercise window.

#include <QDialog>
#include <functional>

#include "progress_data.h"

namespace history {

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    ProgressWindow(const Progress &progress, QWidget *parent = nullptr);
};

// Reads the history at `path` and shows the window over `parent` until the
// pupil closes it. A missing or unreadable history shows empty pictures.
void showProgress(const QString &path, QWidget *parent);
// The same, with `extend` called on the window before it shows (the button
// that saves "i miei risultati").
void showProgress(const QString &path, QWidget *parent, const std::function<void(ProgressWindow &)> &extend);

}  // namespace history
