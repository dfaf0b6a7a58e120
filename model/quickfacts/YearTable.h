#pragma once

#include <vector>

#include "model/quickfacts/AmountSum.h"

// Totals of one money attribute by purchase year: a slot for every year 0 to 9999,
// each knowing whether any item has that year (so a year whose items total 0 is
// still present), and one more bucket for the years outside that range.
class CYearTable {
public:
    static constexpr int kFirstYear = 0;
    static constexpr int kLastYear = 9999;

    CYearTable();

    // Counts one item of that year and adds its amount; a total beyond the
    // 64-bit range reads as +-LLONG_MAX, whatever the order of the items.
    void Add(long long year, long long amount);

    // Whether any item has the year; false for years outside 0..9999.
    bool HasYear(int year) const { return GetItemCount(year) > 0; }
    // The total of the year's items; 0 when there are none.
    long long GetTotal(int year) const;
    int GetItemCount(int year) const;

    // The items whose purchase year lies outside 0..9999.
    bool HasOtherYears() const { return m_otherCount > 0; }
    long long GetOtherYearsTotal() const { return m_otherTotal.Value(); }
    int GetOtherYearsItemCount() const { return m_otherCount; }

private:
    static bool InRange(long long year) { return year >= kFirstYear && year <= kLastYear; }

    std::vector<CAmountSum> m_totals;
    std::vector<int> m_counts;
    CAmountSum m_otherTotal;
    int m_otherCount = 0;
};
