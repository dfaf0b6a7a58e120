#include "model/framework/FileSync.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace framework {

bool SyncToDisk(std::FILE* file) {
    return fsync(fileno(file)) == 0;
}

bool SyncFolder(const std::string& folder) {
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
}

} // namespace framework
