// Under Wine: Tarnwick.exe started as a user starts it, timed from the
// process start to the first row of its list on the screen, with Wine's
// theme on and off, for one or more builds of the program taken in turn.
// The program is not touched: this watches its window from outside, reading
// the screen where the list's top row lies until that row holds the dark
// pixels of its text on the light of the list.
// Usage: startup_probe.exe RUNS Tarnwick.exe [Tarnwick.exe...]

#include "GeneratedLibrary.h"
#include "SimulatorLocation.h"
#include "resource.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kAreas = 100;
constexpr DWORD kGiveUpMs = 30000;
constexpr const char* kThemeKey = "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
constexpr const char* kThemeValue = "ThemeActive";

double Now() {
    static const double fTicksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) / fTicksPerMs;
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Wine's uxtheme reads this at each process start, so each run takes the
// setting made just before it.
void SetTheme(const char* pActive) {
    HKEY hKey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kThemeKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(hKey, kThemeValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(pActive),
                   static_cast<DWORD>(lstrlenA(pActive) + 1));
    RegCloseKey(hKey);
}

std::string ThemeNow() {
    char value[8] = "";
    DWORD nSize = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kThemeKey, kThemeValue, RRF_RT_REG_SZ, nullptr, value,
                     &nSize) != ERROR_SUCCESS)
        return "";
    return value;
}

struct CSearch {
    DWORD nProcess;
    HWND hList;
};

BOOL CALLBACK TakeList(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<CSearch*>(lParam);
    DWORD nOwner = 0;
    GetWindowThreadProcessId(hWnd, &nOwner);
    if (nOwner != pSearch->nProcess || !IsWindowVisible(hWnd))
        return TRUE;
    HWND hList = GetDlgItem(hWnd, IDC_LIST_SCENERY);
    if (!hList || !IsWindowVisible(hList))
        return TRUE;
    pSearch->hList = hList;
    return FALSE;
}

// The list of the process's main window, once that window shows.
HWND FindList(DWORD nProcess) {
    CSearch search{nProcess, nullptr};
    EnumWindows(TakeList, reinterpret_cast<LPARAM>(&search));
    return search.hList;
}

// Whether the list's top row shows its text: the strip is mostly the light
// of the list, with at least a few letters' worth of dark pixels. Until the
// list paints, the strip holds no text, whatever colour it shows.
bool TopRowDrawn(HWND hList, HDC hScreen, HDC hMemory, const std::uint32_t* pPixels, int cxMax,
                 int cyMax) {
    RECT client;
    if (!GetClientRect(hList, &client))
        return false;
    POINT origin{0, 0};
    ClientToScreen(hList, &origin);
    const int cx = std::min<int>(client.right, cxMax);
    const int cy = std::min<int>(client.bottom, cyMax);
    if (cx <= 0 || cy <= 0 || !BitBlt(hMemory, 0, 0, cx, cy, hScreen, origin.x, origin.y, SRCCOPY))
        return false;
    GdiFlush();
    int nLight = 0, nDark = 0;
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            const std::uint32_t pixel = pPixels[y * cxMax + x];
            const int nLuma =
                (((pixel >> 16) & 0xFF) * 3 + ((pixel >> 8) & 0xFF) * 6 + (pixel & 0xFF)) / 10;
            nLight += nLuma > 230;
            nDark += nLuma < 90;
        }
    }
    return nLight * 2 > cx * cy && nDark >= 40;
}

