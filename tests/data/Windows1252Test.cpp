#include "data/Windows1252.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cerrno>
#include <set>
#include <string>

using namespace razzlewick;

namespace {

TEST(Windows1252, EveryByteRoundTripsThroughUnicodeUtf16AndUtf8)
{
    std::string all;
    std::u16string wide;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
        wide.push_back(Windows1252ToUnicode(static_cast<unsigned char>(b)));
    }
    EXPECT_EQ(Utf16ToWindows1252(wide), all);
    const auto back = Utf8ToWindows1252(Windows1252ToUtf8(all));
    ASSERT_TRUE(back.ok) << back.errorOffset;
    EXPECT_EQ(back.text, all);
}

TEST(Windows1252, MapsTheHighRangeAndTheUnassignedBytes)
{
    EXPECT_EQ(Windows1252ToUnicode(0x80), u'\u20AC');
    EXPECT_EQ(Windows1252ToUnicode(0x9F), u'\u0178');
    EXPECT_EQ(Windows1252ToUnicode(0x81), u'\u0081');
    EXPECT_EQ(Windows1252ToUnicode(0x9D), u'\u009D');
    EXPECT_EQ(Windows1252ToUnicode(0xE9), u'\u00E9');
    EXPECT_EQ(Windows1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(UnicodeToWindows1252(U'\u2122'), 0x99);
    // A C1 control the code page gives another meaning has no byte.
    EXPECT_FALSE(UnicodeToWindows1252(U'\u0080').has_value());
}

// The table against the C library's own, an independent source: a swapped or mistyped
// entry would survive every round trip through the table itself.
TEST(Windows1252, HighHalfAgreesWithTheSystemsCodePageTable)
{
    const iconv_t convert = iconv_open("UTF-16LE", "CP1252");
    ASSERT_NE(convert, reinterpret_cast<iconv_t>(-1)) << "the C library has no CP1252";
    // The system leaves these five undefined; the program keeps them as the C1 controls of
    // the same value, so that every byte survives.
    const std::set<int> unassigned = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    for (int b = 0x80; b <= 0xFF; ++b) {
        char in = static_cast<char>(b);
        char16_t out = 0;
        char* inPointer = &in;
        char* outPointer = reinterpret_cast<char*>(&out);
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        iconv(convert, nullptr, nullptr, nullptr, nullptr);
        const bool converted = iconv(convert, &inPointer, &inLeft, &outPointer, &outLeft) == 0;
        if (unassigned.contains(b)) {
            EXPECT_FALSE(converted) << std::hex << b;
            EXPECT_EQ(errno, EILSEQ) << std::hex << b;
            EXPECT_EQ(Windows1252ToUnicode(static_cast<unsigned char>(b)), static_cast<char16_t>(b))
                << std::hex << b;
        } else {
            ASSERT_TRUE(converted) << std::hex << b;
            EXPECT_EQ(Windows1252ToUnicode(static_cast<unsigned char>(b)), out) << std::hex << b;
            EXPECT_EQ(UnicodeToWindows1252(out), b) << std::hex << b;
        }
    }
    iconv_close(convert);
}

TEST(Windows1252, Utf16StopsAtZeroAndReplacesWhatTheCodePageLacks)
{
    EXPECT_EQ(Utf16ToWindows1252(std::u16string(u"ab\0cd", 5)), "ab");
    EXPECT_EQ(Utf16ToWindows1252(u"x\u0100y"), "x?y");
    EXPECT_EQ(Utf16ToWindows1252(u"x\U0001F600y"), "x?y");
    EXPECT_EQ(Utf16ToWindows1252(std::u16string(1, char16_t{0xD800}) + u"y"), "?y");
}

struct Utf8Failure {
    const char* name;
    std::string input;
    size_t offset;
};

class Windows1252FromUtf8 : public testing::TestWithParam<Utf8Failure> {};

TEST_P(Windows1252FromUtf8, ReportsTheOffsetOfTheOffendingCharacter)
{
    const auto result = Utf8ToWindows1252(GetParam().input);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorOffset, GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(Inputs, Windows1252FromUtf8,
                         testing::Values(Utf8Failure{"OutsideCodePage", "ab\xC4\x80", 2},
                                         Utf8Failure{"Emoji", "\xE2\x82\xAC\xF0\x9F\x98\x80", 3},
                                         Utf8Failure{"CutSequence", "abc\xC3", 3},
                                         Utf8Failure{"StrayContinuation", "a\x80", 1},
                                         Utf8Failure{"Overlong", "\xC0\x80", 0},
                                         Utf8Failure{"EncodedSurrogate", "x\xED\xA0\x80", 1},
                                         Utf8Failure{"UnassignedC1", "\xC2\x80", 0}),
                         [](const testing::TestParamInfo<Utf8Failure>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
