#pragma once

#include <optional>
#include <string_view>

#include "model/framework/Clock.h"

// A clock that always gives the same date (tests, --today of the command-line tool).
class CFixedClock : public CClock {
public:
    explicit CFixedClock(CDate today) : m_today(today) {}
    CDate Today() const override { return m_today; }

    // Reads "YYYY-MM-DD"; nothing when the text is not a valid date.
    static std::optional<CDate> ParseIsoDate(std::string_view text);

private:
    CDate m_today;
};
