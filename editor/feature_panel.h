#pragma once
// Under the unit boxes: the features of the selected unit (kind of article,
// gender, number: the rows of featureTable() its part of speech carries),
// one button per choice. A press sets the feature, a press on the one
// already set clears it; the boxes' keys (D N T M F S P) do the same.

#include <QWidget>
#include <vector>

#include "unit_rules.h"

class QLabel;
class QPushButton;

namespace editor {

class FeaturePanel : public QWidget {
    Q_OBJECT
public:
    explicit FeaturePanel(QWidget *parent = nullptr);

    // The unit to show, or nothing selected.
    void showUnit(const ProposedUnit *unit);

    // The button of a row's choice, for the tests.
    QPushButton *button(std::size_t row, int value) const;

signals:
    void featureToggled(std::size_t row, int value);

private:
    QLabel *title_;
    std::vector<QLabel *> names_;
    std::vector<std::vector<QPushButton *>> buttons_;  // by row, in the order of the choices
};

}  // namespace editor
