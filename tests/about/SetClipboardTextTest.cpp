#include "about/SetClipboardText.h"

#include <QApplication>
#include <QClipboard>

#include <gtest/gtest.h>

using namespace razzlewick;

namespace {

TEST(SetClipboardText, KeepsLineEndsAndMapsEveryHighByte)
{
    std::string text = "Thou art a caf\xE9 lout.\r\nBegone, \x93knave\x94 \x80\x81\xA0\xFF.\r\n";
    ASSERT_TRUE(SetClipboardText(text));
    const QString pasted = QApplication::clipboard()->text();
    EXPECT_EQ(pasted,
              QString::fromUtf8("Thou art a café lout.\r\nBegone, “knave” €\u0081\u00A0ÿ.\r\n"));
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
