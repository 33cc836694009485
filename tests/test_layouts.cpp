// Conformance of the four window layouts to their design: each window is
// built into a plain widget at design scale (1 pixel = 15 twips, no screen
// fitting), shown offscreen and compared control by control with the design
// numbers written out below: container, kind, caption, geometry, colours,
// font, alignment, visibility; then stacking, tab order, window properties,
// a few rendered pixels and the auto-size behaviour of labels.

#include <QtTest>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QRegularExpression>
#include <QStyleFactory>

#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "layouts/control_spec.h"
#include "layouts/design_widgets.h"
#include "layouts/layout_builder.h"

namespace {

constexpr int kStd = -1;   // the toolkit's standard colour for the role
constexpr int kNone = -2;  // no background: transparent label, unfilled shape
constexpr int kAny = -3;   // opaque, colour not fixed by the design

enum class K { Label, Button, Frame, Rect, Circle, Check };

// One control as the design describes it. Geometry in twips, relative to the
// container; colours 0xRRGGBB.
struct Expect {
    const char *window;   // form name
    const char *name;
    const char *parent;   // form name or frame name
    K kind;
    const char *caption;  // nullptr: the implementer's text, only not empty
    int left, top, width, height;
    bool autoSize;        // labels sized by their caption: position only
    int fore;             // text, frame caption or shape outline colour
    int back;             // label ground, button face, frame ground or shape fill
    const char *face;     // design font face (nullptr for shapes)
    double points;
    int weight;
    bool italic;
    char align;           // labels: 'l', 'c' or 'r'
    bool border;          // labels: single-line box
    bool visible;         // visible at design
};

}  // namespace

Q_DECLARE_METATYPE(Expect)

