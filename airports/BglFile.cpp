#include "BglFile.h"

#include "BglWindow.h"
#include "Ident.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <new>
#include <numeric>
#include <optional>

namespace {

constexpr std::uint32_t kMagic = 0x19920201;
constexpr std::uint32_t kHeaderSize = 0x38;
constexpr std::uint64_t kSectionEntrySize = 20;
constexpr std::uint32_t kAirportSection = 3;
// Subsection entries of 20 bytes rather than 16.
constexpr std::uint32_t kWideEntries = 0x10000;
constexpr std::uint64_t kRecordHeaderSize = 6;
constexpr std::uint64_t kAirportFixedSize = 0x34;
constexpr std::uint16_t kAirportRecord = 0x0003;
constexpr std::uint16_t kNameRecord = 0x0019;
constexpr std::uint16_t kDeleteRecord = 0x0033;
// Airport records of the simulators after this one, in the same section.
constexpr std::array<std::uint16_t, 3> kLaterAirportRecords = {0x003C, 0x00AB, 0x0056};

// Sections and subsections walked between two looks at whether to go on.
constexpr std::uint64_t kStepsPerLook = 64;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);
// The fault of tables and spans that walk more bytes than the file holds.
constexpr const char* kGivenTwice = "the airport sections give the same bytes more than once";

std::uint16_t U16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t U32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

// An airport section: its entry, its subsection table, and where its
// subsections begin among the file's.
struct CSection {
    std::uint32_t nIndex = 0; // in the section table
    std::uint32_t nTable = 0;
    std::uint32_t nCount = 0;
    std::uint32_t nEntrySize = 0; // 16 or 20
    std::size_t nFirst = 0;

    std::uint64_t Entry() const { return kHeaderSize + nIndex * kSectionEntrySize; }
    CExtent Table() const { return {nTable, nTable + std::uint64_t{nCount} * nEntrySize}; }
    // Of a subsection's entry, the offset of its records' offset; their
    // size follows. The wide entry has a second cell word before the count.
    std::uint64_t RecordsAt(std::uint64_t n) const {
        return nTable + n * nEntrySize + (nEntrySize == 20 ? 12 : 8);
    }
};

// A subsection's records as its entry gives them, and what walking them found.
struct CSpan {
    std::uint32_t nAt = 0;
    std::uint32_t nSize = 0;
    std::uint32_t nFirstAirport = 0; // among the airports found, in the order walked
    std::uint32_t nAirports = 0;
    std::uint32_t nLater = 0;

    CExtent Records() const { return {nAt, std::uint64_t{nAt} + nSize}; }
};

struct CFault {
    std::string strReason;
    std::uint64_t nOffset = 0;
};

// Reads the header and section table, then the airport sections' subsection
// tables, then their records, each kind in the order the window reads best
// (see CBglWindow). What the file holds, its fault and what comes before it are
// as the tables order them, as the simulator walks them: the entries and the
// walk are checked in that order before any record is read, the findings of
// each span are kept apart, and put together in that order at the end. A
// step returns false once the file is unreadable, or damaged before any
// section.
class CBglReader {
public:
    CBglReader(const CBglSource& source, CBglContents& contents,
               const std::function<bool()>& keepGoing)
        : m_window(source), m_contents(contents), m_keepGoing(keepGoing) {}

    // The idents a damaged file names before its fault.
    static constexpr std::size_t kNamedBeforeFault = 5;

    void Read() {
        if (!ReadHeader()) {
            if (m_fault)
                SetDamaged(std::move(*m_fault));
        } else if (ReadSectionTable() && ReadSubsectionTables() && WalkSpans()) {
            Assemble();
        }
        if (m_contents.kind == EBglKind::kDamaged) {
            m_contents.nBeforeFault = static_cast<std::uint32_t>(m_contents.airports.size());
            for (std::size_t n = 0; n < std::min(m_contents.airports.size(), kNamedBeforeFault);
                 ++n)
                m_contents.aBeforeFault.push_back(m_contents.airports[n].strIdent);
        }
        if (m_contents.kind != EBglKind::kAirports)
            m_contents.airports.clear();
    }

private:
    bool Damaged(std::string reason, std::uint64_t nOffset) {
        m_fault = CFault{std::move(reason), nOffset};
        return false;
    }

