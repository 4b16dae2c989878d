#pragma once

// Profiles.txt, beside scenery.cfg: one section per profile, "[name]", then
// its areas named by title and local path ("Title.N", "Local.N"). Read with
// Folder.txt's tolerances, except that a profile's entries go on past a gap
// in their numbers; every line it does not take is kept and written back.

#include "AreaArray.h"
#include "Files.h"
#include "SceneryProfile.h"

#include <optional>
#include <string>

inline constexpr const char* kProfilesTxtName = "Profiles.txt";

// Fills an empty profile array from the text, matching the entries to the
// areas by exact title and local path; the lines before the first profile go
// to pLead, when given (they stay first in the file).
CFileResult ParseProfiles(std::string text, CSceneryProfiles& profiles, const CAreaArray& areas,
                          CKeptLines* pLead = nullptr);
CFileResult LoadProfiles(const std::string& path, CSceneryProfiles& profiles,
                         const CAreaArray& areas, CKeptLines* pLead = nullptr);

// The file text: the lines before the first profile, then each profile:
// every entry by its area's names as they are now (also of an area removed
// since), or as read, each pair of names once and numbered from 0, then the
// profile's kept lines.
std::string FormatProfiles(const CSceneryProfiles& profiles, const CAreaArray& areas,
                           const CKeptLines& lead = {});
// The file's text, or none when there is neither a profile nor a line
// before the first: the file goes.
std::optional<std::string> ProfilesFileText(const CSceneryProfiles& profiles,
                                            const CAreaArray& areas, const CKeptLines& lead);
// Writes the file, or removes it when there is neither a profile nor a line
// before the first, only while it is as disk says (see
// ReplaceFileIfUnchanged).
CFileResult SaveProfiles(const std::string& path, const CSceneryProfiles& profiles,
                         const CAreaArray& areas, CFileState& disk, const CKeptLines& lead = {});
