#pragma once

#include <cstdio>
#include <string>

namespace framework {

// Asks the system to put a written file's data on the disk; false (errno set)
// when it reports an error.
bool SyncToDisk(std::FILE* file);

// Asks the system to put the folder's list of names on the disk, so that a file
// just renamed into it keeps its new name after a power loss. True also where the
// system cannot sync a folder (the file system does not support it, or the folder
// cannot be opened for reading); false (errno set) when the disk reports an error.
bool SyncFolder(const std::string& folder);

} // namespace framework
