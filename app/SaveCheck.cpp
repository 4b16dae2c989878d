#include "SaveCheck.h"

#include <span>

namespace {

const char* WasOrWere(std::size_t nFiles) {
    return nFiles > 1 ? " were " : " was ";
}

} // namespace

std::string ChangedFilesQuestion(const CSaveCheck& check) {
    std::vector<std::string> changed;
    for (std::size_t n = 0; n < 3; ++n) {
        if (check.abChanged[n])
            changed.push_back(kLibraryFileNames[n]);
    }
    if (changed.empty())
        return {};
    return JoinedNames(changed) + WasOrWere(changed.size()) +
           "changed by another program after Tarnwick read " +
           (changed.size() > 1 ? "them" : "it") +
           ".\nSaving now replaces those changes.\n\nSave anyway?";
}

std::string LateChangeMessage(const std::vector<std::string>& names, int nWritten) {
    std::vector<std::string> files = names;
    // A Profiles.txt that appeared while the library was written.
    if (files.size() <= static_cast<std::size_t>(nWritten))
        files.push_back(kProfilesTxtName);
    const std::span<const std::string> written = std::span(files).first(nWritten);
    const std::span<const std::string> kept = std::span(files).subspan(nWritten);
    std::string text =
        kept.front() + " was changed by another program while Tarnwick was saving.\n";
    if (written.empty() && kept.size() == 2)
        text += "Neither " + kept[0] + " nor " + kept[1] + " was saved";
    else if (written.empty())
        text += "None of " + JoinedNames(kept) + " was saved";
    else
        text += JoinedNames(written) + WasOrWere(written.size()) + "saved; " + JoinedNames(kept) +
                WasOrWere(kept.size()) + "not";
    return text + ", so that those changes are kept.";
}