    void SetDamaged(CFault fault) {
        m_contents.kind = EBglKind::kDamaged;
        m_contents.strReason = std::move(fault.strReason);
        m_contents.nOffset = fault.nOffset;
    }

    bool Failed() const { return m_contents.kind == EBglKind::kUnreadable; }

    bool KeepGoing() {
        if (++m_nSteps % kStepsPerLook != 0 || !m_keepGoing || m_keepGoing())
            return true;
        m_contents.kind = EBglKind::kUnreadable;
        m_contents.strReason = "stopped";
        m_contents.bStopped = true;
        return false;
    }

    // The bytes of the item walked, which the caller has found to lie in it;
    // null when the system failed to read them.
    const char* Bytes(std::uint64_t nOffset, std::size_t nSize) {
        const char* p = m_window.Bytes(nOffset, nSize, m_item);
        if (p == nullptr) {
            m_contents.kind = EBglKind::kUnreadable;
            m_contents.strReason = m_window.Failure();
            m_contents.nOffset = nOffset;
        }
        return p;
    }

    std::uint64_t FileSize() const { return m_window.FileSize(); }

    bool Fits(std::uint64_t nOffset, std::uint64_t nSize) const {
        return nOffset <= FileSize() && nSize <= FileSize() - nOffset;
    }

    bool ReadHeader() {
        const std::uint64_t nFileSize = FileSize();
        if (nFileSize < 4)
            return Damaged("shorter than 4 bytes", 0);
        // The header with up to a window's bytes after it: the whole of most
        // files, their tables and records following it, in one read.
        m_item = {0, std::min<std::uint64_t>(nFileSize, kWindowSize)};
        const char* p =
            Bytes(0, static_cast<std::size_t>(std::min<std::uint64_t>(nFileSize, kHeaderSize)));
        if (p == nullptr)
            return false;
        if (U32(p) != kMagic) {
            const std::uint16_t nFirst = U16(p);
            if (nFirst >= 1 && nFirst <= 255) {
                m_contents.kind = EBglKind::kOldFormat;
                return false;
            }
            return Damaged("not a scenery file of either format", 0);
        }
        // The fields in their order: where the header is cut, if it is.
        constexpr std::array<std::uint64_t, 5> kFields = {0x04, 0x08, 0x10, 0x14, 0x18};
        for (std::size_t n = 0; n < kFields.size(); ++n) {
            const std::uint64_t nEnd = n + 1 < kFields.size() ? kFields[n + 1] : kHeaderSize;
            if (nFileSize < nEnd)
                return Damaged("the header is cut short", kFields[n]);
            if (n == 0 && U32(p + 4) != kHeaderSize)
                return Damaged("a header size of " + HexNumber(U32(p + 4)) + " rather than 0x38",
                               4);
        }
        m_nSections = U32(p + 0x14);
        if (!Fits(kHeaderSize, m_nSections * kSectionEntrySize))
            return Damaged("the table of " + std::to_string(m_nSections) +
                               " sections runs past the end of the file",
                           kHeaderSize);
        return true;
    }

    // The airport sections up to the first whose entry is at fault, which
    // is the file's fault unless its records come to one first.
    bool ReadSectionTable() {
        m_item = {kHeaderSize, kHeaderSize + m_nSections * kSectionEntrySize};
        std::uint64_t nTables = 0;
        std::size_t nSpans = 0;
        for (std::uint64_t n = 0; n < m_nSections; ++n) {
            if (!KeepGoing())
                return false;
            const std::uint64_t nEntry = kHeaderSize + n * kSectionEntrySize;
            const char* p = Bytes(nEntry, kSectionEntrySize);
            if (p == nullptr)
                return false;
            if (U32(p) != kAirportSection)
                continue;
            const CSection section{static_cast<std::uint32_t>(n), U32(p + 12), U32(p + 8),
                                   (U32(p + 4) & kWideEntries) ? 20u : 16u, nSpans};
            const std::uint64_t nTableSize = U32(p + 16);
            if (!Fits(section.nTable, nTableSize)) {
                m_pending = CFault{"a subsection table runs past the end of the file", nEntry + 12};
                break;
            }
            const std::uint64_t nTableUsed = section.Table().nEnd - section.nTable;
            if (nTableSize < nTableUsed) {
                m_pending = CFault{"a subsection table of " + std::to_string(nTableSize) +
                                       " bytes is smaller than its " +
                                       std::to_string(section.nCount) + " entries",
                                   nEntry + 8};
                break;
            }
            // The tables alone give more bytes than the file: this section's,
            // walked, is at fault if nothing before it is.
            nTables += nTableUsed;
            if (nTables > FileSize()) {
                m_pending = CFault{kGivenTwice, nEntry + 8};
                break;
            }
            m_sections.push_back(section);
            nSpans += static_cast<std::size_t>(section.nCount);
        }
        m_spans.resize(nSpans);
        return true;
    }

