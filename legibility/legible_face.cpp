#include "legible_face.h"

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

}  // namespace legibility
