#include "Simulator.h"

#include "Files.h"
#include "Output.h"
#include "SceneryFolder.h"
#include "Settings.h"
#include "SimulatorLocation.h"

#include <algorithm>
#include <cstdlib>

#ifdef _WIN32
#include "Console.h"
#else
#include "WineDisk.h"
#include "WinePrefix.h"
#endif

namespace {

std::string EnvironmentValue(const char* pszName) {
    const char* pszValue = std::getenv(pszName);
    return pszValue ? pszValue : "";
}

std::string SettingsFileBesideProgram() {
    std::string program = GetProgramPath();
    std::size_t nSeparator = program.find_last_of(std::string{'\\', kPathSeparator});
    return nSeparator == std::string::npos ? std::string()
                                           : program.substr(0, nSeparator + 1) + kSettingsFileName;
}

// The folder the window program's settings file beside this program names;
// else empty, and the source tells what was looked at.
std::string FolderOfSettings(std::string& source) {
    const std::string settings = SettingsFileBesideProgram();
    std::string folder = ReadSettingsSimFolder(settings);
    source = folder.empty() ? source + ", and " + settings + " names none" : settings;
    return folder;
}

// Why the path given for the simulator folder is none, or empty.
std::string WhyNoSimFolder(const std::string& given, EPathKind kind) {
    if (kind == EPathKind::kDirectory)
        return {};
    if (kind == EPathKind::kNone)
        return given + ": no such folder";
    return given + ": a file, not a folder; give the folder that holds scenery.cfg";
}

std::string WithBackslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string WithoutEndSeparators(std::string path) {
    while (path.size() > 1 && path.back() == '\\' && !(path.size() == 3 && path[1] == ':'))
        path.pop_back();
    return path;
}

#ifdef _WIN32

// Where this system records the simulator's folder: the registry, as the
// window program reads it, else its settings file.
class CSystem {
public:
    explicit CSystem(CSimulator& sim) { sim.codePage = CCodePage(GetAnsiCodePage()); }

    std::string RecordedFolder(const CSimulator&, std::string& source) const {
        bool bKeyFound = false;
        std::string folder = ReadRegistrySimFolder(bKeyFound);
        source =
            std::string("the registry value ") + kSimRegistryValue + " of HKLM\\" + kSimRegistryKey;
        if (!folder.empty())
            return folder;
        source += bKeyFound ? " names no folder" : " is missing";
        return FolderOfSettings(source);
    }

    std::string WhereWindowsPathsLead() const { return {}; }
};

std::string StoredSimFolder(const CSimulator&, const std::string& given, std::string& folder) {
    folder = FullPathOf(given);
    return WhyNoSimFolder(given, GetPathKind(folder));
}

std::string StoredFolderOf(const CSimulator&, const std::string& argument, std::string& stored) {
    stored = WithBackslashes(argument);
    return {};
}

#else

// A path as Windows names one from a drive letter.
bool HasDriveLetter(const std::string& path) {
    return path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
}

const CWineDisk& WineDiskOf(const CSimulator& sim) {
    return static_cast<const CWineDisk&>(*sim.pOwnDisk);
}

// A folder on the disk, as the files store it.
std::string StoredDiskFolder(const CSimulator& sim, const std::string& diskPath,
                             std::string& stored) {
    CDiskPath found = WineDiskOf(sim).StoredPathOf(diskPath);
    stored = found.strPath;
    return found.strError.empty() ? "" : diskPath + ": " + found.strError;
}

// A Linux path, or a Windows one from a drive letter.
std::string StoredSimFolder(const CSimulator& sim, const std::string& given, std::string& folder) {
    if (HasDriveLetter(given))
        return StoredText(sim.codePage, "the folder", WithBackslashes(given), folder);
    if (std::string why = WhyNoSimFolder(given, GetPathKind(given)); !why.empty())
        return why;
    return StoredDiskFolder(sim, given, folder);
}

// A Linux path from the root, else a Windows path.
std::string StoredFolderOf(const CSimulator& sim, const std::string& argument,
                           std::string& stored) {
    if (argument.starts_with('/'))
        return StoredDiskFolder(sim, argument, stored);
    std::string error = StoredText(sim.codePage, "the path", argument, stored);
    stored = WithBackslashes(stored);
    return error;
}

// The Wine prefix: its registry, where the simulator records its folder,
// its code page, and its drives, through which the files' paths reach the
// disk. The window program's settings file comes after the registry.
class CSystem {
public:
    explicit CSystem(CSimulator& sim) : m_prefix(EnvironmentValue("WINEPREFIX")) {
        if (m_prefix.empty()) {
            m_prefix = EnvironmentValue("HOME") + "/.wine";
            m_whence = "~/.wine, as WINEPREFIX is not set";
        }
        ReadWholeFile(m_prefix + "/system.reg", m_systemReg);
        sim.codePage = CodePageOf(m_systemReg);
        sim.pOwnDisk = std::make_unique<CWineDisk>(ReadDrives(m_prefix), sim.codePage);
        sim.pDisk = sim.pOwnDisk.get();
    }

