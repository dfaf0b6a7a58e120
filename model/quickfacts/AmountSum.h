#pragma once

#include <cstdint>

// A running total of amount values that cannot overflow: it is kept in 128 bits
// (two words, so no compiler extension is needed), and only the result is held
// within -LLONG_MAX..LLONG_MAX. The result therefore depends on the amounts alone,
// never on the order they were added in; a 64-bit total that saturated on the way
// would let later amounts pull it back.
class CAmountSum {
public:
    void Add(long long amount);

    // The total, or LLONG_MAX / -LLONG_MAX when it lies beyond them.
    long long Value() const;

private:
    // The total is m_high * 2^64 + m_low.
    std::uint64_t m_low = 0;
    std::int64_t m_high = 0;
};
