#pragma once

// Profiles.txt, beside scenery.cfg: one section per profile, "[name]", then
// its areas named by title and local path ("Title.N", "Local.N"). Read with
// Folder.txt's tolerances; other keys are kept and written back.

#include "AreaArray.h"
#include "Files.h"
#include "SceneryProfile.h"

#include <string>

inline constexpr const char* kProfilesTxtName = "Profiles.txt";

// Fills an empty profile array from the text, matching the entries to the
// areas by exact title and local path.
CFileResult ParseProfiles(std::string text, CSceneryProfiles& profiles, const CAreaArray& areas);
CFileResult LoadProfiles(const std::string& path, CSceneryProfiles& profiles,
                         const CAreaArray& areas);

// The file text: every entry by its area's names as they are now (also of an
// area removed since), or as read; each pair of names once.
std::string FormatProfiles(const CSceneryProfiles& profiles, const CAreaArray& areas);
// Writes the file, or removes it when there are no profiles, only while it
// is as disk says (see ReplaceFileIfUnchanged).
CFileResult SaveProfiles(const std::string& path, const CSceneryProfiles& profiles,
                         const CAreaArray& areas, CFileState& disk);
