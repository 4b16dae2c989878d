#include "BglFile.h"

#include "AllocationFailure.h"
#include "BglWriter.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <tuple>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// KSEA alone in the only section: the section entry at 0x38, the subsection
// entry at 0x4C, the airport record at 0x5C (ident at 0x84, its name child at
// 0x90), 0xD4 bytes in all.
std::string Seattle() {
    return MakeBglFile({{"KSEA", "Seattle", 47.449, -122.309}}, {false, false, true});
}

// One subsection table listing KSEA's records twice: more bytes to walk than
// the file holds, as a crafted file would give millions of times over.
std::string SeattleTwice() {
    std::string bytes = With(With(Seattle(), 0x40, 2), 0x48, 32); // 2 entries, 32 bytes
    bytes.insert(0x5C, bytes.substr(0x4C, 16));
    return With(With(bytes, 0x54, 0x6C), 0x64, 0x6C);
}

// What a reading held, in one line: of a damaged file, the fault and the
// airports read before it.
std::string Summary(const CBglContents& contents) {
    std::string text = contents.kind == EBglKind::kOldFormat ? "old format" : "";
    if (contents.kind == EBglKind::kDamaged)
        text = "damaged at " + std::to_string(contents.nOffset) + " after " +
               std::to_string(contents.nBeforeFault) + ":";
    for (const std::string& ident : contents.aBeforeFault)
        text += " " + ident;
    for (const CAirportRecord& airport : contents.airports)
        text += " " + airport.strIdent + " '" + airport.strName + "'" +
                (airport.bDeletes ? " deletes " + std::to_string(airport.nDeleteFlags) : "");
    if (contents.nLaterRecords > 0)
        text += " later " + std::to_string(contents.nLaterRecords) + " of id " +
                std::to_string(contents.nLaterId) + " from " +
                std::to_string(contents.nLaterOffset);
    return text;
}

// A file of one airport section of the subsections given, its table at 0x4C,
// then the bytes given.
std::string OneSection(const std::vector<std::pair<std::size_t, std::size_t>>& spans,
                       const std::string& bytes) {
    std::string file = Le(0x19920201) + Le(0x38) + Le(0, 8) + Le(0x08051803) + Le(1) +
                       std::string(32, '\0') + Le(3) + Le(0) + Le(spans.size()) + Le(0x4C) +
                       Le(spans.size() * 16);
    for (const auto& [nAt, nSize] : spans)
        file += Le(0x2A5) + Le(1) + Le(nAt) + Le(nSize);
    return file + bytes;
}

// Records of six bytes (the least a record takes, of a later simulator's
// airport, which the reader counts), each a subsection's, in an order
// shuffled against their entries'.
std::string TinySpans(std::size_t nSize) {
    const std::size_t nCount = (nSize - 0x5C) / 22, nRecords = 0x4C + 16 * nCount;
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    std::string records;
    for (std::size_t n = 0; n < nCount; ++n) {
        spans.emplace_back(nRecords + 6 * n, 6);
        records += BglRecord(0x3C, "");
    }
    std::shuffle(spans.begin(), spans.end(), std::mt19937(7));
    return OneSection(spans, records);
}

// What a source was asked for.
class CCountingSource final : public CBglSource {
public:
    explicit CCountingSource(const std::string& bytes) : m_bytes(bytes) {}
    std::uint64_t Size() const override { return m_bytes.size(); }
    long long ReadAt(std::uint64_t nOffset, char* pBuffer, std::size_t nSize,
                     std::string&) const override {
        const auto nRead =
            static_cast<std::size_t>(std::min<std::uint64_t>(nSize, m_bytes.size() - nOffset));
        std::memcpy(pBuffer, m_bytes.data() + nOffset, nRead);
        ++m_nReads;
        m_nBytes += nRead;
        return static_cast<long long>(nRead);
    }

    mutable std::uint64_t m_nReads = 0;
    mutable std::uint64_t m_nBytes = 0;

private:
    const std::string& m_bytes;
};

// A file of airport records only, about a megabyte.
const std::string& AirportsOnly() {
    static const std::string bytes = [] {
        std::vector<CTestAirport> airports;
        for (int n = 0; n < 8000; ++n)
            airports.push_back({std::string("K").append(std::to_string(n % 1000)),
                                std::string("Airport ").append(std::to_string(n))});
        return MakeBglFile(airports);
    }();
    return bytes;
}

} // namespace

