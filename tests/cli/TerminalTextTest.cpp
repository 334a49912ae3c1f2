#include "cli/TerminalText.h"

#include "cli/TerminalTextStream.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace razzlewick;

namespace {

struct TextRow {
    const char* name;
    std::string input;
    std::string shown;
};

void PrintTo(const TextRow& row, std::ostream* out)
{
    *out << row.name;
}

class TerminalTextRows : public testing::TestWithParam<TextRow> {};

TEST_P(TerminalTextRows, ShowsControlsAsEscapes)
{
    EXPECT_EQ(TerminalText(GetParam().input), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TerminalTextRows,
    testing::Values(
        TextRow{"TextAndBackslashes", "caf\xC3\xA9 \\e \xE2\x80\x9Cok\xE2\x80\x9D \xF0\x9F\x98\x80",
                "caf\xC3\xA9 \\e \xE2\x80\x9Cok\xE2\x80\x9D \xF0\x9F\x98\x80"},
        TextRow{"Separators", "a\tb\r\nc\n", "a\tb\r\nc\n"},
        TextRow{"CarriageReturnAlone", "x\x1B[2K\ry\r", "x\\e[2K\\ry\\r"},
        TextRow{"OtherC0AndDel", std::string("\a\b\v\f\x01\x1F\x7F", 7) + std::string(1, '\0'),
                "\\a\\b\\v\\f\\x01\\x1f\\x7f\\x00"},
        TextRow{"C1Characters", "\xC2\x80\xC2\x9B\xC2\x9F\xC2\xA0", "\\x80\\x9b\\x9f\xC2\xA0"},
        TextRow{"BidiControls", "\xE2\x80\xAA\xE2\x80\xAE\xE2\x81\xA6\xE2\x81\xA9\xE2\x80\xAF",
                "\\u202a\\u202e\\u2066\\u2069\xE2\x80\xAF"},
        // Raw C1 bytes, a lead byte without its continuation, overlong forms, surrogates,
        // beyond U+10FFFF, and a sequence cut short by the end.
        TextRow{"BytesThatAreNotUtf8", "\x9B\xC3(\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE2\x80",
                "\\x9b\\xc3(\\xc0\\xaf\\xed\\xa0\\x80\\xf4\\x90\\x80\\x80\\xe2\\x80"}),
    [](const testing::TestParamInfo<TextRow>& info) { return std::string(info.param.name); });

// A value within a line shows the separators too; engine text keeps the curly quotes and
// dashes of its code page, whose unassigned bytes are C1 controls.
TEST(TerminalText, ValuesAndWindows1252)
{
    EXPECT_EQ(TerminalText("a\tb\r\nc\n", Separators::Escape), "a\\tb\\r\\nc\\n");
    EXPECT_EQ(TerminalTextFrom1252("\x93\x97\x9B\x81\x8D\x8F\x90\x9D\x1B"),
              "\xE2\x80\x9C\xE2\x80\x94\xE2\x80\xBA\\x81\\x8d\\x8f\\x90\\x9d\\e");
}

// A stream holds back what the next write decides: the rest of a character, the LF of a
// CR LF. What is still held at the end is shown as it stands.
TEST(TerminalText, AStreamJudgesCharactersSplitAcrossWrites)
{
    std::ostringstream target;
    {
        const TerminalTextStream text(target);
        target << "caf\xC3"
               << "\xA9 \xE2\x80"
               << "\xAE!\r"
               << "\n\r" << 'x' << "\xE2\x80";
        target.flush();
    }
    EXPECT_EQ(target.str(), "caf\xC3\xA9 \\u202e!\r\n\\rx\\xe2\\x80");
    target << "\x1B";
    EXPECT_EQ(target.str().back(), '\x1B');  // the stream writes where it did before
}

}  // namespace
