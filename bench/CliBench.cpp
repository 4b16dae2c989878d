// twk against the core it runs on, on a library of 10,000 areas: twk enable
// and twk list --json, each a whole run of the program, against the core's
// load and save of the same library (printed cli_vs_core_10000, the larger
// of the two ratios); and the check's time per area with real folders on
// disk, at 1,000 and 10,000 areas (flat: check_per_area_10000_vs_1000 near 1).

#include "GeneratedLibrary.h"
#include "LibraryDocument.h"
#include "TimeReporter.h"
#include "WineDisk.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// A simulator folder of n areas whose folders are all there.
class CGeneratedSim {
public:
    explicit CGeneratedSim(int nAreas)
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tarnwick-cli-bench-" + std::to_string(nAreas))) {
        std::filesystem::remove_all(m_folder);
        for (int i = 1; i <= nAreas; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "Area%05d", i);
            const auto scenery = m_folder / "Addon Scenery" / name / "scenery";
            std::filesystem::create_directories(scenery);
            std::ofstream(scenery / "x.bgl");
        }
        std::ofstream(m_folder / "scenery.cfg", std::ios::binary) << GeneratedLibrary(nAreas);
    }
    ~CGeneratedSim() { std::filesystem::remove_all(m_folder); }
    std::string Path() const { return m_folder.string(); }

private:
    std::filesystem::path m_folder;
};

// Each size made once: tens of thousands of folders take their time.
const CGeneratedSim& GeneratedSim(benchmark::State& state) {
    static std::map<int, std::unique_ptr<CGeneratedSim>> sims;
    std::unique_ptr<CGeneratedSim>& pSim = sims[static_cast<int>(state.range(0))];
    if (!pSim)
        pSim = std::make_unique<CGeneratedSim>(static_cast<int>(state.range(0)));
    return *pSim;
}

// One run of twk, its output thrown away.
void RunTwk(benchmark::State& state, std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int nStatus = 0;
    if (posix_spawn(&pid, TWK_PATH, &actions, nullptr, argv.data(), environ) != 0 ||
        waitpid(pid, &nStatus, 0) != pid || !WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0)
        state.SkipWithError("twk failed");
    posix_spawn_file_actions_destroy(&actions);
}

// The generated library as twk reads it: the disk of a Wine prefix (none
// here), the paths it finds, both files read.
struct CLoaded {
    explicit CLoaded(const CGeneratedSim& sim)
        : disk(ReadDrives(sim.Path() + "/no prefix"), CCodePage()) {
        doc.Open(disk.StoredPathOf(sim.Path()).strPath + "\\", disk);
    }
    CWineDisk disk;
    CLibraryDocument doc;
};

// What twk does around the command: the disk of a Wine prefix (none here),
// both files read, the rows, and both files written.
void BM_CoreLoadSave(benchmark::State& state) {
    const CGeneratedSim& sim = GeneratedSim(state);
    for (auto _ : state) {
        CLoaded l(sim);
        if (l.doc.Save().outcome != CSaveResult::kWritten)
            state.SkipWithError("save failed");
    }
}

void BM_TwkEnable(benchmark::State& state) {
    const CGeneratedSim& sim = GeneratedSim(state);
    bool bOn = false;
    // Off and on in turn, so that every run writes.
    for (auto _ : state) {
        RunTwk(state, {"twk", "--sim", sim.Path(), bOn ? "enable" : "disable", "#1"});
        bOn = !bOn;
    }
}

void BM_TwkListJson(benchmark::State& state) {
    const CGeneratedSim& sim = GeneratedSim(state);
    for (auto _ : state)
        RunTwk(state, {"twk", "--sim", sim.Path(), "list", "--json"});
}

void BM_Check(benchmark::State& state) {
    const CGeneratedSim& sim = GeneratedSim(state);
    for (auto _ : state) {
        CLoaded l(sim);
        benchmark::DoNotOptimize(l.doc.Check());
    }
}

BENCHMARK(BM_CoreLoadSave)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwkEnable)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwkListJson)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

class CRatioReporter : public CTimeReporter {
public:
    void PrintRatios() const {
        const double core = m_aTime.at("BM_CoreLoadSave/10000");
        const double enable = m_aTime.at("BM_TwkEnable/10000") / core;
        const double list = m_aTime.at("BM_TwkListJson/10000") / core;
        std::printf("twk_enable_vs_core_10000: %.2f\ntwk_list_json_vs_core_10000: %.2f\n", enable,
                    list);
        std::printf("cli_vs_core_10000: %.2f\n", std::max(enable, list));
        const double small = m_aTime.at("BM_Check/1000") / 1000;
        const double large = m_aTime.at("BM_Check/10000") / 10000;
        std::printf("check_per_area_1000: %.1f us\ncheck_per_area_10000: %.1f us\n", small * 1000,
                    large * 1000);
        std::printf("check_per_area_10000_vs_1000: %.2f\n", large / small);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
}
