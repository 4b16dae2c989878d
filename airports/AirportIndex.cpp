#include "AirportIndex.h"

#include "AirportCache.h"
#include "IniText.h"
#include "SceneryFolder.h"

#include <algorithm>

namespace {

// A file found, before it is read.
struct CFound {
    std::size_t nSlot;
    std::size_t nFile;
    std::string strPath;     // on the disk; empty when the disk has no path for it
    CFileAttributes listed;  // when its folder's listing gave them
    std::uint64_t nListedAt; // the moment before its folder was listed
};

} // namespace

std::vector<CIndexArea> IndexAreasOf(const CAreaArray& areas, std::span<const CListRow> rows,
                                     const std::string& simPath) {
    const std::u32string stock = FolderIdentity(simPath + "Scenery") + U'\\';
    std::vector<CIndexArea> indexAreas;
    indexAreas.reserve(rows.size());
    for (const CListRow& row : rows) {
        const CSceneryArea& area = areas.GetAt(row.nArea);
        std::string folder = FolderOfLocalPath(area.GetLocal(), simPath);
        const bool bStock = FolderIdentity(folder).starts_with(stock);
        indexAreas.push_back({row.nArea, area.GetTitle(), area.GetLocal(), std::move(folder),
                              row.bActive, bStock, area.IsRequired()});
    }
    return indexAreas;
}

CAirportIndex BuildAirportIndex(std::vector<CIndexArea> areas, const CSceneryDisk& disk,
                                CAirportCache& cache, const CIndexProgress& progress) {
    CAirportIndex index;
    index.areas = std::move(areas);
    index.files.resize(index.areas.size());
    // Every folder is listed first, so that the progress knows the whole.
    std::vector<CFound> found;
    for (std::size_t nSlot = 0; nSlot < index.areas.size(); ++nSlot) {
        const std::string scenery = index.areas[nSlot].strFolder + disk.GetSeparator() + "scenery";
        const std::uint64_t nListedAt = FileTimeNow();
        std::vector<CDirEntry> listed = disk.List(scenery);
        std::erase_if(listed, [](const CDirEntry& entry) {
            return entry.bDirectory || !IsBglFileName(entry.strName);
        });
        std::sort(listed.begin(), listed.end(), [](const CDirEntry& a, const CDirEntry& b) {
            return LessNoCase(a.strName, b.strName);
        });
        std::vector<CIndexedFile>& files = index.files[nSlot];
        for (CDirEntry& entry : listed) {
            CDiskPath path = disk.Locate(scenery + disk.GetSeparator() + entry.strName);
            CIndexedFile& file = files.emplace_back(CIndexedFile{std::move(entry.strName), {}});
            if (!path.strError.empty()) {
                file.contents.kind = EBglKind::kUnreadable;
                file.contents.strReason = std::move(path.strError);
                path.strPath.clear();
            }
            found.push_back(
                {nSlot, files.size() - 1, std::move(path.strPath), entry.attributes, nListedAt});
        }
    }
    for (std::size_t n = 0; n < found.size(); ++n) {
        const CFound& file = found[n];
        if (!file.strPath.empty()) {
            CBglContents& contents = index.files[file.nSlot][file.nFile].contents;
            // Natively the listing gives names alone: a new file's
            // attributes then come from its opening.
            CFileAttributes state = file.listed;
            if (!cache.Take(file.strPath, state, contents)) {
                CFileAttributes opened;
                contents = ReadBglFile(file.strPath, opened,
                                       [&] { return !progress || progress(n, found.size()); });
                cache.Put(file.strPath, state.bPresent ? state : opened, contents, file.nListedAt);
            }
        }
        if (progress && !progress(n + 1, found.size())) {
            index.bComplete = false;
            break;
        }
    }
    return index;
}

CAirportIndex IndexLibraryAirports(std::vector<CIndexArea> areas, const std::string& simPath,
                                   const CSceneryDisk& disk, const std::string& cachePath,
                                   const CIndexProgress& progress) {
    CAirportCache cache;
    if (!cachePath.empty())
        cache.Load(cachePath, simPath);
    CAirportIndex index = BuildAirportIndex(std::move(areas), disk, cache, progress);
    if (index.bComplete)
        cache.DropUnused();
    if (!cachePath.empty())
        cache.Save();
    return index;
}
