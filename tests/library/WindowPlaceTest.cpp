#include "WindowPlace.h"

#include "SimulatorLocation.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

TEST(WindowPlace, FormatAndParseRoundTrip) {
    for (const CWindowPlace& place :
         {CWindowPlace{100, 80, 1080, 770, false}, CWindowPlace{-1920, -8, -200, 1032, true}}) {
        EXPECT_EQ(ParseWindowPlace(FormatWindowPlace(place)), place);
    }
    EXPECT_EQ(FormatWindowPlace({-1920, -8, -200, 1032, true}), "-1920,-8,-200,1032,1");
}

TEST(WindowPlace, ParseRefusesEverythingButFiveNumbersOfARealRectangle) {
    for (const char* pszText :
         {"", "1,2,3", "1,2,3,4", "1,2,3,4,0,5", "1,2,300,400,2", "1,2,300,400,", "a,2,300,400,0",
          "1,2,300,400,0 ", " 1,2,300,400,0", "1;2;300;400;0", "1,2,300,400,0x1", "300,2,1,400,0",
          "1,400,300,2,0", "5,5,5,400,0", "1,2,99999999999,400,0"}) {
        EXPECT_EQ(ParseWindowPlace(pszText), std::nullopt) << pszText;
    }
}

TEST(WindowPlace, KeptInTheSettingsBesideTheSimulatorFolder) {
    CTempFolder folder;
    const std::string path = folder.Path(kSettingsFileName);
    EXPECT_EQ(ReadSettingsWindowPlace(path), std::nullopt);
    WriteSettingsSimFolder(path, "C:\\FS9\\");
    WriteSettingsWindowPlace(path, {10, 20, 810, 620, true});
    EXPECT_EQ(folder.Read(kSettingsFileName),
              "[Tarnwick]\r\nFS2004Path=C:\\FS9\\\r\nWindowPlacement=10,20,810,620,1\r\n");
    EXPECT_EQ(ReadSettingsWindowPlace(path), (CWindowPlace{10, 20, 810, 620, true}));
}