TEST(BglFile, IsDamagedAtTheBytesAtFault) {
    const std::tuple<const char*, std::string, std::uint64_t> cases[] = {
        {"NeitherFormat", With(Seattle(), 0, 0x5A4D, 2), 0},
        {"FirstWordZero", With(Seattle(), 0, 0, 2), 0},
        {"ShorterThanFourBytes", std::string("\x01\x00\x00", 3), 0},
        {"HeaderCutInItsSize", Seattle().substr(0, 6), 4},
        {"HeaderCutInItsTime", Seattle().substr(0, 0x0C), 8},
        {"HeaderCutInSecondMagic", Seattle().substr(0, 0x12), 0x10},
        {"HeaderCutInSectionCount", Seattle().substr(0, 0x16), 0x14},
        {"HeaderCutInCoverage", Seattle().substr(0, 0x37), 0x18},
        {"HeaderSizeNot0x38", With(Seattle(), 4, 0x40), 4},
        {"SectionTablePastTheEnd", With(Seattle(), 0x14, 100), 0x38},
        {"SubsectionTablePastTheEnd", With(Seattle(), 0x44, 0xD0), 0x44},
        {"SubsectionTableSmallerThanItsCount", With(Seattle(), 0x40, 2), 0x40},
        {"RecordsPastTheEnd", With(Seattle(), 0x58, 0x79), 0x54},
        {"RecordsGivenTwice", SeattleTwice(), 0x68},
        {"RecordSize5", With(Seattle(), 0x5E, 5), 0x5C},
        {"RecordPastItsSubsection", With(With(Seattle(), 0x58, 0x70), 0x5E, 0x71), 0x5C},
        {"AirportShorterThanItsFixedPart", With(Seattle(), 0x5E, 0x33), 0x5C},
        {"IdentZero", With(Seattle(), 0x84, 0), 0x84},
        {"ChildPastItsAirport", With(Seattle(), 0x92, 0x50), 0x90}};
    for (const auto& [pszName, bytes, nOffset] : cases) {
        SCOPED_TRACE(pszName);
        const CBglContents contents = ReadBglBytes(bytes);
        EXPECT_EQ(contents.kind, EBglKind::kDamaged);
        EXPECT_EQ(contents.nOffset, nOffset) << contents.strReason;
        EXPECT_FALSE(contents.strReason.empty());
    }
}

TEST(BglFile, ReadsTheAirportsAsTheSimulatorWould) {
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"NamesWithoutTerminatorAndOneIdentTwice",
         MakeBglFile({{"KSEA", "Seattle"}, {"KSEA", "Tacoma"}}, {false, true, false}),
         " KSEA 'Seattle' KSEA 'Tacoma'"},
        {"WideSubsectionEntries", MakeBglFile({{"KTST", "Test"}}, {true, true, true}),
         " KTST 'Test'"},
        {"OldFormat", std::string("\x01\x00\x92\x19", 4), "old format"},
        // The apron byte's bit 7 is not relied on: the walk finds the child.
        {"DeleteChildWithoutTheApronBit",
         With(MakeBglFile({{"KSEA", "S", 0, 0, 0xE8}}, {false, false, true}), 0x66, 0, 1),
         " KSEA 'S' deletes 232"},
        {"ApronBitWithoutADeleteChild", With(Seattle(), 0x66, 0x80, 1), " KSEA 'Seattle'"},
        // Records from 0xA0, after the other section.
        {"LaterSimulatorsRecordsCounted",
         MakeBglFile({{"KPDX", "", 0, 0, {}, 0x3C},
                      {"KSEA", ""},
                      {"KTST", "", 0, 0, {}, 0xAB},
                      {"KBFI", "", 0, 0, {}, 0x56}}),
         " KSEA '' later 3 of id 60 from 160"}};
    for (const auto& [pszName, bytes, summary] : cases)
        EXPECT_EQ(Summary(ReadBglBytes(bytes)), summary) << pszName;
}

