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

namespace {

bool SameEntries(const CFolderArray& a, const CFolderArray& b) {
    if (a.GetSize() != b.GetSize())
        return false;
    for (int i = 0; i < a.GetSize(); ++i) {
        const CFolder& folderA = a.GetAt(i);
        const CFolder& folderB = b.GetAt(i);
        if (folderA.GetCount() != folderB.GetCount())
            return false;
        for (int e = 0; e < folderA.GetCount(); ++e) {
            if (folderA.GetArea(e) != folderB.GetArea(e))
                return false;
        }
    }
    return true;
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

    auto pRead = ParseLibrary(SaveText(*pLibrary));
    Check(pRead->load.status == EFileStatus::kOk, "saved scenery.cfg loads");
    CFolderArray readFolders;
    Check(ParseFolders(first, readFolders, pRead->areas).status == EFileStatus::kOk,
          "saved Folder.txt loads");
    Check(SameEntries(readFolders, folders), "every folder keeps its areas");
    Check(FormatFolders(readFolders, pRead->areas) == first, "a second Save writes the same bytes");
    return 0;
}
