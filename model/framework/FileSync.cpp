#include "model/framework/FileSync.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace framework {

bool SyncToDisk(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

bool SyncFolder(const std::string& folder) {
#ifdef _WIN32
    // NTFS journals its names; a folder cannot be flushed through the C runtime.
    (void)folder;
    return true;
#else
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return true;
    bool synced = fsync(descriptor) == 0;
    const int error = errno;
    close(descriptor);
    // Some file systems cannot sync a folder; the renamed file is in place there
    // all the same.
    if (!synced && (error == EINVAL || error == EROFS || error == EBADF || error == ENOTSUP))
        synced = true;
    errno = error;
    return synced;
#endif
}

} // namespace framework
