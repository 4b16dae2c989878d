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
                                  std::pair{kProfilesTxtName, &paths.strProfilesTxt},
                                  std::pair{kLockFileName, &paths.strLock},
                                  std::pair{kJournalFileName, &paths.strJournal}}) {
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
    files.profilesTxt = LoadProfiles(paths.strProfilesTxt, contents.profiles, contents.areas,
                                     &contents.profilesLead);
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

namespace {

CJournalNames JournalNamesOf(const CLibraryPaths& paths) {
    return {paths.strJournal, kTempSuffix, kKeptSuffix, kLeftSuffix};
}

// Profiles.txt as the changes write it, unless it could not be read.
void AddProfilesTxt(const CLibraryPaths& paths, CLibraryFiles& files,
                    const CLibraryContents& contents, std::vector<CFileChange>& changes,
                    CLibraryWrite& write) {
    write.bProfilesTxtKept = files.profilesTxt.status == EFileStatus::kFailed;
    if (!write.bProfilesTxtKept)
        changes.push_back(
            {paths.strProfilesTxt,
             ProfilesFileText(contents.profiles, contents.areas, contents.profilesLead),
             &files.profilesTxt.disk});
}

} // namespace

CLibraryWrite WriteProfiles(const CLibraryPaths& paths, CLibraryFiles& files,
                            const CLibraryContents& contents) {
    CLibraryWrite write;
    std::vector<CFileChange> changes;
    AddProfilesTxt(paths, files, contents, changes, write);
    write.commit = CommitFiles(JournalNamesOf(paths), changes);
    return write;
}

CLibraryWrite WriteLibrary(const CLibraryPaths& paths, CLibraryFiles& files,
                           const CLibraryContents& contents, std::span<const CListRow> rows) {
    CAreaArray& areas = contents.areas;
    CFolderArray& folders = contents.folders;
    UpdateLayersFromList(rows, areas);
    UpdateActiveFromList(rows, areas);
    StoreUntouchedExpandStates(folders, areas);
    std::vector<CFileChange> changes = {
        {paths.strSceneryCfg, FormatSceneryCfg(contents.header, areas, rows),
         &files.sceneryCfg.disk},
        {paths.strFolderTxt, FolderFileText(folders, areas), &files.folderTxt.disk}};
    CLibraryWrite write;
    AddProfilesTxt(paths, files, contents, changes, write);
    write.commit = CommitFiles(JournalNamesOf(paths), changes);
    if (write.commit.result) {
        for (int f = 0; f < folders.GetSize(); ++f)
            folders.GetAt(f).ForgetUnmatched();
    }
    return write;
}

CLibraryWrite WriteSceneryCfgText(const CLibraryPaths& paths, CLibraryFiles& files,
                                  std::string text) {
    CFileChange change{paths.strSceneryCfg, std::move(text), &files.sceneryCfg.disk};
    return {CommitFiles(JournalNamesOf(paths), std::span(&change, 1)), false};
}

CRecovery RecoverLibrary(const CLibraryPaths& paths) {
    const std::string files[] = {paths.strSceneryCfg, paths.strFolderTxt, paths.strProfilesTxt};
    return RecoverFiles(JournalNamesOf(paths), files);
}
