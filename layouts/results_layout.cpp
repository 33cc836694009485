// classificaform, the results window, as it looks when created: one row per
// control, in creation order. Geometry in twips from the top-left corner of
// the client area, colours 0xRRGGBB. The window keeps this size and place.
//
// The blue border rectangle comes first so that every text lies on top of it.
// The grade bar has five rows, best level on top, 500 twips apart: a
// right-aligned level label ending at x = 4284 and ten dots, each filled and
// outlined in the level colour.

#include "control_spec.h"

namespace {

using layout::ControlSpec;
using layout::Kind;

constexpr int kOttimo = 0xFFFF00;
constexpr int kDistinto = 0x00C000;
constexpr int kBuono = 0x80FF80;
constexpr int kSufficiente = 0xC0FFFF;
constexpr int kOccorre = 0xFF8080;

// Dot k (1..10) of a grade row: a 195 x 195 circle, 225 twips after the previous one.
constexpr ControlSpec dot(const char *name, int k, int top, int colour)
{
    return {.name = name, .kind = Kind::Circle, .left = 4500 + 225 * (k - 1), .top = top, .width = 195, .height = 195,
            .fore = colour, .back = colour, .filled = true};
}

}  // namespace

const layout::WindowSpec &layout::resultsLayout()
{
    static const WindowSpec window{
        .name = "classificaform",
        .title = "Form1",
        .clientWidth = 7665,
        .clientHeight = 6690,
        .background = 0xC0C0C0,
        .designLeft = 0,
        .designTop = 0,
        .controls = {
            // Border around the content: 10-pixel blue outline, transparent interior.
            {.name = "Shape1", .kind = Kind::Rectangle, .left = 45, .top = 225, .width = 7545, .height = 6375, .fore = 0x0000FF, .outlineWidth = 10, .filled = false},

            // Texts and the button.
            {.name = "Label5",        .caption = "livello raggiunto nell'ultima serie di domande", .left =  960, .top =  240, .width = 5565, .height = 360,                                   .font = {"MS Sans Serif", 13.5,  400}, .autoSize = true, .transparent = true},
            {.name = "RISULTATO",     .caption = "RISULTATO",                                      .left = 1725, .top =  720, .width = 2925, .height = 615, .fore = 0x0000FF, .back = 0xFFFF80, .font = {"Arial",         26.25, 700}, .autoSize = true, .centred = true},
            {.name = "LbNuovoRecord", .caption = "nuovo record",                                   .left =  360, .top = 1665, .width = 3750, .height = 675, .fore = 0xFF0000,                  .font = {"Arial",         29.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Label2",        .caption = "tempo migliore",                                 .left = 4995, .top = 1530, .width = 1695, .height = 285,                                   .font = {"Arial",         12,    700}, .autoSize = true, .transparent = true},
            {.name = "LbTrecord",     .caption = "xxx",                                            .left = 4815, .top = 1800, .width =  720, .height = 510, .fore = 0xFF0000,                  .font = {"Arial",         21.75, 700}, .autoSize = true, .transparent = true},
            {.name = "Label1",        .caption = "secondi",                                        .left = 5760, .top = 1980, .width =  915, .height = 285, .fore = 0xFF0000,                  .font = {"Arial",         12,    700}, .autoSize = true, .transparent = true},
            {.name = "Command1", .kind = Kind::Button, .caption = "PROSEGUI",                      .left =  540, .top = 5490, .width = 6156, .height = 876,                                   .font = {"MS Sans Serif", 18,    700}, .tab = 0},

            // Level 5
            {.name = "LbOttimo",      .caption = "OTTIMO",              .left = 2976, .top = 2496, .width = 1308, .height = 348, .fore = 0x000000, .back = kOttimo,      .font = {"Arial", 13.5, 700}, .rightAligned = true},
            dot("ShOttimo(1)", 1, 2600, kOttimo),
            dot("ShOttimo(2)", 2, 2600, kOttimo),
            dot("ShOttimo(3)", 3, 2600, kOttimo),
            dot("ShOttimo(4)", 4, 2600, kOttimo),
            dot("ShOttimo(5)", 5, 2600, kOttimo),
            dot("ShOttimo(6)", 6, 2600, kOttimo),
            dot("ShOttimo(7)", 7, 2600, kOttimo),
            dot("ShOttimo(8)", 8, 2600, kOttimo),
            dot("ShOttimo(9)", 9, 2600, kOttimo),
            dot("ShOttimo(10)", 10, 2600, kOttimo),

            // Level 4
            {.name = "LbDistinto",    .caption = "DISTINTO",            .left = 2976, .top = 3024, .width = 1308, .height = 348, .fore = 0x000000, .back = kDistinto,    .font = {"Arial", 13.5, 700}, .rightAligned = true},
            dot("ShDistinto(1)", 1, 3100, kDistinto),
            dot("ShDistinto(2)", 2, 3100, kDistinto),
            dot("ShDistinto(3)", 3, 3100, kDistinto),
            dot("ShDistinto(4)", 4, 3100, kDistinto),
            dot("ShDistinto(5)", 5, 3100, kDistinto),
            dot("ShDistinto(6)", 6, 3100, kDistinto),
            dot("ShDistinto(7)", 7, 3100, kDistinto),
            dot("ShDistinto(8)", 8, 3100, kDistinto),
            dot("ShDistinto(9)", 9, 3100, kDistinto),
            dot("ShDistinto(10)", 10, 3100, kDistinto),

            // Level 3
            {.name = "LbBuono",       .caption = "BUONO",               .left = 2976, .top = 3504, .width = 1308, .height = 348, .fore = 0x000000, .back = kBuono,       .font = {"Arial", 13.5, 700}, .rightAligned = true},
            dot("ShBuono(1)", 1, 3600, kBuono),
            dot("ShBuono(2)", 2, 3600, kBuono),
            dot("ShBuono(3)", 3, 3600, kBuono),
            dot("ShBuono(4)", 4, 3600, kBuono),
            dot("ShBuono(5)", 5, 3600, kBuono),
            dot("ShBuono(6)", 6, 3600, kBuono),
            dot("ShBuono(7)", 7, 3600, kBuono),
            dot("ShBuono(8)", 8, 3600, kBuono),
            dot("ShBuono(9)", 9, 3600, kBuono),
            dot("ShBuono(10)", 10, 3600, kBuono),

            // Level 2
            {.name = "LbSufficiente", .caption = "SUFFICIENTE",         .left = 2352, .top = 3984, .width = 1932, .height = 348, .fore = 0x000000, .back = kSufficiente, .font = {"Arial", 13.5, 700}, .rightAligned = true},
            dot("ShSufficiente(1)", 1, 4100, kSufficiente),
            dot("ShSufficiente(2)", 2, 4100, kSufficiente),
            dot("ShSufficiente(3)", 3, 4100, kSufficiente),
            dot("ShSufficiente(4)", 4, 4100, kSufficiente),
            dot("ShSufficiente(5)", 5, 4100, kSufficiente),
            dot("ShSufficiente(6)", 6, 4100, kSufficiente),
            dot("ShSufficiente(7)", 7, 4100, kSufficiente),
            dot("ShSufficiente(8)", 8, 4100, kSufficiente),
            dot("ShSufficiente(9)", 9, 4100, kSufficiente),
            dot("ShSufficiente(10)", 10, 4100, kSufficiente),

            // Level 1
            {.name = "LbOccorre",     .caption = "OCCORRE ESERCITARSI", .left =  912, .top = 4512, .width = 3372, .height = 348, .fore = 0x000000, .back = kOccorre,     .font = {"Arial", 13.5, 700}, .rightAligned = true},
            dot("ShOccorre(1)", 1, 4600, kOccorre),
            dot("ShOccorre(2)", 2, 4600, kOccorre),
            dot("ShOccorre(3)", 3, 4600, kOccorre),
            dot("ShOccorre(4)", 4, 4600, kOccorre),
            dot("ShOccorre(5)", 5, 4600, kOccorre),
            dot("ShOccorre(6)", 6, 4600, kOccorre),
            dot("ShOccorre(7)", 7, 4600, kOccorre),
            dot("ShOccorre(8)", 8, 4600, kOccorre),
            dot("ShOccorre(9)", 9, 4600, kOccorre),
            dot("ShOccorre(10)", 10, 4600, kOccorre),
        },
    };
    return window;
}
