#include "model/core/CodePage1252.h"

#include <array>

namespace codepage1252 {
namespace {

// Code points of the bytes 0x80 to 0x9F; the unassigned ones keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; advances i. Nothing on malformed input.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra;
    char32_t cp;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + extra >= text.size())
        return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    i += extra + 1;
    return cp;
}

} // namespace

char32_t ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> FromUnicode(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<unsigned char>(codePoint);
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == codePoint)
            return static_cast<unsigned char>(0x80 + k);
    }
    return std::nullopt;
}

std::string CharacterToUtf8(char32_t codePoint) {
    std::string out;
    AppendUtf8(out, codePoint);
    return out;
}

std::string ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes)
        AppendUtf8(out, ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto cp = DecodeUtf8(utf8, i);
        if (!cp)
            return std::nullopt;
        const auto byte = FromUnicode(*cp);
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

bool HasUtf8Mark(std::string_view bytes) {
    return bytes.substr(0, 3) == "\xEF\xBB\xBF";
}

TextEncoding DetectEncoding(std::string_view bytes) {
    if (HasUtf8Mark(bytes))
        return TextEncoding::Utf8;
    bool high = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        high = true;
        if (!DecodeUtf8(bytes, i))
            return TextEncoding::Windows1252;
    }
    return high ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

std::optional<Utf8Failure> FromUtf8InPlace(std::string& text) {
    std::size_t read = HasUtf8Mark(text) ? 3 : 0;
    std::size_t written = 0;
    std::size_t line = 1;
    while (read < text.size()) {
        if (static_cast<unsigned char>(text[read]) < 0x80) {
            if (text[read] == '\n')
                ++line;
            text[written++] = text[read++];
            continue;
        }
        const auto cp = DecodeUtf8(text, read);
        if (!cp)
            return Utf8Failure{line, std::nullopt};
        const auto byte = FromUnicode(*cp);
        if (!byte)
            return Utf8Failure{line, *cp};
        text[written++] = static_cast<char>(*byte);
    }
    text.resize(written);
    return std::nullopt;
}

} // namespace codepage1252
