// The airport index of a library of 2,000 areas with ten scenery files each
// (20,000 files, about 20,000 airports, some idents in several areas), on
// the native disk with the page cache warm. The cold index (no cache file)
// against the least any reader does: open each file, read its header and
// section table, close it. The warm index (the cache file of a previous run)
// against listing each scenery folder and a stat of each file. Then what
// the simulator makes of each ident, and the cold index's peak heap. Last,
// one scenery file crafted to cost its reader the most against one of
// airport records of its size.

#include "AirportCache.h"
#include "AirportFindings.h"
#include "AirportIndex.h"
#include "Airports.h"
#include "BglFile.h"
#include "BglWriter.h"
#include "HeapCounter.h"
#include "Resolution.h"
#include "TimeReporter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>

namespace {

constexpr int kAreas = 2000;
constexpr int kFilesPerArea = 10;
// The simulator's own areas: the bottom rows, in its Scenery folder.
constexpr int kStockAreas = 50;
constexpr std::size_t kHeaderSize = 0x38;
constexpr std::size_t kSectionEntrySize = 20;

// Four letters, so that idents wrapping past kIdents fall on idents of
// areas far above: those areas fight over them.
constexpr int kIdents = 18000;

std::string IdentOf(int nIdent) {
    std::string ident(4, 'A');
    for (int n = 3; n >= 0; --n, nIdent /= 26)
        ident[static_cast<std::size_t>(n)] = static_cast<char>('A' + nIdent % 26);
    return ident;
}

// The simulator folder: each area's scenery folder holds ten files, one of
// which holds 1 to 19 airports; a few of the others are large.
class CAirportLibrary {
public:
    CAirportLibrary() : m_root(std::filesystem::temp_directory_path() / "tarnwick-airport-bench") {
        std::filesystem::remove_all(m_root);
        int nAirport = 0;
        const auto installed =
            std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
        for (int nSlot = 0; nSlot < kAreas; ++nSlot) {
            const bool bStock = nSlot >= kAreas - kStockAreas;
            char name[32];
            std::snprintf(name, sizeof name, bStock ? "Stock%03d" : "Area%05d", nSlot);
            const std::string local = std::string(bStock ? "Scenery\\" : "Addon Scenery\\") + name;
            const auto folder = m_root / (bStock ? "Scenery" : "Addon Scenery") / name;
            std::filesystem::create_directories(folder / "scenery");
            m_areas.push_back({nSlot, "Area " + std::to_string(nSlot), local, folder.string(),
                               nSlot % 10 != 3, bStock});
            for (int nFile = 0; nFile < kFilesPerArea; ++nFile) {
                std::vector<CTestAirport> airports;
                if (nFile == nSlot % kFilesPerArea) {
                    for (int n = 1 + nSlot * 7 % 19; n > 0; --n, ++nAirport) {
                        const int nIdent = nAirport % kIdents;
                        // One in five hides what the areas below define.
                        airports.push_back({IdentOf(nIdent), "Airport " + std::to_string(nIdent),
                                            nIdent % 160 - 80.0, nIdent % 360 - 180.0,
                                            nAirport % 5 == 0 ? std::optional(kDeletesWholeAirport)
                                                              : std::nullopt});
                    }
                }
                std::string bytes = MakeBglFile(airports);
                if (airports.empty() && nFile == kFilesPerArea - 1 && nSlot % 40 == 0)
                    bytes.resize(256 * 1024);
                const auto path = folder / "scenery" / ("file" + std::to_string(nFile) + ".bgl");
                std::ofstream(path, std::ios::binary) << bytes;
                // Dated as installed files are: the cache keeps no file
                // written moments before it was read.
                std::filesystem::last_write_time(path, installed);
                m_files.push_back(path.string());
            }
        }
    }
    ~CAirportLibrary() { std::filesystem::remove_all(m_root); }

