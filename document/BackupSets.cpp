#include "BackupSets.h"

#include "FileState.h"
#include "IniText.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

constexpr std::size_t kNewestKept = 50;
constexpr int kDaysKept = 30;

std::string InFolder(const std::string& folder, const std::string& name) {
    return std::string(folder).append(1, kPathSeparator).append(name);
}

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A folder named as Tarnwick names a set, "0042 2026-12-09 014512": its
// number and its day.
bool IsSetName(std::string_view name, int& nNumber, std::string& day) {
    const std::size_t nSpace = name.find(' ');
    if (nSpace == std::string_view::npos || nSpace < 4 || nSpace > 9 ||
        !IsDigits(name.substr(0, nSpace)) || name.size() != nSpace + 18)
        return false;
    const std::string_view rest = name.substr(nSpace + 1);
    if (!IsDigits(rest.substr(0, 4)) || rest[4] != '-' || !IsDigits(rest.substr(5, 2)) ||
        rest[7] != '-' || !IsDigits(rest.substr(8, 2)) || rest[10] != ' ' ||
        !IsDigits(rest.substr(11, 6)))
        return false;
    nNumber = std::stoi(std::string(name.substr(0, nSpace)));
    day = rest.substr(0, 10);
    return true;
}

// A set folder there: whether it has its text file.
struct CSetFolder {
    int nNumber;
    std::string strName;
    std::string strDay;
    bool bComplete;
};

std::vector<CSetFolder> SetFolders(const std::string& backupsFolder) {
    std::vector<CSetFolder> sets;
    for (const CDirEntry& entry : ListDirectory(backupsFolder)) {
        CSetFolder set{0, entry.strName, {}, false};
        const std::string path = InFolder(backupsFolder, entry.strName);
        if (!entry.bDirectory || entry.bUnnamed ||
            !IsSetName(entry.strName, set.nNumber, set.strDay) || IsLink(path))
            continue;
        set.bComplete = GetPathKind(InFolder(path, kBackupTextName)) == EPathKind::kFile;
        sets.push_back(std::move(set));
    }
    std::sort(sets.begin(), sets.end(),
              [](const CSetFolder& a, const CSetFolder& b) { return a.nNumber > b.nNumber; });
    return sets;
}

// The set in the folder, as its text file tells it.
CBackupSet SetOf(const std::string& backupsFolder, const CSetFolder& folder) {
    CBackupSet set;
    set.nNumber = folder.nNumber;
    set.strPath = InFolder(backupsFolder, folder.strName);
    std::string text;
    if (!ReadWholeFile(InFolder(set.strPath, kBackupTextName), text)) {
        set.strUnusable = std::string(kBackupTextName) + " cannot be read";
        return set;
    }
    const CIniText ini(std::move(text));
    const CIniSection* pSection = ini.FindSection("Backup");
    if (pSection == nullptr) {
        set.strUnusable = std::string(kBackupTextName) + " is damaged";
        return set;
    }
    set.strWhen = ini.GetString(*pSection, "When", "");
    set.strBy = ini.GetString(*pSection, "By", "");
    set.nAreas = ini.GetInt(*pSection, "Areas", 0);
    set.nFolders = ini.GetInt(*pSection, "Folders", 0);
    set.nProfiles = ini.GetInt(*pSection, "Profiles", 0);
    const std::string files = "," + ini.GetString(*pSection, "Files", "") + ",";
    for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
        const std::string name = kLibraryFiles[n].pszName;
        set.abHolds[n] = files.find("," + name + ",") != std::string::npos;
        if (!set.abHolds[n])
            continue;
        // "size hash", the hash in hexadecimal.
        const std::string kept = ini.GetString(*pSection, name, "");
        const std::size_t nSpace = kept.find(' ');
        set.anSize[n] = std::strtoull(kept.c_str(), nullptr, 10);
        set.anHash[n] =
            nSpace == std::string::npos ? 0 : std::strtoull(kept.c_str() + nSpace + 1, nullptr, 16);
        const CFileAttributes copy = GetFileAttributesOf(InFolder(set.strPath, name));
        if (!copy.bPresent)
            set.strUnusable = name + " is missing";
        else if (copy.nSize != set.anSize[n])
            set.strUnusable = name + " is not as it was kept";
    }
    if (set.strUnusable.empty() && !set.abHolds[kSceneryCfgFile])
        set.strUnusable = std::string(kSceneryCfgName) + " is missing";
    return set;
}

