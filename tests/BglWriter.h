#pragma once

// Scenery files (.bgl) of the current format made from the format's facts,
// for tests, benchmarks and the sample simulator folder: an airport section
// of the airports given, after a section of another kind that readers must
// skip.

#include "Ident.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct CTestAirport {
    // Every field but the ident optional, without a warning for each left out.
    CTestAirport(std::string ident, std::string name = {}, double dLat = 0, double dLon = 0,
                 std::optional<std::uint16_t> flags = {}, std::uint16_t nRecordId = 0x0003)
        : strIdent(std::move(ident)), strName(std::move(name)), dLatitude(dLat), dLongitude(dLon),
          deleteFlags(flags), nId(nRecordId) {}

    std::string strIdent;
    std::string strName;
    double dLatitude;
    double dLongitude;
    std::optional<std::uint16_t> deleteFlags; // a delete-airport child with these flags
    std::uint16_t nId;                        // the record id: a later simulator's gives another
};

struct CBglLayout {
    bool bWideEntries = false;  // subsection entries of 20 bytes
    bool bOtherSection = true;  // a scenery-object section before the airports
    bool bTerminateName = true; // the name followed by a NUL
};

inline void PutLe(std::string& bytes, std::uint64_t nValue, int nBytes) {
    for (int n = 0; n < nBytes; ++n)
        bytes += static_cast<char>(nValue >> (8 * n) & 0xFF);
}

inline void SetLe(std::string& bytes, std::size_t nAt, std::uint64_t nValue, int nBytes) {
    for (int n = 0; n < nBytes; ++n)
        bytes[nAt + static_cast<std::size_t>(n)] = static_cast<char>(nValue >> (8 * n) & 0xFF);
}

// A record or child: its id, its size with the header, then the body.
inline std::string BglRecord(std::uint16_t nId, const std::string& body) {
    std::string bytes;
    PutLe(bytes, nId, 2);
    PutLe(bytes, body.size() + 6, 4);
    return bytes + body;
}

// The packed ident as real files hold it: shifted, with the low bit set.
inline std::uint32_t StoredIdent(const std::string& ident) {
    return PackIdent(ident).value_or(0) << 5 | 1;
}

inline std::string AirportRecordBytes(const CTestAirport& airport, bool bTerminateName = true) {
    std::string fixed;
    PutLe(fixed, 1, 1); // runways
    PutLe(fixed, 1, 1); // COMs
    PutLe(fixed, 1, 1); // starts
    PutLe(fixed, 0, 1); // approaches
    PutLe(fixed, airport.deleteFlags ? 0x80 : 0, 1);
    PutLe(fixed, 0, 1); // helipads
    const auto nLongitude =
        static_cast<std::uint32_t>((airport.dLongitude + 180) * 0x30000000 / 360);
    const auto nLatitude = static_cast<std::uint32_t>((90 - airport.dLatitude) * 0x20000000 / 180);
    PutLe(fixed, nLongitude, 4);
    PutLe(fixed, nLatitude, 4);
    PutLe(fixed, 100000, 4); // 100 m
    PutLe(fixed, nLongitude, 4);
    PutLe(fixed, nLatitude, 4);
    PutLe(fixed, 100000, 4);
    PutLe(fixed, 0, 4); // magnetic variation
    PutLe(fixed, StoredIdent(airport.strIdent), 4);
    PutLe(fixed, 0, 8);
    std::string children =
        BglRecord(0x0019, airport.strName + (bTerminateName ? std::string(1, '\0') : ""));
    if (airport.deleteFlags) {
        std::string body;
        PutLe(body, *airport.deleteFlags, 2);
        PutLe(body, 0, 4); // no single runways, starts or frequencies
        children += BglRecord(0x0033, body);
    }
    std::string runway(0x30, '\0');
    children += BglRecord(0x0004, runway);
    return BglRecord(airport.nId, fixed + children);
}

// One section of the type, of one subsection holding the records, laid out
// after the header and the section table; the entries are filled once the
// offsets are known.
struct CBglSection {
    std::uint32_t nType;
    std::string records;
    std::uint32_t nRecords;
};

inline std::string BglFile(const std::vector<CBglSection>& sections, bool bWideEntries = false) {
    std::string bytes;
    PutLe(bytes, 0x19920201, 4);
    PutLe(bytes, 0x38, 4);
    PutLe(bytes, 0, 8);
    PutLe(bytes, 0x08051803, 4);
    PutLe(bytes, sections.size(), 4);
    bytes.append(32, '\0');
    const std::size_t nTable = bytes.size();
    bytes.append(sections.size() * 20, '\0');
    const std::uint32_t nEntrySize = bWideEntries ? 20 : 16;
    for (std::size_t n = 0; n < sections.size(); ++n) {
        const std::size_t nSubsections = bytes.size();
        const std::size_t nRecords = nSubsections + nEntrySize;
        PutLe(bytes, 0x2A5, 4); // the cell
        if (bWideEntries)
            PutLe(bytes, 0, 4);
        PutLe(bytes, sections[n].nRecords, 4);
        PutLe(bytes, nRecords, 4);
        PutLe(bytes, sections[n].records.size(), 4);
        bytes += sections[n].records;
        const std::size_t nEntry = nTable + n * 20;
        SetLe(bytes, nEntry, sections[n].nType, 4);
        SetLe(bytes, nEntry + 4, bWideEntries ? 0x10000 : 0, 4);
        SetLe(bytes, nEntry + 8, 1, 4);
        SetLe(bytes, nEntry + 12, nSubsections, 4);
        SetLe(bytes, nEntry + 16, nEntrySize, 4);
    }
    return bytes;
}

// A file of the airports; with none, a file of other scenery only.
inline std::string MakeBglFile(const std::vector<CTestAirport>& airports,
                               const CBglLayout& layout = {}) {
    std::vector<CBglSection> sections;
    if (layout.bOtherSection || airports.empty())
        sections.push_back({0x25, BglRecord(0x0101, std::string(26, '\0')), 1});
    if (!airports.empty()) {
        std::string records;
        for (const CTestAirport& airport : airports)
            records += AirportRecordBytes(airport, layout.bTerminateName);
        sections.push_back({3, records, static_cast<std::uint32_t>(airports.size())});
    }
    return BglFile(sections, layout.bWideEntries);
}
