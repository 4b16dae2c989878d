// Under Wine, side by side: loading and saving a generated library through
// the system's profile-string API, call by call, the way the simulator's own
// tools do it, against our engine, which reads once and writes once.
// The last line is the speed-up at 2,000 areas (API time / our time).

#include "GeneratedLibrary.h"
#include "SceneryCfg.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

using CClock = std::chrono::steady_clock;

double SecondsSince(CClock::time_point start) {
    return std::chrono::duration<double>(CClock::now() - start).count();
}

std::string SectionName(int nNumber) {
    char name[32];
    std::snprintf(name, sizeof name, "area.%03d", nNumber);
    return name;
}

struct CApiArea {
    int nNumber = -1;
    char szTitle[260] = "", szLocal[260] = "", szRemote[260] = "";
    int nTextureId = 0, nLayer = -1;
    bool bActive = false, bRequired = false;
};

// The line scan, then one look-up per key and area.
std::vector<CApiArea> ApiLoad(const std::string& path) {
    std::vector<CApiArea> areas;
    FILE* pFile = std::fopen(path.c_str(), "r");
    char szLine[4096];
    char szValue[260];
    while (pFile && std::fgets(szLine, sizeof szLine, pFile)) {
        std::string line = LowerAscii(TrimLeadingBlanks(szLine));
        if (line.empty() || line[0] != '[')
            continue;
        if (line.find("general") != std::string::npos) {
            for (const char* key : {"Title", "Description", "Clean_on_Exit"})
                GetPrivateProfileStringA("General", key, "", szValue, 260, path.c_str());
        } else if (std::size_t nArea = line.find("area."); nArea != std::string::npos) {
            areas.emplace_back().nNumber = std::atoi(line.c_str() + nArea + 5);
        }
    }
    if (pFile)
        std::fclose(pFile);
    for (CApiArea& area : areas) {
        const std::string section = SectionName(area.nNumber);
        const char* s = section.c_str();
        const char* p = path.c_str();
        GetPrivateProfileStringA(s, "Title", "", area.szTitle, 260, p);
        area.nTextureId = GetPrivateProfileIntA(s, "Texture_ID", -1, p);
        area.nLayer = GetPrivateProfileIntA(s, "Layer", -1, p);
        GetPrivateProfileStringA(s, "Active", "FALSE", szValue, 260, p);
        area.bActive = std::strcmp(szValue, "TRUE") == 0;
        GetPrivateProfileStringA(s, "Required", "FALSE", szValue, 260, p);
        area.bRequired = std::strcmp(szValue, "TRUE") == 0;
        GetPrivateProfileStringA(s, "Local", "", area.szLocal, 260, p);
        GetPrivateProfileStringA(s, "Remote", "", area.szRemote, 260, p);
    }
    return areas;
}

// The file deleted, then written key by key.
void ApiSave(const std::string& path, std::vector<CApiArea>& areas) {
    const char* p = path.c_str();
    DeleteFileA(p);
    WritePrivateProfileStringA("General", "Title", "FS9 World Scenery", p);
    WritePrivateProfileStringA("General", "Description", "FS9 Scenery Data", p);
    WritePrivateProfileStringA("General", "Clean_on_Exit", "TRUE\n", p);
    int nNumber = 0;
    for (CApiArea& area : areas) {
        area.nNumber = area.nLayer = ++nNumber;
        const std::string section = SectionName(area.nNumber);
        const char* s = section.c_str();
        WritePrivateProfileStringA(s, "Title", area.szTitle, p);
        if (area.nTextureId == 1)
            WritePrivateProfileStringA(s, "Texture_ID", "1", p);
        WritePrivateProfileStringA(s, "Layer", std::to_string(area.nLayer).c_str(), p);
        WritePrivateProfileStringA(s, "Active", area.bActive ? "TRUE" : "FALSE", p);
        WritePrivateProfileStringA(s, "Required", area.bRequired ? "TRUE" : "FALSE", p);
        WritePrivateProfileStringA(s, "Local", area.szLocal, p);
        WritePrivateProfileStringA(s, "Remote", (std::string(area.szRemote) + "\n").c_str(), p);
    }
}

struct CTimes {
    double load = 0, save = 0;
    double Total() const { return load + save; }
};

CTimes TimeApi(const std::string& path) {
    CTimes times;
    auto start = CClock::now();
    std::vector<CApiArea> areas = ApiLoad(path);
    times.load = SecondsSince(start);
    start = CClock::now();
    ApiSave(path, areas);
    times.save = SecondsSince(start);
    return times;
}

CTimes TimeOurs(const std::string& path) {
    CTimes times;
    CSceneryHeader header;
    CAreaArray areas;
    auto start = CClock::now();
    CFileResult load = LoadSceneryCfg(path, header, areas);
    times.load = SecondsSince(start);
    start = CClock::now();
    std::vector<CListRow> rows;
    for (int i = areas.GetSize() - 1; i >= 0; --i)
        rows.push_back({i, areas.GetAt(i).IsActive()});
    UpdateLayersFromList(rows, areas);
    UpdateActiveFromList(rows, areas);
    SaveSceneryCfg(path, header, areas, rows, load.disk);
    times.save = SecondsSince(start);
    return times;
}

// Ours is fast enough to be noisy: the median of several runs.
CTimes MedianOurs(const std::string& path) {
    std::vector<CTimes> runs;
    for (int i = 0; i < 9; ++i)
        runs.push_back(TimeOurs(path));
    std::sort(runs.begin(), runs.end(),
              [](const CTimes& a, const CTimes& b) { return a.Total() < b.Total(); });
    return runs[runs.size() / 2];
}

} // namespace

int main() {
    char szTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, szTemp);
    double speedup = 0;
    for (int nAreas : {1000, 2000}) {
        const std::string text = GeneratedLibrary(nAreas);
        const std::string ours = std::string(szTemp) + "tarnwick-bench-ours.cfg";
        const std::string api = std::string(szTemp) + "tarnwick-bench-api.cfg";
        std::ofstream(ours, std::ios::binary) << text;
        std::ofstream(api, std::ios::binary) << text;
        CTimes oursTimes = MedianOurs(ours);
        CTimes apiTimes = TimeApi(api);
        speedup = apiTimes.Total() / oursTimes.Total();
        std::printf("areas %d: profile API load %.3f s, save %.3f s; ours load %.3f ms, "
                    "save %.3f ms; speedup %.0f\n",
                    nAreas, apiTimes.load, apiTimes.save, oursTimes.load * 1e3,
                    oursTimes.save * 1e3, speedup);
        std::fflush(stdout);
        DeleteFileA(ours.c_str());
        DeleteFileA(api.c_str());
    }
    std::printf("speedup_vs_profile_api_2000: %.0f\n", speedup);
}
