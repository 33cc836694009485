#pragma once
// Reader of the analyser's output stream: "^surface/lemma<tag><tag>$" per
// word, "^surface/*surface$" for an unknown word, joined analyses split by
// '+' ("^sull'/su<pr>+il<det><def><mf><sg>$"), and plain text (blanks)
// between the words. The stream comes from another program: it is untrusted,
// so nothing here throws, and anything malformed gives an Italian message.

#include <string>
#include <string_view>
#include <vector>

namespace editor {

// One part of an analysis: "su<pr>" or "il<det><def><mf><sg>".
struct Reading {
    std::string lemma;
    std::vector<std::string> tags;  // without the angle brackets
    bool has(std::string_view tag) const;
};

struct Token {
    std::string surface;            // the word as written, escapes removed
    std::vector<Reading> parts;     // the chosen analysis; empty when the word is unknown
    std::vector<std::vector<Reading>> alternatives;  // the other analyses left, best first
    bool unknown = false;
    std::string blankBefore;        // text between the previous word and this one
    bool has(std::string_view tag) const { return !parts.empty() && parts.front().has(tag); }
};

struct StreamResult {
    std::vector<Token> tokens;
    std::string trailingBlank;
    std::string error;  // Italian; empty when the stream was well formed
};

StreamResult parseStream(std::string_view stream);

// Escapes the characters the analyser reserves, so that plain text reaches it
// as words and blanks only.
std::string escapeForAnalyser(std::string_view text);

}  // namespace editor
