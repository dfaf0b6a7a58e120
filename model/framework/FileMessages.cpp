#include "model/framework/FileMessages.h"

#include <cerrno>

namespace filemessages {

namespace {

const char* FileErrorPattern(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return GW_TRANSLATE_NOOP("Messages", "%1 was not found.");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return GW_TRANSLATE_NOOP("Messages", "Access to %1 was denied.");
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return GW_TRANSLATE_NOOP("Messages", "%1 contains an invalid path.");
    case EMFILE:
    case ENFILE:
        return GW_TRANSLATE_NOOP("Messages",
                                 "%1 could not be opened because there are too many open files.");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return GW_TRANSLATE_NOOP("Messages", "Disk full while accessing %1.");
    case EIO:
        return GW_TRANSLATE_NOOP("Messages",
                                 "A hardware I/O error was reported while accessing %1.");
    case EBUSY:
        return GW_TRANSLATE_NOOP("Messages", "A sharing violation occurred while accessing %1.");
    default:
        return GW_TRANSLATE_NOOP("Messages", "An unexpected error occurred while accessing %1.");
    }
}

} // namespace

CUserText FileError(int errorNumber, const std::string& path) {
    return CUserText::Make(FileErrorPattern(errorNumber), path);
}

std::string FileErrorText(int errorNumber, const std::string& path) {
    return FileError(errorNumber, path).English();
}

CUserText NotRegularFile(const std::string& path) {
    return CUserText::Make(GW_TRANSLATE_NOOP("Messages", "%1 is not a regular file."), path);
}

std::string NotRegularFileText(const std::string& path) {
    return NotRegularFile(path).English();
}

} // namespace filemessages
