#include "Files.h"

#include <windows.h>

#include <utility>

namespace {

std::string Reason(DWORD nError) {
    char* pText = nullptr;
    DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, nError, 0, reinterpret_cast<char*>(&pText), 0, nullptr);
    std::string reason = n ? std::string(pText, n) : "System error " + std::to_string(nError) + ".";
    LocalFree(pText);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r'))
        reason.pop_back();
    return reason;
}

std::uint64_t Join(DWORD nHigh, DWORD nLow) {
    return static_cast<std::uint64_t>(nHigh) << 32 | nLow;
}

class CHandle {
public:
    explicit CHandle(HANDLE h) : m_h(h) {}
    ~CHandle() { Close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    HANDLE Get() const { return m_h; }
    bool IsValid() const { return m_h != INVALID_HANDLE_VALUE; }
    bool Close() { return !IsValid() || CloseHandle(std::exchange(m_h, INVALID_HANDLE_VALUE)); }
    HANDLE Release() { return std::exchange(m_h, INVALID_HANDLE_VALUE); }

private:
    HANDLE m_h;
};

bool WriteAll(HANDLE h, std::string_view text) {
    while (!text.empty()) {
        DWORD nChunk = text.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(text.size());
        DWORD nWritten = 0;
        if (!WriteFile(h, text.data(), nChunk, &nWritten, nullptr) || nWritten == 0)
            return false;
        text.remove_prefix(nWritten);
    }
    return true;
}

// What a call a test's seam refused gives.
CFileResult Refused() {
    return CFileResult::Failed(Reason(ERROR_WRITE_FAULT));
}

// Writes and flushes a file that must not exist yet.
CFileResult WriteNewFile(const std::string& path, std::string_view text, bool bFlush = true) {
    CHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return CFileResult::Failed(Reason(GetLastError()));
    if (!WriteAll(file.Get(), text) || (bFlush && !FlushFileBuffers(file.Get())) || !file.Close()) {
        const DWORD nError = GetLastError();
        file.Close();
        DeleteFileA(path.c_str());
        return CFileResult::Failed(Reason(nError));
    }
    return {};
}

// Removes what a crash left under a name only this program writes, unless
// it is not a plain file (then making the new one fails and says why).
void RemoveLeftFile(const std::string& path) {
    const DWORD nAttributes = GetFileAttributesA(path.c_str());
    if (nAttributes != INVALID_FILE_ATTRIBUTES && !(nAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileA(path.c_str());
}

} // namespace

CFileResult WriteTempFile(const std::string& path, std::string_view tempSuffix,
                          std::string_view text) {
    const std::string temp = path + std::string(tempSuffix);
    if (!IsFileCallAllowed(EFileCall::kWrite, temp))
        return Refused();
    RemoveLeftFile(temp);
    return WriteNewFile(temp, text);
}

CFileResult WriteUnflushedFile(const std::string& path, std::string_view text) {
    if (!IsFileCallAllowed(EFileCall::kWrite, path))
        return Refused();
    return WriteNewFile(path, text, false);
}

CFileResult MoveFileOver(const std::string& from, const std::string& to) {
    if (!IsFileCallAllowed(EFileCall::kMove, to))
        return Refused();
    if (!MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return CFileResult::Failed(Reason(GetLastError()));
    return {};
}

CFileResult KeepFileAs(const std::string& path, const std::string& kept) {
    if (!IsFileCallAllowed(EFileCall::kKeep, kept))
        return Refused();
    RemoveLeftFile(kept);
    if (CreateHardLinkA(kept.c_str(), path.c_str(), nullptr))
        return {};
    // FAT32 and some network shares have no links.
    std::string text;
    if (CFileResult read = ReadWholeFile(path, text); !read)
        return read;
    return WriteNewFile(kept, text);
}

CFileResult FlushFolder(const std::string& folder) {
    return IsFileCallAllowed(EFileCall::kFlushFolder, folder) ? CFileResult() : Refused();
}

bool IsFileReadOnly(const std::string& path) {
    const DWORD nAttributes = GetFileAttributesA(path.c_str());
    return nAttributes != INVALID_FILE_ATTRIBUTES &&
           (nAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) ==
               FILE_ATTRIBUTE_READONLY;
}

CFileResult RemoveFile(const std::string& path) {
    if (!IsFileCallAllowed(EFileCall::kRemove, path))
        return Refused();
    if (!DeleteFileA(path.c_str()))
        return CFileResult::Failed(Reason(GetLastError()));
    return {};
}

std::string FullPathOf(const std::string& path) {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return n == 0 || n >= sizeof full ? path : std::string(full, n);
}

EPathKind GetPathKind(const std::string& path) {
    DWORD nAttributes = GetFileAttributesA(path.c_str());
    if (nAttributes == INVALID_FILE_ATTRIBUTES)
        return EPathKind::kNone;
    return (nAttributes & FILE_ATTRIBUTE_DIRECTORY) ? EPathKind::kDirectory : EPathKind::kFile;
}

CFileAttributes GetFileAttributesOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        DWORD nError = GetLastError();
        if (nError == ERROR_FILE_NOT_FOUND || nError == ERROR_PATH_NOT_FOUND)
            return {};
        return {true, kUnknownSize, 0};
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return {true, kUnknownSize, 0};
    return {true, Join(data.nFileSizeHigh, data.nFileSizeLow),
            Join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

namespace {

std::uint64_t Unsigned(const LARGE_INTEGER& value) {
    return static_cast<std::uint64_t>(value.QuadPart);
}

// A name as the "A" functions give it: in the code page they use.
std::string NarrowName(const WCHAR* pName, int nLength) {
    const UINT nCodePage = AreFileApisANSI() ? CP_ACP : CP_OEMCP;
    const int nBytes =
        WideCharToMultiByte(nCodePage, 0, pName, nLength, nullptr, 0, nullptr, nullptr);
    std::string name(static_cast<std::size_t>(nBytes > 0 ? nBytes : 0), '\0');
    if (nBytes > 0)
        WideCharToMultiByte(nCodePage, 0, pName, nLength, name.data(), nBytes, nullptr, nullptr);
    return name;
}

// The folder's entries with each file's attributes, change time and file id
// in one pass, without opening each file. Looked up at run time, since not
// every system has it; false when it cannot list the folder, for the
// caller to list it the older way.
bool ListWithAttributes(const std::string& folder, std::vector<CDirEntry>& entries) {
    using CGetInformation = BOOL(WINAPI*)(HANDLE, FILE_INFO_BY_HANDLE_CLASS, LPVOID, DWORD);
    static const auto pGetInformation = reinterpret_cast<CGetInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFileInformationByHandleEx")));
    if (pGetInformation == nullptr)
        return false;
    CHandle dir(CreateFileA(folder.c_str(), FILE_LIST_DIRECTORY,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!dir.IsValid())
        return false;
    // Of 8-byte words, as the entries' 64-bit fields are aligned.
    std::vector<LONGLONG> buffer(64 * 1024 / sizeof(LONGLONG));
    const DWORD nBufferSize = static_cast<DWORD>(buffer.size() * sizeof(LONGLONG));
    for (FILE_INFO_BY_HANDLE_CLASS query = FileIdBothDirectoryRestartInfo;;
         query = FileIdBothDirectoryInfo) {
        if (!pGetInformation(dir.Get(), query, buffer.data(), nBufferSize)) {
            if (GetLastError() == ERROR_NO_MORE_FILES)
                return true;
            entries.clear();
            return false;
        }
        for (const char* p = reinterpret_cast<const char*>(buffer.data());;) {
            const auto& info = *reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(p);
            std::string name =
                NarrowName(info.FileName, static_cast<int>(info.FileNameLength / sizeof(WCHAR)));
            if (name != "." && name != "..") {
                CDirEntry entry{std::move(name),
                                (info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
                // A link's own attributes say nothing of the file it leads to.
                if (!entry.bDirectory && !(info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                    entry.attributes = {true,
                                        Unsigned(info.EndOfFile),
                                        Unsigned(info.LastWriteTime),
                                        Unsigned(info.ChangeTime),
                                        Unsigned(info.FileId),
                                        0};
                entries.push_back(std::move(entry));
            }
            if (info.NextEntryOffset == 0)
                break;
            p += info.NextEntryOffset;
        }
    }
}

} // namespace

std::uint64_t FileTimeNow() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return Join(now.dwHighDateTime, now.dwLowDateTime);
}

std::vector<CDirEntry> ListDirectory(const std::string& folder) {
    std::vector<CDirEntry> entries;
    if (ListWithAttributes(folder, entries))
        return entries;
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/')
        pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA(pattern.c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return entries;
    // Closed however the listing ends, an allocation failing in it too.
    const struct CFindGuard {
        HANDLE h;
        ~CFindGuard() { FindClose(h); }
    } guard{hFind};
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..")
            entries.push_back(
                {std::move(name), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(hFind, &data));
    return entries;
}

CFileResult MakeFolder(const std::string& folder) {
    if (!CreateDirectoryA(folder.c_str(), nullptr)) {
        DWORD nError = GetLastError();
        if (nError != ERROR_ALREADY_EXISTS || GetPathKind(folder) != EPathKind::kDirectory)
            return CFileResult::Failed(Reason(nError));
    }
    return {};
}

CFileResult RemoveFolder(const std::string& folder) {
    if (!IsFileCallAllowed(EFileCall::kRemove, folder))
        return Refused();
    if (!RemoveDirectoryA(folder.c_str()))
        return CFileResult::Failed(Reason(GetLastError()));
    return {};
}

bool IsLink(const std::string& path) {
    const DWORD nAttributes = GetFileAttributesA(path.c_str());
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

CFileResult CReadOnlyFile::Open(const std::string& path) {
    Close();
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        DWORD nError = GetLastError();
        if (nError == ERROR_FILE_NOT_FOUND || nError == ERROR_PATH_NOT_FOUND)
            return CFileResult::Missing();
        return CFileResult::Failed(Reason(nError));
    }
    CHandle file(h);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(h, &info))
        return CFileResult::Failed(Reason(GetLastError()));
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return CFileResult::Failed(Reason(ERROR_ACCESS_DENIED));
    // As GetFileAttributesOf gives them: the change time and the file id
    // come from the folder's listing, where the system gives them.
    m_attributes = {true, Join(info.nFileSizeHigh, info.nFileSizeLow),
                    Join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)};
    CFileResult result;
    result.disk = {true, m_attributes.nSize, m_attributes.nWriteTime, 0};
    m_hFile = reinterpret_cast<std::intptr_t>(file.Release());
    return result;
}

long long CReadOnlyFile::ReadAt(std::uint64_t nOffset, char* pBuffer, std::size_t nSize,
                                std::string& reason) const {
    std::size_t nDone = 0;
    while (nDone < nSize) {
        const std::uint64_t nAt = nOffset + nDone;
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(nAt);
        at.OffsetHigh = static_cast<DWORD>(nAt >> 32);
        const std::size_t nLeft = nSize - nDone;
        const DWORD nChunk = nLeft > 0x10000000 ? 0x10000000 : static_cast<DWORD>(nLeft);
        DWORD nRead = 0;
        if (!ReadFile(reinterpret_cast<HANDLE>(m_hFile), pBuffer + nDone, nChunk, &nRead, &at)) {
            const DWORD nError = GetLastError();
            if (nError == ERROR_HANDLE_EOF)
                break;
            reason = Reason(nError);
            return -1;
        }
        if (nRead == 0)
            break;
        nDone += nRead;
    }
    return static_cast<long long>(nDone);
}

void CReadOnlyFile::Close() {
    if (m_hFile != -1)
        CloseHandle(reinterpret_cast<HANDLE>(std::exchange(m_hFile, -1)));
    m_attributes = {};
}
