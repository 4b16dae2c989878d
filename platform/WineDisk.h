#pragma once

// The disk through a Wine prefix, for a program running natively on Linux.
// Paths are the Windows paths the simulator's files store, in the prefix's
// code page: the drive letter leads through the prefix's dosdevices/, and
// each name below it is matched without regard to case, as Wine matches
// names, and converted to the UTF-8 in which Wine keeps names on the disk.
// Folders are listed in the order Wine lists them to a Windows program.

#include "CodePage.h"
#include "SceneryDisk.h"
#include "WinePrefix.h"

#include <string>
#include <unordered_map>
#include <vector>

class CWineDisk final : public CSceneryDisk {
public:
    CWineDisk(const CDrives& drives, const CCodePage& codePage)
        : m_drives(drives), m_codePage(codePage) {}

    char GetSeparator() const override { return '\\'; }
    // A name that matches two entries differing only in case is refused,
    // naming both: nobody can tell which of them the simulator would take.
    CDiskPath Locate(const std::string& path) const override;
    std::vector<CDirEntry> List(const std::string& folder) const override;

    // The Windows path of an existing file or folder on the disk, through
    // the drive that leads to it most closely; the error names no disk name.
    CDiskPath StoredPathOf(const std::string& diskPath) const;

private:
    // A folder's entries, read once: named in the code page and in Wine's
    // order, the unnamed ones after them; and the disk's names by the
    // upper-case form of the code page's.
    struct CListing {
        std::vector<CDirEntry> entries;
        std::unordered_multimap<std::u32string, std::string> diskNames;
    };
    const CListing& ListingOf(const std::string& diskFolder) const;

    CDrives m_drives;
    CCodePage m_codePage;
    mutable std::unordered_map<std::string, CListing> m_listings;
};
