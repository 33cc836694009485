#include "word_room.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "../layouts/control_spec.h"
#include "utf8_text.h"

namespace engine {

namespace {

constexpr int kUnitsPerEm = 2048;
constexpr int kUnknownAdvance = 2560;  // emoji and other scripts: wider than an em

// Advances of Liberation Sans Bold (metric-compatible with Arial Bold), in
// 1/2048 em, measured here with Qt's font metrics: printable ASCII from the
// space on, then the letters and marks of Italian texts beyond it.
constexpr std::array<std::uint16_t, 95> kAscii = {
    569,  682,  971,  1139, 1139, 1821, 1479, 487,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 682,  682,  1196, 1196, 1196, 1251,
    1997, 1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1139, 1479, 1251, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 682,  569,  682,  1196, 1139,
    682,  1139, 1251, 1139, 1251, 1139, 682,  1251, 1251, 569,  569,  1139, 569,  1821, 1251, 1251,
    1251, 1251, 797,  1139, 682,  1251, 1139, 1593, 1139, 1139, 1024, 797,  573,  797,  1196};

struct Advance {
    char32_t codePoint;
    std::uint16_t units;
};
constexpr Advance kBeyondAscii[] = {
    {U'à', 1139}, {U'è', 1139}, {U'é', 1139}, {U'ì', 569},  {U'í', 569},  {U'ò', 1251},
    {U'ó', 1251}, {U'ù', 1251}, {U'ú', 1251}, {U'À', 1479}, {U'È', 1366}, {U'É', 1366},
    {U'Ì', 569},  {U'Ò', 1593}, {U'Ù', 1479}, {U'ç', 1139}, {U'Ç', 1479}, {U'ñ', 1251},
    {U'«', 1139}, {U'»', 1139}, {U'“', 1024}, {U'”', 1024}, {U'‘', 569},  {U'’', 569},
    {U'–', 1139}, {U'—', 2048}, {U'…', 2048}, {U'°', 819},  {U'ª', 758},  {U'º', 748},
};

// The high-legibility face: Open Sans Bold drawn with 112% letter spacing,
// measured the same way with the spacing applied.
constexpr std::array<std::uint16_t, 95> kLegibleAscii = {
    596,  656,  1083, 1482, 1309, 2066, 1720, 610,  777,  777,  1250, 1309, 665,  738,  654,  948,
    1309, 1309, 1309, 1309, 1309, 1309, 1309, 1309, 1309, 1309, 654,  665,  1309, 1309, 1309, 1094,
    2057, 1583, 1541, 1462, 1698, 1285, 1259, 1661, 1755, 759,  759,  1523, 1296, 2163, 1865, 1826,
    1440, 1826, 1514, 1263, 1328, 1734, 1491, 2218, 1530, 1431, 1328, 759,  948,  759,  1221, 943,
    1392, 1385, 1452, 1179, 1452, 1355, 888,  1296, 1508, 700,  700,  1422, 700,  2252, 1508, 1420,
    1452, 1452, 1042, 1140, 996,  1508, 1305, 1963, 1326, 1305, 1119, 904,  1263, 904,  1309};

constexpr Advance kLegibleBeyondAscii[] = {
    {U'à', 1385}, {U'è', 1355}, {U'é', 1355}, {U'ì', 700},  {U'í', 700},  {U'ò', 1420},
    {U'ó', 1420}, {U'ù', 1508}, {U'ú', 1508}, {U'À', 1583}, {U'È', 1285}, {U'É', 1285},
    {U'Ì', 759},  {U'Ò', 1826}, {U'Ù', 1734}, {U'ç', 1179}, {U'Ç', 1462}, {U'ñ', 1508},
    {U'«', 1411}, {U'»', 1411}, {U'“', 1020}, {U'”', 1020}, {U'‘', 497},  {U'’', 497},
    {U'–', 1147}, {U'—', 2294}, {U'…', 1961}, {U'°', 982},  {U'ª', 878},  {U'º', 890},
};

int legibleAdvance(char32_t c)
{
    if (c >= 0x20 && c <= 0x7E)
        return kLegibleAscii[c - 0x20];
    for (const Advance &a : kLegibleBeyondAscii)
        if (a.codePoint == c)
            return a.units;
    return kUnknownAdvance;
}

int advance(char32_t c)
{
    if (c >= 0x20 && c <= 0x7E)
        return kAscii[c - 0x20];
    for (const Advance &a : kBeyondAscii)
        if (a.codePoint == c)
            return a.units;
    return kUnknownAdvance;
}

// The fitted window at 1024x768: widths scale by 1024/825 (the client area is
// 12375 twips, 825 pixels, wide at design), font sizes by at most 768/596.
constexpr double kWidthScale = 1024.0 / 825.0;
// 14.25 points grown by 768/596 are 24.5 pixels; glyphs are drawn at whole
// pixel sizes, so count 25.
constexpr double kFontPixels = 25.0;
constexpr double kMarginPixels = 2.0;

const layout::ControlSpec &control(const std::string &name)
{
    if (const layout::ControlSpec *c = layout::findControl(layout::exerciseLayout(), name))
        return *c;
    throw std::logic_error("no control " + name + " in the exercise window's layout");
}

}  // namespace

int textWidthUnits(std::string_view text)
{
    int units = 0;
    for (char32_t c : utf8::codePoints(text))
        units += advance(c);
    return units;
}

int textWidthUnits(std::string_view text, WordFace face)
{
    if (face == WordFace::Standard)
        return textWidthUnits(text);
    int units = 0;
    for (char32_t c : utf8::codePoints(text))
        units += legibleAdvance(c);
    return units;
}

int roomUnits(int position)
{
    static const std::array<int, 23> room = [] {
        std::array<int, 23> r{};
        const int buttons = control("Com10").left;  // where the answer column starts
        for (int k = 1; k <= 22; ++k) {
            const std::string name = "Lbmostra(" + std::to_string(k) + ")";
            const double pixels =
                (buttons - control(name).left) * kWidthScale / layout::kTwipsPerPixel - kMarginPixels;
            r[k] = static_cast<int>(std::floor(pixels / kFontPixels * kUnitsPerEm));
        }
        return r;
    }();
    return room.at(static_cast<std::size_t>(std::clamp(position, 1, 22)));
}

}  // namespace engine