    bool ReadSubsectionTables() {
        const auto tableOf = [&](std::size_t n) { return m_sections[n].Table(); };
        const std::vector<std::uint32_t> aOrder = WalkOrder(m_sections.size(), FileSize(), tableOf);
        for (std::size_t k = 0; k < aOrder.size(); ++k) {
            FetchAhead(m_sections, aOrder, k);
            const CSection& section = m_sections[aOrder[k]];
            m_item = section.Table();
            for (std::uint64_t n = 0; n < section.nCount; ++n) {
                if (!KeepGoing())
                    return false;
                const std::uint64_t nRecordsAt = section.RecordsAt(n);
                const char* p = Bytes(nRecordsAt, 8);
                if (p == nullptr)
                    return false;
                CSpan& span = m_spans[section.nFirst + static_cast<std::size_t>(n)];
                span.nAt = U32(p);
                span.nSize = U32(p + 4);
            }
        }
        return true;
    }

    // Tables and records of a file each lie in their own bytes, so that their
    // sizes add up to no more than the file. Tables or spans given again and
    // again would have a file of a few hundred kilobytes yield millions of
    // airports: such a file is damaged.
    bool Walk(std::uint64_t& nWalked, std::uint64_t nSize, std::uint64_t nOffset) {
        nWalked += nSize;
        if (nWalked <= FileSize())
            return true;
        m_pending = CFault{kGivenTwice, nOffset};
        return false;
    }

    // The spans before the first that its entry or the walk puts at fault,
    // in the tables' order.
    std::size_t WalkableSpans() {
        std::uint64_t nWalked = 0;
        for (const CSection& section : m_sections) {
            if (!Walk(nWalked, section.Table().nEnd - section.nTable, section.Entry() + 8))
                return section.nFirst;
            for (std::uint64_t n = 0; n < section.nCount; ++n) {
                const std::size_t nSpan = section.nFirst + static_cast<std::size_t>(n);
                const std::uint64_t nRecordsAt = section.RecordsAt(n);
                if (!Fits(m_spans[nSpan].nAt, m_spans[nSpan].nSize)) {
                    m_pending = CFault{"the records of a subsection run past the end of the file",
                                       nRecordsAt};
                    return nSpan;
                }
                if (!Walk(nWalked, m_spans[nSpan].nSize, nRecordsAt + 4))
                    return nSpan;
            }
        }
        return m_spans.size();
    }

    bool WalkSpans() {
        m_nWalkable = WalkableSpans();
        const auto recordsOf = [&](std::size_t n) { return m_spans[n].Records(); };
        const std::vector<std::uint32_t> aOrder = WalkOrder(m_nWalkable, FileSize(), recordsOf);
        for (std::size_t k = 0; k < aOrder.size(); ++k) {
            FetchAhead(m_spans, aOrder, k);
            const std::size_t nSpan = aOrder[k];
            // What a span after the first fault holds does not count.
            if (nSpan > m_nFaultSpan)
                continue;
            if (!KeepGoing())
                return false;
            CSpan& span = m_spans[nSpan];
            m_nSpan = nSpan;
            m_item = span.Records();
            span.nFirstAirport = static_cast<std::uint32_t>(m_found.size());
            const bool bRead = ReadRecords(m_item.nStart, m_item.nEnd);
            span.nAirports = static_cast<std::uint32_t>(m_found.size()) - span.nFirstAirport;
            if (!bRead) {
                if (Failed())
                    return false;
                m_nFaultSpan = nSpan;
                m_spanFault = std::move(m_fault);
            }
        }
        return true;
    }

