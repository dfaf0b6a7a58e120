#include "support/AllocationProbe.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> g_probing{false};
std::atomic<std::size_t> g_largest{0};
std::atomic<std::size_t> g_failAbove{static_cast<std::size_t>(-1)};
} // namespace

CAllocationProbe::CAllocationProbe(std::size_t failAbove) {
    g_largest = 0;
    g_failAbove = failAbove;
    g_probing = true;
}

CAllocationProbe::~CAllocationProbe() {
    g_probing = false;
    g_failAbove = static_cast<std::size_t>(-1);
}

std::size_t CAllocationProbe::Largest() const {
    return g_largest;
}

// The test program's global allocation functions: plain malloc and free, plus the probe.
void* operator new(std::size_t size) {
    if (g_probing) {
        std::size_t seen = g_largest;
        while (size > seen && !g_largest.compare_exchange_weak(seen, size)) {
        }
        if (size > g_failAbove)
            throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
