#include "text_decoding.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "utf8_text.h"

namespace engine::collection {

namespace {

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::string hexByte(unsigned char b)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string("\\x") + kDigits[b >> 4] + kDigits[b & 0xF];
}

// The spaces turned into a plain one, as UTF-8.
constexpr std::array<std::string_view, 17> kOddSpaces = {
    "\t",           "\xC2\xA0",     "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F",
    "\xE3\x80\x80", "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82", "\xE2\x80\x83",
    "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88",
};

}  // namespace

DecodedText decodeText(std::string_view bytes)
{
    DecodedText out;
    const bool little = bytes.starts_with("\xFF\xFE");
    const bool big = bytes.starts_with("\xFE\xFF");
    if (!little && !big) {
        out.utf8 = std::string(bytes);
        return out;
    }
    out.fromUtf16 = true;
    int broken = 0;
    const auto unitAt = [&](std::size_t i) -> char16_t {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return char16_t(little ? a | (b << 8) : (a << 8) | b);
    };
    std::size_t i = 2;
    for (; i + 1 < bytes.size(); i += 2) {
        const char16_t u = unitAt(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char16_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out.utf8, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(low) - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) {
            appendUtf8(out.utf8, U'\uFFFD');
            ++broken;
        } else {
            appendUtf8(out.utf8, u);
        }
    }
    if (i < bytes.size()) {  // an odd byte at the end
        appendUtf8(out.utf8, U'\uFFFD');
        ++broken;
    }
    if (broken > 0)
        out.problem = "il file è in UTF-16 e contiene " + std::to_string(broken)
                      + (broken == 1 ? " carattere rotto, letto come «\xEF\xBF\xBD»"
                                     : " caratteri rotti, letti come «\xEF\xBF\xBD»")
                      + ": salvalo di nuovo in UTF-8";
    return out;
}

bool looksLikeUtf16(std::string_view bytes)
{
    // Italian text in UTF-16 has a NUL in every other byte: count the
    // first few hundred of each parity.
    const std::size_t n = std::min<std::size_t>(bytes.size(), 512);
    std::size_t even = 0, odd = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (bytes[i] == '\0')
            ++(i % 2 ? odd : even);
    return n >= 4 && (even * 10 >= n * 4 || odd * 10 >= n * 4);
}

std::string plainSpaces(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (std::string_view s : kOddSpaces)
            if (text.substr(i).starts_with(s)) {
                out += ' ';
                i += s.size();
                replaced = true;
                break;
            }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

std::string visibleName(std::string_view name)
{
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        const std::string_view rest = name.substr(i);
        const std::size_t bad = utf8::firstInvalid(rest).value_or(rest.size());
        const std::string_view good = rest.substr(0, bad);
        for (std::size_t k = 0; k < good.size(); ++k) {
            const auto c = static_cast<unsigned char>(good[k]);
            if (c == '\n')
                out += "\\n";
            else if (c == '\r')
                out += "\\r";
            else if (c == '\t')
                out += "\\t";
            else if (c < 0x20 || c == 0x7F)
                out += hexByte(c);
            else if (c == 0xC2 && k + 1 < good.size() && static_cast<unsigned char>(good[k + 1]) <= 0x9F)
                out += hexByte(c) + hexByte(static_cast<unsigned char>(good[++k]));  // C1 controls
            else if (good.substr(k).starts_with("\xE2\x80\xA8") || good.substr(k).starts_with("\xE2\x80\xA9")) {
                out += good[k + 2] == '\xA8' ? "\\u2028" : "\\u2029";
                k += 2;
            } else
                out += char(c);
        }
        i += bad;
        if (i < name.size())
            out += hexByte(static_cast<unsigned char>(name[i++]));
    }
    return out;
}

}  // namespace engine::collection
