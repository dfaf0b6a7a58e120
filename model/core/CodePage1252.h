#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// How a text file outside the program spells its characters. Inventories hold
// Windows-1252 bytes; UTF-8 is what most Linux programs write.
enum class TextEncoding { Windows1252, Utf8 };

// Windows-1252 as the program reads its 8-bit texts, with the five bytes the
// code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) mapped to the C1
// controls of the same value, so that every byte string round-trips.
namespace codepage1252 {

// The Unicode code point a byte stands for.
char32_t ToUnicode(unsigned char byte);

// The byte that stands for a code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> FromUnicode(char32_t codePoint);

// One character as UTF-8.
std::string CharacterToUtf8(char32_t codePoint);

// Bytes to UTF-8 (always succeeds).
std::string ToUtf8(std::string_view bytes);

// UTF-8 to bytes; nothing when the text is not valid UTF-8 or holds a character
// the code page cannot hold.
std::optional<std::string> FromUtf8(std::string_view utf8);

// The encoding a file most likely has: UTF-8 when it starts with the UTF-8
// byte-order mark, or when it is valid UTF-8 and holds any byte above 0x7F;
// Windows-1252 otherwise (plain ASCII reads the same either way).
TextEncoding DetectEncoding(std::string_view bytes);

// Whether bytes start with the UTF-8 byte-order mark.
bool HasUtf8Mark(std::string_view bytes);

// Where a UTF-8 text could not be converted: its line (from 1), and the character
// the code page cannot hold, or nothing where the bytes are not UTF-8 at all.
struct Utf8Failure {
    std::size_t line = 1;
    std::optional<char32_t> character;
};

// Turns UTF-8 text into the code page's bytes in place (the result is never
// longer), dropping a leading byte-order mark. Nothing when every character
// converted; otherwise the first one that did not, with text left partly converted.
std::optional<Utf8Failure> FromUtf8InPlace(std::string& text);

} // namespace codepage1252
