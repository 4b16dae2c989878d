#include "MainWindowTest.h"

#include "InterruptedSave.h"
#include "RunProgram.h"
#include "resource.h"

#include <algorithm>

namespace {

// Rows from the top: Lake (on, in Mixed), Dup, Dup (same folder), Town
// (off, in Mixed); none of their folders exists.
const std::string kLibrary =
    "[Area.001]\r\nTitle=Town\r\nLocal=Addon\\Town\r\nLayer=1\r\nActive=FALSE\r\n"
    "[Area.002]\r\nTitle=Dup\r\nLocal=Addon\\Dup\r\nLayer=2\r\nActive=TRUE\r\n"
    "[Area.003]\r\nTitle=Dup\r\nLocal=addon/dup\r\nLayer=9\r\nActive=TRUE\r\n"
    "[Area.4]\r\nTitle=Lake\r\nLocal=Addon\\Lake\r\nLayer=4\r\nActive=TRUE\r\n";
const std::string kFolders = "[Mixed]\r\nActive=2\r\nExpand=1\r\n"
                             "Title.0=Lake\r\nLocal.0=Addon\\Lake\r\nTitle.1=Town\r\n"
                             "Local.1=Addon\\Town\r\nTitle.2=Gone\r\nLocal.2=Gone\r\n"
                             "[Empty]\r\nActive=0\r\nExpand=1\r\n";

class CheckAndSave : public CMainWindowTest {
protected:
    CheckAndSave() : CMainWindowTest(kLibrary) { m_sim.Write("Folder.txt", kFolders); }
};

} // namespace

TEST_F(CheckAndSave, CheckLibraryShowsWhatTwkCheckPrints) {
    Run([&] { SysCommand(IDM_CHECK_LIBRARY); });
    // The same findings, without twk's line ends and lines of what to run.
    std::string printed = RunProgram(TwkPath(), {"--sim", m_sim.WinPath(), "check"}).strOut;
    printed.erase(std::remove(printed.begin(), printed.end(), '\r'), printed.end());
    ASSERT_NE(printed.find("duplicate-local: #3"), std::string::npos) << printed;
    for (std::size_t n; (n = printed.find("\n  ")) != std::string::npos;)
        printed.erase(n, printed.find('\n', n + 1) - n);
    printed.pop_back();
    EXPECT_EQ(m_answerer.m_aBoxes, std::vector<std::string>{"Check library|" + printed});
}

// Ctrl+Z and the system menu take changes back; Ctrl+Y, Ctrl+Shift+Z and
// the menu do them again; the menu's items are greyed while there is
// nothing to take back or do again, and the Find field keeps Ctrl+Z for its
// own text.
TEST_F(CheckAndSave, UndoAndRedoComeFromTheKeysAndTheSystemMenu) {
    Run([&] {
        m_answerer.m_nButton = IDYES;
        for (int n = 0; n < 3; ++n) {
            List().SetCurSel(0);
            Key(VK_DELETE);
        }
        Key('Z', {VK_CONTROL});
        SysCommand(IDM_UNDO);
        Key('Z', {VK_CONTROL}, m_dlg.m_editFind.m_hWnd);
        EXPECT_EQ(m_dlg.Document().RowCount(), 3);
        EXPECT_TRUE(!Greyed(IDM_UNDO) && !Greyed(IDM_REDO));
        Key('Y', {VK_CONTROL});
        Key('Z', {VK_CONTROL, VK_SHIFT});
        SysCommand(IDM_REDO);
        EXPECT_EQ(m_dlg.Document().RowCount(), 1);
        EXPECT_TRUE(!Greyed(IDM_UNDO) && Greyed(IDM_REDO));
    });
}

namespace {

constexpr const char* kCloseQuestion =
    "Tarnwick|Save the changes to the scenery library before closing?";

struct CCloseCase {
    const char* pszName;
    bool bChanged;
    UINT nClose; // IDOK: the Quit button; SC_CLOSE: the close box; or logging off
    int nAnswer;
    bool bClosed, bSaved;
};

class CloseQuestion : public CheckAndSave, public ::testing::WithParamInterface<CCloseCase> {};

} // namespace

