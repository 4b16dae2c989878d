#include "SaveCheck.h"

std::string ChangedFilesQuestion(const CSaveCheck& check) {
    std::vector<std::string> changed;
    for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
        if (check.abChanged[n])
            changed.push_back(kLibraryFiles[n].pszName);
    }
    if (changed.empty())
        return {};
    return JoinedNames(changed) + (changed.size() > 1 ? " were " : " was ") +
           "changed by another program after Tarnwick read " +
           (changed.size() > 1 ? "them" : "it") +
           ".\nSaving now replaces those changes.\n\nSave anyway?";
}
