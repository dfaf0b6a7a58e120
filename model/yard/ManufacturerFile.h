#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/framework/FileResult.h"
#include "model/yard/Manufacturer.h"

// What ExtMFile.mst holds: the manufacturers with their products, and the texts of
// the records that were skipped because they do not hold six fields.
struct CManufacturerFileContents {
    CManufacturerList manufacturers;
    std::vector<std::string> incompleteRecords;
};

// The reader of the external manufacturer file: 8-bit text, records ended by
// CR LF, six fields separated by "|", bytes 0xF1 to 0xF9 substituted.
namespace manufacturerfile {

inline constexpr const char* kFileName = "ExtMFile.mst";

// The characters that the bytes 0xF1, 0xF2, ... 0xF9 of the file stand for.
inline constexpr unsigned char kFirstSubstitutedByte = 0xF1;
inline constexpr std::array<char, 9> kSubstitutes = {'-', '.', '/', '#', '&', '\'', ',', '(', ')'};

// A larger file is refused before anything is read: the program holds the whole
// file and every product in memory (a 100000-product file is about 6 MB).
inline constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{64} << 20;

// The character a byte of the file stands for.
constexpr char Decode(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    const unsigned index = static_cast<unsigned>(value) - kFirstSubstitutedByte;
    return index < kSubstitutes.size() ? kSubstitutes[index] : byte;
}

// Receives the text of each incomplete record (substituted, without its CR LF).
using IncompleteRecordSink = std::function<void(std::string_view record)>;

// Reads a file image. Text after the last CR LF is ignored. A record without six
// non-empty fields is passed to onIncomplete (when given) and skipped.
CManufacturerList Parse(std::string_view bytes, const IncompleteRecordSink& onIncomplete = {});

// Reads the file at path into contents; onIncomplete is also told of every
// incomplete record as it is met. When the file cannot be read (or is larger than
// kMaxFileSize) the result is Failed with the description of the file error, and
// contents is left empty.
FileResult Load(const std::string& path, CManufacturerFileContents& contents,
                const IncompleteRecordSink& onIncomplete = {});

// The message for the user when the file could not be loaded: the fixed lead-in
// followed by the description of the file error.
CUserText LoadFailure(CUserText fileError);
std::string LoadFailureMessage(const std::string& fileError);
// The message for the user about one incomplete record. Only the first
// kIncompleteRecordsShown records get one each, so that a damaged file does not
// bury the user under boxes; SkippedRecordsMessage then tells how many more there
// were.
CUserText IncompleteRecordMessage(std::string_view record);
inline constexpr std::size_t kIncompleteRecordsShown = 3;
CUserText SkippedRecordsMessage(std::size_t count);

} // namespace manufacturerfile
