// libFuzzer target for the Profiles.txt reader and writer against a library
// (see CheckEntryFileRoundTrip): besides crashes, hangs and leaks, every
// profile keeps its areas, the entries naming none and the lines it does not
// take, and the lines before the first profile stay, over a Save and the
// next start.

#include "FuzzSupport.h"
#include "ProfilesFile.h"

#include <cstdint>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

struct CProfilesTxt {
    CSceneryProfiles profiles;
    CKeptLines lead;
};

// The lines before the first profile; each profile's entries, an area by
// its index, else its names; and its kept lines.
using CPicture =
    std::pair<CKeptLines,
              std::vector<std::tuple<std::vector<int>, std::vector<std::string>, CKeptLines>>>;

CPicture PictureOf(const CProfilesTxt& file) {
    CPicture picture{file.lead, {}};
    for (const CSceneryProfile& profile : file.profiles) {
        auto& [aAreas, names, kept] = picture.second.emplace_back();
        for (const CProfileEntry& entry : profile.aEntries) {
            aAreas.push_back(entry.nArea);
            if (entry.nArea < 0)
                names.push_back(entry.names.strTitle + '\n' + entry.names.strLocal);
        }
        kept = profile.aKeptKeys;
    }
    return picture;
}

CFileResult Parse(std::string text, CProfilesTxt& file, const CAreaArray& areas) {
    return ParseProfiles(std::move(text), file.profiles, areas, &file.lead);
}

std::string Format(const CProfilesTxt& file, const CAreaArray& areas) {
    return FormatProfiles(file.profiles, areas, file.lead);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    CheckEntryFileRoundTrip<CProfilesTxt>(
        std::string_view(reinterpret_cast<const char*>(pData), nSize), Parse, Format, PictureOf,
        "every profile keeps its areas, entries and lines, and the lines before them stay");
    return 0;
}
