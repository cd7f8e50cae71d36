// The rules the validator holds the plug-in's texts to, without a plug-in.
#include <gtest/gtest.h>

#include "tools/validate/TextRules.h"

TEST(TextRules, FixedFieldsArePrintableThenZeroPadded) {
    EXPECT_EQ(FixedFieldProblem("ZAQ Vigilomatron", 16, false), "") << "a full field needs no terminator";
    EXPECT_EQ(FixedFieldProblem("ZQ01", 4, false), "");
    const char padded[8] = {'a', 'b', 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(FixedFieldProblem(padded, 8, false), "");
    const char unpadded[8] = {'a', 'b', 0, 'c', 0, 0, 0, 0};
    EXPECT_EQ(FixedFieldProblem(unpadded, 8, false), "byte 3 is 0x63 after the terminator (not zero-padded)");
    EXPECT_EQ(FixedFieldProblem("a\x07", 2, false), "byte 1 is 0x07");
    const char empty[4] = {};
    EXPECT_EQ(FixedFieldProblem(empty, 4, false), "it is empty");
    EXPECT_EQ(FixedFieldProblem(empty, 4, true), "");
}

TEST(TextRules, Utf8AndTerminators) {
    EXPECT_TRUE(IsUtf8("surveillance HUD \xE2\x80\x94 simplified"));
    EXPECT_FALSE(IsUtf8("\xFF\xFE"));
    EXPECT_FALSE(IsUtf8("cut \xE2\x80"));
    std::string read;
    EXPECT_TRUE(ReadTerminated("abc", 4, &read));
    EXPECT_EQ(read, "abc");
    EXPECT_FALSE(ReadTerminated("abcd", 4, &read));
    EXPECT_EQ(Shown(std::string("a\xff", 2)), "\"a\\xFF\"");
}
