#include "SceneryProfile.h"

#include "IniText.h"

int FindProfile(const CSceneryProfiles& profiles, const std::string& name) {
    for (std::size_t n = 0; n < profiles.size(); ++n) {
        if (EqualsNoCase(profiles[n].strName, name))
            return static_cast<int>(n);
    }
    return -1;
}

std::string WhyProfileNameRefused(const std::string& name) {
    if (name.empty())
        return "A profile needs a name.";
    if (name.find_first_of("[]") != std::string::npos)
        return "A profile name cannot hold \"[\" or \"]\".";
    if (TrimBlanks(name).size() != name.size())
        return "A profile name cannot begin or end with a space or a tab.";
    return {};
}
