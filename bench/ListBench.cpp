// Under Wine, the main window with libraries of 100, 1,000 and 10,000 areas:
// start-up to a filled list, a refill, a drop and a check toggle, driven
// through the window's own message loop. Ends with the growth figures.

#include "AppTestSupport.h"
#include "GeneratedLibrary.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <tuple>

namespace {

using CClock = std::chrono::steady_clock;

double MsSince(CClock::time_point start) {
    return std::chrono::duration<double, std::milli>(CClock::now() - start).count();
}

struct CTimes {
    double startUp = 0, fill = 0, drop = 0, toggle = 0;
    double smallFolder = 0, bigFolder = 0; // toggling folders of 100 and 1,000 areas
};

// Two folders: areas 0 to 99, and areas 100 to 1,099 (as far as there are).
std::string FolderText(int nAreas) {
    std::string text;
    for (auto [name, first, count] : {std::tuple{"Small", 0, 100}, std::tuple{"Big", 100, 1000}}) {
        text += std::string("[") + name + "]\r\nActive=1\r\nExpand=1\r\n";
        for (int i = 0; i < count && first + i < nAreas; ++i) {
            const int n = first + i + 1;
            text += "Title." + std::to_string(i) + "=Add-on Scenery Number " + std::to_string(n) +
                    "\r\nLocal." + std::to_string(i) + "=Addon Scenery\\Area" +
                    (n < 10      ? "0000"
                     : n < 100   ? "000"
                     : n < 1000  ? "00"
                     : n < 10000 ? "0"
                                 : "") +
                    std::to_string(n) + "\r\n";
        }
    }
    return text;
}

CTimes Measure(int nAreas) {
    CSimFolder sim(GeneratedLibrary(nAreas));
    sim.Write("Folder.txt", FolderText(nAreas));
    SetSimRegistry(sim.WinPath());
    CTestManagerDlg dlg;
    // The close question after the changes measured: No, leaving the files.
    CAnswerer answerer;
    answerer.m_nButton = IDNO;
    CTimes times;
    const auto start = CClock::now();
    RunMain(dlg, [&] {
        times.startUp = MsSince(start);
        HWND hList = dlg.m_listScenery.m_hWnd;
        auto post = [&](UINT nMessage, int x, int y, WPARAM nKeys) {
            PostMessageA(hList, nMessage, nKeys, MAKELPARAM(x, y));
            Pump(dlg);
        };
        auto begin = CClock::now();
        dlg.m_view.ShowAllRows();
        UpdateWindow(hList);
        times.fill = MsSince(begin);
        begin = CClock::now();
        post(WM_LBUTTONDOWN, 50, 10, MK_LBUTTON);
        post(WM_MOUSEMOVE, 50, 12, MK_LBUTTON);
        post(WM_MOUSEMOVE, 50, 65, MK_LBUTTON);
        post(WM_LBUTTONUP, 50, 65, 0);
        times.drop = MsSince(begin);
        begin = CClock::now();
        post(WM_LBUTTONDOWN, 5, 30, MK_LBUTTON);
        post(WM_LBUTTONUP, 5, 30, 0);
        UpdateWindow(hList);
        times.toggle = MsSince(begin);
        for (auto [nFolder, pTime] :
             {std::pair{0, &times.smallFolder}, std::pair{1, &times.bigFolder}}) {
            begin = CClock::now();
            dlg.m_folderCommands.ToggleTreeItem(dlg.m_treeFolders.FolderItem(nFolder));
            UpdateWindow(hList);
            *pTime = MsSince(begin);
        }
        Click(dlg, IDOK);
    });
    RemoveSimRegistry();
    return times;
}

} // namespace

int main() {
    CSettingsFile settings;
    std::map<int, CTimes> times;
    for (int nAreas : {100, 1000, 10000}) {
        times[nAreas] = Measure(nAreas);
        const CTimes& t = times[nAreas];
        std::printf("areas %d: start-up %.1f ms, refill %.1f ms, drop %.2f ms, toggle %.2f ms, "
                    "folder toggle %.2f ms (100 areas), %.2f ms (1,000 areas)\n",
                    nAreas, t.startUp, t.fill, t.drop, t.toggle, t.smallFolder, t.bigFolder);
    }
    std::printf("startup_10000_vs_100: %.2f\n", times[10000].startUp / times[100].startUp);
    std::printf("fill_10000_vs_1000: %.2f\n", times[10000].fill / times[1000].fill);
    std::printf("folder_toggle_1000_vs_100: %.2f\n",
                times[10000].bigFolder / times[10000].smallFolder);
}
