#include "ProfileText.h"

#include <gtest/gtest.h>

TEST(SetProfileKey, CreatesTheSectionLineAndKeyLineInAnEmptyFile) {
    EXPECT_EQ(SetProfileKey("", "Tarnwick", "FS2004Path", "C:\\FS9\\"),
              "[Tarnwick]\r\nFS2004Path=C:\\FS9\\\r\n");
}

TEST(SetProfileKey, ReplacesOnlyTheValueOfAnExistingKey) {
    const std::string text = "; mine\n[Other]\nX=1\n[tarnwick]\n fs2004path = old \r\nY=2\n";
    EXPECT_EQ(SetProfileKey(text, "Tarnwick", "FS2004Path", "D:\\new\\"),
              "; mine\n[Other]\nX=1\n[tarnwick]\n fs2004path = D:\\new\\ \r\nY=2\n");
    EXPECT_EQ(SetProfileKey("[T]\nK=\n", "T", "K", "v"), "[T]\nK=v\n");
}

TEST(SetProfileKey, AddsAMissingKeyAfterTheLastKeyOfItsSection) {
    EXPECT_EQ(SetProfileKey("[T]\r\nA=1\r\n\r\n; next\r\n[N]\r\nB=2\r\n", "T", "K", "v"),
              "[T]\r\nA=1\r\nK=v\r\n\r\n; next\r\n[N]\r\nB=2\r\n");
    EXPECT_EQ(SetProfileKey("[T]\n[N]\n", "T", "K", "v"), "[T]\nK=v\r\n[N]\n");
    EXPECT_EQ(SetProfileKey("[T]\nA=1", "T", "K", "v"), "[T]\nA=1\r\nK=v\r\n");
}

TEST(SetProfileKey, AddsAMissingSectionAtTheEnd) {
    EXPECT_EQ(SetProfileKey("[A]\r\nk=v", "T", "K", "x"), "[A]\r\nk=v\r\n[T]\r\nK=x\r\n");
    EXPECT_EQ(SetProfileKey("[A]\r\n", "T", "K", "x"), "[A]\r\n[T]\r\nK=x\r\n");
}

TEST(SetProfileKey, ChangesOnlyTheFirstSectionOfTheName) {
    EXPECT_EQ(SetProfileKey("[T]\nA=1\n[t]\nA=2\n", "T", "A", "3"), "[T]\nA=3\n[t]\nA=2\n");
}
