#include "AreaChanges.h"

#include "Files.h"
#include "SceneryFolder.h"

std::vector<CListRow> ListRows(const CAreaArray& areas) {
    std::vector<CListRow> rows;
    rows.reserve(static_cast<std::size_t>(areas.GetSize()));
    for (int i = areas.GetSize() - 1; i >= 0; --i)
        rows.push_back({i, areas.GetAt(i).IsActive()});
    return rows;
}

std::string WhyTitleRefused(const std::string& title) {
    if (title.empty())
        return "an area needs a title";
    if (title.size() > kMaxNameLength)
        return "a title holds at most " + std::to_string(kMaxNameLength) +
               " characters, this one " + std::to_string(title.size());
    return {};
}

std::string PositionName(int nPosition) {
    // Appended: gcc 12 wrongly warns of an overlap in "#" + std::to_string(n).
    std::string name = "#";
    name += std::to_string(nPosition);
    return name;
}

bool IsLibraryFull(const CAreaArray& areas) {
    return areas.GetSize() >= CAreaArray::kMaxAreas;
}

std::string ProposedTitle(const std::string& folder, const std::string& simPath) {
    return NameOfLocalPath(LocalPathOf(folder, simPath)).substr(0, kMaxNameLength);
}

int AddArea(CAreaArray& areas, const std::string& folder, const std::string& simPath,
            const std::string& title) {
    auto pArea = std::make_unique<CSceneryArea>();
    pArea->SetLocal(LocalPathOf(folder, simPath));
    pArea->SetActive(true);
    pArea->SetTitle(title.substr(0, kMaxNameLength));
    return areas.Add(std::move(pArea));
}

void RemoveArea(CAreaArray& areas, int nArea) {
    areas.GetAt(nArea).SetRemoved(true);
}

void RenameArea(CAreaArray& areas, int nArea, const std::string& title) {
    areas.GetAt(nArea).SetTitle(title.substr(0, kMaxNameLength));
}

CHeldFolders HeldFolders(const CAreaArray& areas, const std::string& simPath) {
    CHeldFolders held;
    for (int nArea = 0; nArea < areas.GetSize(); ++nArea) {
        if (const CSceneryArea& area = areas.GetAt(nArea); !area.IsRemoved())
            held.emplace(FolderIdentity(FolderOfLocalPath(area.GetLocal(), simPath)), nArea);
    }
    return held;
}

int AreaHolding(const CHeldFolders& held, const std::string& folder) {
    const auto found = held.find(FolderIdentity(folder));
    return found == held.end() ? -1 : found->second;
}

CScanResult ScanDirectory(const std::string& directory, const std::string& simPath,
                          CAreaArray& areas, int nMaxAreas, const CSceneryDisk& disk,
                          const CHeldFolders* pHeld) {
    CScanResult result;
    std::string base = directory;
    if (base.empty() || base.back() != disk.GetSeparator())
        base += disk.GetSeparator();
    for (const CDirEntry& entry : disk.List(directory)) {
        if (entry.bDirectory && entry.bUnnamed)
            result.aUnnamed.push_back(entry.strName);
        if (!entry.bDirectory || entry.bUnnamed || entry.strName.starts_with(".") ||
            !IsSceneryFolder(base + entry.strName, disk))
            continue;
        const std::string folder = base + entry.strName;
        if (const int nHolding = pHeld ? AreaHolding(*pHeld, folder) : -1; nHolding >= 0) {
            result.aHeld.push_back(nHolding);
            continue;
        }
        if (areas.GetSize() >= nMaxAreas) {
            ++result.nLeftOut;
            continue;
        }
        AddArea(areas, folder, simPath, ProposedTitle(folder, simPath));
        ++result.nAdded;
    }
    return result;
}