    const std::vector<CIndexArea>& Areas() const { return m_areas; }
    const std::vector<std::string>& Files() const { return m_files; }
    std::string SimPath() const { return m_root.string() + kPathSeparator; }
    std::string CachePath() const { return (m_root / "airports.cache").string(); }

private:
    std::filesystem::path m_root;
    std::vector<CIndexArea> m_areas;
    std::vector<std::string> m_files;
};

const CAirportLibrary& Library() {
    static const CAirportLibrary library;
    return library;
}

// The program's first look at the library: no cache file yet, one written
// after.
CAirportIndex FirstLook() {
    const CAirportLibrary& library = Library();
    std::filesystem::remove(library.CachePath());
    return IndexLibraryAirports(library.Areas(), library.SimPath(), SystemDisk(),
                                library.CachePath());
}

CAirportIndex ColdIndex() {
    CAirportCache cache;
    return BuildAirportIndex(Library().Areas(), SystemDisk(), cache);
}

// Opens each file, reads its header and section table, closes it: the
// least a reader of the files does. False when a file could not be read.
bool ReadHeadersAndTables() {
    std::vector<char> table;
    unsigned char header[kHeaderSize];
    std::string reason;
    for (const std::string& path : Library().Files()) {
        CReadOnlyFile file;
        if (!file.Open(path) ||
            file.ReadAt(0, reinterpret_cast<char*>(header), sizeof header, reason) < 0)
            return false;
        const std::uint32_t nSections = static_cast<std::uint32_t>(
            header[0x14] | header[0x15] << 8 | header[0x16] << 16 | header[0x17] << 24);
        table.resize(nSections * kSectionEntrySize);
        if (file.ReadAt(kHeaderSize, table.data(), table.size(), reason) < 0)
            return false;
        benchmark::DoNotOptimize(table.data());
    }
    return true;
}

void BM_OpenReadTable(benchmark::State& state) {
    for (auto _ : state) {
        if (!ReadHeadersAndTables())
            state.SkipWithError("a file could not be read");
    }
}

// The files read with an empty cache; writing the cache file is left out,
// as the floor writes nothing.
void BM_ColdIndex(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ColdIndex());
}

void BM_ListStat(benchmark::State& state) {
    for (auto _ : state) {
        for (const CIndexArea& area : Library().Areas()) {
            const std::string scenery = area.strFolder + kPathSeparator + "scenery";
            for (const CDirEntry& entry : ListDirectory(scenery))
                benchmark::DoNotOptimize(
                    GetFileAttributesOf(scenery + kPathSeparator + entry.strName));
        }
    }
}

void BM_WarmIndex(benchmark::State& state) {
    const CAirportLibrary& library = Library();
    FirstLook();
    for (auto _ : state)
        benchmark::DoNotOptimize(IndexLibraryAirports(library.Areas(), library.SimPath(),
                                                      SystemDisk(), library.CachePath()));
}

void BM_AirportsOf(benchmark::State& state) {
    const CAirportIndex index = ColdIndex();
    for (auto _ : state)
        benchmark::DoNotOptimize(AirportsOf(index));
}

// The resolution of the conflict whose chosen definition lies furthest
// below the used one, every way worked out with what else it changes: the
// areas between are the most a move passes.
void BM_Resolve(benchmark::State& state) {
    const CAirportIndex index = ColdIndex();
    const std::vector<CAirport> airports = AirportsOf(index);
    std::size_t nChosenAirport = 0;
    int nChosenSlot = 0, nDistance = -1;
    for (std::size_t n = 0; n < airports.size(); ++n) {
        const CAirport& airport = airports[n];
        if (!airport.bConflict)
            continue;
        const int nUsed = airport.definitions[static_cast<std::size_t>(airport.nUsed)].nSlot;
        for (const CDefinition& definition : airport.definitions) {
            const CIndexArea& area = index.areas[static_cast<std::size_t>(definition.nSlot)];
            if (area.bActive && !area.bStock && definition.nSlot - nUsed > nDistance) {
                nDistance = definition.nSlot - nUsed;
                nChosenAirport = n;
                nChosenSlot = definition.nSlot;
            }
        }
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ResolveAirport(index, airports, nChosenAirport, nChosenSlot));
}

