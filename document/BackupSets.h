#pragma once

// Backups a user can go back to: before each write of the library, and at
// each start of the window, its files as they are on the disk are kept as a
// set, a folder of copies in the simulator folder's "Tarnwick backups"
// (beside the library, so that every face of the program finds the same
// ones). A set is named by a number, one above the highest there, and its
// UTC time, "0042 2026-12-09 014512", so that the order never depends on
// the clock. Its text file, written last, says when, by what and what it
// holds, with each copy's size and hash: a folder without one is a set left
// half-written, never listed, and a copy that differs is never restored.

#include "LibraryFiles.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* kBackupsFolderName = "Tarnwick backups";
inline constexpr const char* kBackupTextName = "Backup.txt";

struct CBackupSet {
    int nNumber = 0;
    std::string strPath; // its folder
    std::string strWhen; // UTC, "2026-12-09 01:45:12"
    std::string strBy;   // "start", "Save", "restore" or twk's command line
    int nAreas = 0;
    int nFolders = 0;
    int nProfiles = 0;
    // The library's files it holds, by file; a file the library did not
    // have then is not there.
    CByLibraryFile<bool> abHolds{};
    // Each file's size and hash as kept: a copy that differs (one a crash
    // cut short: copies are not flushed one by one) is not restored.
    CByLibraryFile<std::uint64_t> anSize{};
    CByLibraryFile<std::uint64_t> anHash{};
    // Why it cannot be restored (its text file damaged, a file it names
    // missing), or empty.
    std::string strUnusable;

    std::string FilePath(ELibraryFile file) const;
};

// The sets in the backups folder, newest first. Only folders named as sets
// are looked at, never through a link.
std::vector<CBackupSet> ListBackupSets(const std::string& backupsFolder);

// What keeping a set did.
struct CKeptSet {
    bool bKept = false;    // false when the newest set holds the same files
    std::string strError;  // why it could not be kept, or empty
    std::string strFolder; // the new set's folder
};

// Keeps the library's files (their paths in paths) as a new set, unless
// the newest set holds the same bytes, then removes the sets no longer
// kept: the 50 newest, the newest of each of the 30 days before the newest
// set's day, and the oldest there is stay; a folder left half-written goes.
CKeptSet
KeepBackupSet(const std::string& backupsFolder, const CLibraryPaths& paths, const std::string& by,
              std::chrono::system_clock::time_point now = std::chrono::system_clock::now());
