#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252 as the program reads its 8-bit texts, with the five bytes the
// code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) mapped to the C1
// controls of the same value, so that every byte string round-trips.
namespace codepage1252 {

// The Unicode code point a byte stands for.
char32_t ToUnicode(unsigned char byte);

// The byte that stands for a code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> FromUnicode(char32_t codePoint);

// Bytes to UTF-8 (always succeeds).
std::string ToUtf8(std::string_view bytes);

// UTF-8 to bytes; nothing when the text is not valid UTF-8 or holds a character
// the code page cannot hold.
std::optional<std::string> FromUtf8(std::string_view utf8);

} // namespace codepage1252
