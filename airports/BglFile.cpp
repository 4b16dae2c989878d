#include "BglFile.h"

#include "Ident.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

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

// The most the reader holds of a file at once; a name longer than this is cut.
constexpr std::size_t kWindowSize = 64 * 1024;

std::uint16_t U16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t U32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

// Positioned reads through one window of the file, so that the small
// records of one subsection cost one read of the system between them.
class CWindow {
public:
    explicit CWindow(const CBglSource& source) : m_source(source), m_nSize(source.Size()) {}

    std::uint64_t FileSize() const { return m_nSize; }
    const std::string& Failure() const { return m_strFailure; }

    // The bytes from the offset on, size at most the window's; null when
    // they do not all lie in the file or the read failed.
    const char* Bytes(std::uint64_t nOffset, std::size_t nSize) {
        if (nOffset > m_nSize || nSize > m_nSize - nOffset)
            return nullptr;
        if (nOffset >= m_nStart && nOffset + nSize <= m_nStart + m_nFilled)
            return m_buffer.data() + (nOffset - m_nStart);
        // No larger than the file's rest: most files are far smaller than
        // the window, and each byte of the buffer is cleared before the read.
        const std::size_t nWant =
            static_cast<std::size_t>(std::min<std::uint64_t>(kWindowSize, m_nSize - nOffset));
        m_buffer.resize(nWant);
        const long long nRead = m_source.ReadAt(nOffset, m_buffer.data(), nWant, m_strFailure);
        m_nStart = nOffset;
        m_nFilled = nRead < 0 ? 0 : static_cast<std::size_t>(nRead);
        if (nRead < 0)
            return nullptr;
        // A file cut while it is being read.
        if (m_nFilled < nSize) {
            m_strFailure = "the file got shorter while it was read";
            return nullptr;
        }
        return m_buffer.data();
    }

private:
    const CBglSource& m_source;
    std::uint64_t m_nSize;
    std::vector<char> m_buffer;
    std::uint64_t m_nStart = 0;
    std::size_t m_nFilled = 0;
    std::string m_strFailure;
};

// Walks the file; each step returns false once the file is found damaged
// or unreadable, with the outcome recorded.
class CBglReader {
public:
    CBglReader(const CBglSource& source, CBglContents& contents)
        : m_window(source), m_contents(contents) {}

    // The idents a damaged file names before its fault.
    static constexpr std::size_t kNamedBeforeFault = 5;

    void Read() {
        if (ReadHeader())
            ReadSections();
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
        m_contents.kind = EBglKind::kDamaged;
        m_contents.strReason = std::move(reason);
        m_contents.nOffset = nOffset;
        return false;
    }

    // The bytes, which the caller has found to lie in the file; false when
    // the system failed to read them.
    const char* Bytes(std::uint64_t nOffset, std::size_t nSize) {
        const char* p = m_window.Bytes(nOffset, nSize);
        if (p == nullptr) {
            m_contents.kind = EBglKind::kUnreadable;
            m_contents.strReason = m_window.Failure();
            m_contents.nOffset = nOffset;
        }
        return p;
    }

    bool Fits(std::uint64_t nOffset, std::uint64_t nSize) const {
        return nOffset <= m_window.FileSize() && nSize <= m_window.FileSize() - nOffset;
    }

    bool ReadHeader() {
        const std::uint64_t nFileSize = m_window.FileSize();
        if (nFileSize < 4)
            return Damaged("shorter than 4 bytes", 0);
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

    void ReadSections() {
        for (std::uint64_t n = 0; n < m_nSections; ++n) {
            const std::uint64_t nEntry = kHeaderSize + n * kSectionEntrySize;
            const char* p = Bytes(nEntry, kSectionEntrySize);
            if (p == nullptr)
                return;
            if (U32(p) != kAirportSection)
                continue;
            const std::uint64_t nEntrySize = (U32(p + 4) & kWideEntries) ? 20 : 16;
            const std::uint64_t nCount = U32(p + 8);
            const std::uint64_t nTable = U32(p + 12);
            const std::uint64_t nTableSize = U32(p + 16);
            if (!Fits(nTable, nTableSize)) {
                Damaged("a subsection table runs past the end of the file", nEntry + 12);
                return;
            }
            if (nTableSize < nCount * nEntrySize) {
                Damaged("a subsection table of " + std::to_string(nTableSize) +
                            " bytes is smaller than its " + std::to_string(nCount) + " entries",
                        nEntry + 8);
                return;
            }
            if (!Walk(nCount * nEntrySize, nEntry + 8))
                return;
            if (!ReadSubsections(nTable, nCount, nEntrySize))
                return;
        }
    }

    // Tables and records of a file each lie in their own bytes, so that their
    // sizes add up to no more than the file. Tables or spans given again and
    // again would have a file of a few hundred kilobytes yield millions of
    // airports: such a file is damaged.
    bool Walk(std::uint64_t nSize, std::uint64_t nOffset) {
        m_nWalked += nSize;
        return m_nWalked <= m_window.FileSize() ||
               Damaged("the airport sections give the same bytes more than once", nOffset);
    }

    bool ReadSubsections(std::uint64_t nTable, std::uint64_t nCount, std::uint64_t nEntrySize) {
        // The wide entry has a second cell word before the count.
        const std::size_t nCountAt = nEntrySize == 20 ? 8 : 4;
        for (std::uint64_t n = 0; n < nCount; ++n) {
            const std::uint64_t nEntry = nTable + n * nEntrySize;
            const char* p = Bytes(nEntry, static_cast<std::size_t>(nEntrySize));
            if (p == nullptr)
                return false;
            const std::uint64_t nRecords = U32(p + nCountAt + 4);
            const std::uint64_t nSize = U32(p + nCountAt + 8);
            if (!Fits(nRecords, nSize))
                return Damaged("the records of a subsection run past the end of the file",
                               nEntry + nCountAt + 4);
            if (!Walk(nSize, nEntry + nCountAt + 8) || !ReadRecords(nRecords, nRecords + nSize))
                return false;
        }
        return true;
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
                if (m_contents.nLaterRecords++ == 0) {
                    m_contents.nLaterId = nId;
                    m_contents.nLaterOffset = nAt;
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
        m_contents.airports.push_back(std::move(airport));
        return true;
    }

    CWindow m_window;
    CBglContents& m_contents;
    std::uint64_t m_nSections = 0;
    std::uint64_t m_nWalked = 0; // the bytes of the tables and records walked
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

CBglContents ReadBgl(const CBglSource& source) {
    CBglContents contents;
    CBglReader(source, contents).Read();
    return contents;
}

CBglContents ReadBglBytes(std::string_view bytes) {
    return ReadBgl(CBytesSource(bytes));
}

CBglContents ReadBglFile(const std::string& path, CFileAttributes& state) {
    CReadOnlyFile file;
    const CFileResult opened = file.Open(path);
    state = {opened.disk.bPresent, opened.disk.nSize, opened.disk.nWriteTime};
    if (!opened) {
        CBglContents contents;
        contents.kind = EBglKind::kUnreadable;
        contents.strReason =
            opened.status == EFileStatus::kMissing ? "the file is not there" : opened.strReason;
        state.bPresent = opened.status != EFileStatus::kMissing;
        return contents;
    }
    return ReadBgl(CFileSource(file));
}