TEST_P(CloseQuestion, AsksOnlyWithUnsavedChangesAndDoesAsAnswered) {
    const CCloseCase& param = GetParam();
    bool bClosed = false;
    const INT_PTR nResult = RunMain(m_dlg, [&] {
        Pump(m_dlg);
        if (param.bChanged)
            ClickAt(5, RowTop(0) + 10);
        // Escape and Enter close nothing.
        Key(VK_ESCAPE);
        Key(VK_RETURN);
        m_answerer.m_nButton = param.nAnswer;
        LRESULT nEndSession = TRUE;
        if (param.nClose == IDOK)
            Click(m_dlg, IDOK);
        else if (param.nClose == SC_CLOSE)
            m_dlg.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            nEndSession = m_dlg.SendMessage(WM_QUERYENDSESSION, 0, 0);
        Pump(m_dlg);
        // Closing writes the settings file.
        bClosed = m_settings.Read() != "<none>" && nEndSession;
        if (!bClosed) {
            m_answerer.m_nButton = IDNO;
            Click(m_dlg, IDOK);
        }
    });
    EXPECT_EQ(bClosed, param.bClosed);
    EXPECT_EQ(nResult, bClosed && param.nClose == SC_CLOSE ? IDCANCEL : IDOK);
    EXPECT_EQ(m_sim.Read("scenery.cfg") != kLibrary, param.bSaved);
    std::vector<std::string> asked;
    if (param.bChanged)
        asked.assign(param.bClosed ? 1 : 2, kCloseQuestion);
    EXPECT_EQ(m_answerer.m_aBoxes, asked);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CloseQuestion,
    ::testing::Values(CCloseCase{"Clean", false, IDOK, IDCANCEL, true, false},
                      CCloseCase{"YesSaves", true, IDOK, IDYES, true, true},
                      CCloseCase{"NoLeaves", true, SC_CLOSE, IDNO, true, false},
                      CCloseCase{"CancelStays", true, SC_CLOSE, IDCANCEL, false, false},
                      CCloseCase{"CancelOnLogOffStays", true, WM_QUERYENDSESSION, IDCANCEL, false,
                                 false}),
    [](const auto& info) { return info.param.pszName; });

namespace {

// What stands in the way of a Save: scenery.cfg read-only, or another
// program's lock, taken once the window is open or held before it starts; or
// a save that died before the window started. What the window says, and the
// files as they were.
enum class EObstacle { kReadOnly, kLockedAtSave, kLockedAtStart, kInterrupted };

struct CWriteCase {
    const char* pszName;
    EObstacle obstacle;
    int nAnswer; // to every box
    std::vector<std::string> boxes;
};

class WriteRefused : public CheckAndSave, public ::testing::WithParamInterface<CWriteCase> {};

const std::string kLockedQuestion =
    "Tarnwick|Another program is writing the scenery library.\nTry again?";

const CWriteCase kWriteCases[] = {
    {"ReadOnly",
     EObstacle::kReadOnly,
     IDOK,
     {"Error|scenery.cfg is read-only, so nothing was saved.\nRemove its read-only attribute to "
      "save.",
      kCloseQuestion}},
    {"LockedAtSave", EObstacle::kLockedAtSave, IDCANCEL, {kLockedQuestion, kCloseQuestion}},
    {"LockedAtStartClosesTheWindow", EObstacle::kLockedAtStart, IDCANCEL, {kLockedQuestion}},
    {"Interrupted",
     EObstacle::kInterrupted,
     IDOK,
     {"Tarnwick|A save of the scenery library was interrupted. Its files were put back as they "
      "were before it."}},
};

} // namespace

TEST_P(WriteRefused, SaysSoAndLeavesEveryFileAsItWas) {
    const EObstacle obstacle = GetParam().obstacle;
    CFileLock other;
    if (obstacle == EObstacle::kReadOnly)
        SetFileAttributesA(m_sim.Path("scenery.cfg").c_str(), FILE_ATTRIBUTE_READONLY);
    else if (obstacle == EObstacle::kLockedAtStart)
        other.Acquire(m_sim.Path("Tarnwick.lock"), {});
    else if (obstacle == EObstacle::kInterrupted)
        LeaveAnInterruptedSave(m_sim.WinPath() + "\\");
    Run([&] {
        m_answerer.m_nButton = GetParam().nAnswer;
        if (obstacle == EObstacle::kLockedAtSave)
            other.Acquire(m_sim.Path("Tarnwick.lock"), {});
        if (m_answerer.m_aBoxes.empty()) {
            ClickAt(5, RowTop(0) + 10);
            Click(m_dlg, IDC_SAVE);
        }
    });
    other.Release();
    SetFileAttributesA(m_sim.Path("scenery.cfg").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(m_answerer.m_aBoxes, GetParam().boxes);
    EXPECT_EQ(m_sim.Read("scenery.cfg"), kLibrary);
    EXPECT_EQ(m_sim.Read("Folder.txt"), kFolders);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteRefused, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return info.param.pszName; });
