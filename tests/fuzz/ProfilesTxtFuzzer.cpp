// libFuzzer target for the Profiles.txt reader and writer against a library
// (see CheckEntryFileRoundTrip): besides crashes, hangs and leaks, every
// profile keeps its areas, the entries naming none and its keys over a Save
// and the next start.

#include "FuzzSupport.h"
#include "ProfilesFile.h"

#include <cstdint>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

// Each profile's entries: an area by its index, else its names; and its
// kept keys.
using CPicture = std::vector<std::tuple<std::vector<int>, std::vector<std::string>,
                                        std::vector<std::pair<std::string, std::string>>>>;

CPicture PictureOf(const CSceneryProfiles& profiles) {
    CPicture picture;
    for (const CSceneryProfile& profile : profiles) {
        auto& [aAreas, names, keys] = picture.emplace_back();
        for (const CProfileEntry& entry : profile.aEntries) {
            aAreas.push_back(entry.nArea);
            if (entry.nArea < 0)
                names.push_back(entry.names.strTitle + '\n' + entry.names.strLocal);
        }
        keys = profile.aKeptKeys;
    }
    return picture;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    CheckEntryFileRoundTrip<CSceneryProfiles>(
        std::string_view(reinterpret_cast<const char*>(pData), nSize), ParseProfiles,
        FormatProfiles, PictureOf, "every profile keeps its areas, entries and keys");
    return 0;
}
