#include "clipboard/SetClipboardText.h"

#include <QApplication>
#include <QClipboard>

#include <gtest/gtest.h>

#include <initializer_list>

using namespace razzlewick;

namespace {

// Linux programs take CR as a character of its own, and a final line break pasted into a
// terminal or a chat box sends the line: the clipboard gets LF between lines and none after.
TEST(SetClipboardText, GivesLinuxLineEndsAndMapsEveryHighByte)
{
    std::string text = "Thou art a caf\xE9 lout.\r\nBegone, \x93knave\x94 \x80\x81\xA0\xFF.\r\n";
    ASSERT_TRUE(SetClipboardText(text));
    const QString pasted = QApplication::clipboard()->text();
    EXPECT_EQ(
        pasted,
        QString::fromUtf8(
            "Thou art a caf\u00e9 lout.\nBegone, \u201cknave\u201d \u20ac\u0081\u00A0\u00ff."));

    struct Row {
        const char* text;
        const char* copied;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"One.\r\n", "One."},
             {"One.\r\nTwo.\r\nThree.\r\n", "One.\nTwo.\nThree."},
             {"no break at all", "no break at all"},
             // Only the last break goes; a blank line inside the text stays.
             {"a\r\n\r\nb\r\n\r\n", "a\n\nb\n"},
             // A CR that ends no line is text, kept as it is.
             {"half\rway\r", "half\rway\r"},
             {"\r\n", ""},
         }) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ToClipboardLines(row.text), row.copied);
    }
}

TEST(SetClipboardText, AllBytesFrom0x80RoundTrip)
{
    std::string text;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        text.push_back(static_cast<char>(byte));
    }
    ASSERT_TRUE(SetClipboardText(text));
    const QString pasted = QApplication::clipboard()->text();
    ASSERT_EQ(pasted.size(), 128);
    EXPECT_EQ(pasted[0], QChar(0x20AC));     // euro sign
    EXPECT_EQ(pasted[0x1D], QChar(0x009D));  // unassigned byte keeps its value
    EXPECT_EQ(pasted[0x20], QChar(0x00A0));
    EXPECT_EQ(pasted[0x7F], QChar(0x00FF));
}

TEST(SetClipboardText, EmptyTextEmptiesTheClipboard)
{
    ASSERT_TRUE(SetClipboardText("something"));
    EXPECT_TRUE(SetClipboardText(""));
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
}

}  // namespace
