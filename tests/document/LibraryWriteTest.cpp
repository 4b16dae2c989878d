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

// Lake is in both folders and in the profile: renaming it changes all three
// files; without Profiles.txt, the write leaves that file absent.
const std::string kProfilesTxt = "[Trip]\r\nTitle.0=Lake\r\nLocal.0=Addon\\Lake\r\n";

// Every file of the simulator folder but the lock, by name.
using CFiles = std::map<std::string, std::string>;

CFiles FilesOf(const CTempFolder& sim) {
    CFiles files;
    for (const auto& entry : std::filesystem::directory_iterator(sim.Path(""))) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name != "Tarnwick.lock")
            files[name] = sim.Read(name);
    }
    return files;
}

struct CCall {
    EFileCall call;
    std::string strPath;
};

// The disk's calls of one rename and Save, in their order.
std::vector<CCall> CallsOfSave(const std::string& profilesTxt) {
    CLibraryOnDisk library(profilesTxt);
    std::vector<CCall> calls;
    SetFileCallSeam([&](EFileCall call, const std::string& path) {
        calls.push_back({call, path});
        return true;
    });
    library.m_doc.RenameArea(library.Area("Lake"), "Pond");
    EXPECT_EQ(library.m_doc.Save().outcome, CSaveResult::kWritten);
    SetFileCallSeam({});
    return calls;
}

class LibraryWrite : public ::testing::TestWithParam<std::string> {
protected:
    LibraryWrite() {
        CLibraryOnDisk saved(GetParam());
        saved.m_doc.RenameArea(saved.Area("Lake"), "Pond");
        saved.m_doc.Save();
        m_after = FilesOf(saved.m_sim);
        m_before = FilesOf(m_library.m_sim);
        m_calls = CallsOfSave(GetParam());
    }
    // The step at which the journal goes: the write has happened.
    std::size_t CommitStep() const {
        for (std::size_t n = 0; n < m_calls.size(); ++n) {
            if (m_calls[n].call == EFileCall::kRemove &&
                m_calls[n].strPath.ends_with("Tarnwick.journal"))
                return n;
        }
        return SIZE_MAX;
    }
    // The library as the next open finds it, and what that open said.
    CRecovery Reopen(CFiles& files) {
        CLibraryDocument next;
        EXPECT_EQ(next.Open(m_library.m_disk.SimPath(), m_library.m_disk.Disk()), "");
        files = FilesOf(m_library.m_sim);
        return next.TakeRecovery();
    }

    CLibraryOnDisk m_library{GetParam()};
    CFiles m_before, m_after;
    std::vector<CCall> m_calls;
};

} // namespace

TEST_P(LibraryWrite, FailingAnyCallLeavesEveryFileAsBeforeOrTheSaveWhole) {
    ASSERT_GT(m_calls.size(), 10u);
    for (std::size_t nStep = 0; nStep < m_calls.size(); ++nStep) {
        CLibraryOnDisk library(GetParam());
        std::size_t nCall = 0;
        SetFileCallSeam([&](EFileCall, const std::string&) { return nCall++ != nStep; });
        library.m_doc.RenameArea(library.Area("Lake"), "Pond");
        const CSaveResult save = library.m_doc.Save();
        SetFileCallSeam({});
        EXPECT_FALSE(save.bPutBackFailed) << nStep;
        CLibraryDocument next;
        next.Open(library.m_disk.SimPath(), library.m_disk.Disk());
        EXPECT_EQ(FilesOf(library.m_sim),
                  save.outcome == CSaveResult::kWritten ? m_after : m_before)
            << "step " << nStep << ": " << save.strPath << " " << save.strReason;
        // What fails after the commit only leaves files for the next open.
        EXPECT_TRUE(nStep <= CommitStep() || save.outcome == CSaveResult::kWritten) << nStep;
    }
}

TEST_P(LibraryWrite, AWriterKilledAtAnyStepIsUndoneByTheNextOpen) {
    for (std::size_t nStep = 0; nStep < m_calls.size(); ++nStep) {
        CLibraryOnDisk library(GetParam());
        const pid_t child = fork();
        if (child == 0) {
            std::size_t nCall = 0;
            SetFileCallSeam([&](EFileCall, const std::string&) {
                if (nCall++ == nStep)
                    _exit(9);
                return true;
            });
            library.m_doc.RenameArea(library.Area("Lake"), "Pond");
            library.m_doc.Save();
            _exit(0);
        }
        int nStatus = 0;
        ASSERT_EQ(waitpid(child, &nStatus, 0), child);
        ASSERT_EQ(WEXITSTATUS(nStatus), 9) << nStep;
        CLibraryDocument next;
        next.Open(library.m_disk.SimPath(), library.m_disk.Disk());
        const bool bDone = nStep > CommitStep();
        EXPECT_EQ(FilesOf(library.m_sim), bDone ? m_after : m_before) << "step " << nStep;
        const bool bJournal =
            nStep < CommitStep() + 1 && m_calls[nStep].call != EFileCall::kWrite &&
            std::any_of(m_calls.begin(), m_calls.begin() + static_cast<long>(nStep),
                        [](const CCall& call) {
                            return call.call == EFileCall::kMove &&
                                   call.strPath.ends_with("Tarnwick.journal");
                        });
        EXPECT_EQ(next.TakeRecovery().outcome, bJournal ? CRecovery::kPutBack : CRecovery::kNone)
            << "step " << nStep;
    }
}

