#include "BglFile.h"

#include "BglWriter.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
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

std::string With(std::string bytes, std::size_t nAt, std::uint64_t nValue, int nBytes = 4) {
    SetLe(bytes, nAt, nValue, nBytes);
    return bytes;
}

// One subsection table listing KSEA's records twice: more bytes to walk than
// the file holds, as a crafted file would give millions of times over.
std::string SeattleTwice() {
    std::string bytes = With(With(Seattle(), 0x40, 2), 0x48, 32); // 2 entries, 32 bytes
    bytes.insert(0x5C, bytes.substr(0x4C, 16));
    return With(With(bytes, 0x54, 0x6C), 0x64, 0x6C);
}

// What a reading held, in one line.
std::string Summary(const CBglContents& contents) {
    std::string text = contents.kind == EBglKind::kOldFormat ? "old format" : "";
    for (const CAirportRecord& airport : contents.airports)
        text += " " + airport.strIdent + " '" + airport.strName + "'" +
                (airport.bDeletes ? " deletes " + std::to_string(airport.nDeleteFlags) : "");
    if (contents.nLaterRecords > 0)
        text += " later " + std::to_string(contents.nLaterRecords) + " of id " +
                std::to_string(contents.nLaterId) + " from " +
                std::to_string(contents.nLaterOffset);
    return text;
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
        {"RecordSize0", With(Seattle(), 0x5E, 0), 0x5C},
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
        EXPECT_TRUE(contents.airports.empty());
    }
}

// A file damaged at its second airport brings nothing, but names the one
// read before the fault.
TEST(BglFile, DamagedNamesTheAirportsReadBeforeItsFault) {
    const std::string good = MakeBglFile({{"KSEA", "Seattle"}, {"KBFI", "Boeing"}});
    const std::uint64_t nSecond = ReadBglBytes(good).airports.at(1).nOffset;
    const CBglContents contents = ReadBglBytes(With(good, nSecond + 0x28, 0));
    EXPECT_EQ(contents.kind, EBglKind::kDamaged);
    EXPECT_TRUE(contents.airports.empty());
    EXPECT_EQ(contents.nBeforeFault, 1u);
    EXPECT_EQ(contents.aBeforeFault, std::vector<std::string>{"KSEA"});
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
    for (const auto& [pszName, bytes, summary] : cases) {
        const CBglContents contents = ReadBglBytes(bytes);
        EXPECT_NE(contents.kind, EBglKind::kDamaged) << pszName << ": " << contents.strReason;
        EXPECT_EQ(Summary(contents), summary) << pszName;
    }
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
