#include "model/quickfacts/YearTable.h"

CYearTable::CYearTable() : m_totals(kLastYear + 1), m_counts(kLastYear + 1, 0) {}

void CYearTable::Add(long long year, long long amount) {
    if (!InRange(year)) {
        m_otherTotal.Add(amount);
        ++m_otherCount;
        return;
    }
    const auto slot = static_cast<std::size_t>(year);
    m_totals[slot].Add(amount);
    ++m_counts[slot];
}

long long CYearTable::GetTotal(int year) const {
    return InRange(year) ? m_totals[static_cast<std::size_t>(year)].Value() : 0;
}

int CYearTable::GetItemCount(int year) const {
    return InRange(year) ? m_counts[static_cast<std::size_t>(year)] : 0;
}
