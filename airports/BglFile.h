#pragma once

// The airports a scenery file (.bgl) of the simulator holds, read from the
// parts of the file that hold them: its header, its section table and the
// airport sections' subsection tables and records. Whatever the bytes, the
// reader returns, having read no more than a few times the file's size; a
// file it cannot make sense of is damaged, with the reason and the offset of
// the bytes at fault.

#include "Files.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct CAirportRecord {
    std::string strIdent;
    std::string strName; // code page 1252, as the file holds it; may be empty
    double dLatitude = 0;
    double dLongitude = 0;
    // Whether a delete-airport record is among its children, and its flags:
    // which features of the airports loaded before it this one hides.
    bool bDeletes = false;
    std::uint16_t nDeleteFlags = 0;
    std::uint64_t nOffset = 0; // of the record in the file
};

// The delete flags of runways, starts, frequencies and taxiways (which hold
// the parking spots): all of them hide an airport loaded before.
inline constexpr std::uint16_t kDeletesWholeAirport = 0xE8;
inline bool HidesEarlier(const CAirportRecord& record) {
    return record.bDeletes && (record.nDeleteFlags & kDeletesWholeAirport) == kDeletesWholeAirport;
}

enum class EBglKind {
    kAirports,   // a file of the current format; its airports, if any
    kOldFormat,  // a file of the older format, which holds no airports
    kDamaged,    // not a file the simulator can read
    kUnreadable, // the system would not open or read it
};

struct CBglContents {
    EBglKind kind = EBglKind::kAirports;
    // Why damaged or unreadable, and for damaged the offset at fault.
    std::string strReason;
    std::uint64_t nOffset = 0;
    std::vector<CAirportRecord> airports; // in the order of the file; none when damaged
    // Airport records made for a later simulator: how many, the first one's
    // record id and offset.
    std::uint32_t nLaterRecords = 0;
    std::uint16_t nLaterId = 0;
    std::uint64_t nLaterOffset = 0;
    // Of a damaged file: how many airports were read before the fault, and
    // the idents of the first few, for the user to know what it would bring
    // once mended.
    std::uint32_t nBeforeFault = 0;
    std::vector<std::string> aBeforeFault = {};
    // Unreadable because the caller asked the reader to stop.
    bool bStopped = false;
};

// A number as the reasons and findings give offsets and values: "0x" and
// upper-case hexadecimal digits.
std::string HexNumber(std::uint64_t nValue);

// Where the reader takes its bytes from.
class CBglSource {
public:
    virtual ~CBglSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Up to size bytes at the offset (fewer only at the end), or -1 with the
    // reason when the read failed.
    virtual long long ReadAt(std::uint64_t nOffset, char* pBuffer, std::size_t nSize,
                             std::string& reason) const = 0;
};

// keepGoing, when given, is asked at least every 64 sections and subsections:
// on false the reading stops and the file is kUnreadable, "stopped". A file
// whose tables and airports do not fit in memory is kUnreadable, "too large
// to index".
CBglContents ReadBgl(const CBglSource& source, const std::function<bool()>& keepGoing = {});
// The bytes as a file.
CBglContents ReadBglBytes(std::string_view bytes);
// The file at the disk path; state receives its attributes at its opening
// (bPresent false when there is no such file, which is kUnreadable).
CBglContents ReadBglFile(const std::string& path, CFileAttributes& state,
                         const std::function<bool()>& keepGoing = {});
