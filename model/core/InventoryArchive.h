#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/framework/FileResult.h"

class CSidingWardDoc;

// Archives (.gwz): an inventory together with its pictures and the catalogue, in
// one ZIP file that can travel to another machine. The archive holds
//   inventory.inv          the inventory, each picture path as pictures/<n>-<name>
//   pictures/<n>-<name>    the pictures, stored as they are (they are compressed)
//   Classyrd.mst           the Classification Yard catalogue, when one was given
namespace inventoryarchive {

inline constexpr std::string_view kInventoryEntry = "inventory.inv";
inline constexpr std::string_view kCatalogueEntry = "Classyrd.mst";
inline constexpr std::string_view kPictureFolder = "pictures/";

// Unpacking refuses archives that would fill the disk: more than this in all, or
// more than kMaxExpansion times the archive's own size.
inline constexpr std::uint64_t kMaxUnpackedBytes = std::uint64_t{4} << 30;
inline constexpr std::uint64_t kMaxExpansion = 100;

// What WriteArchive left out.
struct CArchiveWriteResult {
    FileResult result;
    // The picture paths (as the items hold them, each once) whose file could not be
    // read: missing, unreadable or not a regular file. Their items keep the path.
    std::vector<std::string> missingPictures;
};

// Writes the document's items, search history and pictures, and the catalogue at
// cataloguePath (none when empty), to an archive at target. The archive is written
// beside target and renamed over it at the end, with the refusals of every save: a
// failure leaves target as it was. An inventory the file format cannot hold, and a
// target that is the inventory's file, the catalogue or a picture, are refused
// before anything is written.
CArchiveWriteResult WriteArchive(const CSidingWardDoc& document, const std::string& cataloguePath,
                                 const std::string& target);

// Where UnpackArchive put the inventory and the catalogue.
struct CUnpackedArchive {
    std::string inventoryPath;
    std::string cataloguePath; // empty when the archive holds no catalogue
};

// Unpacks the archive at archivePath into folder, which must not exist yet or be
// empty. The unpacked inventory names its pictures by their absolute paths in
// folder. Everything is unpacked into a new folder beside folder and renamed into
// place only when all went well, so a failure leaves nothing behind. Refused: an
// entry outside the layout above or that is not a plain file ("The archive holds an
// unsafe entry: NAME."), an archive that would unpack to more than the limits
// above (checked on the sizes the archive declares and on the bytes written), and
// a damaged archive (the message names it).
FileResult UnpackArchive(const std::string& archivePath, const std::string& folder,
                         CUnpackedArchive& unpacked);

} // namespace inventoryarchive
