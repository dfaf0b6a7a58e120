#pragma once

#include <cstdint>
#include <cstdio>
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
// pointing at the file it named. A file the user may not write, or something that
// is not a regular file (a named pipe, a device), is refused and left as it was.
// The new name is synced to the disk with its folder.
FileResult WriteAll(const std::string& path, std::string_view bytes);

// A new file written beside the file it is to replace, for writers that cannot
// hand their bytes to WriteAll (a PDF printer writes its own file).
struct Replacement {
    std::string target;    // the file replaced: path with its symbolic links followed
    std::string temporary; // the new file, in target's folder
};

// Starts replacing path under the rules of WriteAll: refuses what WriteAll
// refuses, and makes an empty temporary file beside the target. When file is
// given it receives that file opened for writing (the caller closes it);
// otherwise the file is closed. On success the caller writes the temporary file,
// then calls CommitReplacement or DiscardReplacement.
FileResult BeginReplacement(const std::string& path, Replacement& replacement,
                            std::FILE** file = nullptr);

// Syncs the written temporary file to the disk and renames it over the target,
// which keeps its permissions. On failure the temporary file is removed and the
// target is left as it was; the message names path.
FileResult CommitReplacement(const std::string& path, const Replacement& replacement);

// Removes the temporary file of a replacement that will not be committed.
void DiscardReplacement(const Replacement& replacement);

} // namespace safefile
