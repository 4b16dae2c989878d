#include "AllocationFailure.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// The allocations until the one that fails; none while 0.
std::atomic<std::size_t> g_nCountdown{0};

void* Allocate(std::size_t nSize) noexcept {
    if (g_nCountdown.load(std::memory_order_relaxed) != 0 && g_nCountdown.fetch_sub(1) == 1)
        return nullptr;
    return std::malloc(nSize != 0 ? nSize : 1);
}

void* AllocateOrThrow(std::size_t nSize) {
    if (void* p = Allocate(nSize))
        return p;
    throw std::bad_alloc();
}

} // namespace

bool FailAllocation(std::size_t nNth, const std::function<void()>& run) {
    g_nCountdown = nNth;
    run();
    return g_nCountdown.exchange(0) == 0;
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
