#pragma once

// Memory running out on purpose, for the tests of what a program does then:
// AllocationFailure.cpp, linked into a test program, replaces operator new
// and delete with versions on malloc and free, of which new throws
// std::bad_alloc for every allocation of at least a given size while a
// CFailingAllocations lives.

#include <cstddef>

class CFailingAllocations {
public:
    explicit CFailingAllocations(std::size_t nFromSize);
    ~CFailingAllocations();
    CFailingAllocations(const CFailingAllocations&) = delete;
    CFailingAllocations& operator=(const CFailingAllocations&) = delete;

private:
    std::size_t m_nPrevious;
};
