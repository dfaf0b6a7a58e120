#include "model/core/CodePage1252.h"

#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace {

TEST(CodePage1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        EXPECT_EQ(codepage1252::FromUtf8(codepage1252::ToUtf8(byte)), byte) << value;
        all += byte;
    }
    EXPECT_EQ(codepage1252::FromUtf8(codepage1252::ToUtf8(all)), all);
}

TEST(CodePage1252, MapsBytesToTheirCharacters) {
    const std::pair<unsigned char, char32_t> cases[] = {
        {0x00, 0x0000}, {0x41, 0x0041}, {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081},
        {0x8A, 0x0160}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x93, 0x201C},
        {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
    };
    for (const auto& [byte, codePoint] : cases) {
        EXPECT_EQ(codepage1252::ToUnicode(byte), codePoint) << int{byte};
        EXPECT_EQ(codepage1252::FromUnicode(codePoint), byte) << int{byte};
    }
    EXPECT_EQ(codepage1252::ToUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(codepage1252::ToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");
}

TEST(CodePage1252, RefusesMalformedUtf8AndCharactersItCannotHold) {
    const char* const refused[] = {
        "\xC0\xAF",         // overlong "/"
        "\xE0\x80\xAF",     // overlong in three bytes
        "\xF0\x80\x80\xAF", // overlong in four bytes
        "\x80",             // lone continuation byte
        "ab\xBF",           // lone continuation byte at the end
        "\xC3",             // sequence cut short
        "\xE2\x82",         // sequence cut short
        "\xC3(",            // lead byte without its continuation
        "\xED\xA0\x80",     // surrogate U+D800
        "\xED\xBF\xBF",     // surrogate U+DFFF
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xF8\x88\x80\x80\x80",
        "\xFF",
        "\xE4\xB8\xAD",     // U+4E2D
        "\xC2\x80",         // U+0080: 0x80 stands for the euro sign
        "\xF0\x9F\x98\x80", // U+1F600
        "ok\xE2\x80\x8B",   // U+200B after valid text
    };
    for (const char* text : refused)
        EXPECT_EQ(codepage1252::FromUtf8(text), std::nullopt) << testing::PrintToString(text);
    // A sequence cut short by the end of the text, not by the end of the buffer behind it.
    const std::string buffer = "x\xC3\xA9";
    EXPECT_EQ(codepage1252::FromUtf8(std::string_view(buffer).substr(0, 2)), std::nullopt);
    EXPECT_EQ(codepage1252::FromUnicode(0x4E2D), std::nullopt);
    EXPECT_EQ(codepage1252::FromUnicode(0x0080), std::nullopt);
    EXPECT_EQ(codepage1252::FromUnicode(0x0100), std::nullopt);
    EXPECT_EQ(codepage1252::FromUtf8("\xE2\x82\xAC 5 \xC5\x93"), "\x80 5 \x9C");
    EXPECT_EQ(codepage1252::FromUtf8(""), "");
}

} // namespace