// How many sections of the file's text are areas (scenery.cfg) or are
// its folders or profiles.
int SectionsOf(const std::string& text, bool bAreasOnly) {
    const CIniText ini(text);
    return static_cast<int>(std::count_if(
        ini.GetSections().begin(), ini.GetSections().end(), [&](const CIniSection& section) {
            return !bAreasOnly || LowerAscii(section.name).starts_with("area.");
        }));
}

std::string DayOf(std::chrono::sys_days day) {
    const std::chrono::year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::chrono::sys_days ParsedDay(const std::string& day) {
    return std::chrono::year_month_day(
        std::chrono::year(std::stoi(day.substr(0, 4))),
        std::chrono::month(static_cast<unsigned>(std::stoi(day.substr(5, 2)))),
        std::chrono::day(static_cast<unsigned>(std::stoi(day.substr(8, 2)))));
}

// Removes only the files Tarnwick writes in a set, then the folder when
// nothing else is left in it.
void RemoveSet(const std::string& folder) {
    for (const CLibraryFileKind& kind : kLibraryFiles) {
        if (GetPathKind(InFolder(folder, kind.pszName)) == EPathKind::kFile)
            RemoveFile(InFolder(folder, kind.pszName));
    }
    if (GetPathKind(InFolder(folder, kBackupTextName)) == EPathKind::kFile)
        RemoveFile(InFolder(folder, kBackupTextName));
    RemoveFolder(folder);
}

void RemoveUnkept(const std::string& backupsFolder) {
    const std::vector<CSetFolder> sets = SetFolders(backupsFolder);
    std::vector<const CSetFolder*> complete;
    for (const CSetFolder& set : sets) {
        if (set.bComplete)
            complete.push_back(&set);
        else
            RemoveSet(InFolder(backupsFolder, set.strName));
    }
    if (complete.empty())
        return;
    std::set<int> kept;
    for (std::size_t n = 0; n < complete.size() && n < kNewestKept; ++n)
        kept.insert(complete[n]->nNumber);
    kept.insert(complete.back()->nNumber);
    const std::chrono::sys_days newest = ParsedDay(complete.front()->strDay);
    std::set<std::string> days;
    for (int nDay = 1; nDay <= kDaysKept; ++nDay)
        days.insert(DayOf(newest - std::chrono::days(nDay)));
    for (const CSetFolder* pSet : complete) {
        // Newest first: the first of a day is its newest.
        if (days.erase(pSet->strDay) > 0)
            kept.insert(pSet->nNumber);
    }
    for (const CSetFolder* pSet : complete) {
        if (!kept.contains(pSet->nNumber))
            RemoveSet(InFolder(backupsFolder, pSet->strName));
    }
}

// The time of day in UTC, its parts parted by the separator.
std::string UtcTimeOf(std::chrono::system_clock::time_point now, const char* pszSeparator) {
    const auto seconds = std::chrono::floor<std::chrono::seconds>(now);
    const std::chrono::hh_mm_ss time(seconds - std::chrono::floor<std::chrono::days>(seconds));
    char text[32];
    std::snprintf(text, sizeof text, "%02d%s%02d%s%02d", static_cast<int>(time.hours().count()),
                  pszSeparator, static_cast<int>(time.minutes().count()), pszSeparator,
                  static_cast<int>(time.seconds().count()));
    return text;
}

std::string UtcDayOf(std::chrono::system_clock::time_point now) {
    return DayOf(std::chrono::floor<std::chrono::days>(now));
}

// Whether the set holds the same files with the same bytes, as its sizes
// and hashes tell.
bool HoldsTheSame(const CBackupSet& set, const CByLibraryFile<std::string>& texts,
                  const CByLibraryFile<bool>& abHolds) {
    if (!set.strUnusable.empty() || set.abHolds != abHolds)
        return false;
    for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
        if (abHolds[n] &&
            (set.anSize[n] != texts[n].size() || set.anHash[n] != HashFileBytes(texts[n])))
            return false;
    }
    return true;
}

