#include "clipkeeper/Latin1Text.h"

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

using clipkeeper::Utf8ToLatin1;

TEST(Latin1Text, KeepsEveryLatin1CharacterIncludingTheLastOne)
{
    const auto converted = Utf8ToLatin1("A\xc2\xa0\xc3\xbc\xc3\xbf\r\n");
    EXPECT_EQ(converted.bytes, "A\xa0\xfc\xff\r\n");
    EXPECT_TRUE(converted.exact);
}

TEST(Latin1Text, MarksWhatLatin1CannotHold)
{
    // U+0100, an em dash, an emoji: one '?' each, whatever their length.
    const auto converted = Utf8ToLatin1("\xc4\x80 \xe2\x80\x94 \xf0\x9f\x98\x80.");
    EXPECT_EQ(converted.bytes, "? ? ?.");
    EXPECT_FALSE(converted.exact);
}

// Broken input is not ours to repair, but must never be read past its end.
TEST(Latin1Text, BrokenSequencesBecomeOneMarkPerByte)
{
    EXPECT_EQ(Utf8ToLatin1("x\xc3").bytes, "x?");
    EXPECT_EQ(Utf8ToLatin1("\xe2\x80").bytes, "??");
    EXPECT_EQ(Utf8ToLatin1("\xc3x").bytes, "?x");
    EXPECT_EQ(Utf8ToLatin1("\x80\xff").bytes, "??");
}

}  // namespace
