#include "part_of_speech_style.h"

#include <string>

#include "layouts/control_spec.h"
#include "layouts/design_widgets.h"

namespace editor {

namespace {

const layout::ControlSpec *button(int code)
{
    return layout::findControl(layout::exerciseLayout(), "Com(" + std::to_string(code) + ")");
}

}  // namespace

QColor partOfSpeechColour(int code)
{
    const layout::ControlSpec *b = code >= 1 && code <= 9 ? button(code) : nullptr;
    if (!b || b->back == layout::kStandard)
        return QColor(0xE0, 0xE0, 0xE0);
    return layout::toColor(b->back);
}

QString partOfSpeechName(int code)
{
    const layout::ControlSpec *b = code >= 1 && code <= 9 ? button(code) : nullptr;
    return b ? QString::fromUtf8(b->caption).simplified() : QStringLiteral("(nessuna)");
}

}  // namespace editor
