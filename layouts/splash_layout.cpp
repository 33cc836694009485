// Iniziale, the splash window, as it looks when created: six yellow labels on
// a blue ground, from top to bottom, in creation order. Geometry in twips from
// the top-left corner of the client area, colours 0xRRGGBB. The labels take
// the size of their text and keep their Left; the design places put each text
// near the horizontal centre of the window (5940). The three upper labels read
// as one phrase: "Programma per l'autoapprendimento della Analisi grammaticale".
// The window's timer is created by the window itself.

#include "control_spec.h"

const layout::WindowSpec &layout::splashLayout()
{
    static const WindowSpec window{
        .name = "Iniziale",
        .title = "Form1",
        .clientWidth = 11880,
        .clientHeight = 8535,
        .background = 0x3C50DB,
        .controls = {
            {.name = "Label2", .caption = "Programma per l'autoapprendimento",         .left =  990, .top = 2040, .width =  9975, .height = 510, .fore = 0xFFFF00, .font = {"Bookman Old Style", 21.75, 900}, .autoSize = true, .transparent = true, .centred = true},
            {.name = "Label5", .caption = "della",                                     .left = 4950, .top = 2760, .width =  1365, .height = 510, .fore = 0xFFFF00, .font = {"Bookman Old Style", 21.75, 900}, .autoSize = true, .transparent = true, .centred = true},
            {.name = "Label1", .caption = "Analisi grammaticale",                      .left =  540, .top = 3375, .width = 10995, .height = 990, .fore = 0xFFFF00, .font = {"Bookman Old Style", 42,    900}, .autoSize = true, .transparent = true, .centred = true},
            {.name = "Label6", .caption = "Esercizi guidati per la scuola",            .left = 3060, .top = 6240, .width =  5655, .height = 330, .fore = 0xFFFF00, .font = {"Bookman Old Style", 14.25, 900}, .autoSize = true, .transparent = true, .centred = true},
            {.name = "Label4", .caption = "Impara le nove parti del discorso",         .left = 2835, .top = 6720, .width =  5955, .height = 330, .fore = 0xFFFF00, .font = {"Bookman Old Style", 14.25, 900}, .autoSize = true, .transparent = true, .centred = true},
            {.name = "Label3", .caption = "Versione 1.0 per l'esercizio in autonomia", .left = 2250, .top = 7200, .width =  7425, .height = 330, .fore = 0xFFFF00, .font = {"Bookman Old Style", 14.25, 900}, .autoSize = true, .transparent = true, .centred = true},
        },
    };
    return window;
}
