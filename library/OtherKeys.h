#pragma once

// Key lines this program does not interpret. Add-on installers and users put
// keys such as Exclude.N or Flatten.N into scenery.cfg; they are kept with
// their section, in their order, and written back as they stood.

#include "IniText.h"
#include "IniWriter.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct COtherKey {
    std::string strKey;
    std::string strValue; // whole: not cut to the look-up limit
};

// Every key line of the section whose key is none of the known names; and
// in values, by the known names' order, the value of the first key line of
// each (nothing when there is none), as a look-up finds it. One pass over
// the section.
std::vector<COtherKey> KeepOtherKeys(const CIniText& profile, const CIniSection& section,
                                     std::span<const std::string_view> known,
                                     std::span<std::optional<std::string_view>> values);

void WriteOtherKeys(CIniWriter& out, const std::vector<COtherKey>& keys);
