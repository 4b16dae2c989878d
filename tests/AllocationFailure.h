#pragma once

// Memory running out on purpose, for the tests of what a program does then:
// AllocationFailure.cpp, linked into a test program, replaces operator new
// and delete with versions on malloc and free, of which new throws
// std::bad_alloc when told to.

#include <cstddef>
#include <functional>

// Runs run with the nth allocation from now failing; whether it came.
bool FailAllocation(std::size_t nNth, const std::function<void()>& run);