// One start of the program in its own folder: milliseconds from the process
// start to the top row on the screen, or a negative figure when it never came.
double TimeOneStart(const std::string& exe, const std::string& folder) {
    constexpr int cxStrip = 400, cyStrip = 18;
    HDC hScreen = GetDC(nullptr);
    HDC hMemory = CreateCompatibleDC(hScreen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = cxStrip;
    info.bmiHeader.biHeight = -cyStrip;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(hMemory, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + exe + "\"";
    const double start = Now();
    double ms = -1;
    if (CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &startup, &process)) {
        HWND hList = nullptr;
        while (Now() - start < kGiveUpMs) {
            if (!hList)
                hList = FindList(process.dwProcessId);
            if (hList && TopRowDrawn(hList, hScreen, hMemory, static_cast<std::uint32_t*>(pBits),
                                     cxStrip, cyStrip)) {
                ms = Now() - start;
                break;
            }
            if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
                break;
        }
        if (hList)
            PostMessageA(GetParent(hList), WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, INFINITE);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    SelectObject(hMemory, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hMemory);
    ReleaseDC(nullptr, hScreen);
    return ms;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe RUNS Tarnwick.exe [Tarnwick.exe...]\n");
        return 2;
    }
    const int nRuns = std::atoi(argv[1]);
    const std::vector<std::string> builds(argv + 2, argv + argc);

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "tarnwick-startup\\";
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string sim = root + "FS9";
    CreateDirectoryA(sim.c_str(), nullptr);
    WriteFile(sim + "\\fs9.exe", "");
    WriteFile(sim + "\\scenery.cfg", GeneratedLibrary(kAreas));
    HKEY hKey;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSimRegistryKey, 0, nullptr, 0,
                    KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &hKey, nullptr);
    const std::string value = sim + "\\";
    RegSetValueExA(hKey, kSimRegistryValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(hKey);

    // Each build runs from a folder of its own, where it keeps its own
    // settings file, and none is left in a build tree.
    std::vector<std::string> exes, folders;
    for (std::size_t i = 0; i < builds.size(); ++i) {
        folders.push_back(root + "build" + std::to_string(i + 1));
        CreateDirectoryA(folders.back().c_str(), nullptr);
        exes.push_back(folders.back() + "\\Tarnwick.exe");
        if (!CopyFileA(builds[i].c_str(), exes.back().c_str(), FALSE)) {
            std::fprintf(stderr, "cannot copy %s\n", builds[i].c_str());
            return 1;
        }
    }

    const std::string themeBefore = ThemeNow();
    const char* const themes[] = {"1", "0"};
    const char* const themeNames[] = {"on", "off"};
    // times[theme][build][round]; the builds and themes take turns, each
    // round starting with another build, so that a slow spell of the machine
    // falls on all of them. Round 0 warms the disk cache and is not counted;
    // a start that showed no row counts as a negative time.
    std::vector<std::vector<double>> times[2];
    for (auto& perTheme : times)
        perTheme.assign(exes.size(), std::vector<double>(static_cast<std::size_t>(nRuns), -1));
    int nFailed = 0;
    for (int nRound = 0; nRound <= nRuns; ++nRound) {
        for (int nTheme = 0; nTheme < 2; ++nTheme) {
            for (std::size_t k = 0; k < exes.size(); ++k) {
                const std::size_t i = (k + static_cast<std::size_t>(nRound)) % exes.size();
                SetTheme(themes[nTheme]);
                const double ms = TimeOneStart(exes[i], folders[i]);
                nFailed += ms < 0;
                if (nRound > 0)
                    times[nTheme][i][static_cast<std::size_t>(nRound - 1)] = ms;
            }
        }
    }
    if (!themeBefore.empty())
        SetTheme(themeBefore.c_str());

    auto shown = [](const std::vector<double>& runs) {
        std::vector<double> kept;
        std::copy_if(runs.begin(), runs.end(), std::back_inserter(kept),
                     [](double ms) { return ms >= 0; });
        return kept;
    };
    for (std::size_t i = 0; i < exes.size(); ++i) {
        std::printf("build %zu: %s\n", i + 1, builds[i].c_str());
        for (int nTheme = 0; nTheme < 2; ++nTheme) {
            const std::vector<double> runs = shown(times[nTheme][i]);
            if (runs.empty())
                continue;
            std::printf("  theme %-3s first row after %7.1f ms (median of %zu; %.1f to %.1f)\n",
                        themeNames[nTheme], Median(runs), runs.size(),
                        *std::min_element(runs.begin(), runs.end()),
                        *std::max_element(runs.begin(), runs.end()));
        }
        const std::vector<double> on = shown(times[0][i]), off = shown(times[1][i]);
        if (!on.empty() && !off.empty())
            std::printf("startup_theme_on_vs_off_build%zu: %.2f\n", i + 1,
                        Median(on) / Median(off));
    }
    // Against the first build: the ratio of the medians, and the median of
    // each round's own ratio, which the machine's slow and fast spells
    // between rounds do not move.
    for (std::size_t i = 1; i < exes.size(); ++i) {
        for (int nTheme = 0; nTheme < 2; ++nTheme) {
            const std::vector<double>& first = times[nTheme][0];
            const std::vector<double>& other = times[nTheme][i];
            std::vector<double> ratios;
            for (std::size_t r = 0; r < first.size(); ++r) {
                if (first[r] > 0 && other[r] > 0)
                    ratios.push_back(other[r] / first[r]);
            }
            if (ratios.empty())
                continue;
            std::printf("startup_build%zu_vs_build1_theme_%s: %.2f (median of the rounds' "
                        "ratios: %.2f)\n",
                        i + 1, themeNames[nTheme], Median(shown(other)) / Median(shown(first)),
                        Median(ratios));
        }
    }
    if (nFailed) {
        std::printf("%d starts showed no row within %lu s\n", nFailed, kGiveUpMs / 1000);
        return 1;
    }
    return 0;
}
