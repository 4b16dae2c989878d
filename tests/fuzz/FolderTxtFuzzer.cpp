// libFuzzer target for the Folder.txt reader and writer against a library
// (see CheckEntryFileRoundTrip): besides crashes, hangs and leaks, every
// folder keeps its areas over a Save and the next start.

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
    CheckEntryFileRoundTrip<CFolderArray>(
        std::string_view(reinterpret_cast<const char*>(pData), nSize), ParseFolders, FormatFolders,
        EntriesOf, "every folder keeps its areas");
    return 0;
}
