#pragma once

// Scenery folders on disk: the test the folder browsers and the scan apply,
// and the paths and names an added area takes.

#include "SceneryDisk.h"

#include <string>
#include <string_view>

// Whether the name ends in ".bgl" (any letter case): a scenery file.
bool IsBglFileName(std::string_view name);

// A folder whose sub-folder "scenery" holds an entry ending in ".bgl" (any
// letter case).
bool IsSceneryFolder(const std::string& folder, const CSceneryDisk& disk = SystemDisk());

// The folder relative to the simulator folder (which ends in a separator)
// when it lies below it, compared exactly, case included; else the folder.
std::string LocalPathOf(const std::string& folder, const std::string& simPath);

// The folder a local path names: itself when absolute (a drive, or a
// separator first), else below the simulator folder. The inverse of
// LocalPathOf.
std::string FolderOfLocalPath(const std::string& localPath, const std::string& simPath);

// The folder's path in the one spelling all its spellings share: either
// separator, separators at its end and letter case aside.
std::u32string FolderIdentity(std::string_view folder);
// Whether the two paths name one folder: FolderIdentity's test, without
// building either identity.
bool IsSameFolder(std::string_view a, std::string_view b);

// The last part of a local path, after its last backslash or the system's
// separator: the name an added area is proposed.
std::string NameOfLocalPath(const std::string& localPath);