namespace {

// Shorthands for the tables below.
Expect label(const char *w, const char *n, const char *parent, const char *cap, int l, int t, int wd, int h,
             bool autoSize, int fore, int back, const char *face, double pt, int weight, char align = 'l',
             bool visible = true)
{
    return {w, n, parent, K::Label, cap, l, t, wd, h, autoSize, fore, back, face, pt, weight, false, align, false, visible};
}

Expect button(const char *w, const char *n, const char *parent, const char *cap, int l, int t, int wd, int h, int face,
              const char *font, double pt, bool visible = true)
{
    return {w, n, parent, K::Button, cap, l, t, wd, h, false, kStd, face, font, pt, 700, false, 'c', false, visible};
}

Expect frame(const char *w, const char *n, const char *parent, const char *cap, int l, int t, int wd, int h,
             int captionColour, int ground, double pt, int weight, bool visible = true)
{
    return {w, n, parent, K::Frame, cap, l, t, wd, h, false, captionColour, ground, "Arial", pt, weight, false, 'l', false, visible};
}

// --- FormB, the exercise window ----------------------------------------------

std::vector<Expect> exerciseControls()
{
    const char *W = "FormB";
    std::vector<Expect> v;

    Expect avviso = label(W, "AVVISO", W, "AVVISO", 0, 0, 12315, 420, false, 0xFF0000, 0xC0FFFF, "Arial", 18, 700, 'c');
    avviso.italic = true;
    v.push_back(avviso);

    // Word column.
    const int lefts[22] = {135, 270, 360, 450, 540, 630, 720, 810, 900, 990, 1080,
                           1170, 1260, 1305, 1395, 1485, 1530, 1620, 1665, 1755, 1845, 1890};
    const int tops[22] = {495, 855, 1215, 1575, 1935, 2295, 2655, 2970, 3330, 3690, 4050,
                          4410, 4770, 5130, 5445, 5760, 6075, 6390, 6705, 7065, 7380, 7740};
    static const QByteArray names[22] = {
        "Lbmostra(1)", "Lbmostra(2)", "Lbmostra(3)", "Lbmostra(4)", "Lbmostra(5)", "Lbmostra(6)",
        "Lbmostra(7)", "Lbmostra(8)", "Lbmostra(9)", "Lbmostra(10)", "Lbmostra(11)", "Lbmostra(12)",
        "Lbmostra(13)", "Lbmostra(14)", "Lbmostra(15)", "Lbmostra(16)", "Lbmostra(17)", "Lbmostra(18)",
        "Lbmostra(19)", "Lbmostra(20)", "Lbmostra(21)", "Lbmostra(22)"};
    for (int i = 0; i < 22; ++i)
        v.push_back(label(W, names[i].constData(), W, "", lefts[i], tops[i], i < 20 ? 105 : 75, i == 0 ? 375 : 330,
                          true, 0x004000, kNone, "Arial", 14.25, 700));

    // Answer column.
    v.push_back(button(W, "Com10", W, "PARTE VARIABILE", 5085, 510, 2295, 3120, 0xFFFF00, "Arial", 14.25));
    v.push_back(button(W, "Com11", W, "PARTE  INVARIABILE", 5085, 3600, 2295, 3615, 0xFF8080, "Arial", 14.25));
    v.push_back(button(W, "Com(1)", W, "Articolo", 5175, 540, 2100, 645, 0xFFE0C0, "Arial", 14.25));
    v.push_back(button(W, "Com(2)", W, "Nome", 5175, 1170, 2100, 600, 0xFFC080, "Arial", 14.25));
    v.push_back(button(W, "Com(3)", W, "Aggettivo", 5175, 1755, 2100, 600, 0xFFFFC0, "Arial", 14.25));
    v.push_back(button(W, "Com(4)", W, "Pronome", 5175, 2340, 2100, 600, 0xFFFF80, "Arial", 14.25));
    v.push_back(button(W, "Com(5)", W, "Verbo", 5175, 2925, 2100, 600, 0x80FF80, "Arial", 14.25));
    v.push_back(button(W, "Com(6)", W, "Avverbio e locuzione avv.", 5160, 3600, 2138, 855, 0xC0C000, "Arial", 12));
    v.push_back(button(W, "Com(7)", W, "Preposizione  e locuzione prep.", 5160, 4440, 2138, 855, 0x00FF00, "Arial", 12));
    v.push_back(button(W, "Com(8)", W, "Congiunzione  e locuzione cong.", 5160, 5280, 2138, 855, 0x8080FF, "Arial", 12));
    v.push_back(button(W, "Com(9)", W, "Esclamazione  e locuzione escl.", 5145, 6120, 2160, 855, 0xFF00FF, "Arial", 12));

    // Side column.
    const int displayTops[5] = {480, 1200, 1920, 2640, 3360};
    const int displayBacks[5] = {0xFFFF00, 0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF};
    const char *displayNames[5] = {"display(1)", "display(2)", "display(3)", "display(4)", "display(5)"};
    for (int i = 0; i < 5; ++i) {
        Expect d = label(W, displayNames[i], W, "", 10230, displayTops[i], 2085, 705, false, 0x000000, displayBacks[i],
                         "Arial", 12, 700, 'c');
        d.border = true;
        v.push_back(d);
    }

    v.push_back(label(W, "gratifica", W, "", 7560, 4815, 150, 660, true, 0xFF0000, kNone, "Arial", 27.75, 700));
    v.push_back(button(W, "VIA", W, "VIA", 5085, 7260, 7350, 825, 0xC0C0C0, "Arial", 18));

    // Status bar.
    v.push_back(frame(W, "Frame5", W, "", 0, 8100, 12390, 750, kStd, 0x0000FF, 8.25, 400));
    v.push_back(label(W, "Lbclock", "Frame5", "0", 450, 225, 225, 480, true, 0xFFFFFF, kNone, "Arial", 20.25, 700));
    v.push_back(frame(W, "Frame1", "Frame5", "risposte", 1305, 135, 1125, 650, kStd, kStd, 9.75, 700));
    v.push_back(label(W, "Lrisposte", "Frame1", "_", 450, 180, 1275, 1380, true, kStd, kNone, "Arial", 18, 700));
    v.push_back(frame(W, "Frame2", "Frame5", "errori", 2520, 135, 1095, 750, 0xC00000, kStd, 9.75, 700));
    v.push_back(label(W, "Lerrori", "Frame2", "_", 360, 180, 795, 435, true, 0xC00000, kNone, "Arial", 18, 700));
    v.push_back(frame(W, "Frame3", "Frame5", "errori %", 3690, 135, 1125, 750, 0xC00000, kStd, 9.75, 700));
    v.push_back(label(W, "Lpercentuale", "Frame3", "_", 315, 225, 180, 360, true, 0xC00000, kNone, "Arial", 15.75, 700, 'c'));
    v.push_back(label(W, "Label8", "Frame3", "%", 720, 240, 255, 360, true, 0xC00000, kNone, "Arial", 15.75, 700));
    v.push_back(label(W, "Label1", "Frame5", "n° della domanda", 4815, 225, 3015, 435, true, 0xFFFFFF, kNone, "Arial", 18, 700, 'c'));
    v.push_back(button(W, "Command8", "Frame5", "mostra errori", 7875, 150, 2340, 750, 0xFFC0C0, "Arial", 12));
    v.push_back(button(W, "FINE", "Frame5", "FINE", 10305, 135, 2085, 750, 0x00C0C0, "MS Sans Serif", 18));

    // Controls that are never shown at run time.
    v.push_back(button(W, "comaiuto", W, "Aiuto ?", 9765, 7605, 1335, 675, kStd, "Arial", 12, false));
    v.push_back(frame(W, "Frame4", W, "tempo ", 9765, 7470, 1350, 735, kStd, kStd, 9.75, 700, false));
    // Inside the hidden Frame4, so not visible either.
    v.push_back(label(W, "MOSTRATEMPO", "Frame4", "_", 450, 225, 180, 360, true, kStd, kAny, "Arial", 15.75, 700, 'l', false));
    v.push_back(label(W, "FRASE_INTERA_B", W, "", 12015, 120, 60, 270, true, kStd, 0xFFFF80, "Arial", 11.25, 700, 'l', false));

    // The complete analysis: its buttons at the top of the answer column, one
    // group at a time, and its switch just above the right end of VIA.
    v.push_back(button(W, "art(1)", W, "Determinativo", 5175, 540, 2100, 645, 0xC0FFC0, "Arial", 12));
    v.push_back(button(W, "art(2)", W, "Indeterminativo", 5175, 1170, 2100, 645, 0xFFFFC0, "Arial", 12));
    v.push_back(button(W, "art(3)", W, "Partitivo", 5175, 1755, 2100, 645, 0xAE8C62, "Arial", 12));
    v.push_back(button(W, "Singplu(1)", W, "Singolare", 5175, 540, 2100, 645, 0xFFFFFF, "Arial", 12));
    v.push_back(button(W, "Singplu(2)", W, "Plurale", 5175, 1170, 2100, 645, 0xFFC0FF, "Arial", 12));
    v.push_back(button(W, "Masfem(1)", W, "Maschile", 5175, 540, 2100, 645, 0x00FFFF, "Arial", 12));
    v.push_back(button(W, "Masfem(2)", W, "Femminile", 5175, 1170, 2100, 645, 0xE4AAA9, "Arial", 12));
    // The verb's questions: the choices in the places of Com(1..9), hidden
    // until asked; the question in words; the path's sixth box.
    v.push_back(button(W, "Scelta(1)", W, "", 5175, 540, 2100, 645, 0xFFFFFF, "Arial", 12, false));
    v.push_back(button(W, "Scelta(2)", W, "", 5175, 1170, 2100, 600, 0xFFFFFF, "Arial", 12, false));
    v.push_back(button(W, "Scelta(3)", W, "", 5175, 1755, 2100, 600, 0xFFFFFF, "Arial", 12, false));
    v.push_back(button(W, "Scelta(4)", W, "", 5175, 2340, 2100, 600, 0xFFFFFF, "Arial", 12, false));
    v.push_back(button(W, "Scelta(5)", W, "", 5175, 2925, 2100, 600, 0xFFFFFF, "Arial", 12, false));
    v.push_back(button(W, "Scelta(6)", W, "", 5160, 3600, 2138, 855, 0xFFFFFF, "Arial", 12, false));
    v.push_back(button(W, "Scelta(7)", W, "", 5160, 4440, 2138, 855, 0xFFFFFF, "Arial", 12, false));
    v.push_back(button(W, "Scelta(8)", W, "", 5160, 5280, 2138, 855, 0xFFFFFF, "Arial", 12, false));
    v.push_back(button(W, "Scelta(9)", W, "", 5145, 6120, 2160, 855, 0xFFFFFF, "Arial", 12, false));
    v.push_back(label(W, "Domanda", W, "", 7440, 600, 2700, 1800, false, 0x000080, kNone, "Arial", 14.25, 700, 'l', false));
    {
        Expect d = label(W, "display(6)", W, "", 10230, 4080, 2085, 705, false, 0x000000, 0x0000FF, "Arial", 12, 700, 'c');
        d.border = true;
        v.push_back(d);
    }
    v.push_back({W, "AnalisiCompleta", W, K::Check, "analisi completa", 9900, 6645, 2415, 480, false, 0x000000, kNone, "Arial", 12, 700, false, 'l', false, true});
    // Reading aloud and high legibility: the small button, the two switches.
    v.push_back(button(W, "Leggi", W, "Leggi (L)", 10230, 4965, 2085, 540, 0xE0E0FF, "Arial", 12));
    v.push_back({W, "VoceRisposte", W, K::Check, "risposte a voce", 9900, 5685, 2415, 480, false, 0x000000, kNone, "Arial", 12, 700, false, 'l', false, true});
    v.push_back({W, "AltaLeggibilita", W, K::Check, "alta leggibilità", 9900, 6165, 2415, 480, false, 0x000000, kNone, "Arial", 12, 700, false, 'l', false, true});
    return v;
}

// --- classificaform, the results window --------------------------------------

std::vector<Expect> resultsControls()
{
    const char *W = "classificaform";
    std::vector<Expect> v;
    v.push_back({W, "Shape1", W, K::Rect, nullptr, 45, 225, 7545, 6375, false, 0x0000FF, kNone, nullptr, 0, 0, false, 'l', false, true});
    v.push_back(label(W, "Label5", W, "livello raggiunto nell'ultima serie di domande", 960, 240, 5565, 360, true, kStd,
                      kNone, "MS Sans Serif", 13.5, 400));
    v.push_back(label(W, "RISULTATO", W, "RISULTATO", 1725, 720, 2925, 615, true, 0x0000FF, 0xFFFF80, "Arial", 26.25, 700, 'c'));
    v.push_back(label(W, "LbNuovoRecord", W, "nuovo record", 360, 1665, 3750, 675, true, 0xFF0000, kNone, "Arial", 29.25, 700));
    v.push_back(label(W, "Label2", W, "tempo migliore", 4995, 1530, 1695, 285, true, kStd, kNone, "Arial", 12, 700));
    v.push_back(label(W, "LbTrecord", W, "xxx", 4815, 1800, 720, 510, true, 0xFF0000, kNone, "Arial", 21.75, 700));
    v.push_back(label(W, "Label1", W, "secondi", 5760, 1980, 915, 285, true, 0xFF0000, kNone, "Arial", 12, 700));
    v.push_back(button(W, "Command1", W, "PROSEGUI", 540, 5490, 6156, 876, kStd, "MS Sans Serif", 18));

    struct Row {
        const char *label, *caption;
        int left, top, width, dotTop, colour;
        const char *dots[10];
    };
    static const Row rows[5] = {
        {"LbOttimo", "OTTIMO", 2976, 2496, 1308, 2600, 0xFFFF00,
         {"ShOttimo(1)", "ShOttimo(2)", "ShOttimo(3)", "ShOttimo(4)", "ShOttimo(5)", "ShOttimo(6)", "ShOttimo(7)",
          "ShOttimo(8)", "ShOttimo(9)", "ShOttimo(10)"}},
        {"LbDistinto", "DISTINTO", 2976, 3024, 1308, 3100, 0x00C000,
         {"ShDistinto(1)", "ShDistinto(2)", "ShDistinto(3)", "ShDistinto(4)", "ShDistinto(5)", "ShDistinto(6)",
          "ShDistinto(7)", "ShDistinto(8)", "ShDistinto(9)", "ShDistinto(10)"}},
        {"LbBuono", "BUONO", 2976, 3504, 1308, 3600, 0x80FF80,
         {"ShBuono(1)", "ShBuono(2)", "ShBuono(3)", "ShBuono(4)", "ShBuono(5)", "ShBuono(6)", "ShBuono(7)",
          "ShBuono(8)", "ShBuono(9)", "ShBuono(10)"}},
        {"LbSufficiente", "SUFFICIENTE", 2352, 3984, 1932, 4100, 0xC0FFFF,
         {"ShSufficiente(1)", "ShSufficiente(2)", "ShSufficiente(3)", "ShSufficiente(4)", "ShSufficiente(5)",
          "ShSufficiente(6)", "ShSufficiente(7)", "ShSufficiente(8)", "ShSufficiente(9)", "ShSufficiente(10)"}},
        {"LbOccorre", "OCCORRE ESERCITARSI", 912, 4512, 3372, 4600, 0xFF8080,
         {"ShOccorre(1)", "ShOccorre(2)", "ShOccorre(3)", "ShOccorre(4)", "ShOccorre(5)", "ShOccorre(6)",
          "ShOccorre(7)", "ShOccorre(8)", "ShOccorre(9)", "ShOccorre(10)"}},
    };
    for (const Row &r : rows) {
        v.push_back(label(W, r.label, W, r.caption, r.left, r.top, r.width, 348, false, 0x000000, r.colour, "Arial", 13.5, 700, 'r'));
        for (int k = 1; k <= 10; ++k)
            v.push_back({W, r.dots[k - 1], W, K::Circle, nullptr, 4500 + 225 * (k - 1), r.dotTop, 195, 195, false,
                         r.colour, r.colour, nullptr, 0, 0, false, 'l', false, true});
    }
    return v;
}

// --- FRM_ERRORI, the error report window ---------------------------------------

std::vector<Expect> errorReportControls()
{
    const char *W = "FRM_ERRORI";
    std::vector<Expect> v;
    v.push_back(button(W, "Command2", W, "mostra classifica", 375, 5220, 3225, 1200, kStd, "MS Sans Serif", 18));
    v.push_back(button(W, "Command1", W, "CHIUDI FINESTRA", 3825, 5220, 5580, 1170, kStd, "MS Sans Serif", 18));
    v.push_back(label(W, "RR(0)", W, "", 7200, 1080, 492, 492, false, 0xFF0000, kNone, "MS Sans Serif", 18, 700, 'l', false));

    struct Row {
        int rrLeft, rrTop, rrWidth, rrHeight, nameTop, nameWidth, nameHeight;
        double rrPoints, namePoints;
    };
    static const Row rows[17] = {
        {},
        {1200, 0, 975, 375, 0, 288, 300, 13.5, 12},
        {1200, 360, 972, 372, 360, 288, 300, 13.5, 12},
        {1200, 720, 972, 372, 720, 288, 300, 13.5, 12},
        {1200, 1080, 972, 372, 1080, 288, 300, 13.5, 12},
        {1200, 1440, 972, 372, 1440, 288, 300, 13.5, 12},
        {1200, 1800, 972, 372, 1800, 288, 300, 13.5, 12},
        {1200, 2160, 972, 372, 2160, 288, 300, 13.5, 12},
        {1200, 2520, 972, 372, 2520, 288, 300, 13.5, 12},
        {1170, 2835, 975, 375, 2880, 288, 300, 13.5, 12},
        {1200, 3240, 972, 372, 3240, 288, 300, 13.5, 12},
        {1200, 3600, 972, 372, 3600, 288, 300, 13.5, 12},
        {1215, 3960, 975, 375, 3960, 285, 300, 13.5, 12},
        {1200, 4320, 975, 375, 4320, 285, 300, 13.5, 12},
        {1200, 4680, 975, 375, 4680, 285, 300, 13.5, 12},
        {960, 6720, 1200, 435, 6720, 420, 435, 18, 18},
        {960, 7200, 1200, 435, 7200, 420, 435, 18, 18},
    };
    static std::vector<QByteArray> names;  // keeps the generated names alive
    if (names.empty())
        for (int k = 1; k <= 16; ++k) {
            names.push_back(QByteArray("RR(") + QByteArray::number(k) + ')');
            names.push_back(QByteArray("Lberrori") + QByteArray::number(k));
        }
    for (int k = 1; k <= 16; ++k) {
        const Row &r = rows[k];
        const bool shown = k < 12 || k > 14;
        v.push_back(label(W, names[2 * (k - 1)].constData(), W, "Label1", r.rrLeft, r.rrTop, r.rrWidth, r.rrHeight, true,
                          0xFF0000, kNone, "MS Sans Serif", r.rrPoints, 700, 'l', shown));
        v.push_back(label(W, names[2 * (k - 1) + 1].constData(), W, "c1", 1560, r.nameTop, r.nameWidth, r.nameHeight, true,
                          kStd, kNone, "MS Sans Serif", r.namePoints, 700, 'l', shown));
    }
    // The verb's rows, 17 to 23, hidden, in a second column.
    static std::vector<QByteArray> verbNames;
    if (verbNames.empty())
        for (int k = 17; k <= 23; ++k) {
            verbNames.push_back(QByteArray("RR(") + QByteArray::number(k) + ')');
            verbNames.push_back(QByteArray("Lberrori") + QByteArray::number(k));
        }
    for (int k = 17; k <= 23; ++k) {
        const int top = (k - 17) * 360;
        v.push_back(label(W, verbNames[2 * (k - 17)].constData(), W, "Label1", 5400, top, 975, 375, true, 0xFF0000, kNone,
                          "MS Sans Serif", 13.5, 700, 'l', false));
        v.push_back(label(W, verbNames[2 * (k - 17) + 1].constData(), W, "c1", 5760, top, 285, 300, true, kStd, kNone,
                          "MS Sans Serif", 12, 700, 'l', false));
    }
    // The kinds' rows, 24 to 32, hidden, below the verb's under a heading.
    v.push_back(label(W, "Titolo_tipi", W, "Tipo e grado", 5400, 2520, 2000, 300, true, 0x000080, kNone, "MS Sans Serif",
                      12, 700, 'l', false));
    static std::vector<QByteArray> kindNames;
    if (kindNames.empty())
        for (int k = 24; k <= 32; ++k) {
            kindNames.push_back(QByteArray("RR(") + QByteArray::number(k) + ')');
            kindNames.push_back(QByteArray("Lberrori") + QByteArray::number(k));
        }
    for (int k = 24; k <= 32; ++k) {
        const int top = 2880 + (k - 24) * 360;
        v.push_back(label(W, kindNames[2 * (k - 24)].constData(), W, "Label1", 5400, top, 975, 375, true, 0xFF0000, kNone,
                          "MS Sans Serif", 13.5, 700, 'l', false));
        v.push_back(label(W, kindNames[2 * (k - 24) + 1].constData(), W, "c1", 5760, top, 285, 300, true, kStd, kNone,
                          "MS Sans Serif", 12, 700, 'l', false));
    }
    return v;
}

// --- Iniziale, the splash window ----------------------------------------------------

std::vector<Expect> splashControls()
{
    const char *W = "Iniziale";
    std::vector<Expect> v;
    auto line = [&](const char *name, const char *caption, int left, int top, int width, int height, double pt) {
        v.push_back(label(W, name, W, caption, left, top, width, height, true, 0xFFFF00, kNone, "Bookman Old Style", pt, 900, 'c'));
    };
    line("Label2", "Programma per l'autoapprendimento", 990, 2040, 9975, 510, 21.75);
    line("Label5", "della", 4950, 2760, 1365, 510, 21.75);
    line("Label1", nullptr, 540, 3375, 10995, 990, 42);
    line("Label6", nullptr, 3060, 6240, 5655, 330, 14.25);
    line("Label4", nullptr, 2835, 6720, 5955, 330, 14.25);
    line("Label3", nullptr, 2250, 7200, 7425, 330, 14.25);
    return v;
}

// Font faces of the design and what stands in for them here.
QString familyFor(const char *face)
{
    const QByteArray f(face);
    if (f == "Arial" || f == "MS Sans Serif")
        return QStringLiteral("Liberation Sans");
    if (f == "Bookman Old Style")
        return QStringLiteral("URW Bookman");
    return QString::fromLatin1(face);
}

QString rgbName(int rgb) { return QColor::fromRgb(QRgb(rgb)).name(); }

// The design number in pixels.
double px(int twips) { return twips / 15.0; }

QString where(const QRect &r) { return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

}  // namespace

class TestLayouts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void windowProperties_data();
    void windowProperties();

