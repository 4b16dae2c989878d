#include "BglWindow.h"

#include <algorithm>

namespace {

// The buffer's size past which a read lets go of the bytes before the item
// walked.
constexpr std::size_t kBufferSize = 4 * kWindowSize;

std::uint64_t PageOf(std::uint64_t nOffset) {
    return nOffset / kPage * kPage;
}

std::uint64_t PageEnd(std::uint64_t nOffset) {
    return PageOf(nOffset + kPage - 1);
}

} // namespace

const char* CBglWindow::Bytes(std::uint64_t nOffset, std::size_t nSize, const CExtent& item) {
    const std::uint64_t nEnd = m_nStart + m_buffer.size();
    if (nOffset >= m_nStart && nOffset + nSize <= nEnd)
        return m_buffer.data() + (nOffset - m_nStart);
    std::uint64_t nKeep = nOffset;
    if (item.Short())
        nKeep =
            item.nStart >= m_nStart ? std::max(PageOf(item.nStart), m_nStart) : PageOf(item.nStart);
    std::uint64_t nFrom = nEnd;
    if (nKeep < m_nStart || nKeep > nEnd) {
        m_buffer.clear();
        m_nStart = nFrom = nKeep;
    } else if (m_buffer.size() > kBufferSize) {
        // Only now and then, so that the bytes kept are moved seldom.
        m_buffer.erase(m_buffer.begin(),
                       m_buffer.begin() + static_cast<std::ptrdiff_t>(nKeep - m_nStart));
        m_nStart = nKeep;
    }
    const std::uint64_t nNeed =
        item.Short() ? std::min(PageEnd(nOffset + nSize), m_nSize) : nOffset + nSize;
    const std::uint64_t nAhead = item.Short() ? std::min(PageEnd(item.nEnd), m_nSize) : item.nEnd;
    const std::size_t nWant =
        static_cast<std::size_t>(std::max(nNeed, std::min(nAhead, nFrom + kWindowSize)) - nFrom);
    const std::size_t nHeld = m_buffer.size();
    m_buffer.resize(nHeld + nWant);
    const long long nRead = m_source.ReadAt(nFrom, m_buffer.data() + nHeld, nWant, m_strFailure);
    m_buffer.resize(nHeld + (nRead < 0 ? 0 : static_cast<std::size_t>(nRead)));
    if (nRead < 0)
        return nullptr;
    // A file cut while it is being read.
    if (nOffset + nSize > m_nStart + m_buffer.size()) {
        m_strFailure = "the file got shorter while it was read";
        return nullptr;
    }
    return m_buffer.data() + (nOffset - m_nStart);
}
