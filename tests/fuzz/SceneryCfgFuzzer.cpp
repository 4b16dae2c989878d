// libFuzzer target for the profile engine, the scenery.cfg reader and
// writer and the Folder.txt reader. Besides crashes, hangs and leaks it
// checks two properties:
// - a key set with SetProfileKey reads back as set;
// - what the writer produces reads back to the same model, so a second save
//   writes the same text. One byte may go: a Remote value ending in CR loses
//   that CR, because the writer ends the Remote line with a bare LF.

#include "FolderFile.h"
#include "ProfileText.h"
#include "SceneryCfg.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string SaveText(const std::string& text, bool& bLoaded) {
    CSceneryHeader header;
    CAreaArray areas;
    bLoaded = ParseSceneryCfg(text, header, areas).status == EFileStatus::kOk;
    std::vector<CListRow> rows;
    for (int i = areas.GetSize() - 1; i >= 0; --i)
        rows.push_back({i, areas.GetAt(i).IsActive()});
    UpdateLayersFromList(rows, areas);
    UpdateActiveFromList(rows, areas);
    return FormatSceneryCfg(header, areas, rows);
}

// Drops every CR that stands just before LF CR LF, the end of a Remote line.
std::string WithoutCrBeforeRemoteEnd(std::string text) {
    for (std::size_t n = text.find("\r\n\r\n"); n != std::string::npos;
         n = text.find("\r\n\r\n", n == 0 ? 0 : n - 1))
        text.erase(n, 1);
    return text;
}

void Check(bool bHolds, const char* what) {
    if (!bHolds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::string text(reinterpret_cast<const char*>(pData), nSize);

    CProfile profile(text);
    for (const CProfileSection& section : profile.GetSections()) {
        profile.GetString(section.name, "Title", "");
        profile.GetInt(section.name, "Layer", -1);
    }
    const std::string updated = SetProfileKey(text, "Tarnwick", "FS2004Path", "C:\\FS9\\");
    Check(CProfile(updated).GetString("Tarnwick", "FS2004Path", "") == "C:\\FS9\\",
          "a key set reads back");

    CAreaArray areas;
    CFolderArray folders;
    ParseFolders(text, folders, areas);
    FormatFolders(folders, areas);

    bool bLoaded = false;
    const std::string first = SaveText(text, bLoaded);
    if (!bLoaded)
        return 0;
    const std::string second = SaveText(first, bLoaded);
    Check(bLoaded, "saved text loads");
    Check(WithoutCrBeforeRemoteEnd(first) == WithoutCrBeforeRemoteEnd(second),
          "saved text reads back to the same model");
    return 0;
}