    void controls_data();
    void controls();
    void everyControlIsChecked_data();
    void everyControlIsChecked();

    void renderedColours_data();
    void renderedColours();

    void answerButtonsCoverThePartOfSpeechButtons();
    void hiddenCornerControlsLieBehindVIAAndTheStatusBar();
    void labelsLieBeneathButtonsAndFrames_data();
    void labelsLieBeneathButtonsAndFrames();
    void labelsAndFramesTakeNoFocus_data();
    void labelsAndFramesTakeNoFocus();
    void exerciseTabOrder();
    void errorReportTabOrder();
    void longCaptionsKeepTheirDoubleSpaces();

    void autoSizeLabelsFollowTheirCaption_data();
    void autoSizeLabelsFollowTheirCaption();
    void fixedLabelsKeepTheirSize();
    void emptyCountLabelTakesNoRoom();
    void autoSizeLabelsAreSizedBeforeTheirWindowIsDrawn();

private:
    QWidget *window(const QString &name) const { return windows_.at(name).get(); }
    static std::unique_ptr<QWidget> buildShown(const layout::WindowSpec &design);
    std::map<QString, std::unique_ptr<QWidget>> windows_;
};

std::unique_ptr<QWidget> TestLayouts::buildShown(const layout::WindowSpec &design)
{
    auto w = std::make_unique<QWidget>();
    layout::build(design, w.get());
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        qWarning("window %s not exposed", design.name);
    return w;
}

