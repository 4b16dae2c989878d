#include "FolderFile.h"

#include "Profile.h"
#include "ProfileText.h"

#include <algorithm>
#include <optional>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace {

// The areas by title and local path, each list in index order: a file of
// many entries is matched in one pass over the areas.
class CAreaIndex {
public:
    explicit CAreaIndex(const CAreaArray& areas) {
        for (int i = 0; i < areas.GetSize(); ++i)
            m_aAreas[Key(areas.GetAt(i).GetTitle(), areas.GetAt(i).GetLocal())].push_back(i);
    }
    const std::vector<int>& Find(const std::string& title, const std::string& local) const {
        static const std::vector<int> none;
        auto found = m_aAreas.find(Key(title, local));
        return found == m_aAreas.end() ? none : found->second;
    }

private:
    static std::string Key(const std::string& title, const std::string& local) {
        return title + '\0' + local;
    }
    std::unordered_map<std::string, std::vector<int>> m_aAreas;
};

// The name a folder's section line gives: every blank and "[" in front
// taken off, then blanks at the end, then every "]" at the end. A name so
// taken neither begins with either nor ends in "]", so its section line
// "[" name "]" gives it back.
std::string FolderNameOf(std::string_view line) {
    line.remove_prefix(std::min(line.find_first_not_of(" \t["), line.size()));
    line = TrimBlanks(line);
    while (!line.empty() && line.back() == ']')
        line.remove_suffix(1);
    return std::string(line);
}

// From the section the folder's own line starts, whatever else the line
// holds: no spelling of it loses the folder's entries.
void ReadSection(const CProfile& profile, const CProfileSection& section, CFolder& folder,
                 CAreaArray& areas, const CAreaIndex& index) {
    // A check state other than 0, 1 and 2 means the areas are both on and off.
    int nActive = profile.GetInt(section, "Active", 0);
    folder.SetActive(nActive >= 0 && nActive <= 2 ? nActive : 2);
    folder.SetExpand(profile.GetInt(section, "Expand", 0));
    // The numbered keys by name, the first of each: one pass over the section.
    std::unordered_map<std::string, std::string_view> aKeys;
    for (const CProfileKey& key : profile.GetKeys(section))
        aKeys.emplace(LowerAscii(key.key), key.value);
    auto value = [&](const std::string& key) -> std::optional<std::string> {
        auto found = aKeys.find(key);
        if (found == aKeys.end())
            return std::nullopt;
        return CutValue(found->second);
    };
    std::unordered_set<int> aInFolder;
    for (int n = 0;; ++n) {
        std::optional<std::string> title = value("title." + std::to_string(n));
        std::optional<std::string> local = value("local." + std::to_string(n));
        if (!title && !local)
            break;
        const std::vector<int>& aAreas = index.Find(title.value_or(""), local.value_or(""));
        if (aAreas.empty())
            folder.AddUnmatched({title.value_or(""), local.value_or("")});
        for (int nArea : aAreas) {
            if (!aInFolder.insert(nArea).second)
                continue;
            folder.AddEntry(nArea, nullptr);
            areas.GetAt(nArea).SetInFolder(true);
        }
    }
}

} // namespace

CFileResult ParseFolders(std::string text, CFolderArray& folders, CAreaArray& areas) {
    if (std::string reason = WhyNotProfileText(text); !reason.empty())
        return CFileResult::Failed(reason);
    const CProfile profile(std::move(text));
    const CAreaIndex index(areas);
    for (const CProfileSection& section : profile.GetSections()) {
        auto pFolder = std::make_unique<CFolder>();
        pFolder->SetName(FolderNameOf(section.line));
        ReadSection(profile, section, *pFolder, areas, index);
        folders.Add(std::move(pFolder));
    }
    return {};
}

CFileResult LoadFolders(const std::string& path, CFolderArray& folders, CAreaArray& areas) {
    std::string text;
    CFileResult load = ReadProfileFile(path, text);
    if (load.status == EFileStatus::kOk) {
        const CFileState disk = load.disk;
        load = ParseFolders(std::move(text), folders, areas);
        load.disk = disk;
    }
    return load;
}

std::string FormatFolders(const CFolderArray& folders, const CAreaArray& areas) {
    CProfileText out;
    for (int i = 0; i < folders.GetSize(); ++i) {
        const CFolder& folder = folders.GetAt(i);
        out.AddSection(folder.GetName());
        out.AddKey("Active", std::to_string(folder.GetActive()));
        out.AddKey("Expand", std::to_string(folder.GetExpand()));
        std::set<std::pair<std::string, std::string>> written;
        int n = 0;
        for (int e = 0; e < folder.GetCount(); ++e) {
            const CSceneryArea& area = areas.GetAt(folder.GetArea(e));
            if (area.IsRemoved() || !written.insert({area.GetTitle(), area.GetLocal()}).second)
                continue;
            out.AddKey("Title." + std::to_string(n), area.GetTitle());
            out.AddKey("Local." + std::to_string(n), area.GetLocal());
            ++n;
        }
    }
    return out.TakeText();
}

CFileResult SaveFolders(const std::string& path, const CFolderArray& folders,
                        const CAreaArray& areas, CFileState& disk) {
    if (folders.GetSize() == 0)
        return RemoveFileIfUnchanged(path, disk);
    return ReplaceFileIfUnchanged(path, FormatFolders(folders, areas), disk);
}
