#pragma once
// The byte level of a collection file, before its lines are read: the
// file's encoding (UTF-8, or UTF-16 with its byte order mark, which some
// editors call "Unicode"), the unusual spaces a pasted text brings, and file
// names made fit for a one-line message.

#include <string>
#include <string_view>
#include <vector>

namespace engine::collection {

struct DecodedText {
    std::string utf8;        // the text, UTF-8 (not checked here)
    bool fromUtf16 = false;  // it was UTF-16 with a byte order mark
    std::string problem;     // Italian; a UTF-16 file with broken characters
};

// UTF-16 with a byte order mark is turned into UTF-8 (a broken character
// becomes U+FFFD and is said); everything else is passed on as it is.
DecodedText decodeText(std::string_view bytes);

// Does a text with NUL bytes look like UTF-16 saved without a byte order
// mark (every other byte NUL)?
bool looksLikeUtf16(std::string_view bytes);

// Tabs, line and paragraph separators (U+2028, U+2029), no-break and other
// typographic spaces turned into plain spaces, one for one: the character
// count, and so every column, stays the same.
std::string plainSpaces(std::string_view text);

// A file name for a message on one line: bytes that are not UTF-8 and
// control characters written visibly, as \xE9 and \n.
std::string visibleName(std::string_view name);

}  // namespace engine::collection
