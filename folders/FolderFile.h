#pragma once

// Folder.txt: one section per folder, its check state, its expand flag and
// its areas named by title and local path ("Title.N", "Local.N").

#include "AreaArray.h"
#include "Files.h"
#include "Folder.h"
#include "IniFile.h"

#include <optional>
#include <string>

// Fills an empty folder array from the text, matching the entries to the
// areas by exact title and local path. A folder's entries end at the first
// gap in their numbers; the keys after it are noted on the folder, and the
// next Save drops them.
CFileResult ParseFolders(std::string text, CFolderArray& folders, CAreaArray& areas);
CFileResult LoadFolders(const std::string& path, CFolderArray& folders, CAreaArray& areas);

// The file text: every folder, and in it every area still in the library,
// each title and local path once.
std::string FormatFolders(const CFolderArray& folders, const CAreaArray& areas);
// The file's text, or none when there are no folders: the file goes.
std::optional<std::string> FolderFileText(const CFolderArray& folders, const CAreaArray& areas);
// Writes the file, or removes it when there are no folders, only while it is
// as disk says (see ReplaceFileIfUnchanged); disk then describes the result.
CFileResult SaveFolders(const std::string& path, const CFolderArray& folders,
                        const CAreaArray& areas, CFileState& disk);