    // The airports and later records of the spans in the tables' order, up
    // to the first fault.
    void Assemble() {
        const std::size_t nSpans = m_nFaultSpan != kNone ? m_nFaultSpan + 1 : m_nWalkable;
        std::size_t nAirports = 0;
        std::uint32_t nLater = 0;
        bool bInOrder = true;
        for (std::size_t n = 0; n < nSpans; ++n) {
            bInOrder = bInOrder && m_spans[n].nFirstAirport == nAirports;
            nAirports += m_spans[n].nAirports;
            nLater += m_spans[n].nLater;
        }
        if (bInOrder) {
            m_found.erase(m_found.begin() + static_cast<std::ptrdiff_t>(nAirports), m_found.end());
            m_contents.airports = std::move(m_found);
        } else {
            m_contents.airports.reserve(nAirports);
            for (std::size_t n = 0; n < nSpans; ++n) {
                const auto first = m_found.begin() + m_spans[n].nFirstAirport;
                std::move(first, first + m_spans[n].nAirports,
                          std::back_inserter(m_contents.airports));
            }
        }
        if (nLater > 0) {
            m_contents.nLaterRecords = nLater;
            m_contents.nLaterId = m_nLaterId;
            m_contents.nLaterOffset = m_nLaterOffset;
        }
        if (m_nFaultSpan != kNone)
            SetDamaged(std::move(*m_spanFault));
        else if (m_pending)
            SetDamaged(std::move(*m_pending));
    }

    // Each record's header, if it lies in the span; its id and size.
    bool RecordAt(std::uint64_t nAt, std::uint64_t nEnd, std::uint16_t& nId, std::uint64_t& nSize,
                  const char* pszWhat) {
        if (nEnd - nAt < kRecordHeaderSize)
            return Damaged(std::string("a ") + pszWhat + " header runs past its end", nAt);
        const char* p = Bytes(nAt, kRecordHeaderSize);
        if (p == nullptr)
            return false;
        nId = U16(p);
        nSize = U32(p + 2);
        if (nSize < kRecordHeaderSize)
            return Damaged(std::string("a ") + pszWhat + " of size " + std::to_string(nSize), nAt);
        if (nSize > nEnd - nAt)
            return Damaged(std::string("a ") + pszWhat + " of size " + std::to_string(nSize) +
                               " runs past its end",
                           nAt);
        return true;
    }

    bool ReadRecords(std::uint64_t nAt, std::uint64_t nEnd) {
        while (nAt < nEnd) {
            std::uint16_t nId = 0;
            std::uint64_t nSize = 0;
            if (!RecordAt(nAt, nEnd, nId, nSize, "record"))
                return false;
            if (nId == kAirportRecord) {
                if (!ReadAirport(nAt, nSize))
                    return false;
            } else if (std::find(kLaterAirportRecords.begin(), kLaterAirportRecords.end(), nId) !=
                       kLaterAirportRecords.end()) {
                if (m_spans[m_nSpan].nLater++ == 0 && m_nSpan < m_nLaterSpan) {
                    m_nLaterSpan = m_nSpan;
                    m_nLaterId = nId;
                    m_nLaterOffset = nAt;
                }
            }
            nAt += nSize;
        }
        return true;
    }

    bool ReadAirport(std::uint64_t nAt, std::uint64_t nSize) {
        if (nSize < kAirportFixedSize)
            return Damaged("an airport record of size " + std::to_string(nSize) +
                               " is shorter than its fixed part",
                           nAt);
        const char* p = Bytes(nAt, kAirportFixedSize);
        if (p == nullptr)
            return false;
        CAirportRecord airport;
        airport.nOffset = nAt;
        airport.dLongitude = U32(p + 0x0C) * 360.0 / 0x30000000 - 180;
        airport.dLatitude = 90 - U32(p + 0x10) * 180.0 / 0x20000000;
        const std::uint32_t nPacked = U32(p + 0x28);
        std::optional<std::string> ident = UnpackIdent(nPacked >> 5);
        if (!ident)
            return Damaged("an airport ident that does not decode (" + HexNumber(nPacked) + ")",
                           nAt + 0x28);
        airport.strIdent = std::move(*ident);
        const std::uint64_t nEnd = nAt + nSize;
        for (std::uint64_t nChild = nAt + kAirportFixedSize; nChild < nEnd;) {
            std::uint16_t nId = 0;
            std::uint64_t nChildSize = 0;
            if (!RecordAt(nChild, nEnd, nId, nChildSize, "child record"))
                return false;
            if (nId == kNameRecord) {
                // A name longer than a window is cut.
                const std::size_t nText = static_cast<std::size_t>(
                    std::min<std::uint64_t>(nChildSize - kRecordHeaderSize, kWindowSize));
                const char* pText = Bytes(nChild + kRecordHeaderSize, nText);
                if (pText == nullptr)
                    return false;
                airport.strName.assign(pText, strnlen(pText, nText));
            } else if (nId == kDeleteRecord) {
                if (nChildSize < kRecordHeaderSize + 2)
                    return Damaged("a delete-airport record too short for its flags", nChild);
                const char* pFlags = Bytes(nChild + kRecordHeaderSize, 2);
                if (pFlags == nullptr)
                    return false;
                airport.bDeletes = true;
                airport.nDeleteFlags = U16(pFlags);
            }
            nChild += nChildSize;
        }
        m_found.push_back(std::move(airport));
        return true;
    }

