#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/core/InventoryElement.h"
#include "model/framework/FileResult.h"

using CValueList = std::vector<std::string>;

// What a Classyrd.mst file holds. Lists and headings are indexed by attribute
// index; Item Number (2) has no list.
struct CYardFileContents {
    std::string signature; // as read; empty for a zero-byte file
    unsigned version = 0;  // as read; 0 for a zero-byte file
    std::array<CValueList, kAttributeCount> values;
    std::array<std::string, kAttributeCount> headings;
    bool useManufacturerFile = true;
    bool useWizard = true;
};

// The reader and the writer of the catalogue file.
namespace yardformat {

inline constexpr unsigned kVersion = 214;
// The 16-bit record count also counts the 30 heading, filler and preference records.
inline constexpr std::size_t kFixedRecords = 30;
inline constexpr std::size_t kMaxValueEntries = 65535 - kFixedRecords;

// The record tag of an attribute's value list (0 for Item Number) and of its heading.
int ValueTag(int attribute);
int HeadingTag(int attribute);

// Reads a file image. A zero-byte image is an empty catalogue. A foreign signature
// gives WrongSignature with nothing read; a truncated image gives Failed with
// "Unexpected file format." and contents left empty.
FileResult Read(std::string_view bytes, CYardFileContents& contents);

// The file image: signature, version 214, the value records list by list in tag
// order, the headings in tag order, fillers and the two preferences. The caller
// makes sure the lists hold at most kMaxValueEntries entries in all.
std::string Write(const CYardFileContents& contents);

} // namespace yardformat
