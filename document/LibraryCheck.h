#pragma once

// The health check of a library: what is broken in it, or what the next
// Save changes in its files without being asked, as every face of the
// program shows it.

#include "AirportIndex.h"
#include "AreaArray.h"
#include "Folder.h"
#include "LibraryFiles.h"
#include "SceneryCfg.h"
#include "SceneryDisk.h"
#include "SceneryProfile.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

enum class ESeverity { kError, kWarning, kInfo };

struct CFinding {
    std::string strCode;
    ESeverity severity = ESeverity::kInfo;
    // The area's row, 1 = top, its title and local path; 0 and empty for a
    // finding about a file. A Folder.txt entry gives the names it holds.
    int nPosition = 0;
    std::string strTitle;
    std::string strLocal;
    std::string strFile; // the file the finding is about, or empty
    // What was found; after "the folder F " where the finding names a folder.
    std::string strText;
    // The folder the finding is about, as the files store it, or empty. Each
    // face names it its own way: twk natively on Linux by the Linux path.
    std::string strFolder = {};
    // The ident of the airport it is about, or empty.
    std::string strAirport = {};
};

// The findings on the areas in the order of their rows (top first), on the
// folders, on the profiles and on the airports and scenery files of the index (built from the
// same rows), errors first, then warnings, then notes. Local paths are
// resolved from the simulator folder through the disk.
std::vector<CFinding> CheckLibrary(const CLibraryPaths& paths, const CLibraryFiles& files,
                                   const CAreaArray& areas, const CFolderArray& folders,
                                   const CSceneryProfiles& profiles, std::span<const CListRow> rows,
                                   const std::string& simPath, const CSceneryDisk& disk,
                                   const CAirportIndex& airports);

const char* SeverityName(ESeverity severity);
bool HasErrors(std::span<const CFinding> findings);

// How a face shows text of the library's files, or a folder as they store
// it.
using CShowText = std::function<std::string(const std::string& stored)>;
// As the files store it: how the window shows it.
inline std::string ShownAsStored(const std::string& stored) {
    return stored;
}

// The finding's sentence: its text after the folder it names, each shown as
// the face shows it.
std::string FindingSentence(const CFinding& finding, const CShowText& showText,
                            const CShowText& showFolder);

// The finding in one line: severity, code, what it is about (an area by its
// position and title, a file, an entry by its names) and its sentence.
std::string FindingLine(const CFinding& finding, const CShowText& showText,
                        const CShowText& showFolder);

// One line per finding, at most nMaxLines of them and then a line telling
// how many more there are; "No problems found." when there is none. No line
// end after the last line.
std::string FindingsText(std::span<const CFinding> findings, std::size_t nMaxLines,
                         const CShowText& showText = ShownAsStored,
                         const CShowText& showFolder = ShownAsStored);