    CBglWindow m_window;
    CBglContents& m_contents;
    const std::function<bool()>& m_keepGoing;
    std::uint64_t m_nSteps = 0;
    std::uint64_t m_nSections = 0;
    CExtent m_item;                // the header, table or span walked
    std::optional<CFault> m_fault; // of the step at hand
    // The fault of a section's entry or the walk, which is the file's unless
    // a span before it holds one.
    std::optional<CFault> m_pending;
    std::vector<CSection> m_sections;
    std::vector<CSpan> m_spans;  // of all airport sections, in the tables' order
    std::size_t m_nWalkable = 0; // the spans before the first at fault by its entry or the walk
    std::size_t m_nSpan = 0;     // walked
    // The airports of the spans walked, each span's together.
    std::vector<CAirportRecord> m_found;
    // The first span, in the tables' order, found at fault; its fault.
    std::size_t m_nFaultSpan = kNone;
    std::optional<CFault> m_spanFault;
    // The first span, in the tables' order, with later records; its first.
    std::size_t m_nLaterSpan = kNone;
    std::uint16_t m_nLaterId = 0;
    std::uint64_t m_nLaterOffset = 0;
};

class CBytesSource final : public CBglSource {
public:
    explicit CBytesSource(std::string_view bytes) : m_bytes(bytes) {}
    std::uint64_t Size() const override { return m_bytes.size(); }
    long long ReadAt(std::uint64_t nOffset, char* pBuffer, std::size_t nSize,
                     std::string&) const override {
        const std::string_view part = m_bytes.substr(static_cast<std::size_t>(nOffset), nSize);
        std::memcpy(pBuffer, part.data(), part.size());
        return static_cast<long long>(part.size());
    }

private:
    std::string_view m_bytes;
};

class CFileSource final : public CBglSource {
public:
    explicit CFileSource(const CReadOnlyFile& file) : m_file(file) {}
    std::uint64_t Size() const override { return m_file.Size(); }
    long long ReadAt(std::uint64_t nOffset, char* pBuffer, std::size_t nSize,
                     std::string& reason) const override {
        return m_file.ReadAt(nOffset, pBuffer, nSize, reason);
    }

private:
    const CReadOnlyFile& m_file;
};

} // namespace

std::string HexNumber(std::uint64_t nValue) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(nValue));
    return text;
}

CBglContents ReadBgl(const CBglSource& source, const std::function<bool()>& keepGoing) {
    // Taken before anything else: once memory has run out, saying so must
    // not need more.
    std::string tooLarge = "too large to index";
    try {
        CBglContents contents;
        CBglReader(source, contents, keepGoing).Read();
        return contents;
    } catch (const std::bad_alloc&) {
        CBglContents contents;
        contents.kind = EBglKind::kUnreadable;
        contents.strReason = std::move(tooLarge);
        return contents;
    }
}

CBglContents ReadBglBytes(std::string_view bytes) {
    return ReadBgl(CBytesSource(bytes));
}

CBglContents ReadBglFile(const std::string& path, CFileAttributes& state,
                         const std::function<bool()>& keepGoing) {
    CReadOnlyFile file;
    const CFileResult opened = file.Open(path);
    state = file.Attributes();
    if (!opened) {
        CBglContents contents;
        contents.kind = EBglKind::kUnreadable;
        contents.strReason =
            opened.status == EFileStatus::kMissing ? "the file is not there" : opened.strReason;
        state.bPresent = opened.status != EFileStatus::kMissing;
        return contents;
    }
    return ReadBgl(CFileSource(file), keepGoing);
}
