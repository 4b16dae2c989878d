#pragma once

// File services over the operating system: whole-file reading, atomic
// replacement, delete, copy, existence and one-level directory listing.
// One implementation for Win32 (single-byte "A" functions), one for POSIX.
// Failures carry the system's own reason, in its words.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The separator of the paths the system gives and takes.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// What a file was when the program last read or wrote it, so that a write
// never replaces changes another program made in the meantime.
struct CFileState {
    bool bPresent = false;
    std::uint64_t nSize = 0;
    std::uint64_t nWriteTime = 0; // the system's units
    std::uint64_t nHash = 0;      // of the whole content
};

enum class EFileStatus {
    kOk,
    kMissing,  // no file, nor possibly its folder: a program may start without it
    kFailed,   // the system refused, or a file is there but was not taken
    kChanged,  // nothing written: the file is no longer what the program last saw
    kReadOnly, // nothing written: the user protected the file (see IsFileReadOnly)
};

// The outcome of every file operation.
struct CFileResult {
    EFileStatus status = EFileStatus::kOk;
    std::string strReason; // the system's message, or why the file was not taken
    CFileState disk;       // after a read: the file as read, what a later write must find

    static CFileResult Missing() { return {EFileStatus::kMissing, {}, {}}; }
    static CFileResult Failed(std::string reason) {
        return {EFileStatus::kFailed, std::move(reason), {}};
    }
    static CFileResult Changed() { return {EFileStatus::kChanged, {}, {}}; }
    explicit operator bool() const { return status == EFileStatus::kOk; }
};

enum class EPathKind { kNone, kFile, kDirectory };

// What the system tells of a file without opening it. The times are in the
// system's own units, only ever compared with another of their kind.
struct CFileAttributes {
    bool bPresent = false;
    std::uint64_t nSize = 0;
    std::uint64_t nWriteTime = 0;
    // When the file's entry last changed: its bytes, its times, a file moved
    // over it. A tool that puts the last-write time back cannot put this
    // back. 0 where the system does not tell.
    std::uint64_t nChangeTime = 0;
    // Which file it is: its number on its volume, and the volume (0 where
    // the system does not tell), so that a file moved over it shows.
    std::uint64_t nFileId = 0;
    std::uint64_t nVolume = 0;
};

struct CDirEntry {
    std::string strName;
    bool bDirectory = false;
    // The name is the disk's own, which no path in the program's code page
    // can name (see SceneryDisk.h); the system's own listings never set it.
    bool bUnnamed = false;
    // The file's attributes when the listing itself gives them (on Windows,
    // where the system can list them); bPresent false when it does not.
    CFileAttributes attributes = {};
};

// Reads the whole file into text (empty unless kOk).
CFileResult ReadWholeFile(const std::string& path, std::string& text);

// Writes text to path + tempSuffix beside the target, flushes it to the disk
// and moves it over the target in one step. beforeMove, when given, runs
// between the flush and the move, with the temporary file complete and
// closed; its failure is returned and nothing is moved. On any failure the
// target is as it was and the temporary file is gone. The suffix is the
// caller's, so that a file a crash leaves behind tells whose it is.
CFileResult ReplaceFileAtomically(const std::string& path, std::string_view text,
                                  std::string_view tempSuffix,
                                  const std::function<CFileResult()>& beforeMove = {});

// Writes text to path + tempSuffix, flushed to the disk and closed, for a
// later MoveFileOver. A file of that name left by a crash is removed first;
// the new one is made only where there is none, so that a writer never
// writes into a file another opened. It takes the permissions of the file
// at path, where there is one.
CFileResult WriteTempFile(const std::string& path, std::string_view tempSuffix,
                          std::string_view text);