// Another program writes Folder.txt while scenery.cfg is being moved in:
// the last look before Folder.txt's move sees it, and scenery.cfg goes back.
TEST_P(LibraryWrite, ALateChangeKeepsThatChangeAndPutsBackWhatMovedIn) {
    SetFileCallSeam([&](EFileCall call, const std::string& path) {
        if (call == EFileCall::kMove && path.ends_with("scenery.cfg"))
            m_library.m_sim.Write("Folder.txt", "[Theirs]\r\n");
        return true;
    });
    m_library.m_doc.RenameArea(m_library.Area("Lake"), "Pond");
    const CSaveResult save = m_library.m_doc.Save();
    SetFileCallSeam({});
    EXPECT_EQ(save.outcome, CSaveResult::kChanged);
    EXPECT_TRUE(save.strPath.ends_with("Folder.txt"));
    CFiles expected = m_before;
    expected["Folder.txt"] = "[Theirs]\r\n";
    CFiles files;
    EXPECT_EQ(Reopen(files).outcome, CRecovery::kNone);
    EXPECT_EQ(files, expected);
}

// The writer died with scenery.cfg moved in; another program changed it
// since. It stays as that program left it, its version from before the
// write beside it.
TEST_P(LibraryWrite, AFileChangedSinceTheWriterDiedIsLeftWithItsOldVersionBeside) {
    if (fork() == 0) {
        SetFileCallSeam([&](EFileCall call, const std::string& path) {
            if (call == EFileCall::kMove && path.ends_with("Folder.txt"))
                _exit(9);
            return true;
        });
        m_library.m_doc.RenameArea(m_library.Area("Lake"), "Pond");
        m_library.m_doc.Save();
        _exit(0);
    }
    wait(nullptr);
    m_library.m_sim.Write("scenery.cfg", "[General]\r\n");
    CFiles files;
    const CRecovery recovery = Reopen(files);
    EXPECT_EQ(recovery.outcome, CRecovery::kPutBack);
    ASSERT_EQ(recovery.left.size(), 1u);
    EXPECT_TRUE(recovery.left[0].ends_with("scenery.cfg"));
    CFiles expected = m_before;
    expected["scenery.cfg"] = "[General]\r\n";
    expected["scenery.cfg.twk-before"] = m_before["scenery.cfg"];
    EXPECT_EQ(files, expected);
}

// Two processes that each hold the lock from their read to their write take
// turns, and both changes are kept.
TEST_P(LibraryWrite, TwoWritersAtOnceTakeTurnsAndKeepBothChanges) {
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
}

// A reader waits while a writer holds the lock, and reads nothing then.
TEST_P(LibraryWrite, ReadersAndWritersWaitForTheLock) {
    CFileLock writer;
    ASSERT_EQ(writer.Acquire(m_library.m_sim.Path("Tarnwick.lock"), {}),
              CFileLock::EOutcome::kHeld);
    CLibraryDocument reader;
    EXPECT_NE(reader.Open(m_library.m_disk.SimPath(), m_library.m_disk.Disk(),
                          {std::chrono::milliseconds(50)}),
              "");
    EXPECT_EQ(reader.LockState(), CFileLock::EOutcome::kBusy);
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(m_library.m_doc.Lock({std::chrono::milliseconds(50)}), CFileLock::EOutcome::kBusy);
    writer.Release();
    m_library.m_doc.RenameArea(m_library.Area("Lake"), "Pond");
    EXPECT_EQ(reader.Open(m_library.m_disk.SimPath(), m_library.m_disk.Disk()), "");
    EXPECT_EQ(m_library.m_doc.Save().outcome, CSaveResult::kWritten);
}

// The user's protection of a file stops every write that would replace it,
// but not one of Profiles.txt alone.
TEST_P(LibraryWrite, ReadOnlyFilesStopTheWritesThatReplaceThem) {
    std::filesystem::permissions(m_library.m_sim.Path("scenery.cfg"),
                                 std::filesystem::perms::owner_read);
    m_library.m_doc.RenameArea(m_library.Area("Lake"), "Pond");
    const CSaveResult save = m_library.m_doc.Save();
    EXPECT_EQ(save.outcome, CSaveResult::kReadOnly);
    EXPECT_TRUE(save.strPath.ends_with("scenery.cfg"));
    EXPECT_EQ(FilesOf(m_library.m_sim), m_before);
    m_library.m_doc.SaveProfile("Home");
    EXPECT_EQ(m_library.m_doc.SaveProfiles().outcome, CSaveResult::kWritten);
}

INSTANTIATE_TEST_SUITE_P(Library, LibraryWrite, ::testing::Values(kProfilesTxt, ""),
                         [](const auto& info) {
                             return info.param.empty() ? "WithoutProfiles" : "WithProfiles";
                         });
