#include "model/framework/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace framework {

namespace {

RegularFile Failed(int error) {
    RegularFile result;
    result.error = error ? error : EIO;
    return result;
}

RegularFile Refused(bool folder) {
    RegularFile result;
    if (folder) {
        result.error = EISDIR;
    } else {
        result.outcome = OpenOutcome::NotRegularFile;
    }
    return result;
}

} // namespace

RegularFile OpenRegularFile(const std::string& path) {
    // A device is not even opened: opening some has effects of its own.
    struct stat status {};
    if (stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        return Refused(S_ISDIR(status.st_mode));
    // Opening a named pipe for reading blocks until a writer comes, unless the
    // open is non-blocking; the descriptor's own status then tells what was opened,
    // even if the name was replaced since the check above.
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return Failed(errno);
    if (fstat(descriptor, &status) != 0) {
        const int error = errno;
        close(descriptor);
        return Failed(error);
    }
    if (!S_ISREG(status.st_mode)) {
        close(descriptor);
        return Refused(S_ISDIR(status.st_mode));
    }
    const int flags = fcntl(descriptor, F_GETFL);
    if (flags < 0 || fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int error = errno;
        close(descriptor);
        return Failed(error);
    }
    std::FILE* file = fdopen(descriptor, "rb");
    if (!file) {
        const int error = errno;
        close(descriptor);
        return Failed(error);
    }
    RegularFile result;
    result.outcome = OpenOutcome::Opened;
    result.file = file;
    result.size = static_cast<std::uintmax_t>(status.st_size);
    return result;
}

bool MayReplace(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return true;
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return false;
    return access(path.c_str(), W_OK) == 0 || errno == ENOENT;
}

bool IsSameFile(const std::string& first, const std::string& second) {
    std::error_code ec;
    return std::filesystem::equivalent(first, second, ec) && !ec;
}

} // namespace framework
