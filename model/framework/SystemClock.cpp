#include "model/framework/SystemClock.h"

#include <ctime>

CDate CSystemClock::Today() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return CDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}
