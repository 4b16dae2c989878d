// Profiles at scale, each pair measured side by side in one run, best of
// several repetitions:
// - applying a profile of 5,000 of 10,000 areas (in 100 folders), which
//   switches about 5,000 of them, against switching the same areas one by one
//   through the document, each on a freshly opened library;
//   profile_apply_vs_switches_10000, goal at most 1;
// - reading and writing Profiles.txt of 20 profiles of 5,000 areas against
//   Folder.txt of 20 folders holding the same 100,000 entries;
//   profiles_txt_vs_folder_txt_100000, goal at most 2.
// The two ratios go to standard output, the times they come from to
// standard error.

#include "FolderFile.h"
#include "GeneratedLibrary.h"
#include "LibraryDocument.h"
#include "ProfilesFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

constexpr int kAreas = 10000;
constexpr int kRepetitions = 5;

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Sets of 5,000 areas, the nth starting 500 areas further down, as folders
// and as profiles.
int EntryArea(int nSet, int nEntry) {
    return (nSet * 500 + nEntry) % kAreas;
}

CFolderArray Folders(int nFolders, int nEntries) {
    CFolderArray folders;
    for (int f = 0; f < nFolders; ++f) {
        folders.Add(std::make_unique<CFolder>("Folder " + std::to_string(f)));
        for (int e = 0; e < nEntries; ++e)
            folders.GetAt(f).AddEntry(EntryArea(f, e));
    }
    return folders;
}

CSceneryProfiles Profiles(int nProfiles, int nEntries) {
    CSceneryProfiles profiles;
    for (int p = 0; p < nProfiles; ++p) {
        CSceneryProfile& profile = profiles.emplace_back();
        profile.strName = "Profile " + std::to_string(p);
        for (int e = 0; e < nEntries; ++e)
            profile.aEntries.push_back({EntryArea(p, e), {}});
    }
    return profiles;
}

// A simulator folder of kAreas areas, two thirds of them on, in 100 folders
// of 100, and one profile of every other area: applying it switches about
// half of the library.
class CBenchLibrary {
public:
    CBenchLibrary() : m_folder(std::filesystem::temp_directory_path() / "tarnwick-profile-bench") {
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        const std::string sceneryCfg = GeneratedLibrary(kAreas);
        CSceneryHeader header;
        CAreaArray areas;
        ParseSceneryCfg(sceneryCfg, header, areas);
        CSceneryProfiles profiles(1);
        profiles[0].strName = "Every other";
        for (int nArea = 0; nArea < kAreas; nArea += 2)
            profiles[0].aEntries.push_back({nArea, {}});
        std::ofstream(m_folder / "scenery.cfg", std::ios::binary) << sceneryCfg;
        std::ofstream(m_folder / "Folder.txt", std::ios::binary)
            << FormatFolders(Folders(kAreas / 100, 100), areas);
        std::ofstream(m_folder / "Profiles.txt", std::ios::binary)
            << FormatProfiles(profiles, areas);
    }
    ~CBenchLibrary() { std::filesystem::remove_all(m_folder); }

    void Open(CLibraryDocument& doc) const { doc.Open(m_folder.string() + "/"); }

private:
    std::filesystem::path m_folder;
};

void CompareApplyWithSwitches() {
    const CBenchLibrary library;
    double nApply = 1e9, nSwitches = 1e9;
    std::size_t nSwitched = 0;
    for (int n = 0; n < kRepetitions; ++n) {
        CLibraryDocument applied;
        library.Open(applied);
        nApply = std::min(nApply, Seconds([&] { applied.ApplyProfile(0); }));

        CLibraryDocument switched;
        library.Open(switched);
        const std::vector<int> aSwitched =
            ProfileSwitches(switched.Profiles()[0], switched.Areas(), switched.Rows()).aSwitched;
        nSwitched = aSwitched.size();
        nSwitches =
            std::min(nSwitches, Seconds([&] {
                         for (int nArea : aSwitched)
                             switched.SetAreasActive({{nArea}}, !switched.Area(nArea).IsActive());
                     }));
    }
    std::fprintf(stderr, "apply: %.3f ms, its %zu switches one by one: %.3f ms\n", nApply * 1e3,
                 nSwitched, nSwitches * 1e3);
    std::printf("profile_apply_vs_switches_10000: %.4f\n", nApply / nSwitches);
}

void CompareProfilesTxtWithFolderTxt() {
    CSceneryHeader header;
    CAreaArray areas;
    ParseSceneryCfg(GeneratedLibrary(kAreas), header, areas);
    const std::string profilesTxt = FormatProfiles(Profiles(20, 5000), areas);
    const std::string folderTxt = FormatFolders(Folders(20, 5000), areas);
    double nProfiles = 1e9, nFolders = 1e9;
    for (int n = 0; n < kRepetitions; ++n) {
        nProfiles = std::min(nProfiles, Seconds([&] {
                                 CSceneryProfiles read;
                                 ParseProfiles(profilesTxt, read, areas);
                                 if (FormatProfiles(read, areas) != profilesTxt)
                                     std::fputs("Profiles.txt changed in the round\n", stderr);
                             }));
        nFolders = std::min(nFolders, Seconds([&] {
                                CFolderArray read;
                                ParseFolders(folderTxt, read, areas);
                                if (FormatFolders(read, areas) != folderTxt)
                                    std::fputs("Folder.txt changed in the round\n", stderr);
                            }));
    }
    std::fprintf(stderr, "Profiles.txt read and written: %.3f ms, Folder.txt: %.3f ms\n",
                 nProfiles * 1e3, nFolders * 1e3);
    std::printf("profiles_txt_vs_folder_txt_100000: %.3f\n", nProfiles / nFolders);
}

} // namespace

int main() {
    CompareApplyWithSwitches();
    CompareProfilesTxtWithFolderTxt();
}
