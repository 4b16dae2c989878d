// libFuzzer target for the scenery-file reader: any bytes as a file. Besides
// crashes, hangs and leaks it checks that bytes in memory are never
// unreadable, that a damaged file holds no airports and names an offset
// within it, and that every ident read packs back to the value it came from.

#include "BglFile.h"
#include "FuzzSupport.h"
#include "Ident.h"

#include <cstdint>
#include <optional>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const CBglContents contents =
        ReadBglBytes(std::string_view(reinterpret_cast<const char*>(pData), nSize));
    Check(contents.kind != EBglKind::kUnreadable, "bytes in memory are always readable");
    if (contents.kind == EBglKind::kDamaged)
        Check(contents.airports.empty() && !contents.strReason.empty() && contents.nOffset <= nSize,
              "a damaged file says why and where, and holds no airports");
    for (const CAirportRecord& airport : contents.airports) {
        Check(airport.nOffset + 0x34 <= nSize, "an airport record lies in the file");
        const std::optional<std::uint32_t> packed = PackIdent(airport.strIdent);
        Check(packed && UnpackIdent(*packed) == airport.strIdent, "an ident packs back");
    }
    Check(contents.nLaterRecords == 0 || contents.nLaterOffset + 6 <= nSize,
          "a later simulator's record lies in the file");
    return 0;
}