// Writes a new file where there is none, leaving its bytes to reach the
// disk in the system's time: for copies whose holder keeps their size and
// hash to tell a copy a crash cut short.
CFileResult WriteUnflushedFile(const std::string& path, std::string_view text);
// Moves the file over the target (replacing it) in one step, through to the
// disk.
CFileResult MoveFileOver(const std::string& from, const std::string& to);
// Gives the file a second name that keeps its present bytes when the file
// is replaced: a hard link, or a copy flushed to the disk where the file
// system has no links. Anything of that name is replaced.
CFileResult KeepFileAs(const std::string& path, const std::string& kept);
// Flushes the folder's own entries, so that names made, moved and removed
// in it survive a power cut (a move through to the disk does that itself on
// Windows).
CFileResult FlushFolder(const std::string& folder);
// Whether the user protected the file against being replaced: the read-only
// attribute, or natively no write bit at all (as Wine shows that
// attribute). The system may not refuse it for everyone (Wine, root), so
// the program looks itself.
bool IsFileReadOnly(const std::string& path);
// The folder of a path, without its separator ("." for a bare name), and
// the name after it.
std::string FolderOfPath(const std::string& path);
std::string LeafOfPath(const std::string& path);

CFileResult RemoveFile(const std::string& path);

// The calls of these services that change the disk, for tests that make one
// fail or end the process at it: a test's seam sees each before it is made,
// and a false answer fails it. No seam is set outside tests.
enum class EFileCall { kWrite, kMove, kKeep, kRemove, kFlushFolder };
using CFileCallSeam = std::function<bool(EFileCall call, const std::string& path)>;
void SetFileCallSeam(CFileCallSeam seam);
// The seam's answer, or true when none is set.
bool IsFileCallAllowed(EFileCall call, const std::string& path);
#ifdef _WIN32
// The path made absolute from the current folder; as it is when it cannot be.
std::string FullPathOf(const std::string& path);
#endif
// Copies a file, replacing the target atomically (through to + tempSuffix).
CFileResult CopyFileOver(const std::string& from, const std::string& to,
                         std::string_view tempSuffix);
EPathKind GetPathKind(const std::string& path);

// A file whose attributes cannot be looked at counts as present with a size
// no file has, so that it never compares equal to what was seen of it.
CFileAttributes GetFileAttributesOf(const std::string& path);
inline constexpr std::uint64_t kUnknownSize = UINT64_MAX;
// The present moment in the units of the files' times, and how many of them
// make a second.
std::uint64_t FileTimeNow();
#ifdef _WIN32
inline constexpr std::uint64_t kFileTimeSecond = 10000000;
#else
inline constexpr std::uint64_t kFileTimeSecond = 1000000000;
#endif
// The entries of a folder, "." and ".." left out, in the order the system
// gives them. Empty when the folder cannot be read.
std::vector<CDirEntry> ListDirectory(const std::string& folder);
// Makes the folder, its parent being there; kOk when it is there already.
CFileResult MakeFolder(const std::string& folder);
// Removes the folder when it is empty; fails when anything is left in it.
CFileResult RemoveFolder(const std::string& folder);
// Whether the path is a link to elsewhere (a symbolic link, or on Windows
// any reparse point: a junction too), which a program removing what it made
// never follows.
bool IsLink(const std::string& path);

// A file open for reading at chosen offsets, for formats whose files are far
// larger than the parts a program needs of them. Other programs may read and
// write it meanwhile.
class CReadOnlyFile {
public:
    CReadOnlyFile() = default;
    ~CReadOnlyFile() { Close(); }
    CReadOnlyFile(const CReadOnlyFile&) = delete;
    CReadOnlyFile& operator=(const CReadOnlyFile&) = delete;

    // kMissing when there is no such file; kFailed when it cannot be opened
    // (locked, no permission, a folder). disk receives its size and
    // last-write time.
    CFileResult Open(const std::string& path);
    std::uint64_t Size() const { return m_attributes.nSize; }
    // Of the file opened, as GetFileAttributesOf gives them.
    const CFileAttributes& Attributes() const { return m_attributes; }
    // Reads up to size bytes at the offset; the count read (short at the end
    // of the file), or -1 with the system's reason when the read failed.
    long long ReadAt(std::uint64_t nOffset, char* pBuffer, std::size_t nSize,
                     std::string& reason) const;
    void Close();

private:
    std::intptr_t m_hFile = -1; // the system's handle or descriptor
    CFileAttributes m_attributes;
};