void TestLayouts::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const layout::WindowSpec *design :
         {&layout::exerciseLayout(), &layout::resultsLayout(), &layout::errorReportLayout(), &layout::splashLayout()})
        windows_[QString::fromLatin1(design->name)] = buildShown(*design);
    QCOMPARE(windows_.size(), size_t(4));
}

// ---------------------------------------------------------------------------

void TestLayouts::windowProperties_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("background");
    QTest::addColumn<QPoint>("emptySpot");  // a pixel where no control lies
    QTest::newRow("FormB") << QStringLiteral("FormB") << QStringLiteral("Form1") << QSize(825, 596) << 0x91C691 << QPoint(266, 40);
    QTest::newRow("classificaform") << QStringLiteral("classificaform") << QStringLiteral("Form1") << QSize(511, 446) << 0xC0C0C0 << QPoint(20, 5);
    QTest::newRow("FRM_ERRORI") << QStringLiteral("FRM_ERRORI") << QStringLiteral("Form2") << QSize(633, 451) << 0xFFC0C0 << QPoint(600, 30);
    QTest::newRow("Iniziale") << QStringLiteral("Iniziale") << QStringLiteral("Form1") << QSize(792, 569) << 0x3C50DB << QPoint(10, 10);
}

void TestLayouts::windowProperties()
{
    QFETCH(QString, form);
    QFETCH(QString, title);
    QFETCH(QSize, client);
    QFETCH(int, background);
    QFETCH(QPoint, emptySpot);
    QWidget *w = window(form);
    QCOMPARE(w->objectName(), form);
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(w->size(), client);
    QCOMPARE(w->palette().color(QPalette::Window).name(), rgbName(background));
    const QImage image = w->grab().toImage();
    QCOMPARE(image.pixelColor(emptySpot).name(), rgbName(background));
}

