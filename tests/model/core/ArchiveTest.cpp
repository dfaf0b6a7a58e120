#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/core/ArchiveReader.h"
#include "model/core/ArchiveWriter.h"
#include "support/AllocationProbe.h"
#include "support/ByteBuilder.h"

namespace {

struct PrefixCase {
    std::size_t length;
    std::string prefix;
};

TEST(Archive, StringPrefixTakesItsShortestFormAtEveryBoundary) {
    const PrefixCase cases[] = {
        {0, std::string("\x00", 1)},
        {1, "\x01"},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {256, std::string("\xFF\x00\x01", 3)},
        {65533, "\xFF\xFD\xFF"},
        {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {65535, std::string("\xFF\xFF\xFF\xFF\xFF\x00\x00", 7)},
        {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        std::string text(c.length, 'x');
        if (!text.empty())
            text.back() = '\xFF';
        CArchiveWriter out;
        out.WriteString(text);
        out.WriteWord(0xBEEF);
        EXPECT_EQ(out.Bytes(), c.prefix + text + "\xEF\xBE");
        CArchiveReader in(out.Bytes());
        EXPECT_EQ(in.ReadString(), text);
        EXPECT_EQ(in.ReadWord(), 0xBEEF);
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(Archive, WideTextsAreConvertedWhateverTheirLengthPrefix) {
    const std::pair<std::vector<std::uint16_t>, std::string> cases[] = {
        {{0x0041, 0x20AC, 0x00E9, 0x4E2D, 0x007A}, "A\x80\xE9?z"},
        {{0xD83D, 0xDE00, 0x0041}, "?A"}, // a surrogate pair is one character
        {{0xD800, 0x0041}, "?A"},
        {{0x0041, 0xD800}, "A?"},
        {{0xDC00, 0xD800, 0xD800, 0xDC00}, "???"},
        {{0x0081, 0x0080, 0x00FF}, "\x81?\xFF"}};
    for (const auto& [units, text] : cases) {
        const auto length = static_cast<std::uint16_t>(units.size());
        CByteBuilder forms[3];
        forms[0].Byte(0xFF).Word(0xFFFE).Byte(static_cast<std::uint8_t>(length));
        forms[1].Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(length);
        forms[2].Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(0xFFFF).Dword(length);
        for (CByteBuilder& bytes : forms) {
            for (const std::uint16_t unit : units)
                bytes.Word(unit);
            CArchiveReader in(bytes.Text("after").Bytes());
            EXPECT_EQ(in.ReadString(), text);
            EXPECT_EQ(in.ReadString(), "after");
            EXPECT_EQ(in.Remaining(), 0u);
        }
    }
}

CByteBuilder WideMarker() {
    CByteBuilder bytes;
    bytes.Byte(0xFF).Word(0xFFFE);
    return bytes;
}

TEST(Archive, ShortOrLyingInputThrowsWithoutAllocatingWhatItClaims) {
    const std::string cases[] = {
        "",
        CByteBuilder().Byte(5).Raw("abcd"),
        CByteBuilder().Byte(0xFF),
        CByteBuilder().Byte(0xFF).Byte(0x10),
        CByteBuilder().Byte(0xFF).Word(256).Raw(std::string(255, 'x')),
        CByteBuilder().Byte(0xFF).Word(0xFFFF).Raw("\x01\x02\x03"),
        CByteBuilder().Byte(0xFF).Word(0xFFFF).Dword(0x7FFFFFFF).Raw("abc"),
        CByteBuilder().Byte(0xFF).Word(0xFFFF).Dword(0xFFFFFFFF).Raw("abc"),
        WideMarker(),
        WideMarker().Byte(2).Raw("A"),
        WideMarker().Byte(3).Word('A').Word('B').Byte('C'),
        WideMarker().Byte(0xFF).Word(0xFFFF).Dword(0x7FFFFFFF).Word('A'),
        WideMarker().Byte(0xFF).Word(0xFFFF).Dword(0xFFFFFFFF).Word('A'),
        WideMarker().Byte(0xFF).Word(0xFFFE).Byte(1).Word('A'), // a marker inside a marker
    };
    for (const auto& bytes : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        CAllocationProbe probe;
        CArchiveReader in(bytes);
        EXPECT_THROW(in.ReadString(), CArchiveError);
        EXPECT_LT(probe.Largest(), 4096u);
    }
    CArchiveReader oneByte("\x01");
    EXPECT_THROW(oneByte.ReadWord(), CArchiveError);
    CArchiveReader threeBytes("\x01\x02\x03");
    EXPECT_THROW(threeBytes.ReadDword(), CArchiveError);
}

} // namespace
