// Under Wine, the main window with libraries of 100, 1,000 and 10,000 areas:
// start-up to a filled list, a refill, a drop and a check toggle, driven
// through the window's own message loop. Ends with the growth figures.

#include "AppTestSupport.h"
#include "GeneratedLibrary.h"

#include <chrono>
#include <cstdio>
#include <map>

namespace {

using CClock = std::chrono::steady_clock;

double MsSince(CClock::time_point start) {
    return std::chrono::duration<double, std::milli>(CClock::now() - start).count();
}

struct CTimes {
    double startUp = 0, fill = 0, drop = 0, toggle = 0;
};

CTimes Measure(int nAreas) {
    CSimFolder sim(GeneratedLibrary(nAreas));
    SetSimRegistry(sim.WinPath());
    CTestManagerDlg dlg;
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
        dlg.FillSceneryList();
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
        std::printf("areas %d: start-up %.1f ms, refill %.1f ms, drop %.2f ms, toggle %.2f ms\n",
                    nAreas, t.startUp, t.fill, t.drop, t.toggle);
    }
    std::printf("startup_10000_vs_100: %.2f\n", times[10000].startUp / times[100].startUp);
    std::printf("fill_10000_vs_1000: %.2f\n", times[10000].fill / times[1000].fill);
}
