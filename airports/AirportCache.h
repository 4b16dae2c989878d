#pragma once

// What the .bgl files of one simulator folder held when last read, keyed by
// each file's path on the disk, size and last-write time, so that a second
// look at an unchanged library reads no .bgl file. Kept in a file of its own
// per simulator folder; a cache file that is damaged, of another folder or
// of another version is ignored, and rebuilt.

#include "BglFile.h"

#include <cstdint>
#include <string>
#include <unordered_map>

class CAirportCache {
public:
    // The cache file of the simulator folder: in the system's cache folder,
    // in a folder of Tarnwick's own. Empty when the system names none.
    static std::string PathFor(const std::string& simPath);

    // Takes the cache file of the simulator folder, when it is one.
    void Load(const std::string& path, const std::string& simPath);
    // What the file held, when it is still of the size and time it had
    // then; it counts as found. The file is looked at only when the cache
    // holds its path: one never seen costs no look before its read.
    const CBglContents* Find(const std::string& path);
    // Files the system could not read are not kept.
    void Put(const std::string& path, const CFileAttributes& state, const CBglContents& contents);
    // Forgets the files not found since Load.
    void DropUnused();
    // Writes the cache file, making its folder, when anything changed since
    // Load. A failure leaves the old file; the next look reads the files again.
    CFileResult Save();

    // The text of the cache file.
    std::string Serialize() const;
    // Whether the text is a cache of the simulator folder in this format;
    // when not, the cache is left empty.
    bool Deserialize(std::string_view text);

private:
    struct CEntry {
        std::uint64_t nSize = 0;
        std::uint64_t nWriteTime = 0;
        CBglContents contents;
        bool bUsed = false;
    };
    std::string m_strPath;
    std::string m_strSimPath;
    std::unordered_map<std::string, CEntry> m_entries;
    bool m_bChanged = false;
};
