#pragma once
// The design-time description of a window as plain data: one ControlSpec per
// control, in creation order. Geometry is in twips (15 twips = 1 pixel at
// 96 dpi), colours are 0xRRGGBB, fonts are face + points + weight.
// LayoutBuilder turns a WindowSpec into widgets; nothing here needs Qt.

#include <string_view>
#include <vector>

namespace layout {

enum class Kind { Label, Button, Frame, Rectangle, Circle, CheckBox };

// A colour that may be "the toolkit's standard colour for this role".
inline constexpr int kStandard = -1;

struct FontSpec {
    const char *face = "Arial";
    double points = 8.25;
    int weight = 400;  // 700 = bold, 900 = heavy
    bool italic = false;
};

struct ControlSpec {
    const char *name;            // object name, arrays as "Com(3)"
    Kind kind = Kind::Label;
    const char *container = "";  // "" = the window's client area, else a frame's name
    const char *caption = "";
    int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the container
    int fore = kStandard;  // text colour (labels, buttons, frame captions); shape outline
    int back = kStandard;  // background, button face, frame ground; shape fill
    FontSpec font{};
    bool autoSize = false;     // labels: take the size of the caption, keep Left/Top
    bool transparent = false;  // labels, check boxes: draw only the text
    bool centred = false;      // labels: text centred in the box
    bool rightAligned = false; // labels: text against the right edge
    bool border = false;       // labels: single-line border
    bool visible = true;       // visible at design time
    int tab = -1;              // buttons, check boxes: tab index (lower first); -1 = not ordered
    int outlineWidth = 1;      // shapes: outline width in pixels
    bool filled = false;       // shapes: interior painted with `back`
};

struct WindowSpec {
    const char *name;   // form name, e.g. "FormB"
    const char *title;  // title bar text
    int clientWidth, clientHeight;  // twips
    int background;     // 0xRRGGBB
    int designLeft = 0, designTop = 0;  // where the client area opens on screen, twips
    std::vector<ControlSpec> controls;
};

// One table per window (layouts/*_layout.cpp).
const WindowSpec &exerciseLayout();     // FormB
const WindowSpec &resultsLayout();      // classificaform
const WindowSpec &errorReportLayout();  // FRM_ERRORI
const WindowSpec &splashLayout();       // Iniziale

inline constexpr int kTwipsPerPixel = 15;

// The row of a control by its name ("Com(3)"), or nullptr.
inline const ControlSpec *findControl(const WindowSpec &window, std::string_view name)
{
    for (const ControlSpec &c : window.controls)
        if (name == c.name)
            return &c;
    return nullptr;
}

}  // namespace layout
