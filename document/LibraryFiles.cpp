#include "LibraryFiles.h"

#include "FolderChanges.h"
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
    for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
        if (std::string error = Locate(simPath + kLibraryFiles[n].pszName, disk, paths.files[n]);
            !error.empty())
            return error;
    }
    // Tarnwick's own, found as the disk finds a new file of that name.
    for (auto [pszName, pPath] : {std::pair{kLockFileName, &paths.strLock},
                                  std::pair{kJournalFileName, &paths.strJournal}}) {
        if (std::string error = Locate(simPath + pszName, disk, *pPath); !error.empty())
            return error;
    }
    return {};
}

std::string LocateBackup(const std::string& simPath, const CSceneryDisk& disk, std::string& path) {
    return Locate(BackupPathOf(simPath + kSceneryCfgName), disk, path);
}

const CByLibraryFile<CLibraryFileKind> kLibraryFiles = {{
    {kSceneryCfgName, true,
     [](const std::string& path, const CLibraryContents& contents) {
         return LoadSceneryCfg(path, contents.header, contents.areas);
     },
     [](const CLibraryContents& contents, std::span<const CListRow> rows) {
         return std::optional(FormatSceneryCfg(contents.header, contents.areas, rows));
     }},
    {kFolderTxtName, true,
     [](const std::string& path, const CLibraryContents& contents) {
         return LoadFolders(path, contents.folders, contents.areas);
     },
     [](const CLibraryContents& contents, std::span<const CListRow>) {
         return FolderFileText(contents.folders, contents.areas);
     }},
    {kProfilesTxtName, false,
     [](const std::string& path, const CLibraryContents& contents) {
         return LoadProfiles(path, contents.profiles, contents.areas, &contents.profilesLead);
     },
     [](const CLibraryContents& contents, std::span<const CListRow>) {
         return ProfilesFileText(contents.profiles, contents.areas, contents.profilesLead);
     }},
}};

CLibraryFiles ReadLibrary(const CLibraryPaths& paths, const CLibraryContents& contents) {
    CLibraryFiles files;
    for (std::size_t n = 0; n < kLibraryFileCount; ++n)
        files[n] = kLibraryFiles[n].pRead(paths.files[n], contents);
    return files;
}

CSaveCheck CheckFilesBeforeSave(const CLibraryPaths& paths, const CLibraryFiles& files) {
    CSaveCheck check;
    for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
        check.disk[n] = files[n].disk;
        if (files[n].status != EFileStatus::kFailed)
            check.abChanged[n] = FileChangedSince(paths.files[n], files[n].disk, check.disk[n]);
    }
    return check;
}

namespace {

CJournalNames JournalNamesOf(const CLibraryPaths& paths) {
    return {paths.strJournal, kTempSuffix, kKeptSuffix, kLeftSuffix};
}

// The files, each with its text from the contents, in one transaction; a
// file that could not be read is left as it is.
CLibraryWrite WriteFiles(const CLibraryPaths& paths, CLibraryFiles& files,
                         const CLibraryContents& contents, std::span<const CListRow> rows,
                         std::span<const ELibraryFile> which) {
    CLibraryWrite write;
    std::vector<CFileChange> changes;
    for (ELibraryFile file : which) {
        if (files[file].status == EFileStatus::kFailed)
            write.kept.push_back(file);
        else
            changes.push_back(
                {paths.files[file], kLibraryFiles[file].pText(contents, rows), &files[file].disk});
    }
    write.commit = CommitFiles(JournalNamesOf(paths), changes);
    return write;
}

} // namespace

CLibraryWrite WriteLibraryFile(const CLibraryPaths& paths, CLibraryFiles& files,
                               const CLibraryContents& contents, ELibraryFile file) {
    return WriteFiles(paths, files, contents, {}, std::span(&file, 1));
}

CLibraryWrite WriteLibrary(const CLibraryPaths& paths, CLibraryFiles& files,
                           const CLibraryContents& contents, std::span<const CListRow> rows) {
    CAreaArray& areas = contents.areas;
    CFolderArray& folders = contents.folders;
    UpdateLayersFromList(rows, areas);
    UpdateActiveFromList(rows, areas);
    StoreUntouchedExpandStates(folders, areas);
    static constexpr CByLibraryFile<ELibraryFile> kEveryFile = [] {
        CByLibraryFile<ELibraryFile> every{};
        for (std::size_t n = 0; n < kLibraryFileCount; ++n)
            every[n] = static_cast<ELibraryFile>(n);
        return every;
    }();
    CLibraryWrite write = WriteFiles(paths, files, contents, rows, kEveryFile);
    if (write.commit.result) {
        for (int f = 0; f < folders.GetSize(); ++f)
            folders.GetAt(f).ForgetUnmatched();
    }
    return write;
}

CLibraryWrite WriteSceneryCfgText(const CLibraryPaths& paths, CLibraryFiles& files,
                                  std::string text) {
    CFileChange change{paths.files[kSceneryCfgFile], std::move(text), &files[kSceneryCfgFile].disk};
    return {CommitFiles(JournalNamesOf(paths), std::span(&change, 1)), {}};
}

CRecovery RecoverLibrary(const CLibraryPaths& paths) {
    return RecoverFiles(JournalNamesOf(paths), paths.files);
}
