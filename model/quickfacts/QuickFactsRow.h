#pragma once

#include <string>

// One row of a breakdown report as the results dialog shows and prints it.
struct CQuickFactsRow {
    // The group column's text, compared without regard to case when sorting by it.
    std::string key;
    // The value column's text.
    std::string value;
    // The key padded with spaces to 50 characters (cut when longer) for printing;
    // year rows print the year as it is.
    std::string printKey;
    // The value right-aligned in 10 characters (never cut) for printing.
    std::string printValue;
    // The value padded on the left with "0" to 10 characters (never cut).
    std::string valueSortKey;
    // The number the value column stands for; sorting by that column compares it.
    long long number = 0;

    bool operator==(const CQuickFactsRow&) const = default;
};
