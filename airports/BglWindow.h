#pragma once

// Positioned reads of a scenery file whose cost is bounded by the file's
// size whatever its tables say, and the order to walk its tables and spans
// in for that.

#include "BglFile.h"

#include <cstddef>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

// Reads are rounded up to pages of 4 KB and take at most 64 KB ahead of what
// is asked.
inline constexpr std::uint64_t kPage = 4 * 1024;
inline constexpr std::size_t kWindowSize = 64 * 1024;

// What the reader walks from its start on: a table, or a span of records.
struct CExtent {
    std::uint64_t nStart = 0;
    std::uint64_t nEnd = 0;
    bool Short() const { return nEnd - nStart <= kWindowSize; }
};

// Positioned reads through one buffer of the file. A crafted file can point
// its subsection tables and record spans anywhere, in any order, small spans
// scattered over it: read where each is asked for, each would cost a read of
// its own. So the reader walks the items of each kind in the order
// WalkOrder gives, the short ones by the page they start on and the long
// ones after them, and the window
// - while it walks a short item, keeps every byte it holds from the item's
//   first page on. The next short item starts on that page or a later one,
//   so the window never goes back: the walk of the short items reads no byte
//   twice, the file at most once (give or take the one read that may go back
//   to the first item's page);
// - reads a long item forward from the bytes asked for to no further than
//   its end: at most the item's bytes.
// The items' sizes add up to no more than the file, or the file is damaged
// (CBglReader::Walk); the header and section table are read once, forward.
// So a file costs at most its size for the section table, twice its size for
// the short tables and spans and once more for the long ones: four times a
// file of airport records, which the reader reads once.
class CBglWindow {
public:
    explicit CBglWindow(const CBglSource& source) : m_source(source), m_nSize(source.Size()) {}

    std::uint64_t FileSize() const { return m_nSize; }
    const std::string& Failure() const { return m_strFailure; }

    // The bytes from the offset on, which lie in the item; null when the
    // read failed.
    const char* Bytes(std::uint64_t nOffset, std::size_t nSize, const CExtent& item);

private:
    const CBglSource& m_source;
    std::uint64_t m_nSize;
    std::vector<char> m_buffer;
    std::uint64_t m_nStart = 0; // the offset of the buffer's first byte
    std::string m_strFailure;
};

// The order to walk items in (see CBglWindow): the short ones by the page they
// start on, then the long ones, each group in the order given. The items of
// most files come in that order already.
template <class FExtent>
std::vector<std::uint32_t> WalkOrder(std::size_t nItems, std::uint64_t nFileSize,
                                     const FExtent& extentOf) {
    const std::size_t nLong = static_cast<std::size_t>(nFileSize / kPage) + 1;
    const auto group = [&](std::size_t n) {
        const CExtent item = extentOf(n);
        return item.Short() ? static_cast<std::size_t>(item.nStart / kPage) : nLong;
    };
    std::vector<std::uint32_t> aOrder(nItems);
    std::size_t n = 1;
    while (n < nItems && group(n - 1) <= group(n))
        ++n;
    if (n >= nItems) {
        std::iota(aOrder.begin(), aOrder.end(), 0u);
        return aOrder;
    }
    // Counted, then placed: linear in the items, as a sort of hundreds of
    // thousands of them would not be.
    std::vector<std::uint32_t> aNext(nLong + 2);
    for (n = 0; n < nItems; ++n)
        ++aNext[group(n) + 1];
    std::partial_sum(aNext.begin(), aNext.end(), aNext.begin());
    for (n = 0; n < nItems; ++n)
        aOrder[aNext[group(n)]++] = static_cast<std::uint32_t>(n);
    return aOrder;
}

// The items of a walk lie in memory in the tables' order and are taken in the
// file's: the one a few ahead asked for now, their fetches from memory
// overlap rather than follow each other, a fifth of the time of a file of
// hundreds of thousands of them.
template <class TItem>
void FetchAhead(const std::vector<TItem>& items, const std::vector<std::uint32_t>& order,
                std::size_t n) {
    constexpr std::size_t kAhead = 16;
    if (n + kAhead < order.size())
        __builtin_prefetch(&items[order[n + kAhead]]);
}
