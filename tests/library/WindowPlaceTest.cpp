#include "WindowPlace.h"

#include <gtest/gtest.h>

TEST(WindowPlace, ReadsFiveNumbersOfARealRectangleAndWritesThemBack) {
    const CWindowPlace place{-1920, -8, -200, 1032, true};
    EXPECT_EQ(ParseWindowPlace("-1920,-8,-200,1032,1"), place);
    EXPECT_EQ(FormatWindowPlace(place), "-1920,-8,-200,1032,1");
    EXPECT_EQ(ParseWindowPlace("100,80,1080,770,0"), (CWindowPlace{100, 80, 1080, 770, false}));
    for (const char* pszText :
         {"", "1,2,3", "1,2,3,4", "1,2,3,4,0,5", "1,2,300,400,2", "1,2,300,400,", "a,2,300,400,0",
          "1,2,300,400,0 ", " 1,2,300,400,0", "1;2;300;400;0", "1,2,300,400,0x1", "300,2,1,400,0",
          "1,400,300,2,0", "5,5,5,400,0", "1,2,99999999999,400,0"}) {
        EXPECT_EQ(ParseWindowPlace(pszText), std::nullopt) << pszText;
    }
}
