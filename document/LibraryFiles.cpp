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

std::string LocateLibrary(const std::string& simPath, const CSceneryDisk& disk,
                          CLibraryPaths& paths) {
    std::string error = Locate(simPath + kSceneryCfgName, disk, paths.strSceneryCfg);
    return error.empty() ? Locate(simPath + kFolderTxtName, disk, paths.strFolderTxt) : error;
}

std::string LocateBackup(const std::string& simPath, const CSceneryDisk& disk, std::string& path) {
    return Locate(BackupPathOf(simPath + kSceneryCfgName), disk, path);
}

CLibraryFiles ReadLibrary(const CLibraryPaths& paths, CSceneryHeader& header, CAreaArray& areas,
                          CFolderArray& folders) {
    CLibraryFiles files;
    files.sceneryCfg = LoadSceneryCfg(paths.strSceneryCfg, header, areas);
    files.folderTxt = LoadFolders(paths.strFolderTxt, folders, areas);
    return files;
}

CSaveCheck CheckFilesBeforeSave(const CLibraryPaths& paths, const CLibraryFiles& files) {
    CSaveCheck check;
    check.bSceneryCfgChanged =
        FileChangedSince(paths.strSceneryCfg, files.sceneryCfg.disk, check.sceneryCfg);
    check.bFolderTxtChanged =
        FileChangedSince(paths.strFolderTxt, files.folderTxt.disk, check.folderTxt);
    return check;
}

CLibraryWrite WriteLibrary(const CLibraryPaths& paths, CLibraryFiles& files,
                           const CSceneryHeader& header, CAreaArray& areas, CFolderArray& folders,
                           std::span<const CListRow> rows) {
    UpdateLayersFromList(rows, areas);
    UpdateActiveFromList(rows, areas);
    CLibraryWrite write;
    write.strPath = paths.strSceneryCfg;
    write.result = SaveSceneryCfg(paths.strSceneryCfg, header, areas, rows, files.sceneryCfg.disk);
    if (!write.result)
        return write;
    write.bSceneryCfgWritten = true;
    StoreUntouchedExpandStates(folders, areas);
    write.strPath = paths.strFolderTxt;
    write.result = SaveFolders(paths.strFolderTxt, folders, areas, files.folderTxt.disk);
    if (write.result) {
        for (int f = 0; f < folders.GetSize(); ++f)
            folders.GetAt(f).ForgetUnmatched();
    }
    return write;
}
