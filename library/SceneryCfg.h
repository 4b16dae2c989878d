#pragma once

// Reading and writing scenery.cfg as a whole.
//
// The file text is read once and parsed once; the section lines decide which
// areas exist and in what order, and each area is filled from the section its
// line started. Save writes the whole text and replaces the old file in one
// step, so a failure never leaves the simulator with half a library.

#include "AreaArray.h"
#include "Files.h"
#include "IniFile.h"
#include "SceneryHeader.h"

#include <span>
#include <string>

// A row of the scenery list, top row first: the area it shows and whether
// the row is switched on.
struct CListRow {
    int nArea = 0;
    bool bActive = false;
};

// Fills an empty header and array from the file text. When the text cannot be
// taken (a UTF-16 byte-order mark, NUL bytes, more area sections than an
// index can address, or more than blanks and line ends but neither a
// [General] nor an area section: some other file) both are left as they
// were. A text of blanks and line ends only is an empty library.
CFileResult ParseSceneryCfg(std::string text, CSceneryHeader& header, CAreaArray& areas,
                            std::size_t nMaxAreas = CAreaArray::kMaxAreas);
CFileResult LoadSceneryCfg(const std::string& path, CSceneryHeader& header, CAreaArray& areas);

// Each listed area takes its section number and layer from its row, counted
// from the bottom row as 1.
void UpdateLayersFromList(std::span<const CListRow> rows, CAreaArray& areas);
// Each listed area takes the on/off state of its row.
void UpdateActiveFromList(std::span<const CListRow> rows, CAreaArray& areas);

// The file text: the header, the listed areas bottom row first, then the
// sections this program does not know.
std::string FormatSceneryCfg(const CSceneryHeader& header, const CAreaArray& areas,
                             std::span<const CListRow> rows);
// Replaces the file only while it is as disk says (see
// ReplaceFileIfUnchanged); disk then describes the file written.
CFileResult SaveSceneryCfg(const std::string& path, const CSceneryHeader& header,
                           const CAreaArray& areas, std::span<const CListRow> rows,
                           CFileState& disk);
