#pragma once
// The units of the sentence being edited, as a row of boxes coloured like
// the drill's part-of-speech buttons. A click on a box (or Space) offers the
// nine parts of speech in the same colours; keys 1..9 set the part of speech
// of the selected box, Left and Right move the selection. Each box shows the
// unit's features on a second line ("m s", "?" when they are a doubtful
// proposal); the features' keys (D N T M F S P) are passed on as featureKey.

#include <QWidget>
#include <vector>

#include "unit_rules.h"

class QPushButton;

namespace editor {

class UnitRow : public QWidget {
    Q_OBJECT
public:
    explicit UnitRow(QWidget *parent = nullptr);

    void setUnits(const std::vector<ProposedUnit> &units);
    int selected() const { return selected_; }
    void select(int index);
    const ProposedUnit *unitAt(int index) const
    {
        return index >= 0 && index < int(units_.size()) ? &units_[std::size_t(index)] : nullptr;
    }

signals:
    void codeChosen(int index, int code);
    void selectionChanged(int index);  // also after new units are shown
    void featureKey(int index, char key);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeBoxes();
    void offerChoices(int index);
    void restyle();

    std::vector<QPushButton *> buttons_;
    std::vector<ProposedUnit> units_;
    int selected_ = -1;
};

}  // namespace editor
