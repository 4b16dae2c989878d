// A Save of 10,000 areas in 100 folders with 20 profiles through the
// library's transaction (its lock, the kept versions, the journal and its
// flushes) against the same three files written one after another, each
// replaced through a new file beside it: transaction_save_vs_plain_10000,
// goal at most 1.5; and the backup set a write keeps first, of the files
// that Save wrote, against that Save: backup_set_vs_save_10000, goal at
// most 1. Best of several repetitions, side by side in one run; the ratios
// go to standard output, the times to standard error.

#include "FolderFile.h"
#include "GeneratedLibrary.h"
#include "LibraryDocument.h"
#include "ProfilesFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

constexpr int kAreas = 10000;
constexpr int kRepetitions = 7;

// A simulator folder of the library, its folders of 100 areas each and 20
// profiles of 500.
std::string MakeLibrary(const std::filesystem::path& folder) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string sceneryCfg = GeneratedLibrary(kAreas);
    CSceneryHeader header;
    CAreaArray areas;
    ParseSceneryCfg(sceneryCfg, header, areas);
    CFolderArray folders;
    for (int f = 0; f < kAreas / 100; ++f) {
        folders.Add(std::make_unique<CFolder>("Folder " + std::to_string(f)));
        for (int e = 0; e < 100; ++e)
            folders.GetAt(f).AddEntry(f * 100 + e);
    }
    CSceneryProfiles profiles(20);
    for (int p = 0; p < 20; ++p) {
        profiles[static_cast<std::size_t>(p)].strName = "Profile " + std::to_string(p);
        for (int e = 0; e < 500; ++e)
            profiles[static_cast<std::size_t>(p)].aEntries.push_back({p * 500 + e, {}});
    }
    std::ofstream(folder / "scenery.cfg", std::ios::binary) << sceneryCfg;
    std::ofstream(folder / "Folder.txt", std::ios::binary) << FormatFolders(folders, areas);
    std::ofstream(folder / "Profiles.txt", std::ios::binary) << FormatProfiles(profiles, areas);
    return folder.string() + "/";
}

double Seconds(const auto& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main() {
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    const std::string transaction = MakeLibrary(temp / "tarnwick-transaction-bench");
    const std::string plain = MakeLibrary(temp / "tarnwick-plain-bench");
    CLibraryDocument doc;
    doc.Open(transaction);
    // The set is timed on its own.
    doc.KeepSetsAs(std::nullopt);
    CSceneryHeader header;
    CAreaArray areas;
    CFolderArray folders;
    CSceneryProfiles profiles;
    CLibraryFiles files;
    files[kSceneryCfgFile] = LoadSceneryCfg(plain + "scenery.cfg", header, areas);
    files[kFolderTxtFile] = LoadFolders(plain + "Folder.txt", folders, areas);
    files[kProfilesTxtFile] = LoadProfiles(plain + "Profiles.txt", profiles, areas);
    const std::vector<CListRow> rows = ListRows(areas);
    double nTransaction = 1e9, nPlain = 1e9, nSet = 1e9;
    for (int n = 0; n < kRepetitions; ++n) {
        doc.RenameArea(n % kAreas, "Renamed " + std::to_string(n));
        nTransaction = std::min(nTransaction, Seconds([&] {
                                    if (doc.Save().outcome != CSaveResult::kWritten)
                                        std::fputs("the transaction wrote nothing\n", stderr);
                                }));
        nSet = std::min(nSet, Seconds([&] {
                            if (!doc.KeepSet("bench").bKept)
                                std::fputs("no set was kept\n", stderr);
                        }));
        areas.GetAt(n % kAreas).SetTitle("Renamed " + std::to_string(n));
        nPlain = std::min(nPlain, Seconds([&] {
                              if (!SaveSceneryCfg(plain + "scenery.cfg", header, areas, rows,
                                                  files[kSceneryCfgFile].disk) ||
                                  !SaveFolders(plain + "Folder.txt", folders, areas,
                                               files[kFolderTxtFile].disk) ||
                                  !SaveProfiles(plain + "Profiles.txt", profiles, areas,
                                                files[kProfilesTxtFile].disk))
                                  std::fputs("a plain write failed\n", stderr);
                          }));
    }
    std::filesystem::remove_all(temp / "tarnwick-transaction-bench");
    std::filesystem::remove_all(temp / "tarnwick-plain-bench");
    std::fprintf(stderr,
                 "Save through the transaction: %.3f ms, the files one by one: %.3f ms, the "
                 "backup set: %.3f ms\n",
                 nTransaction * 1e3, nPlain * 1e3, nSet * 1e3);
    std::printf("transaction_save_vs_plain_10000: %.3f\nbackup_set_vs_save_10000: %.3f\n",
                nTransaction / nPlain, nSet / nTransaction);
}