// ---------------------------------------------------------------------------

void TestLayouts::controls_data()
{
    QTest::addColumn<Expect>("e");
    for (const auto &table : {exerciseControls(), resultsControls(), errorReportControls(), splashControls()})
        for (const Expect &e : table)
            QTest::addRow("%s/%s", e.window, e.name) << e;
}

void TestLayouts::controls()
{
    QFETCH(Expect, e);
    QWidget *form = window(QString::fromLatin1(e.window));
    QWidget *w = form->findChild<QWidget *>(QString::fromLatin1(e.name));
    QVERIFY2(w, "no such control");

    // Container.
    QVERIFY(w->parentWidget());
    QCOMPARE(w->parentWidget()->objectName(), QString::fromLatin1(e.parent));

    // Kind and caption.
    auto *lbl = qobject_cast<layout::Label *>(w);
    auto *btn = qobject_cast<layout::Button *>(w);
    auto *frm = qobject_cast<layout::Frame *>(w);
    auto *shp = qobject_cast<layout::Shape *>(w);
    auto *chk = qobject_cast<layout::CheckBox *>(w);
    QString caption;
    switch (e.kind) {
    case K::Label: QVERIFY2(lbl, "not a label"); caption = lbl->caption(); break;
    case K::Button: QVERIFY2(btn, "not a button"); caption = btn->caption(); break;
    case K::Frame: QVERIFY2(frm, "not a frame"); caption = frm->caption(); break;
    case K::Rect: QVERIFY2(shp && !shp->isCircle(), "not a rectangle"); break;
    case K::Circle: QVERIFY2(shp && shp->isCircle(), "not a circle"); break;
    case K::Check: QVERIFY2(chk, "not a check box"); caption = chk->caption(); break;
    }
    if (e.kind == K::Label || e.kind == K::Button || e.kind == K::Frame || e.kind == K::Check) {
        if (e.caption)
            QCOMPARE(caption, QString::fromUtf8(e.caption));
        else
            QVERIFY2(!caption.trimmed().isEmpty(), "caption is empty");
    }

    // Geometry, within one pixel of the design.
    const QRect g = w->geometry();
    const QString at = QStringLiteral("at %1, design %2").arg(where(g)).arg(where(QRect(e.left, e.top, e.width, e.height)));
    QVERIFY2(std::abs(g.x() - px(e.left)) <= 1.0, qPrintable(QStringLiteral("left ") + at));
    QVERIFY2(std::abs(g.y() - px(e.top)) <= 1.0, qPrintable(QStringLiteral("top ") + at));
    if (!e.autoSize) {
        QVERIFY2(std::abs(g.width() - px(e.width)) <= 1.0, qPrintable(QStringLiteral("width ") + at));
        QVERIFY2(std::abs(g.height() - px(e.height)) <= 1.0, qPrintable(QStringLiteral("height ") + at));
    } else {
        // An auto-size label is as large as its caption, so none of it is cut.
        QVERIFY(lbl && lbl->autoSize());
        if (!caption.isEmpty()) {
            const QFontMetrics fm(w->font());
            QVERIFY2(g.width() >= fm.horizontalAdvance(caption), qPrintable(QStringLiteral("too narrow ") + at));
            QVERIFY2(g.height() >= fm.height(), qPrintable(QStringLiteral("too low ") + at));
        }
    }
    if (lbl && !e.autoSize)
        QVERIFY(!lbl->autoSize());

    // Colours.
    const QString black = QStringLiteral("#000000");
    if (lbl) {
        const QColor text = lbl->palette().color(QPalette::WindowText);
        QCOMPARE(text.name(), e.fore == kStd ? black : rgbName(e.fore));
        QCOMPARE(lbl->textColor().name(), text.name());
        if (e.back == kNone) {
            QVERIFY2(!lbl->autoFillBackground(), "should be transparent");
        } else {
            QVERIFY2(lbl->autoFillBackground(), "should be opaque");
            if (e.back != kAny)
                QCOMPARE(lbl->palette().color(QPalette::Window).name(), rgbName(e.back));
        }
    } else if (btn) {
        if (e.back == kStd)
            QVERIFY2(!btn->faceColor().isValid(), qPrintable(QStringLiteral("face %1, should be standard").arg(btn->faceColor().name())));
        else
            QCOMPARE(btn->faceColor().name(), rgbName(e.back));
        QCOMPARE(btn->palette().color(QPalette::ButtonText).name(), black);
    } else if (frm) {
        const QColor captionColour = frm->captionColor().isValid() ? frm->captionColor()
                                                                   : frm->palette().color(QPalette::WindowText);
        QCOMPARE(captionColour.name(), e.fore == kStd ? black : rgbName(e.fore));
        QCOMPARE(frm->groundColor().name(),
                 e.back == kStd ? QApplication::palette().color(QPalette::Button).name() : rgbName(e.back));
    } else if (chk) {
        QCOMPARE(chk->palette().color(QPalette::WindowText).name(), rgbName(e.fore));
        QCOMPARE(chk->autoFillBackground(), e.back != kNone);
    } else if (shp) {
        QCOMPARE(shp->outlineColor().name(), rgbName(e.fore));
        if (e.back == kNone)
            QVERIFY2(!shp->fillColor().isValid(), "interior should be transparent");
        else
            QCOMPARE(shp->fillColor().name(), rgbName(e.back));
    }

    // Font.
    if (e.face) {
        const QFont f = w->font();
        // The family as resolved, without a foundry suffix such as " [urw]".
        const QString family = QFontInfo(f).family().remove(QRegularExpression(QStringLiteral(" \\[.*\\]$")));
        QCOMPARE(family, familyFor(e.face));
        QVERIFY2(qFuzzyCompare(f.pointSizeF(), e.points),
                 qPrintable(QStringLiteral("%1 pt, design %2 pt").arg(f.pointSizeF()).arg(e.points)));
        QCOMPARE(int(f.weight()), e.weight);
        QCOMPARE(f.italic(), e.italic);
        QVERIFY(!f.underline());
        QVERIFY(!f.strikeOut());
    }

    // Label alignment and border.
    if (lbl) {
        const Qt::Alignment h = lbl->alignment() & Qt::AlignHorizontal_Mask;
        const Qt::Alignment expected = e.align == 'c' ? Qt::AlignHCenter : e.align == 'r' ? Qt::AlignRight : Qt::AlignLeft;
        QCOMPARE(int(h), int(expected));
        QCOMPARE(lbl->frameShape() == QFrame::Box, e.border);
    }

    // Visibility and enabled state at design.
    QCOMPARE(w->isVisible(), e.visible);
    QVERIFY(w->isEnabled());
}

