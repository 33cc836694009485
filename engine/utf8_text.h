#pragma once
// The few UTF-8 checks the collection reader needs, on raw bytes: is the text
// well-formed, where is the first control character, how many characters.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace engine::utf8 {

// Byte offset of the first byte that does not start a well-formed sequence
// (stray continuation, truncated, overlong, surrogate, beyond U+10FFFF).
std::optional<std::size_t> firstInvalid(std::string_view s);

// Byte offset of the first control character (C0 but tab, DEL, C1) of a
// well-formed text.
std::optional<std::size_t> firstControl(std::string_view s);

// Characters (code points) of a well-formed text.
std::size_t length(std::string_view s);

// The code points of a text; a byte that starts no well-formed sequence
// gives U+FFFD.
std::u32string codePoints(std::string_view s);

}  // namespace engine::utf8
