#pragma once
// The high-legibility face: a humanist sans (Open Sans, bold as the design's
// texts) with 12% more room after each letter, never italic. It keeps the
// size the screen fitting gives, so the window's proportions stay.

#include <QFont>
#include <QStringList>

namespace legibility {

inline constexpr const char *kFace = "Open Sans";
inline constexpr double kLetterSpacingPercent = 112;

// `f` in the legible face, same size and weight.
QFont legibleFont(QFont f);

// Back to the design's face (`design`), keeping the size of `current`.
QFont standardFont(const QFont &current, const QFont &design);

}  // namespace legibility
