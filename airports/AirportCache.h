#pragma once

// What the .bgl files of one simulator folder held when last read, so that a
// second look at an unchanged library reads no .bgl file. Each file is keyed
// by its path on the disk and what its folder's listing tells of it: size,
// last-write time, change time and identity, so that bytes changed with
// their time put back, or another file moved over it, show as a change.
// Kept in a file of its own per simulator folder; a cache file that is
// damaged, of another folder or of another version is ignored, and rebuilt.
// The cache holds no second copy of the contents it gave or was given: it
// refers to them until Save, and they must stay where they are until then.

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
    // Moves what the file held into contents, when its attributes are still
    // those it had then; it counts as found. state holds the attributes its
    // listing gave; when it gave none, those of a look at the file the cache
    // holds are put there (so that a file never seen costs no look before
    // its read).
    bool Take(const std::string& path, CFileAttributes& state, CBglContents& contents);
    // Keeps what was read of the file, its attributes taken after the
    // moment nListedAt and before the read. Not kept: a file the system
    // could not read or whose read was stopped, and a file written within
    // two seconds of that moment or later (one dated in the future too):
    // its time may not change when it is written again at once, or an
    // installer may still be writing it; it is read again at the next look.
    void Put(const std::string& path, const CFileAttributes& state, const CBglContents& contents,
             std::uint64_t nListedAt);
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
        CFileAttributes state;
        CBglContents contents;                 // as loaded, until taken
        const CBglContents* pShared = nullptr; // where it went, or was given from
        bool bUsed = false;
        const CBglContents& Contents() const { return pShared ? *pShared : contents; }
    };
    std::string m_strPath;
    std::string m_strSimPath;
    std::unordered_map<std::string, CEntry> m_entries;
    bool m_bChanged = false;
};
