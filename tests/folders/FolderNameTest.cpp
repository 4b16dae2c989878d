#include "FolderChanges.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string_view>

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

// Named by what is done with which name, and whether it is taken.
INSTANTIATE_TEST_SUITE_P(Names, FolderNames, testing::ValuesIn(kNames), [](const auto& info) {
    std::string name = info.param.nRenamed < 0 ? "New" : "Rename";
    for (char c : std::string_view(info.param.name))
        name += std::isalnum(static_cast<unsigned char>(c)) ? std::string(1, c) : "";
    return name + (info.param.bAccepted ? "Taken" : "Refused") + std::to_string(info.index);
});

} // namespace
