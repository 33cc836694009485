#pragma once
// Whether a unit's text fits its row of the exercise window's word column.
// The rows drift to the right as they go down, so the room before the answer
// buttons shrinks from row 1 to row 22; a text that runs past it would lie
// under the buttons. The check is made for the smallest screen the drill is
// laid out for, 1024x768, where the fitted window scales widths by 1024/825
// and font sizes by 768/596, and for the words' face, bold Arial (Liberation
// Sans Bold, its metric twin, on Debian). On screens shaped 5:4 the font grows
// a little more than the widths, and the last rows have some 7% less room.

#include <string_view>

namespace engine {

// The faces the word column can be drawn in: the standard bold Arial, or the
// high-legibility face (bold Open Sans with 12% more room after each letter).
enum class WordFace { Standard, Legible };

// Width of `text` (UTF-8) in the word labels' face, in 1/2048 of its size:
// each character's advance; characters the table does not know count as
// the widest (wider than an em).
int textWidthUnits(std::string_view text);
// The same in the given face.
int textWidthUnits(std::string_view text, WordFace face);

// The widest text, in the same units, that row `position` (1..22) can show.
int roomUnits(int position);

inline bool fitsWordRow(std::string_view text, int position)
{
    return textWidthUnits(text) <= roomUnits(position);
}

inline bool fitsWordRow(std::string_view text, int position, WordFace face)
{
    return textWidthUnits(text, face) <= roomUnits(position);
}

}  // namespace engine
