#include "model/framework/FixedClock.h"

namespace {
bool ReadDigits(std::string_view text, int& value) {
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
} // namespace

std::optional<CDate> CFixedClock::ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    CDate date;
    if (!ReadDigits(text.substr(0, 4), date.year) || !ReadDigits(text.substr(5, 2), date.month) ||
        !ReadDigits(text.substr(8, 2), date.day))
        return std::nullopt;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.month < 1 || date.month > 12 || date.day < 1)
        return std::nullopt;
    const int days = kDays[date.month - 1] + (date.month == 2 && IsLeapYear(date.year) ? 1 : 0);
    if (date.day > days)
        return std::nullopt;
    return date;
}
