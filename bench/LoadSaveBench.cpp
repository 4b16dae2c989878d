// Load and save of generated libraries of 1,000, 10,000 and 100,000 areas,
// with the peak of heap bytes in use. Ends with the growth from 10,000 to
// 100,000 areas (linear growth gives 10).

#include "GeneratedLibrary.h"
#include "SceneryCfg.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <map>
#include <new>

namespace {

std::atomic<long long> g_nBytesInUse{0};
std::atomic<long long> g_nPeakBytes{0};

void Count(long long nBytes) {
    long long nNow = g_nBytesInUse += nBytes;
    long long nPeak = g_nPeakBytes;
    while (nNow > nPeak && !g_nPeakBytes.compare_exchange_weak(nPeak, nNow)) {
    }
}

} // namespace

void* operator new(std::size_t nSize) {
    void* p = std::malloc(nSize ? nSize : 1);
    if (p == nullptr)
        throw std::bad_alloc();
    Count(static_cast<long long>(malloc_usable_size(p)));
    return p;
}
void operator delete(void* p) noexcept {
    if (p)
        Count(-static_cast<long long>(malloc_usable_size(p)));
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

std::string LibraryFile(int nAreas) {
    auto path = std::filesystem::temp_directory_path() /
                ("tarnwick-bench-" + std::to_string(nAreas) + ".cfg");
    std::ofstream(path, std::ios::binary) << GeneratedLibrary(nAreas);
    return path.string();
}

void ReportPeak(benchmark::State& state, long long nBase) {
    state.counters["peak_bytes"] = static_cast<double>(g_nPeakBytes - nBase);
}

void BM_Load(benchmark::State& state) {
    const std::string path = LibraryFile(static_cast<int>(state.range(0)));
    long long nBase = g_nBytesInUse;
    g_nPeakBytes = nBase;
    for (auto _ : state) {
        CSceneryHeader header;
        CAreaArray areas;
        benchmark::DoNotOptimize(LoadSceneryCfg(path, header, areas));
    }
    ReportPeak(state, nBase);
    std::filesystem::remove(path);
}

void BM_Save(benchmark::State& state) {
    const std::string path = LibraryFile(static_cast<int>(state.range(0)));
    CSceneryHeader header;
    CAreaArray areas;
    LoadSceneryCfg(path, header, areas);
    std::vector<CListRow> rows;
    for (int i = areas.GetSize() - 1; i >= 0; --i)
        rows.push_back({i, areas.GetAt(i).IsActive()});
    long long nBase = g_nBytesInUse;
    g_nPeakBytes = nBase;
    for (auto _ : state) {
        UpdateLayersFromList(rows, areas);
        UpdateActiveFromList(rows, areas);
        benchmark::DoNotOptimize(SaveSceneryCfg(path, header, areas, rows));
    }
    ReportPeak(state, nBase);
    std::filesystem::remove(path);
}

BENCHMARK(BM_Load)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Keeps each run's time and peak so the growth can be printed at the end.
class CGrowthReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            m_aTime[run.benchmark_name()] = run.GetAdjustedRealTime();
            m_aPeak[run.benchmark_name()] = run.counters.at("peak_bytes");
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintGrowth() const {
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
