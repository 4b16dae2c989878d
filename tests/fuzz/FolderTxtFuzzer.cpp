// libFuzzer target for the Folder.txt reader and writer against a library.
// The input is a scenery.cfg text, a NUL byte, then a Folder.txt text (NUL
// is a byte neither file may hold); without a NUL it is all Folder.txt, for
// an empty library. Besides crashes, hangs and leaks it checks, over a Save
// of both files and the next start reading them back:
// - every folder keeps its areas;
// - a second Save of the folders writes the same bytes.

#include "FolderFile.h"
#include "FuzzSupport.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace {

// Each folder's areas, by index.
std::vector<std::vector<int>> EntriesOf(const CFolderArray& folders) {
    std::vector<std::vector<int>> entries(static_cast<std::size_t>(folders.GetSize()));
    for (int i = 0; i < folders.GetSize(); ++i) {
        for (int e = 0; e < folders.GetAt(i).GetCount(); ++e)
            entries[static_cast<std::size_t>(i)].push_back(folders.GetAt(i).GetArea(e));
    }
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::string_view input(reinterpret_cast<const char*>(pData), nSize);
    const std::size_t nSplit = input.find('\0');
    const bool bLibrary = nSplit != std::string_view::npos;

    auto pLibrary = ParseLibrary(std::string(bLibrary ? input.substr(0, nSplit) : ""));
    CFolderArray folders;
    if (pLibrary->load.status != EFileStatus::kOk ||
        ParseFolders(std::string(bLibrary ? input.substr(nSplit + 1) : input), folders,
                     pLibrary->areas)
                .status != EFileStatus::kOk)
        return 0;
    const std::string first = FormatFolders(folders, pLibrary->areas);

    // The scenery_cfg target checks that the saved scenery.cfg loads.
    auto pRead = ParseLibrary(SaveText(*pLibrary));
    CFolderArray readFolders;
    Check(ParseFolders(first, readFolders, pRead->areas).status == EFileStatus::kOk,
          "saved Folder.txt loads");
    Check(EntriesOf(readFolders) == EntriesOf(folders), "every folder keeps its areas");
    Check(FormatFolders(readFolders, pRead->areas) == first, "a second Save writes the same bytes");
    return 0;
}
