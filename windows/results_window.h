#pragma once
// classificaform, the results window: the grade of the last series, how many
// times each grade has been reached (rows of up to ten dots) and the best
// time of a faultless series. Modal over its opener; only PROSEGUI closes it.

#include <QDialog>
#include <array>

#include "../engine/clock.h"
#include "../engine/drill_state.h"
#include "../layouts/design_widgets.h"

class classificaform : public QDialog {
    Q_OBJECT
public:
    enum class Opening {
        SeriesEnded,  // by the exercise window, when a series has just been graded
        LookOnly,     // from the error report: shows the figures, changes nothing
    };
    classificaform(engine::DrillState &state, const engine::Clock &clock, Opening opening,
                   QWidget *owner);

    void Form_Load();
    void Command1_Click();  // PROSEGUI

    // The grade word and colour of each level 1..5.
    static QString gradeWord(int grade);
    static int gradeColour(int grade);
    // The best time as shown: "200", or seconds with one decimal digit.
    static QString bestTimeText(int tenths, const QLocale &locale);

    layout::Label *RISULTATO, *LbNuovoRecord, *LbTrecord;
    layout::Button *Command1;
    // Dots per grade, index [grade][1..10], and the level label heading each row.
    std::array<std::array<layout::Shape *, 11>, 6> dots{};
    std::array<layout::Label *, 6> levels{};

public slots:
    void reject() override;  // Escape does not close the window

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    engine::DrillState &state_;
    const engine::Clock &clock_;
    Opening opening_;
    bool closing_ = false;
};
