#pragma once

#include <cstddef>

// Records the largest single allocation made while a probe exists, so that tests
// can tell a reader that trusts a length prefix from one that checks it first.
class CAllocationProbe {
public:
    CAllocationProbe();
    ~CAllocationProbe();
    CAllocationProbe(const CAllocationProbe&) = delete;
    CAllocationProbe& operator=(const CAllocationProbe&) = delete;

    std::size_t Largest() const;
};
