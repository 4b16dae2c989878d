#include "FolderChanges.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct CNameCase {
    const char* name;
    int nRenamed; // -1 for a new folder
    bool bAccepted;
};

class FolderNames : public testing::TestWithParam<CNameCase> {};

// Only names that Folder.txt gives back as the same, separate folder, among
// the folders Mixed and One.
TEST_P(FolderNames, AreRefusedWhenTheyCannotComeBack) {
    const CNameCase& c = GetParam();
    CFolderArray folders;
    for (const char* pszName : {"Mixed", "One"})
        folders.Add(std::make_unique<CFolder>(pszName));
    const std::string reason =
        c.nRenamed < 0 ? NewFolder(folders, c.name) : RenameFolder(folders, c.nRenamed, c.name);
    EXPECT_EQ(reason.empty(), c.bAccepted) << '"' << c.name << "\": " << reason;
    EXPECT_EQ(folders.GetSize(), c.bAccepted && c.nRenamed < 0 ? 3 : 2);
    if (c.nRenamed >= 0) {
        EXPECT_EQ(folders.GetAt(c.nRenamed).GetName() == c.name, c.bAccepted);
    }
}

const CNameCase kNames[] = {
    {"Group", -1, true}, {"mixed", -1, false}, {"MIXED", 0, true},   {"One", 0, false},
    {"[x", -1, false},   {"a]b", -1, false},   {" x", -1, false},    {"x\t", -1, false},
    {"", -1, false},     {"x [y", -1, true},   {"Mixed 2", 1, true},
};

INSTANTIATE_TEST_SUITE_P(Names, FolderNames, testing::ValuesIn(kNames));

} // namespace
