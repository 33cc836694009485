// FormB, the exercise window, as it looks when created: one row per control,
// in creation order. Geometry in twips relative to the container, colours
// 0xRRGGBB. Run-time code changes captions, colours and visibility, and the
// screen fitting rescales positions, sizes and font sizes; neither is here.
//
// Stacking: labels always lie beneath buttons and frames; among buttons and
// frames a later row lies in front. Hence the part-of-speech buttons Com(1..9)
// and the buttons of the complete analysis come before Com10 and Com11, which
// cover them, and the always-hidden controls of the lower right corner come
// before VIA and the status bar Frame5, which lie in front of them.

#include "control_spec.h"

const layout::WindowSpec &layout::exerciseLayout()
{
    static const WindowSpec window{
        .name = "FormB",
        .title = "Form1",
        .clientWidth = 12375,
        .clientHeight = 8940,
        .background = 0x91C691,
        .controls = {
            // Message bar across the top; the only italic text of the window.
            {.name = "AVVISO", .caption = "AVVISO", .left = 0, .top = 0, .width = 12315, .height = 420, .fore = 0xFF0000, .back = 0xC0FFFF, .font = {"Arial", 18, 700, true}, .centred = true},

            // Word column: one word per row, drifting right as it goes down.
            {.name = "Lbmostra(1)",  .left =  135, .top =  495, .width = 105, .height = 375, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(2)",  .left =  270, .top =  855, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(3)",  .left =  360, .top = 1215, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(4)",  .left =  450, .top = 1575, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(5)",  .left =  540, .top = 1935, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(6)",  .left =  630, .top = 2295, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(7)",  .left =  720, .top = 2655, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(8)",  .left =  810, .top = 2970, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(9)",  .left =  900, .top = 3330, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(10)", .left =  990, .top = 3690, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(11)", .left = 1080, .top = 4050, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(12)", .left = 1170, .top = 4410, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(13)", .left = 1260, .top = 4770, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(14)", .left = 1305, .top = 5130, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(15)", .left = 1395, .top = 5445, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(16)", .left = 1485, .top = 5760, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(17)", .left = 1530, .top = 6075, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(18)", .left = 1620, .top = 6390, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(19)", .left = 1665, .top = 6705, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(20)", .left = 1755, .top = 7065, .width = 105, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(21)", .left = 1845, .top = 7380, .width =  75, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Lbmostra(22)", .left = 1890, .top = 7740, .width =  75, .height = 330, .fore = 0x004000, .font = {"Arial", 14.25, 700}, .autoSize = true, .transparent = true},

            // Answer column: the part-of-speech buttons (captions keep their double spaces).
            {.name = "Com(1)", .kind = Kind::Button, .caption = "Articolo",                         .left = 5175, .top =  540, .width = 2100, .height = 645, .back = 0xFFE0C0, .font = {"Arial", 14.25, 700}, .tab =  9},
            {.name = "Com(2)", .kind = Kind::Button, .caption = "Nome",                             .left = 5175, .top = 1170, .width = 2100, .height = 600, .back = 0xFFC080, .font = {"Arial", 14.25, 700}, .tab =  3},
            {.name = "Com(3)", .kind = Kind::Button, .caption = "Aggettivo",                        .left = 5175, .top = 1755, .width = 2100, .height = 600, .back = 0xFFFFC0, .font = {"Arial", 14.25, 700}, .tab =  4},
            {.name = "Com(4)", .kind = Kind::Button, .caption = "Pronome",                          .left = 5175, .top = 2340, .width = 2100, .height = 600, .back = 0xFFFF80, .font = {"Arial", 14.25, 700}, .tab =  5},
            {.name = "Com(5)", .kind = Kind::Button, .caption = "Verbo",                            .left = 5175, .top = 2925, .width = 2100, .height = 600, .back = 0x80FF80, .font = {"Arial", 14.25, 700}, .tab =  6},
            {.name = "Com(6)", .kind = Kind::Button, .caption = "Avverbio e locuzione avv.",        .left = 5160, .top = 3600, .width = 2138, .height = 855, .back = 0xC0C000, .font = {"Arial", 12,    700}, .tab =  7},
            {.name = "Com(7)", .kind = Kind::Button, .caption = "Preposizione  e locuzione prep.",  .left = 5160, .top = 4440, .width = 2138, .height = 855, .back = 0x00FF00, .font = {"Arial", 12,    700}, .tab =  8},
            {.name = "Com(8)", .kind = Kind::Button, .caption = "Congiunzione  e locuzione cong.",  .left = 5160, .top = 5280, .width = 2138, .height = 855, .back = 0x8080FF, .font = {"Arial", 12,    700}, .tab = 12},
            {.name = "Com(9)", .kind = Kind::Button, .caption = "Esclamazione  e locuzione escl.",  .left = 5145, .top = 6120, .width = 2160, .height = 855, .back = 0xFF00FF, .font = {"Arial", 12,    700}, .tab = 15},

            // The complete analysis's buttons at the top of the column: the
            // article's kind over the places of Com(1..3), then gender and
            // number over those of Com(1..2); one group shows at a time, and
            // none before the window loads (visible at design, hidden then).
            {.name = "art(1)", .kind = Kind::Button, .caption = "Determinativo",                    .left = 5175, .top =  540, .width = 2100, .height = 645, .back = 0xC0FFC0, .font = {"Arial", 12,    700}, .tab = 16},
            {.name = "art(2)", .kind = Kind::Button, .caption = "Indeterminativo",                  .left = 5175, .top = 1170, .width = 2100, .height = 645, .back = 0xFFFFC0, .font = {"Arial", 12,    700}, .tab = 17},
            {.name = "art(3)", .kind = Kind::Button, .caption = "Partitivo",                        .left = 5175, .top = 1755, .width = 2100, .height = 645, .back = 0xAE8C62, .font = {"Arial", 12,    700}, .tab = 18},
            {.name = "Masfem(1)",  .kind = Kind::Button, .caption = "Maschile",                     .left = 5175, .top =  540, .width = 2100, .height = 645, .back = 0x00FFFF, .font = {"Arial", 12,    700}, .tab = 19},
            {.name = "Masfem(2)",  .kind = Kind::Button, .caption = "Femminile",                    .left = 5175, .top = 1170, .width = 2100, .height = 645, .back = 0xE4AAA9, .font = {"Arial", 12,    700}, .tab = 20},
            {.name = "Singplu(1)", .kind = Kind::Button, .caption = "Singolare",                    .left = 5175, .top =  540, .width = 2100, .height = 645, .back = 0xFFFFFF, .font = {"Arial", 12,    700}, .tab = 21},
            {.name = "Singplu(2)", .kind = Kind::Button, .caption = "Plurale",                      .left = 5175, .top = 1170, .width = 2100, .height = 645, .back = 0xFFC0FF, .font = {"Arial", 12,    700}, .tab = 22},

            // The choices of the verb's questions, in the places of Com(1..9)
            // (keys 1..9): captions and colours change with the question.
            {.name = "Scelta(1)", .kind = Kind::Button, .caption = "", .left = 5175, .top = 540, .width = 2100, .height = 645, .back = 0xFFFFFF, .font = {"Arial", 12, 700}, .visible = false, .tab = 23},
            {.name = "Scelta(2)", .kind = Kind::Button, .caption = "", .left = 5175, .top = 1170, .width = 2100, .height = 600, .back = 0xFFFFFF, .font = {"Arial", 12, 700}, .visible = false, .tab = 24},
            {.name = "Scelta(3)", .kind = Kind::Button, .caption = "", .left = 5175, .top = 1755, .width = 2100, .height = 600, .back = 0xFFFFFF, .font = {"Arial", 12, 700}, .visible = false, .tab = 25},
            {.name = "Scelta(4)", .kind = Kind::Button, .caption = "", .left = 5175, .top = 2340, .width = 2100, .height = 600, .back = 0xFFFFFF, .font = {"Arial", 12, 700}, .visible = false, .tab = 26},
            {.name = "Scelta(5)", .kind = Kind::Button, .caption = "", .left = 5175, .top = 2925, .width = 2100, .height = 600, .back = 0xFFFFFF, .font = {"Arial", 12, 700}, .visible = false, .tab = 27},
            {.name = "Scelta(6)", .kind = Kind::Button, .caption = "", .left = 5160, .top = 3600, .width = 2138, .height = 855, .back = 0xFFFFFF, .font = {"Arial", 12, 700}, .visible = false, .tab = 28},
            {.name = "Scelta(7)", .kind = Kind::Button, .caption = "", .left = 5160, .top = 4440, .width = 2138, .height = 855, .back = 0xFFFFFF, .font = {"Arial", 12, 700}, .visible = false, .tab = 29},
            {.name = "Scelta(8)", .kind = Kind::Button, .caption = "", .left = 5160, .top = 5280, .width = 2138, .height = 855, .back = 0xFFFFFF, .font = {"Arial", 12, 700}, .visible = false, .tab = 30},
            {.name = "Scelta(9)", .kind = Kind::Button, .caption = "", .left = 5145, .top = 6120, .width = 2160, .height = 855, .back = 0xFFFFFF, .font = {"Arial", 12, 700}, .visible = false, .tab = 31},

            // The two large buttons of the variable step, in front of the column.
            {.name = "Com10",  .kind = Kind::Button, .caption = "PARTE VARIABILE",                  .left = 5085, .top =  510, .width = 2295, .height = 3120, .back = 0xFFFF00, .font = {"Arial", 14.25, 700}, .tab = 14},
            {.name = "Com11",  .kind = Kind::Button, .caption = "PARTE  INVARIABILE",               .left = 5085, .top = 3600, .width = 2295, .height = 3615, .back = 0xFF8080, .font = {"Arial", 14.25, 700}, .tab = 13},

            // Side column of bordered boxes, the path of the current unit;
            // display(3..5) only in the complete analysis.
            {.name = "display(1)", .left = 10230, .top =  480, .width = 2085, .height = 705, .fore = 0x000000, .back = 0xFFFF00, .font = {"Arial", 12, 700}, .centred = true, .border = true},
            {.name = "display(2)", .left = 10230, .top = 1200, .width = 2085, .height = 705, .fore = 0x000000, .back = 0x0000FF, .font = {"Arial", 12, 700}, .centred = true, .border = true},
            {.name = "display(3)", .left = 10230, .top = 1920, .width = 2085, .height = 705, .fore = 0x000000, .back = 0x0000FF, .font = {"Arial", 12, 700}, .centred = true, .border = true},
            {.name = "display(4)", .left = 10230, .top = 2640, .width = 2085, .height = 705, .fore = 0x000000, .back = 0x0000FF, .font = {"Arial", 12, 700}, .centred = true, .border = true},
            {.name = "display(5)", .left = 10230, .top = 3360, .width = 2085, .height = 705, .fore = 0x000000, .back = 0x0000FF, .font = {"Arial", 12, 700}, .centred = true, .border = true},

            {.name = "display(6)", .left = 10230, .top = 4080, .width = 2085, .height = 705, .fore = 0x000000, .back = 0x0000FF, .font = {"Arial", 12, 700}, .centred = true, .border = true},

            // The further question in words, beside the buttons that answer it.
            {.name = "Domanda", .caption = "", .left = 7440, .top = 600, .width = 2700, .height = 1800, .fore = 0x000080, .font = {"Arial", 14.25, 700}, .transparent = true, .visible = false},

            // Message label to the right of the answer column.
            {.name = "gratifica", .left = 7560, .top = 4815, .width = 150, .height = 660, .fore = 0xFF0000, .font = {"Arial", 27.75, 700}, .autoSize = true, .transparent = true},

            // Always-hidden controls of the lower right corner (and FRASE_INTERA_B
            // at the top right), listed here so that VIA and Frame5 lie in front.
            {.name = "comaiuto",       .kind = Kind::Button, .caption = "Aiuto ?",   .left =  9765, .top = 7605, .width = 1335, .height = 675,                  .font = {"Arial", 12,    700}, .visible = false},
            {.name = "Frame4",         .kind = Kind::Frame,  .caption = "tempo ",    .left =  9765, .top = 7470, .width = 1350, .height = 735,                  .font = {"Arial", 9.75,  700}, .visible = false},
            {.name = "MOSTRATEMPO",    .container = "Frame4", .caption = "_",        .left =   450, .top =  225, .width =  180, .height = 360,                  .font = {"Arial", 15.75, 700}, .autoSize = true},
            {.name = "FRASE_INTERA_B",                                               .left = 12015, .top =  120, .width =   60, .height = 270, .back = 0xFFFF80, .font = {"Arial", 11.25, 700}, .autoSize = true, .visible = false},

            // Start button across the bottom.
            {.name = "VIA", .kind = Kind::Button, .caption = "VIA", .left = 5085, .top = 7260, .width = 7350, .height = 825, .back = 0xC0C0C0, .font = {"Arial", 18, 700}, .tab = 0},

            // The complete analysis's switch, just above the right end of VIA,
            // whose turn it shares: away from the answer column.
            {.name = "AnalisiCompleta", .kind = Kind::CheckBox, .caption = "analisi completa", .left = 9900, .top = 6645, .width = 2415, .height = 480, .fore = 0x000000, .font = {"Arial", 12, 700}, .transparent = true, .tab = 1},

            // Status bar and its contents (positions relative to their frame).
            {.name = "Frame5",       .kind = Kind::Frame,                          .caption = "",                 .left =     0, .top = 8100, .width = 12390, .height =  750,                  .back = 0x0000FF, .font = {"Arial",         8.25,  400}},
            {.name = "Lbclock",                           .container = "Frame5",   .caption = "0",                .left =   450, .top =  225, .width =   225, .height =  480, .fore = 0xFFFFFF,                  .font = {"Arial",         20.25, 700}, .autoSize = true, .transparent = true},
            {.name = "Frame1",       .kind = Kind::Frame, .container = "Frame5",   .caption = "risposte",         .left =  1305, .top =  135, .width =  1125, .height =  650,                                    .font = {"Arial",         9.75,  700}},
            {.name = "Lrisposte",                         .container = "Frame1",   .caption = "_",                .left =   450, .top =  180, .width =  1275, .height = 1380,                                    .font = {"Arial",         18,    700}, .autoSize = true, .transparent = true},
            {.name = "Frame2",       .kind = Kind::Frame, .container = "Frame5",   .caption = "errori",           .left =  2520, .top =  135, .width =  1095, .height =  750, .fore = 0xC00000,                  .font = {"Arial",         9.75,  700}},
            {.name = "Lerrori",                           .container = "Frame2",   .caption = "_",                .left =   360, .top =  180, .width =   795, .height =  435, .fore = 0xC00000,                  .font = {"Arial",         18,    700}, .autoSize = true, .transparent = true},
            {.name = "Frame3",       .kind = Kind::Frame, .container = "Frame5",   .caption = "errori %",         .left =  3690, .top =  135, .width =  1125, .height =  750, .fore = 0xC00000,                  .font = {"Arial",         9.75,  700}},
            {.name = "Lpercentuale",                      .container = "Frame3",   .caption = "_",                .left =   315, .top =  225, .width =   180, .height =  360, .fore = 0xC00000,                  .font = {"Arial",         15.75, 700}, .autoSize = true, .transparent = true, .centred = true},
            {.name = "Label8",                            .container = "Frame3",   .caption = "%",                .left =   720, .top =  240, .width =   255, .height =  360, .fore = 0xC00000,                  .font = {"Arial",         15.75, 700}, .autoSize = true, .transparent = true},
            {.name = "Label1",                            .container = "Frame5",   .caption = "n° della domanda", .left =  4815, .top =  225, .width =  3015, .height =  435, .fore = 0xFFFFFF,                  .font = {"Arial",         18,    700}, .autoSize = true, .transparent = true, .centred = true},
            {.name = "Command8",     .kind = Kind::Button, .container = "Frame5",  .caption = "mostra errori",    .left =  7875, .top =  150, .width =  2340, .height =  750,                  .back = 0xFFC0C0, .font = {"Arial",         12,    700}, .tab = 55},
            {.name = "FINE",         .kind = Kind::Button, .container = "Frame5",  .caption = "FINE",             .left = 10305, .top =  135, .width =  2085, .height =  750,                  .back = 0x00C0C0, .font = {"MS Sans Serif", 18,    700}, .tab = 54},

            // Reading aloud and high legibility, in the free room of the right
            // column: the small button between the path boxes and the message,
            // the two switches above "analisi completa", sharing its turn.
            {.name = "Leggi",           .kind = Kind::Button,   .caption = "Leggi (L)",        .left = 10230, .top = 4965, .width = 2085, .height = 540, .back = 0xE0E0FF, .font = {"Arial", 12, 700}, .tab = 53},
            {.name = "VoceRisposte",    .kind = Kind::CheckBox, .caption = "risposte a voce",  .left =  9900, .top = 5685, .width = 2415, .height = 480, .fore = 0x000000, .font = {"Arial", 12, 700}, .transparent = true, .tab = 56},
            {.name = "AltaLeggibilita", .kind = Kind::CheckBox, .caption = "alta leggibilità", .left =  9900, .top = 6165, .width = 2415, .height = 480, .fore = 0x000000, .font = {"Arial", 12, 700}, .transparent = true, .tab = 57},
        },
    };
    return window;
}
