// libFuzzer target for the profile engine and the scenery.cfg reader and
// writer. Besides crashes, hangs and leaks it checks two properties:
// - a key set with SetIniKey reads back as set;
// - a Save of the library just read, read back and saved again, writes the
//   same bytes.

#include "FuzzSupport.h"
#include "IniWriter.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::string_view text(reinterpret_cast<const char*>(pData), nSize);

    Check(CIniText(SetIniKey(text, "Tarnwick", "FS2004Path", "C:\\FS9\\"))
                  .GetString("Tarnwick", "FS2004Path", "") == "C:\\FS9\\",
          "a key set reads back");

    auto pLibrary = ParseLibrary(std::string(text));
    if (pLibrary->load.status != EFileStatus::kOk)
        return 0;
    const std::string first = SaveText(*pLibrary);
    auto pRead = ParseLibrary(first);
    Check(pRead->load.status == EFileStatus::kOk, "saved text loads");
    Check(SaveText(*pRead) == first, "a second Save writes the same bytes");
    return 0;
}
