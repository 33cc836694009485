#pragma once
// Under the unit boxes: the features of the selected unit (the rows of
// featureTable() its part of speech carries and its other values ask), one
// button per choice, or a list for the rows with many choices (a verb's mood
// and tense, the kinds), and a field for a verb's infinitive. A press sets
// the feature, a press on the one already set clears it; the boxes' keys do
// the same.

#include <QWidget>
#include <vector>

#include "unit_rules.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace editor {

class FeaturePanel : public QWidget {
    Q_OBJECT
public:
    explicit FeaturePanel(QWidget *parent = nullptr);

    // The unit to show, or nothing selected.
    void showUnit(const ProposedUnit *unit);

    // The button of a row's choice (rows of few choices), for the tests.
    QPushButton *button(std::size_t row, int value) const;
    // The list of a row of many choices, the field of a typed row.
    QComboBox *choiceList(std::size_t row) const { return lists_[row]; }
    QLineEdit *textField(std::size_t row) const { return fields_[row]; }
    // Puts the cursor in a typed row's field (the infinitive's key).
    void focusText(std::size_t row);

signals:
    void featureToggled(std::size_t row, int value);
    // A typed row's new text, already checked (empty clears it).
    void textChanged(std::size_t row, const QString &text);

private:
    void chooseFromList(std::size_t row, int index);
    void commitText(std::size_t row);

    const ProposedUnit *unit_ = nullptr;
    QLabel *title_;
    std::vector<QLabel *> names_;
    std::vector<QWidget *> rows_;                      // each row's controls
    std::vector<std::vector<QPushButton *>> buttons_;  // by row, in the order of the choices
    std::vector<QComboBox *> lists_;                   // by row, or null
    std::vector<QLineEdit *> fields_;                  // by row, or null
};

}  // namespace editor
