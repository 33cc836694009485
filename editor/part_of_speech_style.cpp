#include "part_of_speech_style.h"

#include <cstring>
#include <string>

#include "layouts/control_spec.h"

namespace editor {

namespace {

const layout::ControlSpec *button(int code)
{
    const std::string name = "Com(" + std::to_string(code) + ")";
    for (const auto &c : layout::exerciseLayout().controls)
        if (name == c.name)
            return &c;
    return nullptr;
}

}  // namespace

QColor partOfSpeechColour(int code)
{
    const layout::ControlSpec *b = code >= 1 && code <= 9 ? button(code) : nullptr;
    if (!b || b->back == layout::kStandard)
        return QColor(0xE0, 0xE0, 0xE0);
    return QColor((b->back >> 16) & 0xFF, (b->back >> 8) & 0xFF, b->back & 0xFF);
}

QString partOfSpeechName(int code)
{
    const layout::ControlSpec *b = code >= 1 && code <= 9 ? button(code) : nullptr;
    return b ? QString::fromUtf8(b->caption).simplified() : QStringLiteral("(nessuna)");
}

}  // namespace editor
