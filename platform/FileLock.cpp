#include "FileLock.h"

#include <thread>

CFileLock::EOutcome CFileLock::Acquire(const std::string& path, std::chrono::milliseconds wait,
                                       const std::function<void()>& whileWaiting) {
    Release();
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const EOutcome outcome = TryOnce(path);
        if (outcome != EOutcome::kBusy || std::chrono::steady_clock::now() >= deadline)
            return outcome;
        if (whileWaiting)
            whileWaiting();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
