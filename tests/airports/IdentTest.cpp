#include "Ident.h"

#include <gtest/gtest.h>

#include <utility>

TEST(Ident, PacksAndUnpacksTheIdentsRealFilesHold) {
    // As stored: the packed value shifted by five bits, the low bits set.
    for (const auto& [pszIdent, nStored] :
         {std::pair{"KSEA", 0x0262E681u}, {"KPDX", 0x0260C721u}, {"KTST", 0x0263DFE1u}}) {
        EXPECT_EQ(UnpackIdent(nStored >> 5), pszIdent);
        EXPECT_EQ(PackIdent(pszIdent), nStored >> 5);
    }
    EXPECT_EQ(PackIdent("ksea"), 0x131734u);
    for (const char* pszIdent : {"0", "9", "Z", "K 1", "A1B2C", "ZZZZZ"})
        EXPECT_EQ(UnpackIdent(PackIdent(pszIdent).value()), pszIdent);
}

TEST(Ident, RefusesWhatNoIdentPacksTo) {
    for (const char* pszIdent : {"", "KSEA12", "K-1", "\xC4"})
        EXPECT_EQ(PackIdent(pszIdent), std::nullopt) << pszIdent;
    // 0, a lone code 1, code 1 after K, and the largest value an ident field
    // holds, whose first code is 1.
    for (std::uint32_t nValue : {0u, 1u, 22u * 38 + 1, 0x07FFFFFFu})
        EXPECT_EQ(UnpackIdent(nValue), std::nullopt) << nValue;
}