// The findings of 20,000 copies of one airport in a stock file below an
// add-on that defines it too: one finding for the file, not one a copy.
void BM_CopiesFindings(benchmark::State& state) {
    CAirportIndex index;
    index.areas = {{0, "Add-on", "Addon\\A", {}, true, false},
                   {1, "World", "Scenery\\World", {}, true, true}};
    CIndexedFile addOn{"a.bgl", {}}, stock{"ap.bgl", {}};
    addOn.contents.airports.push_back({.strIdent = "KSEA", .strName = "Seattle"});
    stock.contents.airports.assign(20000, {.strIdent = "KSEA", .strName = "Seattle"});
    index.files = {{addOn}, {stock}};
    for (auto _ : state) {
        std::vector<CFinding> findings;
        AddAirportFindings(index, AirportsOf(index), findings);
        benchmark::DoNotOptimize(findings);
    }
}

// A crafted file of about nSize bytes: as many airport sections as fit, each
// with a subsection table of one entry giving one record of six bytes (of a
// later simulator's airport, which readers count), the tables and the
// records each in an order shuffled against the sections'. Read where each
// table and record is asked for, it costs two reads a section; of the shapes
// tried, it is the slowest to read.
std::string MakeScatteredSectionsBgl(std::size_t nSize) {
    const std::size_t nCount = (nSize - 0x38) / 42, nTables = 0x38 + 20 * nCount,
                      nRecords = nTables + 16 * nCount;
    std::vector<std::size_t> table(nCount), record(nCount);
    std::iota(table.begin(), table.end(), std::size_t{0});
    std::iota(record.begin(), record.end(), std::size_t{0});
    std::mt19937 random(7);
    std::shuffle(table.begin(), table.end(), random);
    std::shuffle(record.begin(), record.end(), random);
    std::string bytes =
        Le(0x19920201) + Le(0x38) + Le(0, 8) + Le(0x08051803) + Le(nCount) + std::string(32, '\0');
    for (std::size_t n = 0; n < nCount; ++n)
        bytes += Le(3) + Le(0) + Le(1) + Le(nTables + 16 * table[n]) + Le(16);
    std::string tables(16 * nCount, '\0');
    for (std::size_t n = 0; n < nCount; ++n)
        tables.replace(16 * table[n], 16, Le(0x2A5) + Le(1) + Le(nRecords + 6 * record[n]) + Le(6));
    bytes += tables;
    for (std::size_t n = 0; n < nCount; ++n)
        bytes += BglRecord(0x3C, "");
    return bytes;
}

// One scenery file of airport records filling 8 MB against a crafted one as
// large, of the shape slowest to read (MakeScatteredSectionsBgl), each read
// through ReadBglFile from the disk.
class CBglFilePair {
public:
    CBglFilePair() : m_root(std::filesystem::temp_directory_path() / "tarnwick-bgl-bench") {
        std::filesystem::create_directories(m_root);
        std::vector<CTestAirport> airports;
        for (int n = 0; n < 66000; ++n)
            airports.push_back({IdentOf(n % kIdents), "Airport " + std::to_string(n)});
        const std::string normal = MakeBglFile(airports);
        std::string crafted = MakeScatteredSectionsBgl(normal.size());
        crafted.resize(normal.size());
        std::ofstream(Normal(), std::ios::binary) << normal;
        std::ofstream(Crafted(), std::ios::binary) << crafted;
    }
    ~CBglFilePair() { std::filesystem::remove_all(m_root); }

    std::string Normal() const { return (m_root / "airports.bgl").string(); }
    std::string Crafted() const { return (m_root / "crafted.bgl").string(); }

private:
    std::filesystem::path m_root;
};

