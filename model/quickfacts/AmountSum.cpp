#include "model/quickfacts/AmountSum.h"

#include <climits>

void CAmountSum::Add(long long amount) {
    const std::uint64_t before = m_low;
    m_low += static_cast<std::uint64_t>(amount);
    // A negative amount is 2^64 - |amount| in the low word, borrowed from the high one.
    m_high += (amount < 0 ? -1 : 0) + (m_low < before ? 1 : 0);
}

long long CAmountSum::Value() const {
    constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
    if (m_high == 0 && m_low < kSignBit)
        return static_cast<long long>(m_low);
    // Negative totals within range: the high word is all ones and the low word's top
    // bit set. LLONG_MIN itself is held at -LLONG_MAX, as every saturated total is.
    if (m_high == -1 && m_low > kSignBit)
        return -static_cast<long long>(~m_low + 1);
    return m_high < 0 ? -LLONG_MAX : LLONG_MAX;
}
