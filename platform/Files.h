#pragma once

// File services over the operating system: whole-file reading, atomic
// replacement, delete, copy, existence and one-level directory listing.
// One implementation for Win32 (single-byte "A" functions), one for POSIX.
// Failures carry the system's own reason, in its words.

#include <string>
#include <string_view>
#include <vector>

// The separator of the paths the system gives and takes.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

struct CFileResult {
    bool bOk = true;
    std::string strReason; // the system's message when bOk is false

    static CFileResult Failed(std::string reason) { return {false, std::move(reason)}; }
    explicit operator bool() const { return bOk; }
};

enum class EReadResult {
    kRead,
    kMissing, // neither the file nor, possibly, its folder exists
    kFailed,  // it exists but could not be opened or read
};

enum class EPathKind { kNone, kFile, kDirectory };

struct CDirEntry {
    std::string strName;
    bool bDirectory = false;
};

// Reads the whole file into text; strReason is set when kFailed.
EReadResult ReadWholeFile(const std::string& path, std::string& text, std::string& strReason);

// Writes text to path + kTempSuffix beside the target, flushes it to the disk
// and moves it over the target in one step. On any failure the target is as
// it was and the temporary file is gone.
CFileResult ReplaceFileAtomically(const std::string& path, std::string_view text);
inline constexpr std::string_view kTempSuffix = ".twk-new";

CFileResult RemoveFile(const std::string& path);
// Copies a file, replacing the target atomically when it exists.
CFileResult CopyFileOver(const std::string& from, const std::string& to);
EPathKind GetPathKind(const std::string& path);
// The entries of a folder, "." and ".." left out, in the order the system
// gives them. Empty when the folder cannot be read.
std::vector<CDirEntry> ListDirectory(const std::string& folder);
