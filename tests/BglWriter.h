#pragma once

// Scenery files (.bgl) of the current format made from the format's facts,
// for tests and the sample simulator folder: an airport section of the
// airports given, after a section of another kind that readers must skip.

#include "Ident.h"

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

struct CTestAirport {
    std::string strIdent;
    std::string strName = {};
    double dLatitude = 0;
    double dLongitude = 0;
    std::optional<std::uint16_t> deleteFlags = {}; // a delete-airport child with these flags
    std::uint16_t nId = 0x0003; // the record id: a later simulator's gives another
};

struct CBglLayout {
    bool bWideEntries = false;  // subsection entries of 20 bytes
    bool bOtherSection = true;  // a scenery-object section before the airports
    bool bTerminateName = true; // the name followed by a NUL
};

// The value's low bytes, least significant first.
inline std::string Le(std::uint64_t nValue, int nBytes = 4) {
    std::string bytes;
    for (int n = 0; n < nBytes; ++n)
        bytes += static_cast<char>(nValue >> (8 * n) & 0xFF);
    return bytes;
}

// The bytes with the value's low bytes put at the offset.
inline std::string With(std::string bytes, std::size_t nAt, std::uint64_t nValue, int nBytes = 4) {
    bytes.replace(nAt, static_cast<std::size_t>(nBytes), Le(nValue, nBytes));
    return bytes;
}

// A record or child: its id, its size with the header, then the body.
inline std::string BglRecord(std::uint16_t nId, const std::string& body) {
    return Le(nId, 2) + Le(body.size() + 6) + body;
}

inline std::string AirportRecordBytes(const CTestAirport& airport, bool bTerminateName) {
    // Longitude, latitude and an altitude of 100 m, for the position and the tower.
    const std::string position =
        Le(static_cast<std::uint32_t>((airport.dLongitude + 180) * 0x30000000 / 360)) +
        Le(static_cast<std::uint32_t>((90 - airport.dLatitude) * 0x20000000 / 180)) + Le(100000);
    // A runway, a COM and a start, no approach, the apron byte, no helipad;
    // after the positions no magnetic variation, then the ident as real files
    // hold it: shifted, with the low bit set.
    std::string body =
        std::string("\1\1\1\0", 4) + Le(airport.deleteFlags ? 0x80 : 0, 1) + '\0' + position +
        position + Le(0) + Le(PackIdent(airport.strIdent).value_or(0) << 5 | 1) + Le(0, 8) +
        BglRecord(0x0019, airport.strName + (bTerminateName ? std::string(1, '\0') : ""));
    if (airport.deleteFlags) // no single runways, starts or frequencies
        body += BglRecord(0x0033, Le(*airport.deleteFlags, 2) + Le(0));
    return BglRecord(airport.nId, body + BglRecord(0x0004, std::string(0x30, '\0')));
}

// A file of the airports; with none, a file of other scenery only. Each
// section holds one subsection, laid out after the header and the section
// table.
inline std::string MakeBglFile(const std::vector<CTestAirport>& airports,
                               const CBglLayout& layout = {}) {
    std::vector<std::tuple<std::uint32_t, std::string, std::size_t>> sections;
    if (layout.bOtherSection || airports.empty())
        sections.emplace_back(0x25, BglRecord(0x0101, std::string(26, '\0')), 1);
    if (!airports.empty()) {
        std::string records;
        for (const CTestAirport& airport : airports)
            records += AirportRecordBytes(airport, layout.bTerminateName);
        sections.emplace_back(3, records, airports.size());
    }
    const std::size_t nEntrySize = layout.bWideEntries ? 20 : 16;
    const std::size_t nStart = 0x38 + sections.size() * 20;
    std::string table, subsections;
    for (const auto& [nType, records, nRecords] : sections) {
        const std::size_t nAt = nStart + subsections.size();
        table +=
            Le(nType) + Le(layout.bWideEntries ? 0x10000 : 0) + Le(1) + Le(nAt) + Le(nEntrySize);
        // The cell, a second cell word in the wide entry, then the records.
        subsections += Le(0x2A5) + (layout.bWideEntries ? Le(0) : "") + Le(nRecords) +
                       Le(nAt + nEntrySize) + Le(records.size()) + records;
    }
    return Le(0x19920201) + Le(0x38) + Le(0, 8) + Le(0x08051803) + Le(sections.size()) +
           std::string(32, '\0') + table + subsections;
}