// Every control that the builder makes is one of those checked above.
void TestLayouts::everyControlIsChecked_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("expected");
    for (const auto &table : {exerciseControls(), resultsControls(), errorReportControls(), splashControls()}) {
        QStringList names;
        for (const Expect &e : table)
            names << QString::fromLatin1(e.name);
        names.sort();
        QTest::newRow(table.front().window) << QString::fromLatin1(table.front().window) << names;
    }
}

void TestLayouts::everyControlIsChecked()
{
    QFETCH(QString, form);
    QFETCH(QStringList, expected);
    QStringList built;
    for (QWidget *c : window(form)->findChildren<QWidget *>())
        if (qobject_cast<layout::Label *>(c) || qobject_cast<layout::Button *>(c) || qobject_cast<layout::Frame *>(c)
            || qobject_cast<layout::Shape *>(c) || qobject_cast<layout::CheckBox *>(c))
            built << c->objectName();
    built.sort();
    QCOMPARE(built, expected);
}

// ---------------------------------------------------------------------------

void TestLayouts::renderedColours_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QPoint>("pixel");  // window coordinates
    QTest::addColumn<int>("colour");
    // Where Com10 and Com11 lie over the part-of-speech buttons, their faces show.
    QTest::newRow("Com10 face") << QStringLiteral("FormB") << QPoint(349, 54) << 0xFFFF00;
    QTest::newRow("Com10 face over Com(3)") << QStringLiteral("FormB") << QPoint(349, 130) << 0xFFFF00;
    QTest::newRow("Com11 face") << QStringLiteral("FormB") << QPoint(349, 250) << 0xFF8080;
    QTest::newRow("Com11 face over Com(9)") << QStringLiteral("FormB") << QPoint(349, 420) << 0xFF8080;
    QTest::newRow("VIA face") << QStringLiteral("FormB") << QPoint(349, 490) << 0xC0C0C0;
    QTest::newRow("AVVISO ground") << QStringLiteral("FormB") << QPoint(5, 5) << 0xC0FFFF;
    QTest::newRow("display(1) ground") << QStringLiteral("FormB") << QPoint(690, 40) << 0xFFFF00;
    QTest::newRow("display(2) ground") << QStringLiteral("FormB") << QPoint(690, 88) << 0x0000FF;
    QTest::newRow("Frame5 ground") << QStringLiteral("FormB") << QPoint(20, 580) << 0x0000FF;
    QTest::newRow("Command8 face") << QStringLiteral("FormB") << QPoint(530, 560) << 0xFFC0C0;
    QTest::newRow("FINE face") << QStringLiteral("FormB") << QPoint(692, 570) << 0x00C0C0;
    QTest::newRow("Shape1 outline, outer edge") << QStringLiteral("classificaform") << QPoint(4, 200) << 0x0000FF;
    QTest::newRow("Shape1 outline, inner edge") << QStringLiteral("classificaform") << QPoint(11, 200) << 0x0000FF;
    QTest::newRow("inside Shape1") << QStringLiteral("classificaform") << QPoint(16, 200) << 0xC0C0C0;
    QTest::newRow("ShOttimo(1)") << QStringLiteral("classificaform") << QPoint(306, 179) << 0xFFFF00;
    QTest::newRow("ShDistinto(5)") << QStringLiteral("classificaform") << QPoint(366, 213) << 0x00C000;
    QTest::newRow("ShOccorre(10)") << QStringLiteral("classificaform") << QPoint(441, 313) << 0xFF8080;
    QTest::newRow("between two dots") << QStringLiteral("classificaform") << QPoint(314, 179) << 0xC0C0C0;
    QTest::newRow("LbOccorre ground") << QStringLiteral("classificaform") << QPoint(63, 303) << 0xFF8080;
    QTest::newRow("RISULTATO ground") << QStringLiteral("classificaform") << QPoint(116, 49) << 0xFFFF80;
}

void TestLayouts::renderedColours()
{
    QFETCH(QString, form);
    QFETCH(QPoint, pixel);
    QFETCH(int, colour);
    const QImage image = window(form)->grab().toImage();
    QCOMPARE(image.pixelColor(pixel).name(), rgbName(colour));
}

// ---------------------------------------------------------------------------

namespace {

int siblingIndex(const QWidget *w)
{
    return int(w->parentWidget()->children().indexOf(const_cast<QWidget *>(w)));
}

}  // namespace

void TestLayouts::answerButtonsCoverThePartOfSpeechButtons()
{
    QWidget *form = window(QStringLiteral("FormB"));
    QStringList column;
    for (int k = 1; k <= 9; ++k)
        column << layout::element("Com", k);
    column << QStringLiteral("art(1)") << QStringLiteral("art(2)") << QStringLiteral("art(3)") << QStringLiteral("Masfem(1)")
           << QStringLiteral("Masfem(2)") << QStringLiteral("Singplu(1)") << QStringLiteral("Singplu(2)");
    for (const char *big : {"Com10", "Com11"}) {
        const QWidget *front = layout::control(form, QString::fromLatin1(big));
        for (const QString &name : std::as_const(column)) {
            const QWidget *behind = layout::control(form, name);
            QCOMPARE(behind->parentWidget(), front->parentWidget());
            QVERIFY2(siblingIndex(front) > siblingIndex(behind),
                     qPrintable(QStringLiteral("%1 is not in front of %2").arg(QLatin1String(big), name)));
        }
    }
    // What the pupil sees in the middle of each part-of-speech button is Com10 or Com11.
    for (int k = 1; k <= 9; ++k) {
        const QWidget *behind = layout::control(form, layout::element("Com", k));
        const QPoint centre = behind->geometry().center();
        const QWidget *top = form->childAt(centre);
        QVERIFY(top);
        QVERIFY2(top->objectName() == QLatin1String("Com10") || top->objectName() == QLatin1String("Com11"),
                 qPrintable(QStringLiteral("%1 seen over Com(%2)").arg(top->objectName()).arg(k)));
    }
}

