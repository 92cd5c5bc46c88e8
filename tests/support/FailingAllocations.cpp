#include "support/FailingAllocations.h"

#include <cstdlib>
#include <new>

namespace {
long allocationsBeforeFailure = -1;  // -1: nothing armed
bool failed = false;
long live = 0;
}  // namespace

void FailAllocationAfter(long count) {
    allocationsBeforeFailure = count;
    failed = false;
}

bool AllocationFailed() { return failed; }

long LiveAllocations() { return live; }

void* operator new(std::size_t size) {
    if (allocationsBeforeFailure == 0) {
        allocationsBeforeFailure = -1;
        failed = true;
        throw std::bad_alloc();
    }
    if (allocationsBeforeFailure > 0) --allocationsBeforeFailure;
    void* memory = std::malloc(size ? size : 1);
    if (!memory) throw std::bad_alloc();
    ++live;
    return memory;
}

void operator delete(void* memory) noexcept {
    if (memory) --live;
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept { operator delete(memory); }

// The test framework of newer Debian releases asks for some blocks without exceptions. They go
// through the same malloc and free as the rest, so the sanitizers see each block freed the way it
// was allocated; the game never asks this way, so these never fail on purpose.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    void* memory = std::malloc(size ? size : 1);
    if (memory) ++live;
    return memory;
}
void operator delete(void* memory, const std::nothrow_t&) noexcept { operator delete(memory); }
