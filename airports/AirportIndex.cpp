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
    std::string strPath; // on the disk; empty when the disk has no path for it
};

bool NameBefore(const CIndexedFile& a, const CIndexedFile& b) {
    return LessNoCase(a.strName, b.strName);
}

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
        indexAreas.push_back(
            {row.nArea, area.GetTitle(), area.GetLocal(), std::move(folder), row.bActive, bStock});
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
        std::vector<CIndexedFile>& files = index.files[nSlot];
        for (const CDirEntry& entry : disk.List(scenery)) {
            if (!entry.bDirectory && IsBglFileName(entry.strName))
                files.push_back({entry.strName, {}});
        }
        std::sort(files.begin(), files.end(), NameBefore);
        for (std::size_t nFile = 0; nFile < files.size(); ++nFile) {
            CDiskPath path = disk.Locate(scenery + disk.GetSeparator() + files[nFile].strName);
            if (!path.strError.empty()) {
                files[nFile].contents.kind = EBglKind::kUnreadable;
                files[nFile].contents.strReason = path.strError;
            }
            found.push_back(
                {nSlot, nFile, path.strError.empty() ? std::move(path.strPath) : std::string()});
        }
    }
    for (std::size_t n = 0; n < found.size(); ++n) {
        const CFound& file = found[n];
        if (!file.strPath.empty()) {
            CBglContents& contents = index.files[file.nSlot][file.nFile].contents;
            if (const CBglContents* pKnown = cache.Find(file.strPath)) {
                contents = *pKnown;
            } else {
                CFileAttributes state;
                contents = ReadBglFile(file.strPath, state);
                cache.Put(file.strPath, state, contents);
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
