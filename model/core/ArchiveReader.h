#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Thrown when a file ends early or holds a length prefix no writer produces.
class CArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the storage primitives of every file of the program from a byte buffer:
// little-endian words and archive strings. Every length is checked against the
// bytes that remain before anything is allocated.
class CArchiveReader {
public:
    explicit CArchiveReader(std::string_view bytes) : m_bytes(bytes) {}

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::uint32_t ReadDword();
    // An archive string in any of its forms; 16-bit-character texts are
    // converted to the 8-bit code page, characters it cannot hold become "?".
    std::string ReadString();

    std::size_t Remaining() const { return m_bytes.size() - m_position; }
    std::size_t Position() const { return m_position; }
    // Fails unless at least count bytes remain.
    void Require(std::size_t count) const;

private:
    std::uint32_t ReadLength(bool allowWideMarker, bool& wide);

    std::string_view m_bytes;
    std::size_t m_position = 0;
};
