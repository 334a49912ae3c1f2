#include "settings/ProfileFile.h"
#include "tests/support/ConfigHome.h"

#include <gtest/gtest.h>

#include <climits>

using namespace razzlewick;

namespace {

struct ValueRow {
    const char* name;
    std::string line;  // the "num" line as stored in the file
    int32_t expected;
};

void PrintTo(const ValueRow& row, std::ostream* out)
{
    *out << row.name;
}

class StoredNumber : public ConfigHomeTest, public ::testing::WithParamInterface<ValueRow> {};

TEST_P(StoredNumber, ReadsAsDecimalInteger)
{
    WriteFile("Razzlewick.ini", "[settings]\n" + GetParam().line + "\n");
    EXPECT_EQ(SettingsFile().ReadInteger("settings", "num", 1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StoredNumber,
    ::testing::Values(
        ValueRow{"Plain", "num=7", 7}, ValueRow{"NotANumber", "num=abc", 0},
        ValueRow{"TrailingText", "num=12x", 12}, ValueRow{"BeyondSixteenBits", "num=40000", 40000},
        ValueRow{"Empty", "num=", 0}, ValueRow{"BlanksAroundKeyAndValue", "  num\t=  \t42  ", 42},
        ValueRow{"Negative", "num=-3", -3}, ValueRow{"PlusSign", "num=+8", 8},
        ValueRow{"SignWithoutDigits", "num=-x", 0}, ValueRow{"DoubleSign", "num=--4", 0},
        ValueRow{"Quoted", "num=\"25\"", 25}, ValueRow{"LeadingZeros", "num=0009", 9},
        ValueRow{"LargestInteger", "num=2147483647", INT32_MAX},
        ValueRow{"SmallestInteger", "num=-2147483648", INT32_MIN},
        ValueRow{"TooLargeSaturates", "num=2147483648", INT32_MAX},
        ValueRow{"TooSmallSaturates", "num=-99999999999999999999", INT32_MIN},
        ValueRow{"HexIsNotDecimal", "num=0x10", 0}, ValueRow{"NoEqualsSignIsNoEntry", "num", 1},
        // Only 254 characters of a value are seen: a number pushed past them by zeros is 0.
        ValueRow{"CutAfter254Characters", "num=" + std::string(254, '0') + "5", 0},
        ValueRow{"Within254Characters", "num=" + std::string(253, '0') + "5", 5}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
