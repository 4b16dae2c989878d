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

CScanResult ScanDirectory(const std::string& directory, const std::string& simPath,
                          CAreaArray& areas, int nMaxAreas, const CSceneryDisk& disk) {
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
        if (areas.GetSize() >= nMaxAreas) {
            ++result.nLeftOut;
            continue;
        }
        const std::string folder = base + entry.strName;
        AddArea(areas, folder, simPath, ProposedTitle(folder, simPath));
        ++result.nAdded;
    }
    return result;
}
