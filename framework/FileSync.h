#pragma once

#include <cstdio>

namespace framework {

// Asks the system to put a written file's data on the disk; false (errno set)
// when it reports an error.
bool SyncToDisk(std::FILE* file);

} // namespace framework
