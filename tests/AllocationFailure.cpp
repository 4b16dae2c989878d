#include "AllocationFailure.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// The smallest allocation that fails: none while no CFailingAllocations lives.
std::atomic<std::size_t> g_nFailFrom{static_cast<std::size_t>(-1)};

void* Allocate(std::size_t nSize) noexcept {
    if (nSize >= g_nFailFrom.load(std::memory_order_relaxed))
        return nullptr;
    return std::malloc(nSize != 0 ? nSize : 1);
}

void* AllocateOrThrow(std::size_t nSize) {
    if (void* p = Allocate(nSize))
        return p;
    throw std::bad_alloc();
}

} // namespace

CFailingAllocations::CFailingAllocations(std::size_t nFromSize)
    : m_nPrevious(g_nFailFrom.exchange(nFromSize)) {}

CFailingAllocations::~CFailingAllocations() {
    g_nFailFrom = m_nPrevious;
}

// Every form without alignment, so that no block is given by one allocator
// and freed by another: AddressSanitizer, whose own forms these replace,
// would report that.
void* operator new(std::size_t nSize) {
    return AllocateOrThrow(nSize);
}
void* operator new[](std::size_t nSize) {
    return AllocateOrThrow(nSize);
}
void* operator new(std::size_t nSize, const std::nothrow_t&) noexcept {
    return Allocate(nSize);
}
void* operator new[](std::size_t nSize, const std::nothrow_t&) noexcept {
    return Allocate(nSize);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
