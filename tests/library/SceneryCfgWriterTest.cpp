#include "LibraryText.h"

#include <gtest/gtest.h>

namespace {

const std::string kDefaultGeneral = "[General]\r\nTitle=D\351cor d'environnement FS9\r\n"
                                    "Description=FS9 Scenery Data\r\n"
                                    "Clean_on_Exit=FALSE\n\r\n";

// A library of fresh areas named A, B, C... as Add makes them.
std::unique_ptr<CLibrary> AddedAreas(int nAreas) {
    auto pLibrary = std::make_unique<CLibrary>();
    for (int i = 0; i < nAreas; ++i) {
        auto pArea = std::make_unique<CSceneryArea>();
        pArea->SetTitle(std::string(1, static_cast<char>('A' + i % 26)));
        pArea->SetActive(true);
        pLibrary->areas.Add(std::move(pArea));
    }
    return pLibrary;
}

std::string AddedText(int nNumber, char title, const char* active = "TRUE") {
    char text[160];
    std::snprintf(text, sizeof text,
                  "[area.%03d]\r\nTitle=%c\r\nLayer=%d\r\nActive=%s\r\nRequired=FALSE\r\n"
                  "Local=\r\nRemote=\n\r\n",
                  nNumber, title, nNumber, active);
    return text;
}

} // namespace

TEST(SceneryCfgWriter, WorkedExampleByteForByte) {
    auto pLibrary = ParseLibrary("[General]\r\nTitle=My Scenery\r\n"
                                 "[Area.003]\r\nTitle=Alpha\r\nLayer=3\r\nActive=TRUE\r\n"
                                 "Required=FALSE\r\nLocal=Addon Scenery\\Alpha\r\n"
                                 "[Area.001]\r\nTitle=Bravo\r\nLayer=1\r\nActive=TRUE\r\n"
                                 "Required=TRUE\r\nLocal=Scenery\\Bravo\r\n");
    const std::string expected =
        "[General]\r\nTitle=My Scenery\r\nDescription=FS9 Scenery Data\r\nClean_on_Exit=FALSE\n\r\n"
        "[area.001]\r\nTitle=Alpha\r\nLayer=1\r\nActive=TRUE\r\nRequired=FALSE\r\n"
        "Local=Addon Scenery\\Alpha\r\nRemote=\n\r\n"
        "[area.002]\r\nTitle=Bravo\r\nLayer=2\r\nActive=TRUE\r\nRequired=TRUE\r\n"
        "Local=Scenery\\Bravo\r\nRemote=\n\r\n";
    EXPECT_EQ(SaveText(*pLibrary), expected);
    // Read back, the written file gives the same model and the same text.
    EXPECT_EQ(SaveText(*ParseLibrary(expected)), expected);
}

TEST(SceneryCfgWriter, EmptyListWritesOnlyTheGeneralSection) {
    CLibrary library;
    EXPECT_EQ(SaveText(library), kDefaultGeneral);
}

TEST(SceneryCfgWriter, NumbersLayersAndStatesComeFromTheRowsBottomFirst) {
    auto pLibrary = AddedAreas(3);
    // C was dragged from the top to the bottom and switched off, B switched
    // on in the list only; A was removed.
    pLibrary->areas.GetAt(0).SetRemoved(true);
    pLibrary->areas.GetAt(1).SetActive(false);
    std::vector<CListRow> rows = {{1, true}, {2, false}};
    EXPECT_EQ(SaveText(*pLibrary, rows),
              kDefaultGeneral + AddedText(1, 'C', "FALSE") + AddedText(2, 'B'));
    EXPECT_TRUE(pLibrary->areas.GetAt(1).IsActive());
    EXPECT_FALSE(pLibrary->areas.GetAt(2).IsActive());
}

TEST(SceneryCfgWriter, SectionNumbersGrowPastThreeDigits) {
    auto pLibrary = AddedAreas(1000);
    // Number k is the area at index k - 1, titled 'A' + (k - 1) % 26.
    std::string text = SaveText(*pLibrary);
    EXPECT_NE(text.find(AddedText(999, 'K')), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - AddedText(1000, 'L').size()), AddedText(1000, 'L'));
}
