#include "LibraryFiles.h"

#include "FolderCommands.h"
#include "FolderFile.h"
#include "SimulatorLocation.h"

namespace {

std::string Locate(const std::string& path, const CSceneryDisk& disk, std::string& found) {
    CDiskPath located = disk.Locate(path);
    found = std::move(located.strPath);
    return std::move(located.strError);
}

} // namespace

std::string JoinedNames(std::span<const std::string> names) {
    std::string text;
    for (std::size_t n = 0; n < names.size(); ++n) {
        if (n > 0)
            text += n + 1 == names.size() ? " and " : ", ";
        text += names[n];
    }
    return text;
}

std::string LocateLibrary(const std::string& simPath, const CSceneryDisk& disk,
                          CLibraryPaths& paths) {
    for (auto [pszName, pPath] : {std::pair{kSceneryCfgName, &paths.strSceneryCfg},
                                  std::pair{kFolderTxtName, &paths.strFolderTxt},
                                  std::pair{kProfilesTxtName, &paths.strProfilesTxt}}) {
        if (std::string error = Locate(simPath + pszName, disk, *pPath); !error.empty())
            return error;
    }
    return {};
}

std::string LocateBackup(const std::string& simPath, const CSceneryDisk& disk, std::string& path) {
    return Locate(BackupPathOf(simPath + kSceneryCfgName), disk, path);
}

CLibraryFiles ReadLibrary(const CLibraryPaths& paths, const CLibraryContents& contents) {
    CLibraryFiles files;
    files.sceneryCfg = LoadSceneryCfg(paths.strSceneryCfg, contents.header, contents.areas);
    files.folderTxt = LoadFolders(paths.strFolderTxt, contents.folders, contents.areas);
    files.profilesTxt = LoadProfiles(paths.strProfilesTxt, contents.profiles, contents.areas);
    return files;
}

CSaveCheck CheckFilesBeforeSave(const CLibraryPaths& paths, const CLibraryFiles& files) {
    CSaveCheck check;
    const std::string* apPaths[] = {&paths.strSceneryCfg, &paths.strFolderTxt,
                                    &paths.strProfilesTxt};
    const CFileResult* apFiles[] = {&files.sceneryCfg, &files.folderTxt, &files.profilesTxt};
    for (std::size_t n = 0; n < 3; ++n) {
        check.disk[n] = apFiles[n]->disk;
        if (apFiles[n]->status != EFileStatus::kFailed)
            check.abChanged[n] = FileChangedSince(*apPaths[n], apFiles[n]->disk, check.disk[n]);
    }
    return check;
}

CLibraryWrite WriteProfiles(const CLibraryPaths& paths, CLibraryFiles& files,
                            const CLibraryContents& contents) {
    CLibraryWrite write;
    write.strPath = paths.strProfilesTxt;
    write.bProfilesTxtKept = files.profilesTxt.status == EFileStatus::kFailed;
    if (!write.bProfilesTxtKept)
        write.result = SaveProfiles(paths.strProfilesTxt, contents.profiles, contents.areas,
                                    files.profilesTxt.disk);
    return write;
}

CLibraryWrite WriteLibrary(const CLibraryPaths& paths, CLibraryFiles& files,
                           const CLibraryContents& contents, std::span<const CListRow> rows) {
    CAreaArray& areas = contents.areas;
    CFolderArray& folders = contents.folders;
    UpdateLayersFromList(rows, areas);
    UpdateActiveFromList(rows, areas);
    CLibraryWrite write;
    write.strPath = paths.strSceneryCfg;
    write.result =
        SaveSceneryCfg(paths.strSceneryCfg, contents.header, areas, rows, files.sceneryCfg.disk);
    if (!write.result)
        return write;
    write.nWritten = 1;
    StoreUntouchedExpandStates(folders, areas);
    write.strPath = paths.strFolderTxt;
    write.result = SaveFolders(paths.strFolderTxt, folders, areas, files.folderTxt.disk);
    if (!write.result)
        return write;
    write.nWritten = 2;
    for (int f = 0; f < folders.GetSize(); ++f)
        folders.GetAt(f).ForgetUnmatched();
    CLibraryWrite profiles = WriteProfiles(paths, files, contents);
    profiles.nWritten = profiles.result && !profiles.bProfilesTxtKept ? 3 : 2;
    return profiles;
}
