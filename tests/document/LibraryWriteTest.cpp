// A Save is one transaction over the library's files: whatever fails, and
// wherever the writer dies, the next open finds every file as before the
// Save or every file as after it.

#include "LibraryOnDisk.h"

#include "FileLock.h"

#include <gtest/gtest.h>

#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Every file of the simulator folder but the lock, by name.
using CFiles = std::map<std::string, std::string>;

CFiles FilesOf(const CLibraryOnDisk& library) {
    CFiles files;
    for (const auto& entry : std::filesystem::directory_iterator(library.m_sim.Path(""))) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name != "Tarnwick.lock")
            files[name] = library.m_sim.Read(name);
    }
    return files;
}

// Lake, in both folders and a profile, renamed and saved: all three files
// change, or two without Profiles.txt; the disk's calls go through the seam.
CSaveResult RenameAndSave(CLibraryOnDisk& library, CFileCallSeam seam = {}) {
    SetFileCallSeam(std::move(seam));
    library.m_doc.RenameArea(library.Area("Lake"), "Pond");
    const CSaveResult save = library.m_doc.Save();
    SetFileCallSeam({});
    return save;
}

// The same in a child process, which the seam may end; its exit status.
int RenameAndSaveInAChild(CLibraryOnDisk& library, CFileCallSeam seam) {
    const pid_t child = fork();
    if (child == 0)
        _exit(RenameAndSave(library, std::move(seam)).outcome == CSaveResult::kWritten ? 0 : 1);
    int nStatus = 0;
    waitpid(child, &nStatus, 0);
    return WEXITSTATUS(nStatus);
}

// The seam that calls the action at the nth call, then lets it be made.
CFileCallSeam AtCall(std::size_t nStep, const std::function<bool()>& action) {
    return [nCall = std::size_t{0}, nStep, action](EFileCall, const std::string&) mutable {
        return nCall++ != nStep || action();
    };
}

class LibraryWrite : public ::testing::TestWithParam<std::string> {
protected:
    LibraryWrite() {
        CLibraryOnDisk saved(GetParam());
        RenameAndSave(saved, [&](EFileCall call, const std::string& path) {
            m_calls.emplace_back(call, LeafOfPath(path));
            return true;
        });
        m_after = FilesOf(saved);
        m_before = FilesOf(m_library);
    }
    // The step of the call, in a Save that meets no fault: the last of that
    // name, since the backup set kept first makes calls on its copies.
    std::size_t StepOf(EFileCall call, const std::string& name) const {
        const auto it = std::find(m_calls.rbegin(), m_calls.rend(), std::pair{call, name});
        return it == m_calls.rend() ? m_calls.size()
                                    : static_cast<std::size_t>(m_calls.rend() - it) - 1;
    }
    // What the next open of the library said.
    CRecovery Reopen(const CLibraryOnDisk& library) const {
        CLibraryDocument next;
        EXPECT_EQ(next.Open(library.m_disk.SimPath(), library.m_disk.Disk()), "");
        return next.TakeRecovery();
    }

    CLibraryOnDisk m_library{GetParam()};
    CFiles m_before, m_after;
    std::vector<std::pair<EFileCall, std::string>> m_calls;
};

} // namespace

TEST_P(LibraryWrite, FailingAnyCallLeavesEveryFileAsBeforeOrTheSaveWhole) {
    // Removing the journal is the moment the write happens.
    const std::size_t nCommit = StepOf(EFileCall::kRemove, "Tarnwick.journal");
    ASSERT_LT(nCommit, m_calls.size());
    for (std::size_t nStep = 0; nStep < m_calls.size(); ++nStep) {
        CLibraryOnDisk library(GetParam());
        const CSaveResult save = RenameAndSave(library, AtCall(nStep, [] { return false; }));
        EXPECT_FALSE(save.bPutBackFailed) << nStep;
        // What fails after the commit only leaves files for the next open.
        EXPECT_TRUE(nStep <= nCommit || save.outcome == CSaveResult::kWritten) << nStep;
        EXPECT_EQ(Reopen(library).outcome, CRecovery::kNone) << nStep;
        EXPECT_EQ(FilesOf(library), save.outcome == CSaveResult::kWritten ? m_after : m_before)
            << "step " << nStep << ": " << save.strPath << " " << save.strReason;
    }
}

TEST_P(LibraryWrite, AWriterKilledAtAnyStepIsUndoneByTheNextOpen) {
    const std::size_t nJournal = StepOf(EFileCall::kMove, "Tarnwick.journal");
    const std::size_t nCommit = StepOf(EFileCall::kRemove, "Tarnwick.journal");
    for (std::size_t nStep = 0; nStep < m_calls.size(); ++nStep) {
        CLibraryOnDisk library(GetParam());
        ASSERT_EQ(RenameAndSaveInAChild(library, AtCall(nStep, [] { return _exit(9), false; })), 9);
        const bool bJournal = nJournal < nStep && nStep <= nCommit;
        EXPECT_EQ(Reopen(library).outcome, bJournal ? CRecovery::kPutBack : CRecovery::kNone)
            << "step " << nStep;
        EXPECT_EQ(FilesOf(library), nStep > nCommit ? m_after : m_before) << "step " << nStep;
    }
}

