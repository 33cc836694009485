#pragma once
// A key sentence as a teacher would type it, and the letters each unit
// covers: how the proposals benchmarks line a proposal up with its key.

#include <string>
#include <vector>

#include "engine/collection_format.h"

struct KeySentence {
    int index;  // the bank row, or the line of the file
    std::vector<engine::collection::Unit> units;
};

struct Span {
    std::size_t begin, end;  // over the sentence's letters, spaces and hyphens left out
};

// The key's hints ("così (...che )", "(ebbe)notato") are not letters of the
// sentence.
inline std::string withoutHints(std::string unit)
{
    for (const char *hint : {"(...che )", "(...che)", "(ebbe)"})
        if (auto at = unit.find(hint); at != std::string::npos)
            unit.erase(at, std::string(hint).size());
    return std::string(engine::collection::trim(unit));
}

// Units joined by spaces, a verb split before its pronoun joined again, an
// elision joined to its word.
inline std::string plainText(const KeySentence &s)
{
    std::string text;
    for (const auto &u : s.units) {
        const std::string unit = withoutHints(u.text);
        if (!text.empty() && text.back() != '-' && text.back() != '\'')
            text += ' ';
        if (!text.empty() && text.back() == '-')
            text.pop_back();
        text += unit;
    }
    return text;
}

inline std::vector<Span> spans(const std::vector<engine::collection::Unit> &units)
{
    std::vector<Span> out;
    std::size_t at = 0;
    for (const auto &u : units) {
        std::size_t n = 0;
        for (char c : withoutHints(u.text))
            n += (c != ' ' && c != '-') ? 1 : 0;
        out.push_back({at, at + n});
        at += n;
    }
    return out;
}
