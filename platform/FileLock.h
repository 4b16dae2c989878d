#pragma once

// An exclusive lock on a file's first byte that ends with the process
// holding it, so that a crash never leaves it taken. Windows programs
// (LockFileEx) and native ones (fcntl record locks, not flock) exclude each
// other on it, also across Wine, so every face of a program can share one.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

class CFileLock {
public:
    enum class EOutcome {
        kHeld,
        kBusy,       // another holder kept it past the wait
        kNoLockFile, // the lock file cannot be made or opened: go without it
    };

    CFileLock() = default;
    ~CFileLock() { Release(); }
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // Makes the lock file where there is none and tries to lock it until
    // the wait is over, running whileWaiting between tries (a window keeps
    // its messages flowing there).
    EOutcome Acquire(const std::string& path, std::chrono::milliseconds wait,
                     const std::function<void()>& whileWaiting = {});
    void Release();
    bool IsHeld() const { return m_hFile != -1; }

private:
    // One try.
    EOutcome TryOnce(const std::string& path);

    std::intptr_t m_hFile = -1; // the system's handle or descriptor, while held
};
