#include "BackupSets.h"

#include "LibraryDifferences.h"
#include "LibraryOnDisk.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

class BackupSets : public ::testing::Test, public CLibraryOnDisk {
protected:
    std::string Folder() const { return m_sim.Path(kBackupsFolderName); }
    // The sets' numbers, newest first.
    std::string Numbers() const {
        std::string numbers;
        for (const CBackupSet& set : ListBackupSets(Folder()))
            numbers.append(numbers.empty() ? "" : " ").append(std::to_string(set.nNumber));
        return numbers;
    }
    // A set of scenery.cfg as the text, kept at that moment.
    CKeptSet KeepAt(system_clock::time_point when, const std::string& text) {
        m_sim.Write("scenery.cfg", text);
        return KeepBackupSet(Folder(), m_doc.Paths(), "test", when);
    }
};

const system_clock::time_point kMorning = sys_days(2026y / December / 9) + hours(1) + minutes(45);

} // namespace

TEST_F(BackupSets, EveryWriteKeepsTheFilesAsTheyWereUnlessTheNewestSetHoldsThem) {
    EXPECT_TRUE(m_doc.KeepSet("start").bKept);
    EXPECT_FALSE(m_doc.KeepSet("start").bKept);
    m_doc.SetAreasActive({{0}}, false, true);
    ASSERT_EQ(m_doc.Save().outcome, CSaveResult::kWritten);
    EXPECT_EQ(Numbers(), "1");
    m_doc.RenameArea(1, "Pond");
    ASSERT_EQ(m_doc.Save().outcome, CSaveResult::kWritten);
    ASSERT_EQ(Numbers(), "2 1");
    const CBackupSet set = ListBackupSets(Folder()).front();
    EXPECT_EQ(set.strBy, "Save");
    EXPECT_EQ(std::make_tuple(set.nAreas, set.nFolders, set.nProfiles), std::make_tuple(3, 3, 0));
    EXPECT_EQ(set.abHolds, (CByLibraryFile<bool>{true, true, false}));
    EXPECT_EQ(set.strUnusable, "");
    std::string text;
    ASSERT_TRUE(ReadWholeFile(set.FilePath(kSceneryCfgFile), text));
    EXPECT_NE(text.find("Title=Lake"), std::string::npos);
    EXPECT_EQ(LeafOfPath(set.strPath).substr(0, 5), "0002 ");
}

TEST_F(BackupSets, KeepTheFiftyNewestTheNewestOfEachOfThirtyDaysAndTheOldest) {
    // One a day for 40 days, then 60 on the last day a minute apart.
    for (int n = 0; n < 100; ++n) {
        const minutes since = n < 40 ? days(n) : days(39) + minutes(n - 39);
        ASSERT_TRUE(KeepAt(kMorning + since, "[Set" + std::to_string(n + 1) + "]\r\n").bKept);
    }
    // 100 down to 51, then days 38 down to 9 (sets 39 to 10), then set 1.
    std::string expected;
    for (int n = 100; n >= 51; --n)
        expected.append(std::to_string(n)).append(" ");
    for (int n = 39; n >= 10; --n)
        expected.append(std::to_string(n)).append(" ");
    EXPECT_EQ(Numbers(), expected + "1");
}

TEST_F(BackupSets, ASetThatCannotBeKeptStopsTheWriteUnlessToldToWriteWithout) {
    m_sim.Write(kBackupsFolderName, "not a folder");
    m_doc.SetAreasActive({{0}}, false, true);
    const CSaveResult refused = m_doc.Save();
    EXPECT_EQ(refused.outcome, CSaveResult::kNoBackup);
    EXPECT_NE(refused.strReason.find("cannot be made"), std::string::npos) << refused.strReason;
    EXPECT_EQ(m_sim.Read("scenery.cfg"), kSceneryCfg);
    m_doc.KeepSetsAs(std::nullopt);
    EXPECT_EQ(m_doc.Save().outcome, CSaveResult::kWritten);
}

TEST_F(BackupSets, OnlyWholeSetsAreListedAndOnlyTarnwicksFilesRemoved) {
    ASSERT_TRUE(KeepAt(kMorning, "[General]\r\n").bKept);
    ASSERT_TRUE(KeepAt(kMorning + minutes(1), "[Two]\r\n").bKept);
    ASSERT_TRUE(KeepAt(kMorning + minutes(2), "[Three]\r\n").bKept);
    const std::vector<CBackupSet> sets = ListBackupSets(Folder());
    // A set left half-written, one whose file went, one whose text file
    // is damaged, a folder not named as a set, and a link to elsewhere.
    const std::string half = std::string(kBackupsFolderName) + "/0009 2026-12-09 014500";
    m_sim.Write(half + "/scenery.cfg", "[X]\r\n");
    std::filesystem::remove(sets[0].FilePath(kFolderTxtFile));
    m_sim.Write(LeafOfPath(Folder()) + "/" + LeafOfPath(sets[1].strPath) + "/Backup.txt", "x");
    m_sim.Write(std::string(kBackupsFolderName) + "/Mine/scenery.cfg", "[Mine]\r\n");
    std::filesystem::create_directory_symlink(m_sim.Path("Addon"),
                                              Folder() + "/0010 2026-12-09 014500");
    const std::vector<CBackupSet> listed = ListBackupSets(Folder());
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0].strUnusable, "Folder.txt is missing");
    EXPECT_EQ(listed[1].strUnusable, "Backup.txt is damaged");
    EXPECT_EQ(listed[2].strUnusable, "");
    // A copy a crash left otherwise than kept is never restored.
    m_sim.Write(LeafOfPath(Folder()) + "/" + LeafOfPath(listed[2].strPath) + "/scenery.cfg",
                "[general]\r\n");
    CLibrarySet set;
    EXPECT_EQ(ReadBackupSet(listed[2], set), "scenery.cfg is not as it was kept");
    // The next set takes a number above every set folder's, and the
    // half-written one goes; what is not Tarnwick's stays.
    const CKeptSet next = KeepAt(kMorning + minutes(3), "[Four]\r\n");
    EXPECT_EQ(LeafOfPath(next.strFolder).substr(0, 5), "0010 ");
    EXPECT_FALSE(std::filesystem::exists(m_sim.Path(half)));
    EXPECT_EQ(m_sim.Read(std::string(kBackupsFolderName) + "/Mine/scenery.cfg"), "[Mine]\r\n");
    EXPECT_TRUE(std::filesystem::exists(m_sim.Path("Addon/Lake/scenery/x.bgl")));
}
