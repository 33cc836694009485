#pragma once
// Fits the splash and exercise windows to the screen: at load the window is
// maximised and every control of its fit list is scaled from its recorded
// design geometry and font size; on every resize it is scaled again from the
// same recorded values, so repeated resizes never drift. Fonts follow the
// vertical factor only.

#include <QPointer>
#include <QWidget>
#include <vector>

namespace platform::ridimschermo {

struct FitState {
    int adaptCount = 0;
    QPointer<QWidget> adaptForm;
    std::vector<QPointer<QWidget>> adaptControls;  // entry 0 unused
    double refWidth = 0, refHeight = 0;            // twips
    std::vector<double> savedLeft, savedTop, savedWidth, savedHeight;  // twips
    std::vector<double> savedFontSize;                                 // points
};

// The one fit list of the program: it belongs to the window that loaded last.
FitState &state();

void preparaelenco();  // empties the lists and sizes them for adaptCount
void adattaschermo();  // records, maximises and makes the first fit to the screen
void ridimensiona();   // refits to the window's current size

// The five load steps in one call: count, prepare, owner, list, record.
void fitWindow(QWidget *window, const std::vector<QWidget *> &controls);

// Font sizes are kept within what the toolkit can draw.
inline constexpr double kMinPoints = 1.0;
inline constexpr double kMaxPoints = 1000.0;

}  // namespace platform::ridimschermo
