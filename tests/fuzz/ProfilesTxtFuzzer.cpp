// libFuzzer target for the Profiles.txt reader and writer against a
// library. The input is a scenery.cfg text, a NUL byte, then a Profiles.txt
// text; without a NUL it is all Profiles.txt, for an empty library. Besides
// crashes, hangs and leaks it checks, over a Save of both files and the next
// start reading them back:
// - every profile keeps its areas, the entries naming none and its keys;
// - a second Save of the profiles writes the same bytes.

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
    const std::string_view input(reinterpret_cast<const char*>(pData), nSize);
    const std::size_t nSplit = input.find('\0');
    const bool bLibrary = nSplit != std::string_view::npos;

    auto pLibrary = ParseLibrary(std::string(bLibrary ? input.substr(0, nSplit) : ""));
    CSceneryProfiles profiles;
    if (pLibrary->load.status != EFileStatus::kOk ||
        ParseProfiles(std::string(bLibrary ? input.substr(nSplit + 1) : input), profiles,
                      pLibrary->areas)
                .status != EFileStatus::kOk)
        return 0;
    const std::string first = FormatProfiles(profiles, pLibrary->areas);

    auto pRead = ParseLibrary(SaveText(*pLibrary));
    CSceneryProfiles readProfiles;
    Check(ParseProfiles(first, readProfiles, pRead->areas).status == EFileStatus::kOk,
          "saved Profiles.txt loads");
    Check(PictureOf(readProfiles) == PictureOf(profiles),
          "every profile keeps its areas, entries and keys");
    Check(FormatProfiles(readProfiles, pRead->areas) == first,
          "a second Save writes the same bytes");
    return 0;
}
