#include "Settings.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

std::string GetProgramPath() {
    char path[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
    return n <= 0 || static_cast<std::size_t>(n) >= sizeof path
               ? std::string()
               : std::string(path, static_cast<std::size_t>(n));
}

std::string GetCacheFolder() {
    // Relative values are to be ignored, as the base directory rules say.
    const char* pszCache = std::getenv("XDG_CACHE_HOME");
    if (pszCache != nullptr && pszCache[0] == '/')
        return pszCache;
    const char* pszHome = std::getenv("HOME");
    return pszHome != nullptr && pszHome[0] == '/' ? std::string(pszHome) + "/.cache"
                                                   : std::string();
}
