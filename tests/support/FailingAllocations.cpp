#include "support/FailingAllocations.h"

#include <cstdlib>
#include <new>

namespace {
long allocationsBeforeFailure = -1;  // -1: nothing armed
bool failed = false;
}  // namespace

void FailAllocationAfter(long count) {
    allocationsBeforeFailure = count;
    failed = false;
}

bool AllocationFailed() { return failed; }

void* operator new(std::size_t size) {
    if (allocationsBeforeFailure == 0) {
        allocationsBeforeFailure = -1;
        failed = true;
        throw std::bad_alloc();
    }
    if (allocationsBeforeFailure > 0) --allocationsBeforeFailure;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
