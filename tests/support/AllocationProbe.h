#pragma once

#include <cstddef>

// Records the largest single allocation made while a probe exists, so that tests
// can tell a reader that trusts a length prefix from one that checks it first.
// Given a limit, it also refuses (std::bad_alloc) every single allocation larger
// than that, as a machine out of memory would.
class CAllocationProbe {
public:
    explicit CAllocationProbe(std::size_t failAbove = static_cast<std::size_t>(-1));
    ~CAllocationProbe();
    CAllocationProbe(const CAllocationProbe&) = delete;
    CAllocationProbe& operator=(const CAllocationProbe&) = delete;

    std::size_t Largest() const;
};
