// Holds the library's lock as the window program does while it saves, until
// a file named "release" appears beside it: a Windows holder under Wine for
// the native twk to meet.

#include "FileLock.h"

#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const std::string folder = argv[1];
    CFileLock lock;
    if (lock.Acquire(folder + "Tarnwick.lock", {}) != CFileLock::EOutcome::kHeld)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    const std::string release = folder + "release";
    for (int n = 0; n < 600 && GetFileAttributesA(release.c_str()) == INVALID_FILE_ATTRIBUTES; ++n)
        Sleep(100);
    return 0;
}
