#include "model/framework/FileMessages.h"

#include <cerrno>

namespace filemessages {

std::string FileErrorText(int errorNumber, const std::string& path) {
    switch (errorNumber) {
    case ENOENT:
        return path + " was not found.";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return "Access to " + path + " was denied.";
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return path + " contains an invalid path.";
    case EMFILE:
    case ENFILE:
        return path + " could not be opened because there are too many open files.";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return "Disk full while accessing " + path + ".";
    case EIO:
        return "A hardware I/O error was reported while accessing " + path + ".";
    case EBUSY:
        return "A sharing violation occurred while accessing " + path + ".";
    default:
        return "An unexpected error occurred while accessing " + path + ".";
    }
}

std::string NotRegularFileText(const std::string& path) {
    return path + " is not a regular file.";
}

} // namespace filemessages
