// libFuzzer target for the Profiles.txt reader and writer against a library
// (see CheckEntryFileRoundTrip): besides crashes, hangs and leaks, every
// profile keeps its areas, the entries naming none and its other lines, and
// the lines before the first profile stay, over a Save and the next start.

#include "FuzzSupport.h"
#include "ProfilesFile.h"

#include <cstdint>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The profiles and the lines before them.
using CProfilesTxt = std::pair<CSceneryProfiles, CKeptLines>;

// Each profile's entries, an area by its index, else its names, and its
// kept lines; first, as a profile of no entries, the lines before them.
using CPicture = std::vector<std::tuple<std::vector<int>, std::vector<std::string>, CKeptLines>>;

CPicture PictureOf(const CProfilesTxt& file) {
    CPicture picture{{{}, {}, file.second}};
    for (const CSceneryProfile& profile : file.first) {
        auto& [aAreas, names, keys] = picture.emplace_back();
        for (const CProfileEntry& entry : profile.aEntries) {
            aAreas.push_back(entry.nArea);
            if (entry.nArea < 0)
                names.push_back(entry.names.strTitle + '\n' + entry.names.strLocal);
        }
        keys = profile.aOtherLines;
    }
    return picture;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    CheckEntryFileRoundTrip<CProfilesTxt>(
        std::string_view(reinterpret_cast<const char*>(pData), nSize),
        [](std::string text, CProfilesTxt& file, const CAreaArray& areas) {
            return ParseProfiles(std::move(text), file.first, areas, &file.second);
        },
        [](const CProfilesTxt& file, const CAreaArray& areas) {
            return FormatProfiles(file.first, areas, file.second);
        },
        PictureOf,
        "every profile keeps its areas, entries and lines, and the lines before them stay");
    return 0;
}
