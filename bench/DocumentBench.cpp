// The library's changes against taking them back, with 10,000 areas: a
// switch, a drag from the top row to the bottom and a Scan that adds 200
// areas, each timed alone; then the heap the history holds after 1,000
// switches. Ends with the worst ratio of an undo to its change and the
// history's bytes per step.

#include "GeneratedLibrary.h"
#include "LibraryDocument.h"
#include "TimeReporter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <map>

namespace {

constexpr int kAreas = 10000;
constexpr int kScanned = 200;

// A simulator folder of kAreas areas and a folder of kScanned scenery
// folders not listed yet.
class CBenchLibrary {
public:
    CBenchLibrary() : m_folder(std::filesystem::temp_directory_path() / "tarnwick-document-bench") {
        std::filesystem::remove_all(m_folder);
        for (int n = 0; n < kScanned; ++n)
            std::filesystem::create_directories(m_folder / "Scan" / ("Area" + std::to_string(n)) /
                                                "scenery");
        for (int n = 0; n < kScanned; ++n)
            std::ofstream(m_folder / "Scan" / ("Area" + std::to_string(n)) / "scenery" / "x.bgl");
        std::ofstream(m_folder / "scenery.cfg", std::ios::binary) << GeneratedLibrary(kAreas);
        m_doc.Open(m_folder.string() + "/");
    }
    ~CBenchLibrary() { std::filesystem::remove_all(m_folder); }

    CLibraryDocument& Doc() { return m_doc; }
    std::string ScanFolder() const { return (m_folder / "Scan").string(); }

private:
    std::filesystem::path m_folder;
    CLibraryDocument m_doc;
};

CBenchLibrary& Library() {
    static CBenchLibrary library;
    return library;
}

using CChangeFn = std::function<void(CLibraryDocument&)>;

const std::map<std::string, CChangeFn>& Changes() {
    static const std::map<std::string, CChangeFn> changes = {
        {"switch",
         [](CLibraryDocument& doc) {
             const int nArea = doc.Rows()[kAreas / 2].nArea;
             doc.SetAreasActive({{nArea}}, !doc.Area(nArea).IsActive());
         }},
        {"drag", [](CLibraryDocument& doc) { doc.MoveRow(0, doc.RowCount()); }},
        {"scan",
         [](CLibraryDocument& doc) {
             CScanResult result;
             doc.Scan(Library().ScanFolder(), result);
         }},
    };
    return changes;
}

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The change timed, its undo not; or the undo timed, with the change done
// again (redo) untimed before it.
void BM_Change(benchmark::State& state, const std::string& name) {
    CLibraryDocument& doc = Library().Doc();
    for (auto _ : state) {
        state.SetIterationTime(Seconds([&] { Changes().at(name)(doc); }));
        doc.Undo();
    }
}

void BM_Undo(benchmark::State& state, const std::string& name) {
    CLibraryDocument& doc = Library().Doc();
    Changes().at(name)(doc);
    for (auto _ : state) {
        state.SetIterationTime(Seconds([&] { doc.Undo(); }));
        doc.Redo();
    }
    doc.Undo();
}

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

class CRatioReporter : public CTimeReporter {
public:
    void PrintRatio() const {
        double nWorst = 0;
        for (const auto& [name, change] : Changes()) {
            const std::string undo = "Undo/" + name + "/manual_time";
            const std::string done = "Change/" + name + "/manual_time";
            if (m_aTime.count(undo) && m_aTime.count(done)) {
                std::printf("undo_vs_change_%s_10000: %.3f\n", name.c_str(),
                            m_aTime.at(undo) / m_aTime.at(done));
                nWorst = std::max(nWorst, m_aTime.at(undo) / m_aTime.at(done));
            }
        }
        std::printf("undo_vs_change_10000: %.3f\n", nWorst);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (const auto& [name, change] : Changes()) {
        benchmark::RegisterBenchmark(("Change/" + name).c_str(), BM_Change, name)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Undo/" + name).c_str(), BM_Undo, name)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();

    CLibraryDocument& doc = Library().Doc();
    while (doc.CanUndo())
        doc.Undo();
    const std::size_t nBefore = HeapInUse();
    for (int n = 0; n < 1000; ++n)
        Changes().at("switch")(doc);
    std::printf("undo_history_bytes_per_step_10000: %zu\n", (HeapInUse() - nBefore) / 1000);
    benchmark::Shutdown();
}
