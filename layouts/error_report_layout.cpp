// FRM_ERRORI, the error report window, as it looks when created: one row per
// control, in creation order. Geometry in twips from the top-left corner of
// the client area, colours 0xRRGGBB. The window keeps this size and place.
//
// One row per error category k = 1..16: the count RR(k) in red and the
// category name Lberrori<k> beside it. All labels are transparent; all but
// RR(0) take the size of their text. Rows 12 to 14 are hidden (the report
// shows them once the complete analysis has been used), as are rows 17 to 23,
// the verb's, in a second column, and rows 24 to 32, the kinds', below them
// under a heading; rows 15 and 16 lie at and below the lower edge of the
// client area.

#include "control_spec.h"

const layout::WindowSpec &layout::errorReportLayout()
{
    static const WindowSpec window{
        .name = "FRM_ERRORI",
        .title = "Form2",
        .clientWidth = 9495,
        .clientHeight = 6765,
        .background = 0xFFC0C0,
        .designLeft = 60,
        .designTop = 315,
        .controls = {
            // Buttons: the tab order visits Command1 before Command2.
            {.name = "Command2", .kind = Kind::Button, .caption = "mostra classifica", .left =  375, .top = 5220, .width = 3225, .height = 1200, .font = {"MS Sans Serif", 18, 700}, .tab = 34},
            {.name = "Command1", .kind = Kind::Button, .caption = "CHIUDI FINESTRA",   .left = 3825, .top = 5220, .width = 5580, .height = 1170, .font = {"MS Sans Serif", 18, 700}, .tab = 16},

            // Element 0 of the count array: never shown, fixed size.
            {.name = "RR(0)",      .caption = "",       .left = 7200, .top = 1080, .width =  492, .height = 492, .fore = 0xFF0000, .font = {"MS Sans Serif", 18,   700},                   .transparent = true, .visible = false},

            {.name = "RR(1)",      .caption = "Label1", .left = 1200, .top =    0, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori1",  .caption = "c1",     .left = 1560, .top =    0, .width =  288, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true},
            {.name = "RR(2)",      .caption = "Label1", .left = 1200, .top =  360, .width =  972, .height = 372, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori2",  .caption = "c1",     .left = 1560, .top =  360, .width =  288, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true},
            {.name = "RR(3)",      .caption = "Label1", .left = 1200, .top =  720, .width =  972, .height = 372, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori3",  .caption = "c1",     .left = 1560, .top =  720, .width =  288, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true},
            {.name = "RR(4)",      .caption = "Label1", .left = 1200, .top = 1080, .width =  972, .height = 372, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori4",  .caption = "c1",     .left = 1560, .top = 1080, .width =  288, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true},
            {.name = "RR(5)",      .caption = "Label1", .left = 1200, .top = 1440, .width =  972, .height = 372, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori5",  .caption = "c1",     .left = 1560, .top = 1440, .width =  288, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true},
            {.name = "RR(6)",      .caption = "Label1", .left = 1200, .top = 1800, .width =  972, .height = 372, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori6",  .caption = "c1",     .left = 1560, .top = 1800, .width =  288, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true},
            {.name = "RR(7)",      .caption = "Label1", .left = 1200, .top = 2160, .width =  972, .height = 372, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori7",  .caption = "c1",     .left = 1560, .top = 2160, .width =  288, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true},
            {.name = "RR(8)",      .caption = "Label1", .left = 1200, .top = 2520, .width =  972, .height = 372, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori8",  .caption = "c1",     .left = 1560, .top = 2520, .width =  288, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true},
            {.name = "RR(9)",      .caption = "Label1", .left = 1170, .top = 2835, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori9",  .caption = "c1",     .left = 1560, .top = 2880, .width =  288, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true},
            {.name = "RR(10)",     .caption = "Label1", .left = 1200, .top = 3240, .width =  972, .height = 372, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori10", .caption = "c1",     .left = 1560, .top = 3240, .width =  288, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true},
            {.name = "RR(11)",     .caption = "Label1", .left = 1200, .top = 3600, .width =  972, .height = 372, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori11", .caption = "c1",     .left = 1560, .top = 3600, .width =  288, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true},
            {.name = "RR(12)",     .caption = "Label1", .left = 1215, .top = 3960, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori12", .caption = "c1",     .left = 1560, .top = 3960, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(13)",     .caption = "Label1", .left = 1200, .top = 4320, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori13", .caption = "c1",     .left = 1560, .top = 4320, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(14)",     .caption = "Label1", .left = 1200, .top = 4680, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori14", .caption = "c1",     .left = 1560, .top = 4680, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            // The rows of the verb's questions, 17 to 23, in a second column
            // beside the first; hidden like rows 12 to 14. The window grows
            // taller to hold this column when it shows it.
            {.name = "RR(17)",     .caption = "Label1", .left = 5400, .top =    0, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori17", .caption = "c1",     .left = 5760, .top =    0, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(18)",     .caption = "Label1", .left = 5400, .top =  360, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori18", .caption = "c1",     .left = 5760, .top =  360, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(19)",     .caption = "Label1", .left = 5400, .top =  720, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori19", .caption = "c1",     .left = 5760, .top =  720, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(20)",     .caption = "Label1", .left = 5400, .top = 1080, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori20", .caption = "c1",     .left = 5760, .top = 1080, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(21)",     .caption = "Label1", .left = 5400, .top = 1440, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori21", .caption = "c1",     .left = 5760, .top = 1440, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(22)",     .caption = "Label1", .left = 5400, .top = 1800, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori22", .caption = "c1",     .left = 5760, .top = 1800, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(23)",     .caption = "Label1", .left = 5400, .top = 2160, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori23", .caption = "c1",     .left = 5760, .top = 2160, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            // The rows of the kinds, the adjective's degree and the pronoun's
            // person, 24 to 32, under a heading of their own below.
            {.name = "Titolo_tipi", .caption = "Tipo e grado", .left = 5400, .top = 2520, .width = 2000, .height = 300, .fore = 0x000080, .font = {"MS Sans Serif", 12, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(24)",     .caption = "Label1", .left = 5400, .top = 2880, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori24", .caption = "c1",     .left = 5760, .top = 2880, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(25)",     .caption = "Label1", .left = 5400, .top = 3240, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori25", .caption = "c1",     .left = 5760, .top = 3240, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(26)",     .caption = "Label1", .left = 5400, .top = 3600, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori26", .caption = "c1",     .left = 5760, .top = 3600, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(27)",     .caption = "Label1", .left = 5400, .top = 3960, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori27", .caption = "c1",     .left = 5760, .top = 3960, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(28)",     .caption = "Label1", .left = 5400, .top = 4320, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori28", .caption = "c1",     .left = 5760, .top = 4320, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(29)",     .caption = "Label1", .left = 5400, .top = 4680, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori29", .caption = "c1",     .left = 5760, .top = 4680, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(30)",     .caption = "Label1", .left = 5400, .top = 5040, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori30", .caption = "c1",     .left = 5760, .top = 5040, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(31)",     .caption = "Label1", .left = 5400, .top = 5400, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori31", .caption = "c1",     .left = 5760, .top = 5400, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(32)",     .caption = "Label1", .left = 5400, .top = 5760, .width =  975, .height = 375, .fore = 0xFF0000, .font = {"MS Sans Serif", 13.5, 700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "Lberrori32", .caption = "c1",     .left = 5760, .top = 5760, .width =  285, .height = 300,                   .font = {"MS Sans Serif", 12,   700}, .autoSize = true, .transparent = true, .visible = false},
            {.name = "RR(15)",     .caption = "Label1", .left =  960, .top = 6720, .width = 1200, .height = 435, .fore = 0xFF0000, .font = {"MS Sans Serif", 18,   700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori15", .caption = "c1",     .left = 1560, .top = 6720, .width =  420, .height = 435,                   .font = {"MS Sans Serif", 18,   700}, .autoSize = true, .transparent = true},
            {.name = "RR(16)",     .caption = "Label1", .left =  960, .top = 7200, .width = 1200, .height = 435, .fore = 0xFF0000, .font = {"MS Sans Serif", 18,   700}, .autoSize = true, .transparent = true},
            {.name = "Lberrori16", .caption = "c1",     .left = 1560, .top = 7200, .width =  420, .height = 435,                   .font = {"MS Sans Serif", 18,   700}, .autoSize = true, .transparent = true},
        },
    };
    return window;
}
