#include "utf8_text.h"

namespace engine::utf8 {

namespace {

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed sequence at s[i], or 0.
std::size_t sequenceAt(std::string_view s, std::size_t i)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char c = b(0);
    if (c < 0x80)
        return 1;
    std::size_t n;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) low = 0xA0;   // overlong
        if (c == 0xED) high = 0x9F;  // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) low = 0x90;   // overlong
        if (c == 0xF4) high = 0x8F;  // beyond U+10FFFF
    } else
        return 0;
    if (i + n > s.size() || b(1) < low || b(1) > high)
        return 0;
    for (std::size_t k = 2; k < n; ++k)
        if (!continuation(b(k)))
            return 0;
    return n;
}

}  // namespace

std::optional<std::size_t> firstInvalid(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = sequenceAt(s, i);
        if (n == 0)
            return i;
        i += n;
    }
    return std::nullopt;
}

std::optional<std::size_t> firstControl(std::string_view s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c < 0x20 && c != '\t') || c == 0x7F)
            return i;
        if (c == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) <= 0x9F)
            return i;  // U+0080..U+009F
    }
    return std::nullopt;
}

std::size_t length(std::string_view s)
{
    std::size_t n = 0;
    for (char c : s)
        n += !continuation(static_cast<unsigned char>(c));
    return n;
}

std::u32string codePoints(std::string_view s)
{
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = sequenceAt(s, i);
        if (n == 0) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
        char32_t c = static_cast<unsigned char>(s[i]) & kLeadMask[n];
        for (std::size_t k = 1; k < n; ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out += c;
        i += n;
    }
    return out;
}

}  // namespace engine::utf8
