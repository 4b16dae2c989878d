// Load and save of generated libraries of 1,000, 10,000 and 100,000 areas,
// with the peak of heap bytes in use. Ends with the growth from 10,000 to
// 100,000 areas (linear growth gives 10).

#include "FolderFile.h"
#include "GeneratedLibrary.h"
#include "HeapCounter.h"
#include "SceneryCfg.h"
#include "SimulatorLocation.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <tuple>

namespace {

std::string LibraryFile(int nAreas) {
    auto path = std::filesystem::temp_directory_path() /
                ("tarnwick-bench-" + std::to_string(nAreas) + ".cfg");
    std::ofstream(path, std::ios::binary) << GeneratedLibrary(nAreas);
    return path.string();
}

void ReportPeak(benchmark::State& state, long long nBase) {
    state.counters["peak_bytes"] = static_cast<double>(HeapPeakBytes() - nBase);
}

void BM_Load(benchmark::State& state) {
    const std::string path = LibraryFile(static_cast<int>(state.range(0)));
    const long long nBase = ResetHeapPeak();
    for (auto _ : state) {
        CSceneryHeader header;
        CAreaArray areas;
        benchmark::DoNotOptimize(LoadSceneryCfg(path, header, areas));
    }
    ReportPeak(state, nBase);
    std::filesystem::remove(path);
}

// Save as the program does it, checking before the replace that the file is
// still what was read; or without the check, to show what the check costs.
void Save(benchmark::State& state, bool bGuarded) {
    const std::string path = LibraryFile(static_cast<int>(state.range(0)));
    CSceneryHeader header;
    CAreaArray areas;
    CFileState disk = LoadSceneryCfg(path, header, areas).disk;
    std::vector<CListRow> rows;
    for (int i = areas.GetSize() - 1; i >= 0; --i)
        rows.push_back({i, areas.GetAt(i).IsActive()});
    const long long nBase = ResetHeapPeak();
    for (auto _ : state) {
        UpdateLayersFromList(rows, areas);
        UpdateActiveFromList(rows, areas);
        CFileResult result =
            bGuarded
                ? SaveSceneryCfg(path, header, areas, rows, disk)
                : ReplaceFileAtomically(path, FormatSceneryCfg(header, areas, rows), kTempSuffix);
        if (!result)
            state.SkipWithError("save failed");
    }
    ReportPeak(state, nBase);
    std::filesystem::remove(path);
}

void BM_Save(benchmark::State& state) {
    Save(state, true);
}

void BM_UnguardedSave(benchmark::State& state) {
    Save(state, false);
}

// Folder.txt of n folders of m entries each, against 10,000 areas.
CFolderArray Folders(const CAreaArray& areas, int nFolders, int nEntries) {
    CFolderArray folders;
    for (int f = 0; f < nFolders; ++f) {
        folders.Add(std::make_unique<CFolder>("Folder " + std::to_string(f)));
        for (int e = 0; e < nEntries; ++e)
            folders.GetAt(f).AddEntry((f * nEntries + e) % areas.GetSize());
    }
    return folders;
}

void BM_LoadFolders(benchmark::State& state) {
    CSceneryHeader header;
    CAreaArray areas;
    ParseSceneryCfg(GeneratedLibrary(10000), header, areas);
    const std::string text = FormatFolders(
        Folders(areas, static_cast<int>(state.range(0)), static_cast<int>(state.range(1))), areas);
    for (auto _ : state) {
        CFolderArray read;
        benchmark::DoNotOptimize(ParseFolders(text, read, areas));
    }
}

void BM_SaveFolders(benchmark::State& state) {
    CSceneryHeader header;
    CAreaArray areas;
    ParseSceneryCfg(GeneratedLibrary(10000), header, areas);
    const CFolderArray folders =
        Folders(areas, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatFolders(folders, areas));
}

BENCHMARK(BM_Load)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFolders)
    ->Args({10, 100})
    ->Args({100, 100})
    ->Args({1, 1000})
    ->Args({1, 10000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFolders)->Args({10, 100})->Args({100, 100})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnguardedSave)->Arg(10000)->Unit(benchmark::kMillisecond);

// Keeps each run's time and peak so the growth can be printed at the end.
class CGrowthReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            m_aTime[run.benchmark_name()] = run.GetAdjustedRealTime();
            if (run.counters.count("peak_bytes"))
                m_aPeak[run.benchmark_name()] = run.counters.at("peak_bytes");
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintGrowth() const {
        for (auto [name, large, small] :
             {std::tuple{"LoadFolders", "BM_LoadFolders/100/100", "BM_LoadFolders/10/100"},
              std::tuple{"SaveFolders", "BM_SaveFolders/100/100", "BM_SaveFolders/10/100"},
              std::tuple{"LoadOneFolder", "BM_LoadFolders/1/10000", "BM_LoadFolders/1/1000"}}) {
            if (m_aTime.count(large) && m_aTime.count(small))
                std::printf("%s_time_10x_work: %.2f\n", name,
                            m_aTime.at(large) / m_aTime.at(small));
        }
        if (m_aTime.count("BM_Save/10000") && m_aTime.count("BM_UnguardedSave/10000"))
            std::printf("guarded_save_vs_save_10000: %.3f\n",
                        m_aTime.at("BM_Save/10000") / m_aTime.at("BM_UnguardedSave/10000"));
        for (const char* name : {"BM_Load", "BM_Save"}) {
            std::string large = std::string(name) + "/100000", small = std::string(name) + "/10000";
            if (!m_aTime.count(large) || !m_aTime.count(small))
                continue;
            std::printf("%s_time_100000_vs_10000: %.2f\n", name + 3,
                        m_aTime.at(large) / m_aTime.at(small));
            std::printf("%s_peak_bytes_100000_vs_10000: %.2f\n", name + 3,
                        m_aPeak.at(large) / m_aPeak.at(small));
        }
    }

private:
    std::map<std::string, double> m_aTime, m_aPeak;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    CGrowthReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintGrowth();
    benchmark::Shutdown();
}
