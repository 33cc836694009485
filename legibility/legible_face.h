#pragma once
// The high-legibility face: a humanist sans (Open Sans, bold as the design's
// texts) with 12% more room after each letter, never italic. It keeps the
// size the screen fitting gives, so the window's proportions stay; a unit too
// wide for its row of the word column in this face is drawn smaller instead.

#include <QFont>
#include <QStringList>
#include <string_view>

namespace legibility {

inline constexpr const char *kFace = "Open Sans";
inline constexpr double kLetterSpacingPercent = 112;

// `f` in the legible face, same size and weight.
QFont legibleFont(QFont f);

// Back to the design's face (`design`), keeping the size of `current`.
QFont standardFont(const QFont &current, const QFont &design);

// The size for unit `text` at row `position` (1..22) of the word column, drawn
// at `points` in the legible face: `points` when it fits, else lowered so that
// it does.
double wordPoints(double points, std::string_view text, int position);

}  // namespace legibility
