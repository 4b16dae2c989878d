#include "FileLock.h"

#include <windows.h>

#include <utility>

CFileLock::EOutcome CFileLock::TryOnce(const std::string& path) {
    const HANDLE hFile = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        // Another holder's open of a file being made can refuse a moment.
        return GetLastError() == ERROR_SHARING_VIOLATION ? EOutcome::kBusy : EOutcome::kNoLockFile;
    }
    OVERLAPPED at{};
    if (!LockFileEx(hFile, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        const DWORD nError = GetLastError();
        CloseHandle(hFile);
        return nError == ERROR_LOCK_VIOLATION || nError == ERROR_IO_PENDING ? EOutcome::kBusy
                                                                            : EOutcome::kNoLockFile;
    }
    m_hFile = reinterpret_cast<std::intptr_t>(hFile);
    return EOutcome::kHeld;
}

void CFileLock::Release() {
    if (m_hFile != -1)
        CloseHandle(reinterpret_cast<HANDLE>(std::exchange(m_hFile, -1)));
}