void TestLayouts::hiddenCornerControlsLieBehindVIAAndTheStatusBar()
{
    QWidget *form = window(QStringLiteral("FormB"));
    for (const char *front : {"VIA", "Frame5"})
        for (const char *back : {"comaiuto", "Frame4"}) {
            const QWidget *f = layout::control(form, QString::fromLatin1(front));
            const QWidget *b = layout::control(form, QString::fromLatin1(back));
            QVERIFY2(siblingIndex(f) > siblingIndex(b), qPrintable(QStringLiteral("%1 behind %2").arg(front, back)));
        }
}

void TestLayouts::labelsLieBeneathButtonsAndFrames_data()
{
    QTest::addColumn<QString>("form");
    for (const char *f : {"FormB", "classificaform", "FRM_ERRORI", "Iniziale"})
        QTest::newRow(f) << QString::fromLatin1(f);
}

void TestLayouts::labelsLieBeneathButtonsAndFrames()
{
    QFETCH(QString, form);
    QWidget *w = window(form);
    QList<QWidget *> parents{w};
    for (layout::Frame *f : w->findChildren<layout::Frame *>())
        parents << f;
    int pairs = 0;
    for (QWidget *p : std::as_const(parents)) {
        int highestLabel = -1, lowestSolid = INT_MAX;
        QString highestName, lowestName;
        const QObjectList kids = p->children();
        for (int i = 0; i < kids.size(); ++i) {
            if (qobject_cast<layout::Label *>(kids[i]) || qobject_cast<layout::Shape *>(kids[i])) {
                if (i > highestLabel) {
                    highestLabel = i;
                    highestName = kids[i]->objectName();
                }
            } else if (qobject_cast<layout::Button *>(kids[i]) || qobject_cast<layout::Frame *>(kids[i])) {
                if (i < lowestSolid) {
                    lowestSolid = i;
                    lowestName = kids[i]->objectName();
                }
            }
        }
        if (highestLabel >= 0 && lowestSolid != INT_MAX) {
            ++pairs;
            QVERIFY2(highestLabel < lowestSolid,
                     qPrintable(QStringLiteral("in %1, label %2 lies over %3").arg(p->objectName(), highestName, lowestName)));
        }
    }
    if (form == QLatin1String("Iniziale"))
        QCOMPARE(pairs, 0);  // labels only
    else
        QVERIFY(pairs > 0);
}

void TestLayouts::labelsAndFramesTakeNoFocus_data() { labelsLieBeneathButtonsAndFrames_data(); }

void TestLayouts::labelsAndFramesTakeNoFocus()
{
    QFETCH(QString, form);
    for (QWidget *c : window(form)->findChildren<QWidget *>()) {
        if (qobject_cast<layout::Label *>(c) || qobject_cast<layout::Frame *>(c) || qobject_cast<layout::Shape *>(c))
            QVERIFY2(c->focusPolicy() == Qt::NoFocus, qPrintable(c->objectName()));
        else if (qobject_cast<layout::Button *>(c) || qobject_cast<layout::CheckBox *>(c))
            QVERIFY2(c->focusPolicy() & Qt::TabFocus, qPrintable(c->objectName()));
    }
}

namespace {

// The named buttons in the order the Tab key visits them, starting at `first`.
QStringList tabSequence(QWidget *form, const QString &first, const QStringList &names)
{
    QStringList seen;
    QWidget *w = layout::control(form, first);
    const QWidget *start = w;
    do {
        if (names.contains(w->objectName()) && !seen.contains(w->objectName()))
            seen << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != start && seen.size() < names.size());
    return seen;
}

}  // namespace

void TestLayouts::exerciseTabOrder()
{
    // VIA 0, AnalisiCompleta 1, Com(2) 3, Com(3) 4, Com(4) 5, Com(5) 6,
    // Com(6) 7, Com(7) 8, Com(1) 9, Com(8) 12, Com11 13, Com10 14, Com(9) 15,
    // art(1..3) 16..18, Masfem(1..2) 19, 20, Singplu(1..2) 21, 22, FINE 54,
    // Command8 55.
    const QStringList expected = {"VIA",       "AnalisiCompleta", "Com(2)",     "Com(3)",     "Com(4)",
                                  "Com(5)",    "Com(6)",          "Com(7)",     "Com(1)",     "Com(8)",
                                  "Com11",     "Com10",           "Com(9)",     "art(1)",     "art(2)",
                                  "art(3)",    "Masfem(1)",       "Masfem(2)",  "Singplu(1)", "Singplu(2)",
                                  "FINE",      "Command8"};
    QCOMPARE(tabSequence(window(QStringLiteral("FormB")), QStringLiteral("VIA"), expected), expected);
}

void TestLayouts::errorReportTabOrder()
{
    const QStringList expected = {"Command1", "Command2"};
    QCOMPARE(tabSequence(window(QStringLiteral("FRM_ERRORI")), QStringLiteral("Command1"), expected), expected);
    // And from Command2 the chain comes round to Command1, not the other way.
    QWidget *form = window(QStringLiteral("FRM_ERRORI"));
    QWidget *w = layout::control(form, QStringLiteral("Command1"));
    do {
        w = w->nextInFocusChain();
    } while (w->objectName() != QLatin1String("Command2") && w->objectName() != QLatin1String("Command1"));
    QCOMPARE(w->objectName(), QStringLiteral("Command2"));
}

void TestLayouts::longCaptionsKeepTheirDoubleSpaces()
{
    QWidget *form = window(QStringLiteral("FormB"));
    const std::map<QString, QString> captions = {
        {QStringLiteral("Com11"), QStringLiteral("PARTE  INVARIABILE")},
        {QStringLiteral("Com(7)"), QStringLiteral("Preposizione  e locuzione prep.")},
        {QStringLiteral("Com(8)"), QStringLiteral("Congiunzione  e locuzione cong.")},
        {QStringLiteral("Com(9)"), QStringLiteral("Esclamazione  e locuzione escl.")},
    };
    for (const auto &[name, caption] : captions) {
        const QString shown = layout::control<layout::Button>(form, name)->caption();
        QCOMPARE(shown, caption);
        QVERIFY(shown.contains(QStringLiteral("  ")));
    }
    QCOMPARE(layout::control<layout::Frame>(form, QStringLiteral("Frame4"))->caption(), QStringLiteral("tempo "));
}