std::string TextOf(std::chrono::system_clock::time_point now, const std::string& by,
                   const CByLibraryFile<std::string>& texts, const CByLibraryFile<bool>& abHolds) {
    const std::string when = UtcDayOf(now) + " " + UtcTimeOf(now, ":");
    std::string files, copies;
    for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
        if (!abHolds[n])
            continue;
        files.append(files.empty() ? "" : ",").append(kLibraryFiles[n].pszName);
        char copy[64];
        std::snprintf(copy, sizeof copy, "=%llu %016llX\r\n",
                      static_cast<unsigned long long>(texts[n].size()),
                      static_cast<unsigned long long>(HashFileBytes(texts[n])));
        copies.append(kLibraryFiles[n].pszName).append(copy);
    }
    // The command line may hold any byte but a line end.
    std::string byLine = by;
    std::replace_if(
        byLine.begin(), byLine.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return std::string("[Backup]\r\nWhen=") + when + "\r\nBy=" + byLine +
           "\r\nAreas=" + std::to_string(SectionsOf(texts[kSceneryCfgFile], true)) +
           "\r\nFolders=" + std::to_string(SectionsOf(texts[kFolderTxtFile], false)) +
           "\r\nProfiles=" + std::to_string(SectionsOf(texts[kProfilesTxtFile], false)) +
           "\r\nFiles=" + files + "\r\n" + copies;
}

} // namespace

std::string CBackupSet::FilePath(ELibraryFile file) const {
    return InFolder(strPath, kLibraryFiles[file].pszName);
}

std::vector<CBackupSet> ListBackupSets(const std::string& backupsFolder) {
    std::vector<CBackupSet> sets;
    for (const CSetFolder& folder : SetFolders(backupsFolder)) {
        if (folder.bComplete)
            sets.push_back(SetOf(backupsFolder, folder));
    }
    return sets;
}

CKeptSet KeepBackupSet(const std::string& backupsFolder, const CLibraryPaths& paths,
                       const std::string& by, std::chrono::system_clock::time_point now) {
    CKeptSet kept;
    CByLibraryFile<std::string> texts;
    CByLibraryFile<bool> abHolds{};
    for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
        const CFileResult read = ReadWholeFile(paths.files[n], texts[n]);
        if (read.status == EFileStatus::kMissing)
            continue;
        if (!read) {
            kept.strError = paths.files[n] + ": cannot be read: " + read.strReason;
            return kept;
        }
        abHolds[n] = true;
    }
    // The same files as the newest set: nothing new to keep.
    const std::vector<CSetFolder> folders = SetFolders(backupsFolder);
    const auto newest = std::find_if(folders.begin(), folders.end(),
                                     [](const CSetFolder& folder) { return folder.bComplete; });
    if (newest != folders.end() && HoldsTheSame(SetOf(backupsFolder, *newest), texts, abHolds))
        return kept;
    if (const CFileResult made = MakeFolder(backupsFolder); !made) {
        kept.strError = backupsFolder + ": cannot be made: " + made.strReason;
        return kept;
    }
    const int nNumber = folders.empty() ? 1 : folders.front().nNumber + 1;
    char number[16];
    std::snprintf(number, sizeof number, "%04d", nNumber);
    const std::string name = std::string(number) + " " + UtcDayOf(now) + " " + UtcTimeOf(now, "");
    kept.strFolder = InFolder(backupsFolder, name);
    CFileResult written = MakeFolder(kept.strFolder);
    // Its files, then its text file, which makes it a set.
    for (std::size_t n = 0; written && n < kLibraryFileCount; ++n) {
        if (abHolds[n])
            written =
                WriteUnflushedFile(InFolder(kept.strFolder, kLibraryFiles[n].pszName), texts[n]);
    }
    if (written)
        written = WriteUnflushedFile(InFolder(kept.strFolder, kBackupTextName),
                                     TextOf(now, by, texts, abHolds));
    if (!written) {
        RemoveSet(kept.strFolder);
        kept.strError = kept.strFolder + ": cannot be written: " + written.strReason;
        return kept;
    }
    kept.bKept = true;
    RemoveUnkept(backupsFolder);
    return kept;
}
