#pragma once

// One command's run on the library: the simulator found, its library open
// as the window opens it at start, and the report and write of the changes
// the command made.

#include "Change.h"
#include "LibraryDocument.h"
#include "Simulator.h"

#include <optional>
#include <string>
#include <vector>

// twk's exit statuses.
enum EExit : int { kExitDone = 0, kExitFindings = 1, kExitUsage = 2, kExitFile = 3 };

// Says on standard error what a taking of the library's lock found of a
// write that died.
void ReportRecovery(const CRecovery& recovery);

// How a command opens the library: to read it, to check it (a file that
// cannot be read is then a finding, not the end), or to write it, holding
// the library's lock from before the read until the write is done.
enum class EOpen { kReads, kChecks, kWrites };

class CSession {
public:
    // Finds the simulator and reads its files under the library's lock,
    // kept for a command that writes unless this is a dry run. A file there
    // that cannot be read ends the command (exit 3) unless it is checked.
    int Open(const std::optional<std::string>& simOption, EOpen open, bool bDryRun);

    // Profiles.txt, which only the profile commands need, was read; else why
    // not on standard error. The exit status.
    int RequireProfiles() const;

    const CSimulator& Sim() const { return m_sim; }
    const CLibraryDocument& Doc() const { return m_doc; }
    CLibraryDocument& Doc() { return m_doc; }

    // The library's airports; on a terminal, a progress line on standard
    // error once the work has taken half a second.
    CAirportIndex IndexAirports() const;

    // "#N "title" (local)" in the terminal's text; without "#N" for no row.
    std::string AreaText(int nArea, int nRow) const;
    // ""title" (local)" of an area known only by its names.
    std::string NamesText(const CEntryNames& names) const;
    // The area as a JSON object of its position (null for no row), title
    // and local path.
    std::string AreaJson(int nArea, int nRow) const;
    std::string Shown(const std::string& stored) const;

    // The changes made, printed; unless this is a dry run, written first
    // with the backup of scenery.cfg, only while the files are what was
    // read. The exit status.
    int Finish(const CChanges& changes, bool bDryRun, bool bJson);
    // The same for a change the library may refuse: a refusal of all of it
    // is bad usage, of a part a warning, each line on standard error.
    int Finish(const CChangeResult& result, bool bDryRun, bool bJson);
    // Writes the changes unless this is a dry run or there are none; the
    // exit status. Finish is this, then the changes printed.
    int Commit(const CChanges& changes, bool bDryRun);
    // The changes as Finish prints them in JSON: an object each.
    std::vector<std::string> ChangesJson(const CChanges& changes, bool bDryRun) const;
    // Writes the library, or only Profiles.txt without a backup of
    // scenery.cfg; why not on standard error. The exit status.
    enum class EWrite { kLibrary, kProfilesOnly };
    int Write(EWrite what);
    // Why a write wrote nothing, on standard error. The exit status.
    int WriteFailed(const CSaveResult& write) const;

private:
    void Report(const CChanges& changes, bool bDryRun, bool bJson) const;

    CSimulator m_sim;
    CLibraryDocument m_doc;
};
