#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Builds file images by hand, independently of the program's archive writer.
class CByteBuilder {
public:
    CByteBuilder& Byte(std::uint8_t value) {
        m_bytes += static_cast<char>(value);
        return *this;
    }
    CByteBuilder& Word(std::uint16_t value) { return Byte(value & 0xFF).Byte(value >> 8); }
    CByteBuilder& Dword(std::uint32_t value) {
        return Word(static_cast<std::uint16_t>(value))
            .Word(static_cast<std::uint16_t>(value >> 16));
    }
    CByteBuilder& Raw(std::string_view bytes) {
        m_bytes += bytes;
        return *this;
    }
    // An archive string with its shortest length prefix.
    CByteBuilder& Text(std::string_view text) {
        if (text.size() < 255)
            Byte(static_cast<std::uint8_t>(text.size()));
        else if (text.size() < 65534)
            Byte(0xFF).Word(static_cast<std::uint16_t>(text.size()));
        else
            Byte(0xFF).Word(0xFFFF).Dword(static_cast<std::uint32_t>(text.size()));
        return Raw(text);
    }

    const std::string& Bytes() const { return m_bytes; }
    operator const std::string&() const { return m_bytes; }

private:
    std::string m_bytes;
};
