#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/core/InventoryElement.h"
#include "model/framework/FileResult.h"

// What an .inv file holds.
struct CInventoryFileContents {
    std::string signature; // as read; empty for a zero-byte file
    unsigned version = 0;  // as read; 0 for a zero-byte file
    std::vector<std::unique_ptr<CInventoryElement>> items;
    std::vector<std::string> searchHistory;
};

// The reader and the writer of the .inv format.
namespace inventoryformat {

inline constexpr std::string_view kPrimarySignature = "GAUGEWRIGHT";
inline constexpr std::string_view kSecondarySignature = "SIDINGWARD";
inline constexpr unsigned kVersion = 213;
inline constexpr std::size_t kMaxItems = 65535;
inline constexpr std::size_t kStoredSearchHistory = 10;

// Reads a file image. A zero-byte image is an empty inventory. A foreign
// signature gives WrongSignature with nothing more read; a damaged or truncated
// image gives Failed with "Unexpected file format." and contents left empty.
FileResult Read(std::string_view bytes, CInventoryFileContents& contents);

// The file image of an inventory: always version 213 with the primary signature,
// and at most the first ten search texts. The caller makes sure that there are at
// most kMaxItems items.
std::string Write(const std::vector<std::unique_ptr<CInventoryElement>>& items,
                  const std::vector<std::string>& searchHistory);

} // namespace inventoryformat
