#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Builds a file image from the storage primitives: little-endian words and
// archive strings in their shortest form.
class CArchiveWriter {
public:
    void WriteByte(std::uint8_t value) { m_bytes += static_cast<char>(value); }
    void WriteWord(std::uint16_t value);
    void WriteDword(std::uint32_t value);
    // Texts of 4 GiB or more cannot be stored; callers keep texts far below that.
    void WriteString(std::string_view text);

    const std::string& Bytes() const { return m_bytes; }
    std::string TakeBytes() { return std::move(m_bytes); }
    void Reserve(std::size_t bytes) { m_bytes.reserve(bytes); }

private:
    std::string m_bytes;
};
