#include "legible_face.h"

#include "../engine/word_room.h"

namespace legibility {

QFont legibleFont(QFont f)
{
    f.setFamilies(QStringList{QString::fromLatin1(kFace)});
    f.setItalic(false);
    f.setLetterSpacing(QFont::PercentageSpacing, kLetterSpacingPercent);
    return f;
}

QFont standardFont(const QFont &current, const QFont &design)
{
    QFont f = design;
    f.setPointSizeF(current.pointSizeF());
    f.setUnderline(current.underline());
    return f;
}

double wordPoints(double points, std::string_view text, int position)
{
    using engine::WordFace;
    const int width = engine::textWidthUnits(text, WordFace::Legible);
    const int room = engine::roomUnits(position);
    if (width <= room || width <= 0)
        return points;
    return points * room / width;
}

}  // namespace legibility