// ---------------------------------------------------------------------------

void TestLayouts::autoSizeLabelsFollowTheirCaption_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("longer");
    QTest::newRow("word label") << QStringLiteral("FormB") << QStringLiteral("Lbmostra(1)") << QStringLiteral("Accidenti,   ");
    QTest::newRow("last word label") << QStringLiteral("FormB") << QStringLiteral("Lbmostra(22)") << QStringLiteral("mese.    ");
    QTest::newRow("message") << QStringLiteral("FormB") << QStringLiteral("gratifica") << QStringLiteral("No riprova !");
    QTest::newRow("answers count") << QStringLiteral("FormB") << QStringLiteral("Lrisposte") << QStringLiteral("20");
    QTest::newRow("sentence index") << QStringLiteral("FormB") << QStringLiteral("Label1") << QStringLiteral("n° della domanda 32");
    QTest::newRow("grade word") << QStringLiteral("classificaform") << QStringLiteral("RISULTATO") << QStringLiteral("occorre esercitarsi");
    QTest::newRow("best time") << QStringLiteral("classificaform") << QStringLiteral("LbTrecord") << QStringLiteral("123.4");
    QTest::newRow("category name") << QStringLiteral("FRM_ERRORI") << QStringLiteral("Lberrori7") << QStringLiteral("Preposizione  e locuzione prep.");
    QTest::newRow("splash line") << QStringLiteral("Iniziale") << QStringLiteral("Label5") << QStringLiteral("della nuova");
}

void TestLayouts::autoSizeLabelsFollowTheirCaption()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, longer);
    // A window of its own: the shared ones stay as designed.
    const layout::WindowSpec *design = form == QLatin1String("FormB")            ? &layout::exerciseLayout()
                                     : form == QLatin1String("classificaform") ? &layout::resultsLayout()
                                     : form == QLatin1String("FRM_ERRORI")     ? &layout::errorReportLayout()
                                                                               : &layout::splashLayout();
    const std::unique_ptr<QWidget> w = buildShown(*design);
    auto *lbl = layout::control<layout::Label>(w.get(), name);
    const QRect before = lbl->geometry();

    lbl->setCaption(longer);
    QCoreApplication::processEvents();
    const QRect wide = lbl->geometry();
    QCOMPARE(wide.topLeft(), before.topLeft());  // Left and Top stay
    QVERIFY2(wide.width() > before.width(), qPrintable(QStringLiteral("%1 -> %2").arg(where(before), where(wide))));
    QVERIFY(wide.width() >= QFontMetrics(lbl->font()).horizontalAdvance(longer));
    QVERIFY(lbl->isVisible());

    lbl->setCaption(QStringLiteral("a"));
    QCoreApplication::processEvents();
    QCOMPARE(lbl->geometry().topLeft(), before.topLeft());
    QVERIFY(lbl->geometry().width() < wide.width());
}

void TestLayouts::fixedLabelsKeepTheirSize()
{
    const std::unique_ptr<QWidget> w = buildShown(layout::exerciseLayout());
    for (const char *name : {"AVVISO", "display(1)"}) {
        auto *lbl = layout::control<layout::Label>(w.get(), QString::fromLatin1(name));
        const QRect before = lbl->geometry();
        lbl->setCaption(QStringLiteral("Classifica la parte in rosso prima VARIABILE o INVARIABILE poi..."));
        QCoreApplication::processEvents();
        QCOMPARE(lbl->geometry(), before);
        lbl->setCaption(QString());
        QCOMPARE(lbl->geometry(), before);
    }
}

void TestLayouts::emptyCountLabelTakesNoRoom()
{
    // A count label with no text leaves the row to the category name.
    const std::unique_ptr<QWidget> w = buildShown(layout::errorReportLayout());
    auto *count = layout::control<layout::Label>(w.get(), QStringLiteral("RR(3)"));
    auto *name = layout::control<layout::Label>(w.get(), QStringLiteral("Lberrori3"));
    count->setCaption(QString());
    QCoreApplication::processEvents();
    QVERIFY2(count->geometry().right() < name->geometry().left(),
             qPrintable(QStringLiteral("count %1, name %2").arg(where(count->geometry()), where(name->geometry()))));
    QVERIFY2(count->width() <= 2, qPrintable(where(count->geometry())));
    // A two-digit count still ends before the name starts.
    count->setCaption(QStringLiteral("99"));
    QCoreApplication::processEvents();
    QVERIFY2(count->geometry().right() < name->geometry().left(),
             qPrintable(QStringLiteral("count %1, name %2").arg(where(count->geometry()), where(name->geometry()))));
}

QTEST_MAIN(TestLayouts)
void TestLayouts::autoSizeLabelsAreSizedBeforeTheirWindowIsDrawn()
{
    // Captions and fonts set while the window is not on screen: the label has
    // their size by the time it is first drawn, and again after the window
    // was hidden and changed.
    struct FirstPaint : QObject {
        std::optional<QRect> geometry;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && !geometry)
                geometry = static_cast<QWidget *>(watched)->geometry();
            return false;
        }
    } probe;
    auto w = std::make_unique<QWidget>();
    layout::build(layout::splashLayout(), w.get());
    auto *lbl = layout::control<layout::Label>(w.get(), QStringLiteral("Label5"));
    lbl->installEventFilter(&probe);
    const QString longer = QStringLiteral("della nuova analisi");
    lbl->setCaption(longer);
    QFont font = lbl->font();
    font.setPointSizeF(30);
    lbl->setFont(font);
    const QFontMetrics fm(font);

    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QTRY_VERIFY(probe.geometry.has_value());
    QCOMPARE(probe.geometry->topLeft(), QPoint(qRound(px(4950)), qRound(px(2760))));
    QVERIFY2(probe.geometry->width() >= fm.horizontalAdvance(longer), qPrintable(where(*probe.geometry)));
    QVERIFY2(probe.geometry->height() >= fm.height(), qPrintable(where(*probe.geometry)));
    const QRect wide = *probe.geometry;

    w->hide();
    lbl->setCaption(QStringLiteral("d"));
    probe.geometry.reset();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QTRY_VERIFY(probe.geometry.has_value());
    QCOMPARE(probe.geometry->topLeft(), wide.topLeft());
    QVERIFY2(probe.geometry->width() < wide.width() / 2, qPrintable(where(*probe.geometry)));
    QCOMPARE(lbl->geometry(), *probe.geometry);
}

#include "test_layouts.moc"
