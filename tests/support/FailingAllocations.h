#ifndef TARVELLO_TESTS_FAILING_ALLOCATIONS_H
#define TARVELLO_TESTS_FAILING_ALLOCATIONS_H

// The test program's operator new can be made to run out of memory on purpose, so a test can
// see what a failure at each allocation of a constructor leaves behind.

// The next count allocations succeed and the one after raises std::bad_alloc; later ones
// succeed again.
void FailAllocationAfter(long count);

// True once the armed failure has happened; arming again clears it.
bool AllocationFailed();

// Blocks from operator new not yet given back to operator delete.
long LiveAllocations();

#endif
