#include "model/core/ArchiveReader.h"

#include "model/core/CodePage1252.h"

void CArchiveReader::Require(std::size_t count) const {
    if (count > Remaining())
        throw CArchiveError("the file ends too early");
}

std::uint8_t CArchiveReader::ReadByte() {
    Require(1);
    return static_cast<std::uint8_t>(m_bytes[m_position++]);
}

std::uint16_t CArchiveReader::ReadWord() {
    Require(2);
    const auto lo = static_cast<std::uint8_t>(m_bytes[m_position]);
    const auto hi = static_cast<std::uint8_t>(m_bytes[m_position + 1]);
    m_position += 2;
    return static_cast<std::uint16_t>(lo | (hi << 8));
}

std::uint32_t CArchiveReader::ReadDword() {
    const std::uint32_t lo = ReadWord();
    const std::uint32_t hi = ReadWord();
    return lo | (hi << 16);
}

std::uint32_t CArchiveReader::ReadLength(bool allowWideMarker, bool& wide) {
    const std::uint8_t first = ReadByte();
    if (first < 0xFF)
        return first;
    const std::uint16_t word = ReadWord();
    if (word < 0xFFFE)
        return word;
    if (word == 0xFFFF)
        return ReadDword();
    // 0xFFFE: a text in 16-bit characters; its own length prefix follows.
    if (!allowWideMarker)
        throw CArchiveError("nested 16-bit text marker");
    wide = true;
    bool nested = false;
    return ReadLength(false, nested);
}

std::string CArchiveReader::ReadString() {
    bool wide = false;
    const std::uint32_t length = ReadLength(true, wide);
    if (!wide) {
        Require(length);
        std::string text(m_bytes.substr(m_position, length));
        m_position += length;
        return text;
    }
    Require(std::size_t{length} * 2);
    std::string text;
    text.reserve(length);
    for (std::uint32_t k = 0; k < length; ++k) {
        char32_t unit = ReadWord();
        // A surrogate pair is one character; the code page holds none of them.
        if (unit >= 0xD800 && unit <= 0xDBFF && k + 1 < length) {
            const std::size_t save = m_position;
            const std::uint16_t low = ReadWord();
            if (low >= 0xDC00 && low <= 0xDFFF)
                ++k;
            else
                m_position = save;
        }
        const auto byte = codepage1252::FromUnicode(unit);
        text += byte ? static_cast<char>(*byte) : '?';
    }
    return text;
}
