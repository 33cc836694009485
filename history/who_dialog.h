#pragma once
// "Chi sei?": the pupil picks their name from the class lists, once, before
// the exercise window. Keyboard: arrows or the first letters of the name,
// Return to confirm; screen readers read the question and each name.

#include <QDialog>

#include "class_list.h"

class QListWidget;

namespace history {

class WhoDialog : public QDialog {
    Q_OBJECT
public:
    explicit WhoDialog(const std::vector<Pupil> &pupils, QWidget *parent = nullptr);
    // The pupil chosen; none when the window was closed without a choice.
    const Pupil *chosen() const { return chosen_; }
    QListWidget *list() const { return list_; }

public slots:
    void accept() override;  // only with a name highlighted

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const std::vector<Pupil> &pupils_;
    QListWidget *list_;
    const Pupil *chosen_ = nullptr;
};

}  // namespace history

namespace history {

// At start-up: with class lists in the system folders, asks "Chi sei?" and
// returns the pupil chosen; without any, asks nothing and returns no one.
// The lists' messages go to standard error.
Pupil askWhoIsPracticing();

// The history file of a pupil (the account's own file for no one).
QString historyFileOf(const Pupil &pupil);

}  // namespace history