const CBglFilePair& BglFiles() {
    static const CBglFilePair files;
    return files;
}

void ReadBglRuns(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        CFileAttributes attributes;
        const CBglContents contents = ReadBglFile(path, attributes);
        if (contents.kind != EBglKind::kAirports)
            state.SkipWithError(contents.strReason.c_str());
    }
}

void BM_ReadAirportsBgl(benchmark::State& state) {
    ReadBglRuns(state, BglFiles().Normal());
}

void BM_ReadCraftedBgl(benchmark::State& state) {
    ReadBglRuns(state, BglFiles().Crafted());
}

// The median of five runs of each: the other programs of a shared machine
// slow one run or another, and a ratio of two single runs with them.
void Repeated(benchmark::internal::Benchmark* pBench) {
    pBench->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_OpenReadTable)->Apply(Repeated);
BENCHMARK(BM_ColdIndex)->Apply(Repeated);
BENCHMARK(BM_ListStat)->Apply(Repeated);
BENCHMARK(BM_WarmIndex)->Apply(Repeated);
BENCHMARK(BM_AirportsOf)->Apply(Repeated);
BENCHMARK(BM_Resolve)->Apply(Repeated);
BENCHMARK(BM_CopiesFindings)->Apply(Repeated);
BENCHMARK(BM_ReadAirportsBgl)->Apply(Repeated);
BENCHMARK(BM_ReadCraftedBgl)->Apply(Repeated);

// Prints the figures of the runs there are: a filter may leave some out.
class CRatioReporter : public CTimeReporter {
public:
    void PrintFigures() const {
        PrintRatio("airport_index_cold_vs_floor_20000", "BM_ColdIndex", "BM_OpenReadTable");
        PrintRatio("airport_index_warm_vs_stat_20000", "BM_WarmIndex", "BM_ListStat");
        PrintRatio("bgl_crafted_vs_normal_8mb", "BM_ReadCraftedBgl", "BM_ReadAirportsBgl");
        if (m_aTime.count(Median("BM_AirportsOf")))
            std::printf("airport_conflicts_ms_20000: %.1f\n", m_aTime.at(Median("BM_AirportsOf")));
        PrintRatio("airport_resolve_vs_airports_20000", "BM_Resolve", "BM_AirportsOf");
        if (m_aTime.count(Median("BM_Resolve")))
            std::printf("airport_resolve_ms_20000: %.2f\n", m_aTime.at(Median("BM_Resolve")));
        if (m_aTime.count(Median("BM_CopiesFindings")))
            std::printf("airport_copies_findings_ms_20000: %.2f\n",
                        m_aTime.at(Median("BM_CopiesFindings")));
    }

private:
    static std::string Median(const char* pszRun) {
        return std::string(pszRun) + "/repeats:5_median";
    }
    void PrintRatio(const char* pszFigure, const char* pszRun, const char* pszFloor) const {
        if (m_aTime.count(Median(pszRun)) && m_aTime.count(Median(pszFloor)))
            std::printf("%s: %.2f\n", pszFigure,
                        m_aTime.at(Median(pszRun)) / m_aTime.at(Median(pszFloor)));
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // The files' pages in memory before anything is timed.
    if (!ReadHeadersAndTables()) {
        std::fprintf(stderr, "the generated library could not be read\n");
        return 1;
    }
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintFigures();

    const long long nBase = ResetHeapPeak();
    const CAirportIndex index = FirstLook();
    std::printf("airport_index_peak_mb_20000: %.1f\n",
                static_cast<double>(HeapPeakBytes() - nBase) / (1024 * 1024));
    const std::vector<CAirport> airports = AirportsOf(index);
    std::printf("airport_idents_20000: %zu\nairport_conflicts_20000: %lld\n", airports.size(),
                static_cast<long long>(
                    std::count_if(airports.begin(), airports.end(),
                                  [](const CAirport& airport) { return airport.bConflict; })));
    benchmark::Shutdown();
}