// Another program writes Folder.txt while scenery.cfg is being moved in:
// the last look before Folder.txt's move sees it, and scenery.cfg goes back.
TEST_P(LibraryWrite, ALateChangeKeepsThatChangeAndPutsBackWhatMovedIn) {
    const CSaveResult save =
        RenameAndSave(m_library, AtCall(StepOf(EFileCall::kMove, "scenery.cfg"), [&] {
                          m_library.m_sim.Write("Folder.txt", "[Theirs]\r\n");
                          return true;
                      }));
    EXPECT_EQ(save.outcome, CSaveResult::kChanged);
    EXPECT_EQ(LeafOfPath(save.strPath), "Folder.txt");
    CFiles expected = m_before;
    expected["Folder.txt"] = "[Theirs]\r\n";
    EXPECT_EQ(Reopen(m_library).outcome, CRecovery::kNone);
    EXPECT_EQ(FilesOf(m_library), expected);
}

// The writer died with scenery.cfg moved in; another program changed it
// since. It stays as that program left it, its version from before the
// write beside it.
TEST_P(LibraryWrite, AFileChangedSinceTheWriterDiedIsLeftWithItsOldVersionBeside) {
    RenameAndSaveInAChild(
        m_library, AtCall(StepOf(EFileCall::kMove, "Folder.txt"), [] { return _exit(9), false; }));
    m_library.m_sim.Write("scenery.cfg", "[General]\r\n");
    CFiles expected = m_before;
    const CRecovery recovery = Reopen(m_library);
    EXPECT_EQ(recovery.outcome, CRecovery::kPutBack);
    ASSERT_EQ(recovery.left.size(), 1u);
    EXPECT_EQ(LeafOfPath(recovery.left[0]), "scenery.cfg");
    expected["scenery.cfg"] = "[General]\r\n";
    expected["scenery.cfg.twk-before"] = m_before["scenery.cfg"];
    EXPECT_EQ(FilesOf(m_library), expected);
}

// Two processes that each hold the lock from their read to their write take
// turns, and both changes are kept; a reader meanwhile waits, and reads
// nothing while it cannot get the lock.
TEST_P(LibraryWrite, WritersTakeTurnsAndReadersWaitForTheLock) {
    std::vector<pid_t> children;
    for (const char* title : {"Lake", "Town"}) {
        if (const pid_t child = fork(); child != 0) {
            children.push_back(child);
            continue;
        }
        CLibraryDocument doc;
        doc.Open(m_library.m_disk.SimPath(), m_library.m_disk.Disk(), {}, true);
        doc.RenameArea(m_library.Area(title), std::string(title) + " 2");
        _exit(doc.Save().outcome == CSaveResult::kWritten ? 0 : 1);
    }
    for (pid_t child : children) {
        int nStatus = 0;
        waitpid(child, &nStatus, 0);
        EXPECT_EQ(WEXITSTATUS(nStatus), 0);
    }
    const std::string sceneryCfg = m_library.m_sim.Read("scenery.cfg");
    EXPECT_NE(sceneryCfg.find("Title=Lake 2"), std::string::npos);
    EXPECT_NE(sceneryCfg.find("Title=Town 2"), std::string::npos);

    CFileLock writer;
    writer.Acquire(m_library.m_sim.Path("Tarnwick.lock"), {});
    CLibraryDocument reader;
    EXPECT_NE(reader.Open(m_library.m_disk.SimPath(), m_library.m_disk.Disk(),
                          {std::chrono::milliseconds(50)}),
              "");
    EXPECT_EQ(reader.LockState(), CFileLock::EOutcome::kBusy);
    EXPECT_FALSE(reader.IsOpen());
    writer.Release();
    EXPECT_EQ(reader.Open(m_library.m_disk.SimPath(), m_library.m_disk.Disk()), "");
}

// The user's protection of a file stops every write that would replace it,
// but not one of Profiles.txt alone.
TEST_P(LibraryWrite, ReadOnlyFilesStopTheWritesThatReplaceThem) {
    std::filesystem::permissions(m_library.m_sim.Path("scenery.cfg"),
                                 std::filesystem::perms::owner_read);
    const CSaveResult save = RenameAndSave(m_library);
    EXPECT_EQ(save.outcome, CSaveResult::kReadOnly);
    EXPECT_EQ(LeafOfPath(save.strPath), "scenery.cfg");
    EXPECT_EQ(FilesOf(m_library), m_before);
    m_library.m_doc.SaveProfile("Home");
    EXPECT_EQ(m_library.m_doc.SaveProfiles().outcome, CSaveResult::kWritten);
}

INSTANTIATE_TEST_SUITE_P(Library, LibraryWrite, ::testing::Values(kProfilesTxt, ""),
                         [](const auto& info) {
                             return info.param.empty() ? "WithoutProfiles" : "WithProfiles";
                         });
