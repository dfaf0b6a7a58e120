#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace framework {

// How OpenRegularFile ended.
enum class OpenOutcome {
    Opened,
    // The path names a named pipe, a device, a socket or the like; nothing was read.
    NotRegularFile,
    // The system refused; error holds its errno value.
    Failed,
};

// A file opened for reading by OpenRegularFile.
struct RegularFile {
    OpenOutcome outcome = OpenOutcome::Failed;
    // Set only when Opened; the caller closes it with std::fclose.
    std::FILE* file = nullptr;
    // The file's size when it was opened.
    std::uintmax_t size = 0;
    int error = 0;
};

// Opens path for reading only if it names a regular file. A named pipe without a
// writer or a device is refused without ever waiting on it; a folder fails with
// EISDIR.
RegularFile OpenRegularFile(const std::string& path);

// False when a file exists at path that the user may not write: the system denies
// it, or its permissions give no one the right to write (which the system does not
// enforce for an administrator, but which says the file is meant to stay as it is).
bool MayReplace(const std::string& path);

// True when both paths name one existing file (the same device and inode), through
// whatever links or other names; false when either does not exist.
bool IsSameFile(const std::string& first, const std::string& second);

} // namespace framework
