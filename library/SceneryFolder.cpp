#include "SceneryFolder.h"

#include "CodePage.h"
#include "Files.h"
#include "IniText.h"

#include <algorithm>

namespace {

// Either separator, and none at the end of a folder (the root's excepted).
std::string_view WithoutEndSeparators(std::string_view folder) {
    while (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/'))
        folder.remove_suffix(1);
    return folder;
}

char32_t IdentityCharOf(char c) {
    return c == '/' ? U'\\' : FoldedChar(c);
}

} // namespace

bool IsBglFileName(std::string_view name) {
    return name.size() >= 4 && LowerAscii(name.substr(name.size() - 4)) == ".bgl";
}

bool IsSceneryFolder(const std::string& folder, const CSceneryDisk& disk) {
    const std::string scenery = folder + disk.GetSeparator() + "scenery";
    if (disk.GetKind(scenery) != EPathKind::kDirectory)
        return false;
    for (const CDirEntry& entry : disk.List(scenery)) {
        if (IsBglFileName(entry.strName))
            return true;
    }
    return false;
}

std::string LocalPathOf(const std::string& folder, const std::string& simPath) {
    return !simPath.empty() && folder.starts_with(simPath) ? folder.substr(simPath.size()) : folder;
}

std::string FolderOfLocalPath(const std::string& localPath, const std::string& simPath) {
    const bool bAbsolute = (localPath.size() >= 2 && localPath[1] == ':') ||
                           localPath.starts_with('\\') || localPath.starts_with('/');
    return bAbsolute ? localPath : simPath + localPath;
}

std::u32string FolderIdentity(std::string_view folder) {
    folder = WithoutEndSeparators(folder);
    std::u32string identity(folder.size(), U'\0');
    std::transform(folder.begin(), folder.end(), identity.begin(), IdentityCharOf);
    return identity;
}

bool IsSameFolder(std::string_view a, std::string_view b) {
    a = WithoutEndSeparators(a);
    b = WithoutEndSeparators(b);
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return IdentityCharOf(x) == IdentityCharOf(y); });
}

std::string NameOfLocalPath(const std::string& localPath) {
    std::size_t nSeparator = localPath.find_last_of(std::string{'\\', kPathSeparator});
    return nSeparator == std::string::npos ? localPath : localPath.substr(nSeparator + 1);
}