    std::string RecordedFolder(const CSimulator& sim, std::string& source) const {
        CRegistryString value =
            FindRegistryString32(m_systemReg, kSimRegistryKey, kSimRegistryValue);
        source = "the registry of the Wine prefix " + m_prefix;
        std::string folder;
        if (value.bValueFound &&
            StoredText(sim.codePage, "the folder", value.strValue, folder).empty())
            return folder;
        if (value.bValueFound)
            source += " names a folder whose name does not convert: " +
                      sim.codePage.WhyNotConverted("it");
        else if (value.bKeyFound)
            source += " holds the simulator's value as " +
                      (value.strWhyNot.empty() ? std::string("nothing") : value.strWhyNot);
        else
            source += " holds no simulator key";
        folder = FolderOfSettings(source);
        // The window program writes a Windows path; a Linux one is the user's.
        if (!folder.empty() && folder.starts_with('/'))
            StoredDiskFolder(sim, folder, folder);
        return folder;
    }

    // Where a Windows path leads: the Wine prefix it was looked for in.
    std::string WhereWindowsPathsLead() const {
        return " in the Wine prefix " + m_prefix + " (" + m_whence + ")";
    }

private:
    std::string m_prefix;
    std::string m_whence = "WINEPREFIX";
    std::string m_systemReg;
};

#endif

} // namespace

std::string FindSimulator(const std::optional<std::string>& simOption, CSimulator& sim) {
    const CSystem system(sim);
    const std::string given = simOption.value_or(EnvironmentValue("TARNWICK_SIM"));
    std::string source = simOption ? "--sim" : "TARNWICK_SIM";
    std::string folder;
    if (!given.empty()) {
        if (std::string error = StoredSimFolder(sim, given, folder); !error.empty())
            return source + " " + error;
    } else {
        folder = system.RecordedFolder(sim, source);
    }
    if (folder.empty())
        return "no simulator folder found (" + source +
               "); pass --sim DIR, the folder that holds scenery.cfg";
    sim.strSimPath = SimPathFromFolder(WithoutEndSeparators(WithBackslashes(folder)));
    if (sim.pDisk->GetKind(sim.strSimPath) != EPathKind::kDirectory)
        return "the simulator folder " + ShownFolder(sim, sim.strSimPath) + " (from " + source +
               ") does not exist" + system.WhereWindowsPathsLead();
    return {};
}

std::string StoredPathOfArgument(const CSimulator& sim, const std::string& argument,
                                 std::string& stored) {
    std::string error = StoredFolderOf(sim, argument, stored);
    stored = WithoutEndSeparators(FolderOfLocalPath(stored, sim.strSimPath));
    return error;
}

std::string ShownFolder(const CSimulator& sim, const std::string& stored) {
    const CDiskPath found = sim.pDisk->Locate(stored);
    return found.strError.empty() ? found.strPath : TerminalText(sim.codePage, stored);
}

std::string Utf8Folder(const CSimulator& sim, const std::string& stored) {
#ifdef _WIN32
    // The system's paths are in the code page, as the files' are.
    return Utf8Text(sim.codePage, ShownFolder(sim, stored));
#else
    return ShownFolder(sim, stored);
#endif
}
