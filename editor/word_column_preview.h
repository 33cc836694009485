#pragma once
// The sentence as the pupil will see it: the word column of the exercise
// window (its Lbmostra rows, built by the same layout builder from the same
// layout data), on the window's background.

#include <QStringList>
#include <QWidget>

namespace editor {

class WordColumnPreview : public QWidget {
    Q_OBJECT
public:
    explicit WordColumnPreview(QWidget *parent = nullptr);
    // One text per row; rows past the 22nd are not shown (the sentence is
    // then invalid anyway).
    void showUnits(const QStringList &texts);
};

}  // namespace editor
