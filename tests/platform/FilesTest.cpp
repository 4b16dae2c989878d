#include "Files.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

std::string AllBytes() {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    return bytes + "\r\n\n\r";
}

EReadResult Read(const std::string& path, std::string& text) {
    std::string strReason;
    return ReadWholeFile(path, text, strReason);
}

} // namespace

TEST(ReadWholeFile, ReturnsEveryByteAsStored) {
    CTempFolder folder;
    folder.Write("f", AllBytes());
    std::string text;
    EXPECT_EQ(Read(folder.Path("f"), text), EReadResult::kRead);
    EXPECT_EQ(text, AllBytes());
}

TEST(ReadWholeFile, TellsAMissingFileFromOneThatCannotBeRead) {
    CTempFolder folder;
    std::string text, strReason;
    EXPECT_EQ(Read(folder.Path("none"), text), EReadResult::kMissing);
    EXPECT_EQ(Read(folder.Path("none/deeper"), text), EReadResult::kMissing);
    std::filesystem::create_directory(folder.Path("dir"));
    EXPECT_EQ(ReadWholeFile(folder.Path("dir"), text, strReason), EReadResult::kFailed);
    EXPECT_FALSE(strReason.empty());
}

TEST(ReplaceFileAtomically, CreatesOrReplacesTheWholeFile) {
    CTempFolder folder;
    ASSERT_TRUE(ReplaceFileAtomically(folder.Path("f"), AllBytes()));
    EXPECT_EQ(folder.Read("f"), AllBytes());
    ASSERT_TRUE(ReplaceFileAtomically(folder.Path("f"), "short"));
    EXPECT_EQ(folder.Read("f"), "short");
    EXPECT_EQ(GetPathKind(folder.Path("f.twk-new")), EPathKind::kNone);
}

TEST(ReplaceFileAtomically, OverwritesATemporaryFileLeftByACrash) {
    CTempFolder folder;
    folder.Write("f.twk-new", "half a file");
    ASSERT_TRUE(ReplaceFileAtomically(folder.Path("f"), "whole"));
    EXPECT_EQ(folder.Read("f"), "whole");
    EXPECT_EQ(GetPathKind(folder.Path("f.twk-new")), EPathKind::kNone);
}

TEST(ReplaceFileAtomically, FailureLeavesTheOldFileAndGivesTheReason) {
    CTempFolder folder;
    folder.Write("f", "old");
    std::filesystem::create_directory(folder.Path("f.twk-new"));
    CFileResult result = ReplaceFileAtomically(folder.Path("f"), "new");
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.strReason.empty());
    EXPECT_EQ(folder.Read("f"), "old");

    std::filesystem::create_directory(folder.Path("d"));
    EXPECT_FALSE(ReplaceFileAtomically(folder.Path("d"), "new"));
    EXPECT_EQ(GetPathKind(folder.Path("d")), EPathKind::kDirectory);
    EXPECT_EQ(GetPathKind(folder.Path("d.twk-new")), EPathKind::kNone);

    EXPECT_FALSE(ReplaceFileAtomically(folder.Path("missing/f"), "new"));
}

TEST(CopyFileOver, ReplacesTheTargetAndFailsWithoutASource) {
    CTempFolder folder;
    folder.Write("from", AllBytes());
    folder.Write("to", "old");
    ASSERT_TRUE(CopyFileOver(folder.Path("from"), folder.Path("to")));
    EXPECT_EQ(folder.Read("to"), AllBytes());
    EXPECT_FALSE(CopyFileOver(folder.Path("none"), folder.Path("to")));
    EXPECT_EQ(folder.Read("to"), AllBytes());
}

TEST(RemoveFile, DeletesAFileAndReportsAMissingOne) {
    CTempFolder folder;
    folder.Write("f", "x");
    EXPECT_TRUE(RemoveFile(folder.Path("f")));
    EXPECT_EQ(GetPathKind(folder.Path("f")), EPathKind::kNone);
    EXPECT_FALSE(RemoveFile(folder.Path("f")));
}

TEST(ListDirectory, GivesNamesAndFolderFlagsWithoutDotEntries) {
    CTempFolder folder;
    folder.Write("file.bgl", "");
    std::filesystem::create_directory(folder.Path("Sub"));
    std::filesystem::create_directory(folder.Path(".hidden"));
    std::vector<CDirEntry> entries = ListDirectory(folder.Path(""));
    std::sort(entries.begin(), entries.end(),
              [](const CDirEntry& a, const CDirEntry& b) { return a.strName < b.strName; });
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].strName, ".hidden");
    EXPECT_TRUE(entries[0].bDirectory);
    EXPECT_EQ(entries[1].strName, "Sub");
    EXPECT_TRUE(entries[1].bDirectory);
    EXPECT_EQ(entries[2].strName, "file.bgl");
    EXPECT_FALSE(entries[2].bDirectory);
    EXPECT_TRUE(ListDirectory(folder.Path("none")).empty());
    EXPECT_EQ(GetPathKind(folder.Path("file.bgl")), EPathKind::kFile);
}