// Every index reads real files; here the coordinates, and files that cannot be read.
TEST(BglFile, ReadsTheCoordinatesAndReportsAFileItCannotOpen) {
    const CBglContents contents = ReadBglBytes(Seattle());
    ASSERT_EQ(Summary(contents), " KSEA 'Seattle'");
    EXPECT_NEAR(contents.airports[0].dLatitude, 47.449, 1e-6);
    EXPECT_NEAR(contents.airports[0].dLongitude, -122.309, 1e-6);
    CTempFolder folder;
    folder.Write("a.bgl", Seattle());
    CFileAttributes state;
    EXPECT_EQ(ReadBglFile(folder.Path("none.bgl"), state).kind, EBglKind::kUnreadable);
    EXPECT_FALSE(state.bPresent);
#ifdef _WIN32
    // Held by another program that shares it with none.
    const HANDLE hLock = CreateFileA(folder.Path("a.bgl").c_str(), GENERIC_READ, 0, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const CBglContents denied = ReadBglFile(folder.Path("a.bgl"), state);
    CloseHandle(hLock);
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    std::filesystem::permissions(folder.Path("a.bgl"), std::filesystem::perms::none);
    const CBglContents denied = ReadBglFile(folder.Path("a.bgl"), state);
#endif
    EXPECT_EQ(denied.kind, EBglKind::kUnreadable);
    EXPECT_FALSE(denied.strReason.empty());
    EXPECT_TRUE(state.bPresent);
}

// However a file points its tables and records, reading it costs no more than
// four times the bytes of a file of airport records of its size, which the
// reader reads once, in reads of 64 KB.
TEST(BglFile, ReadsACraftedFileInAtMostFourTimesTheBytesOfAFileOfAirports) {
    const std::size_t nSize = AirportsOnly().size();
    CCountingSource airports(AirportsOnly());
    ASSERT_EQ(ReadBgl(airports).airports.size(), 8000u);
    EXPECT_LE(airports.m_nBytes, nSize);
    EXPECT_LE(airports.m_nReads, nSize / (64 * 1024) + 2);
    const std::string crafted = TinySpans(nSize);
    CCountingSource source(crafted);
    EXPECT_EQ(ReadBgl(source).nLaterRecords, (nSize - 0x5C) / 22);
    EXPECT_LE(source.m_nBytes, 4 * airports.m_nBytes);
    EXPECT_LE(source.m_nReads, 4 * nSize / 4096);
}

// The records are read in the file's order, but what the file holds, its
// fault and what comes before it are those of the tables' order: KPDX, KSEA
// and KBFI there, in the file KBFI at 0x1000, KSEA at 0x2000, KPDX at 0x3000.
TEST(BglFile, GivesTheAirportsAndFaultOfTheTablesOrderWhereverTheRecordsLie) {
    std::string records(0x3000, '\0');
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    for (const char* pszIdent : {"KPDX", "KSEA", "KBFI"}) {
        const std::string record = AirportRecordBytes({pszIdent}, true);
        spans.emplace_back(0x3000 - 0x1000 * spans.size(), record.size());
        records.replace(spans.back().first, record.size(), record);
    }
    const std::string bytes = OneSection(spans, "") + records.substr(0x7C);
    // An ident that does not decode puts a record at fault; records past the
    // end of the file, their entry.
    const std::tuple<std::string, std::string> cases[] = {
        {bytes, " KPDX '' KSEA '' KBFI ''"},
        {With(bytes, 0x3028, 0), "damaged at 12328 after 0:"},
        {With(bytes, 0x1028, 0), "damaged at 4136 after 2: KPDX KSEA"},
        {With(With(bytes, 0x2028, 0), 0x74, 0x10000), "damaged at 8232 after 1: KPDX"},
        {With(With(bytes, 0x2028, 0), 0x54, 0x10000), "damaged at 84 after 0:"}};
    for (const auto& [file, summary] : cases)
        EXPECT_EQ(Summary(ReadBglBytes(file)), summary);
}

// Asked every 64 subsections at the latest, the reader stops at the first
// no, with nothing read; out of memory, the file is too large to index.
TEST(BglFile, StopsWhenAskedAndIsTooLargeToIndexWhenMemoryRunsOut) {
    const std::string bytes = TinySpans(64 * 1024);
    int nAsked = 0;
    EXPECT_FALSE(ReadBgl(CCountingSource(bytes), [&] { return ++nAsked > 0; }).bStopped);
    EXPECT_GE(nAsked, static_cast<int>(bytes.size() / 22 / 64));
    const int nStopAt = nAsked - 2;
    nAsked = 0;
    const CBglContents stopped =
        ReadBgl(CCountingSource(bytes), [&] { return ++nAsked < nStopAt; });
    EXPECT_EQ(nAsked, nStopAt);
    EXPECT_EQ(std::tuple(stopped.bStopped, stopped.kind, stopped.strReason, stopped.nLaterRecords),
              std::tuple(true, EBglKind::kUnreadable, "stopped", 0u));

    CBglContents tooLarge;
    const std::string& airports = AirportsOnly(); // made before memory runs out
    FailAllocation(10, [&] { tooLarge = ReadBglBytes(airports); });
    EXPECT_EQ(std::tuple(tooLarge.kind, tooLarge.strReason, tooLarge.airports.size()),
              std::tuple(EBglKind::kUnreadable, "too large to index", 0u));
}
