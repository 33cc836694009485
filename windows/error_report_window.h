#pragma once
// FRM_ERRORI, the error report: the pupil's wrong answers of the whole run by
// category, each row a count beside the category's name. Modeless and without
// owner; the exercise window writes the counts when "mostra errori" is pressed.

#include <QWidget>
#include <array>

#include "../engine/clock.h"
#include "../engine/drill_state.h"
#include "../layouts/design_widgets.h"

namespace engine {
class FormB;
}

class FRM_ERRORI : public QWidget {
    Q_OBJECT
public:
    FRM_ERRORI(engine::DrillState &state, const engine::FormB &exerciseWindow,
               const engine::Clock &clock);

    void Form_Load();       // names the categories after the answer buttons
    // Once the complete analysis has been used in the run: shows the rows of
    // its questions (12 to 14; the verb's, 17 to 23, and the kinds', 24 to 32,
    // in a second column) with their names, and grows the window to hold them.
    void showFurtherRows();
    void Command1_Click();  // CHIUDI FINESTRA
    void Command2_Click();  // mostra classifica

    std::array<layout::Label *, 33> RR{};        // counts, 0..16 and the further questions' rows
    std::array<layout::Label *, 33> Lberrori{};  // names, 1..16 and the further questions' rows
    layout::Label *Titolo_tipi;                  // the heading of the kinds' rows
    layout::Button *Command1, *Command2;

private:
    engine::DrillState &state_;
    const engine::FormB &exerciseWindow_;
    const engine::Clock &clock_;
};
