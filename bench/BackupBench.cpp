// What going back to a set would change, worked out for a library of
// 10,000 areas, 100 folders of 100 areas and 20 profiles of 500 against a
// set of the same with one area more on top and a few areas switched. Ends
// with the median time of the comparison.

#include "GeneratedLibrary.h"
#include "LibraryDifferences.h"
#include "TimeReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr int kAreas = 10000;
constexpr int kFolders = 100;
constexpr int kProfiles = 20;
constexpr int kSwitched[] = {17, 2500, 5000, 7501, 9999};

// The entries of a section naming the areas from nFirst on, as
// GeneratedLibrary names them.
std::string Entries(int nFirst, int nCount) {
    std::string text;
    char entry[160];
    for (int n = 0; n < nCount; ++n) {
        std::snprintf(entry, sizeof entry,
                      "Title.%d=Add-on Scenery Number %d\r\nLocal.%d=Addon Scenery\\Area%05d\r\n",
                      n, nFirst + n, n, nFirst + n);
        text += entry;
    }
    return text;
}

// The set's scenery.cfg: one area more, the last in the file and so on top,
// and a few areas in the other state.
std::string SetSceneryCfg() {
    std::string text = GeneratedLibrary(kAreas + 1);
    for (int nArea : kSwitched) {
        const std::size_t nTitle =
            text.find("Title=Add-on Scenery Number " + std::to_string(nArea) + "\r\n");
        const std::size_t nValue = text.find("Active=", nTitle) + 7;
        text.replace(nValue, text.compare(nValue, 4, "TRUE") == 0 ? 4 : 5,
                     text.compare(nValue, 4, "TRUE") == 0 ? "FALSE" : "TRUE");
    }
    return text;
}

class CBenchLibraries {
public:
    CBenchLibraries() : m_folder(std::filesystem::temp_directory_path() / "tarnwick-backup-bench") {
        std::filesystem::remove_all(m_folder);
        std::string folderTxt;
        for (int f = 0; f < kFolders; ++f)
            folderTxt += "[Folder " + std::to_string(f) + "]\r\nActive=1\r\nExpand=0\r\n" +
                         Entries(f * (kAreas / kFolders) + 1, kAreas / kFolders);
        std::string profilesTxt;
        for (int p = 0; p < kProfiles; ++p)
            profilesTxt += "[Profile " + std::to_string(p) + "]\r\n" +
                           Entries(p * (kAreas / kProfiles) + 1, kAreas / kProfiles);
        m_now = Read("now", GeneratedLibrary(kAreas), folderTxt, profilesTxt);
        m_set = Read("set", SetSceneryCfg(), folderTxt, profilesTxt);
    }
    ~CBenchLibraries() { std::filesystem::remove_all(m_folder); }

    const CLibrarySet& Now() const { return m_now; }
    const CLibrarySet& Set() const { return m_set; }

private:
    CLibrarySet Read(const char* pszName, const std::string& sceneryCfg,
                     const std::string& folderTxt, const std::string& profilesTxt) const {
        const std::filesystem::path folder = m_folder / pszName;
        std::filesystem::create_directories(folder);
        const std::string* texts[] = {&sceneryCfg, &folderTxt, &profilesTxt};
        CByLibraryFile<std::string> paths;
        for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
            paths[n] = (folder / kLibraryFiles[n].pszName).string();
            std::ofstream(paths[n], std::ios::binary) << *texts[n];
        }
        return ReadLibrarySet(paths);
    }

    std::filesystem::path m_folder;
    CLibrarySet m_now;
    CLibrarySet m_set;
};

void BM_Differences(benchmark::State& state) {
    static const CBenchLibraries libraries;
    // The area that comes back and each switch.
    constexpr std::size_t kLines = 1 + std::size(kSwitched);
    for (auto _ : state) {
        const std::vector<std::string> lines =
            LibraryDifferences(libraries.Now().View(), libraries.Set().View());
        if (lines.size() != kLines)
            state.SkipWithError("the comparison found other differences than made");
    }
}

// The median of five runs: the other programs of a shared machine slow one
// run or another.
BENCHMARK(BM_Differences)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

class CFigureReporter : public CTimeReporter {
public:
    void PrintFigures() const {
        if (const auto it = m_aTime.find("BM_Differences/repeats:5_median"); it != m_aTime.end())
            std::printf("backup_diff_ms_10000: %.2f\n", it->second);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    CFigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintFigures();
    benchmark::Shutdown();
}
