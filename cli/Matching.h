#pragma once

// What the AREA and NAME arguments of twk's commands name: rows of the list,
// folders of Folder.txt and profiles of Profiles.txt.

#include "Session.h"

#include <cstddef>
#include <string>
#include <vector>

// The row an AREA argument names: "#N", else every row whose title matches
// without regard to ASCII case or whose local path names the same folder.
// Why none or more than one, listing the candidates, or empty.
std::string MatchArea(const CSession& session, const std::string& argument, std::size_t& nRow);

// The areas of every AREA argument, each once, in the order given; why one
// names none or more than one, or empty.
std::string MatchAreas(const CSession& session, const std::vector<std::string>& arguments,
                       std::vector<int>& aAreas);

// The folder a NAME argument names, without regard to ASCII case; why none,
// listing the folders, or empty.
std::string MatchFolder(const CSession& session, const std::string& name, int& nFolder);

// The profile a NAME argument names, without regard to ASCII case; why none,
// listing the profiles, or empty.
std::string MatchProfile(const CSession& session, const std::string& name, int& nProfile);
