#include "model/core/LabelCollation.h"

#include <array>

namespace {

// What each byte of Windows-1252 stands for in the order: a lower-case ASCII
// letter (or two) for letters, the byte itself for everything else.
struct Folding {
    char first = 0;
    char second = 0;
};

constexpr std::array<Folding, 256> MakeFoldings() {
    std::array<Folding, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[static_cast<std::size_t>(byte)] = {static_cast<char>(byte), 0};
    for (int byte = 'A'; byte <= 'Z'; ++byte)
        table[static_cast<std::size_t>(byte)] = {static_cast<char>(byte - 'A' + 'a'), 0};
    const auto set = [&table](int byte, char first, char second = 0) {
        table[static_cast<std::size_t>(byte)] = {first, second};
    };
    // Both cases of the accented letters of the code page.
    for (const int base : {0xC0, 0xE0}) {
        for (int k = 0; k < 6; ++k)
            set(base + k, 'a'); // A grave .. A ring
        set(base + 6, 'a', 'e');
        set(base + 7, 'c');
        for (int k = 8; k < 12; ++k)
            set(base + k, 'e');
        for (int k = 12; k < 16; ++k)
            set(base + k, 'i');
        set(base + 16, 'd'); // eth
        set(base + 17, 'n');
        for (int k = 18; k < 23; ++k)
            set(base + k, 'o');
        set(base + 24, 'o'); // o stroke
        for (int k = 25; k < 29; ++k)
            set(base + k, 'u');
        set(base + 29, 'y');
        set(base + 30, 't', 'h'); // thorn
    }
    set(0xDF, 's', 's');
    set(0xFF, 'y');
    set(0x8A, 's'); // S caron
    set(0x9A, 's');
    set(0x8C, 'o', 'e');
    set(0x9C, 'o', 'e');
    set(0x8E, 'z'); // Z caron
    set(0x9E, 'z');
    set(0x9F, 'y'); // Y diaeresis
    return table;
}

constexpr std::array<Folding, 256> kFoldings = MakeFoldings();

} // namespace

namespace collation {

std::string KeyOf(const std::string& label) {
    std::string key;
    key.reserve(label.size());
    for (const char byte : label) {
        const Folding& folding = kFoldings[static_cast<unsigned char>(byte)];
        key.push_back(folding.first);
        if (folding.second != 0)
            key.push_back(folding.second);
    }
    return key;
}

} // namespace collation

std::string collation::UpperOf(std::string text) {
    for (char& byte : text) {
        const auto code = static_cast<unsigned char>(byte);
        if ((code >= 'a' && code <= 'z') || (code >= 0xE0 && code <= 0xFE && code != 0xF7))
            byte = static_cast<char>(code - 0x20);
        else if (code == 0x9A || code == 0x9C || code == 0x9E)
            byte = static_cast<char>(code - 0x10);
        else if (code == 0xFF)
            byte = static_cast<char>(0x9F);
    }
    return text;
}
