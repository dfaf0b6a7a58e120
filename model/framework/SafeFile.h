#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/framework/FileResult.h"

// Every file of the program is read and written through these two functions.
namespace safefile {

inline constexpr std::uintmax_t kNoSizeLimit = ~std::uintmax_t{0};

// Reads the whole file into bytes. On failure the result carries the system's
// description of the error and bytes is left empty. Only a regular file is read:
// a named pipe or a device is refused ("PATH is not a regular file.") without
// waiting on it. A file larger than maxBytes is refused with a message; a file is
// read only up to the size it had when it was opened.
FileResult ReadAll(const std::string& path, std::string& bytes,
                   std::uintmax_t maxBytes = kNoSizeLimit);

// Writes bytes to a temporary file beside path, flushes it to the disk and only
// then renames it over path, so that a failed write leaves the old file as it
// was. A file that is replaced keeps its permissions; a symbolic link keeps
// pointing at the file it named. A file the user may not write is refused, left
// as it was. The new name is synced to the disk with its folder.
FileResult WriteAll(const std::string& path, std::string_view bytes);

} // namespace safefile
