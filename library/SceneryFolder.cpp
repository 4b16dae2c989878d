#include "SceneryFolder.h"

#include "Files.h"
#include "Profile.h"

namespace {

bool IsBglFile(const std::string& name) {
    return name.size() >= 4 && LowerAscii(name.substr(name.size() - 4)) == ".bgl";
}

} // namespace

bool IsSceneryFolder(const std::string& folder) {
    const std::string scenery = folder + kPathSeparator + "scenery";
    if (GetPathKind(scenery) != EPathKind::kDirectory)
        return false;
    for (const CDirEntry& entry : ListDirectory(scenery)) {
        if (IsBglFile(entry.strName))
            return true;
    }
    return false;
}

std::string LocalPathOf(const std::string& folder, const std::string& simPath) {
    return !simPath.empty() && folder.starts_with(simPath) ? folder.substr(simPath.size()) : folder;
}

std::string NameOfLocalPath(const std::string& localPath) {
    std::size_t nSeparator = localPath.rfind(kPathSeparator);
    return nSeparator == std::string::npos ? localPath : localPath.substr(nSeparator + 1);
}
