#include "HeapCounter.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<long long> g_nBytesInUse{0};
std::atomic<long long> g_nPeakBytes{0};

void Count(long long nBytes) {
    long long nNow = g_nBytesInUse += nBytes;
    long long nPeak = g_nPeakBytes;
    while (nNow > nPeak && !g_nPeakBytes.compare_exchange_weak(nPeak, nNow)) {
    }
}

void Release(void* p) noexcept {
    if (p)
        Count(-static_cast<long long>(malloc_usable_size(p)));
    std::free(p);
}

} // namespace

long long HeapBytesInUse() {
    return g_nBytesInUse;
}

long long HeapPeakBytes() {
    return g_nPeakBytes;
}

long long ResetHeapPeak() {
    const long long nNow = g_nBytesInUse;
    g_nPeakBytes = nNow;
    return nNow;
}

void* operator new(std::size_t nSize) {
    void* p = std::malloc(nSize ? nSize : 1);
    if (p == nullptr)
        throw std::bad_alloc();
    Count(static_cast<long long>(malloc_usable_size(p)));
    return p;
}

void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
