#include "FileState.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>

namespace {

// The caller's own, as every caller names its temporary files.
constexpr std::string_view kTemp = ".new";

std::string AllBytes() {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    return bytes + "\r\n\n\r";
}

} // namespace

TEST(ReplaceFileAtomically, WritesEveryByteThatReadWholeFileGivesBackOrLeavesTheOldFile) {
    CTempFolder folder;
    folder.Write("f.new", "half a file left by a crash");
    ASSERT_TRUE(ReplaceFileAtomically(folder.Path("f"), AllBytes(), kTemp));
    std::string text;
    EXPECT_TRUE(ReadWholeFile(folder.Path("f"), text));
    EXPECT_EQ(text, AllBytes());
    ASSERT_TRUE(ReplaceFileAtomically(folder.Path("f"), "short", kTemp));
    EXPECT_EQ(folder.Read("f"), "short");
    EXPECT_EQ(GetPathKind(folder.Path("f.new")), EPathKind::kNone);

    std::filesystem::create_directory(folder.Path("f.new"));
    CFileResult result = ReplaceFileAtomically(folder.Path("f"), "new", kTemp);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.strReason.empty());
    EXPECT_EQ(folder.Read("f"), "short");

    std::filesystem::create_directory(folder.Path("d"));
    EXPECT_FALSE(ReplaceFileAtomically(folder.Path("d"), "new", kTemp));
    EXPECT_EQ(GetPathKind(folder.Path("d")), EPathKind::kDirectory);
    EXPECT_EQ(GetPathKind(folder.Path("d.new")), EPathKind::kNone);

    EXPECT_FALSE(ReplaceFileAtomically(folder.Path("missing/f"), "new", kTemp));
}

TEST(ListDirectory, GivesEachEntryAsTheSystemsOtherCallsDo) {
    CTempFolder folder;
    // A letter of the code page, made and listed through the same "A" calls.
    const std::string file = folder.Path("") + "caf\xE9.bgl";
    ASSERT_TRUE(ReplaceFileAtomically(file, "12345", kTemp));
    MakeFolder(folder.Path("sub"));
    std::vector<CDirEntry> entries = ListDirectory(folder.Path(""));
    ASSERT_EQ(entries.size(), 2u);
    if (entries[0].bDirectory)
        std::swap(entries[0], entries[1]);
    EXPECT_EQ(entries[0].strName + " " + entries[1].strName + (entries[1].bDirectory ? "/" : ""),
              "caf\xE9.bgl sub/");
    // Where the listing gives attributes (every Windows since Vista, and
    // Wine), they are those a look gives, and more.
    const CFileAttributes listed = entries[0].attributes;
    EXPECT_EQ(listed.bPresent, kPathSeparator == '\\');
    EXPECT_TRUE(!listed.bPresent || (listed.nWriteTime == GetFileAttributesOf(file).nWriteTime &&
                                     listed.nSize == 5 && listed.nChangeTime && listed.nFileId));
}

TEST(ReadWholeFile, TellsAMissingFileFromOneThatCannotBeRead) {
    CTempFolder folder;
    std::string text;
    EXPECT_EQ(ReadWholeFile(folder.Path("none"), text).status, EFileStatus::kMissing);
    EXPECT_EQ(ReadWholeFile(folder.Path("none/deeper"), text).status, EFileStatus::kMissing);
    std::filesystem::create_directory(folder.Path("dir"));
    CFileResult result = ReadWholeFile(folder.Path("dir"), text);
    EXPECT_EQ(result.status, EFileStatus::kFailed);
    EXPECT_FALSE(result.strReason.empty());
}

// What another program did to a file between the look that remembered it and
// the write that must not lose that program's work.
struct CDiskChange {
    const char* pszName;
    std::optional<std::string> before, after; // nullopt: no file
    bool bTouched;                            // written (or removed) in between
    bool bChanged;
};

const CDiskChange kDiskChanges[] = {
    {"Untouched", "abc", "abc", false, false},
    {"SameBytesRewritten", "abc", "abc", true, false},
    {"SameSizeOtherBytes", "abc", "abd", true, true},
    {"OtherSize", "abc", "abcd", true, true},
    {"Deleted", "abc", std::nullopt, true, true},
    {"Created", std::nullopt, "abc", true, true},
    {"StillMissing", std::nullopt, std::nullopt, false, false},
};

class FileState : public testing::TestWithParam<CDiskChange> {};

// The file as seen, then as the other program leaves it, with a last-write
// time clearly later than the one seen, as a clock tick later would give.
CFileState SeeThenChange(const CTempFolder& folder, const CDiskChange& change) {
    const std::string path = folder.Path("f");
    CFileState known;
    if (change.before) {
        folder.Write("f", *change.before);
        known = StateOfReadFile(GetFileAttributesOf(path), *change.before);
    }
    if (change.bTouched) {
        std::filesystem::remove(path);
        if (change.after) {
            folder.Write("f", *change.after);
            std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() +
                                                       std::chrono::seconds(5));
        }
    }
    return known;
}

TEST_P(FileState, ChangedOnlyWhenPresenceSizeOrBytesDifferAndGuardsTheWrite) {
    const CDiskChange& change = GetParam();
    CTempFolder folder;
    const std::string path = folder.Path("f");
    CFileState known = SeeThenChange(folder, change), now;
    EXPECT_EQ(FileChangedSince(path, known, now), change.bChanged);
    // Once the user lets the change be replaced, it is the state to keep.
    EXPECT_FALSE(FileChangedSince(path, now, now));

    CFileResult result = ReplaceFileIfUnchanged(path, "new", kTemp, known);
    EXPECT_EQ(result.status, change.bChanged ? EFileStatus::kChanged : EFileStatus::kOk);
    EXPECT_EQ(folder.Read("f"), result ? "new" : change.after.value_or(""));
    EXPECT_EQ(GetPathKind(path + ".new"), EPathKind::kNone);
    EXPECT_TRUE(!result || ReplaceFileIfUnchanged(path, "newer", kTemp, known)); // as written

    CTempFolder removeFolder;
    known = SeeThenChange(removeFolder, change);
    result = RemoveFileIfUnchanged(removeFolder.Path("f"), known);
    EXPECT_EQ(result.status == EFileStatus::kChanged, change.bChanged);
    EXPECT_EQ(GetPathKind(removeFolder.Path("f")) == EPathKind::kNone,
              !change.bChanged || !change.after);
}

INSTANTIATE_TEST_SUITE_P(Changes, FileState, testing::ValuesIn(kDiskChanges),
                         [](const auto& info) { return std::string(info.param.pszName); });
