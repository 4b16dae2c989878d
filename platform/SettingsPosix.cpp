#include "Settings.h"

#include <climits>
#include <unistd.h>

std::string GetProgramPath() {
    char path[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
    return n <= 0 || static_cast<std::size_t>(n) >= sizeof path
               ? std::string()
               : std::string(path, static_cast<std::size_t>(n));
}
