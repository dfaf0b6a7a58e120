#include "model/app/FileTimes.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

namespace filetimes {

namespace {

bool ToLocal(std::time_t time, std::tm& local) {
    return localtime_r(&time, &local) != nullptr;
}

} // namespace

bool CreationTime(const std::string& path, std::tm& localTime, FileTimeKind& kind) {
#if defined(__linux__) && defined(STATX_BTIME)
    struct statx extended;
    if (statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME, &extended) == 0) {
        if (extended.stx_mask & STATX_BTIME) {
            kind = FileTimeKind::Birth;
            return ToLocal(static_cast<std::time_t>(extended.stx_btime.tv_sec), localTime);
        }
        kind = FileTimeKind::Modification;
        return ToLocal(static_cast<std::time_t>(extended.stx_mtime.tv_sec), localTime);
    }
#endif
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return false;
#ifdef __APPLE__
    kind = FileTimeKind::Birth;
    return ToLocal(status.st_birthtimespec.tv_sec, localTime);
#else
    kind = FileTimeKind::Modification;
    return ToLocal(status.st_mtime, localTime);
#endif
}

std::string FormatTimeStamp(const std::tm& time) {
    static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* day = time.tm_wday >= 0 && time.tm_wday < 7 ? kDays[time.tm_wday] : "???";
    const char* month = time.tm_mon >= 0 && time.tm_mon < 12 ? kMonths[time.tm_mon] : "???";
    char text[96];
    std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d %lld", day, month, time.tm_mday,
                  time.tm_hour, time.tm_min, time.tm_sec, 1900LL + time.tm_year);
    return text;
}

} // namespace filetimes
