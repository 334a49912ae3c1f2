#include "tests/tools/ToolProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kPirateSource = R"({"styles": [{"key": "Pirate", "template": "Arr, ye %0",
    "lists": [{"number": 0, "words": ["bilge rat", "landlubber", "swab"]}]}]})";

// The author's loop: a source composed from as it stands, with the data the program reads.
class DataToolTry : public ToolInWorkFolder {
protected:
    void SetUp() override { work.WriteFile("pirate.json", kPirateSource); }
};

TEST_F(DataToolTry, ComposesFromTheSourceAsTheInstalledStyleWould)
{
    const ToolRun tried = Run({"try", "--seed", "7", "--count", "3", "pirate.json"});
    EXPECT_EQ(tried.status, 0) << tried.err;
    EXPECT_EQ(tried.err, "");
    EXPECT_EQ(std::count(tried.out.begin(), tried.out.end(), '\n'), 3) << tried.out;
    EXPECT_TRUE(tried.out.starts_with("Arr, ye ")) << tried.out;
    EXPECT_EQ(tried.out.find('\r'), std::string::npos);
    // Nothing is written anywhere.
    EXPECT_FALSE(fs::exists(data.UserFolder()));
    EXPECT_EQ(Run({"try", "-S", "7", "-n", "3", "pirate.json", "pirate"}).out, tried.out);

    ASSERT_EQ(Run({"install", "pirate.json"}).status, 0);
    std::string generated = Run({"generate", "--seed", "7", "--count", "3", "Pirate"}).out;
    std::erase(generated, '\r');
    EXPECT_EQ(generated, tried.out);

    // The installed copy gives way to the source being edited.
    work.WriteFile("pirate.json", R"({"styles": [{"key": "Pirate", "template": "Yarr, ye %0",
        "lists": [{"number": 0, "words": ["kraken bait"]}]}]})");
    EXPECT_EQ(Run({"try", "--count", "2", "pirate.json"}).out,
              "Yarr, ye kraken bait.\nYarr, ye kraken bait.\n");
}

// A copy packed beside the source, or installed under another case, holds only the source's
// styles: it would bring back what the edit took out, so it is set aside, by name.
TEST_F(DataToolTry, CopiesOfTheSourceAreSetAside)
{
    ASSERT_EQ(Run({"pack", "-o", "pirate.dat", "pirate.json"}).status, 0);
    work.WriteFile("pirate.json", R"({"styles": [{"key": "pirate", "template": "Yarr, ye %0",
        "lists": [{"number": 0, "words": ["kraken bait"]}]}]})");
    const ToolRun tried = Run({"try", "--count", "2", "pirate.json"});
    EXPECT_EQ(tried.out, "Yarr, ye kraken bait.\nYarr, ye kraken bait.\n");
    EXPECT_EQ(tried.err, "razzlewick-data try: pirate.json is tried in place of pirate.dat\n");

    fs::remove(work / "pirate.dat");
    fs::copy_file(work / "pirate.json", work / "Pirate.json");
    ASSERT_EQ(Run({"install", "Pirate.json"}).status, 0);
    EXPECT_EQ(Run({"try", "-n", "1", "pirate.json"}).err,
              "razzlewick-data try: pirate.json is tried in place of " + data.UserFolder() +
                  "Pirate.dat\n");
}

TEST_F(DataToolTry, ASourceThatExtendsAShippedStyleComposesWithItsWords)
{
    work.WriteFile("more.json", R"({"styles": [
        {"key": "Shakespearean", "template": "Thou %0",
         "lists": [{"number": 1, "words": ["a sonnet nobody asked for"]}]},
        {"key": "Ninja", "template": "Hai, %0", "lists": [{"number": 0, "words": ["shadow"]}]}]})");
    const ToolRun both = Run({"try", "--seed", "1", "--count", "1", "more.json"});
    EXPECT_EQ(both.status, 0);
    EXPECT_EQ(both.err, "");
    EXPECT_TRUE(both.out.starts_with("Shakespearean:\nThou ")) << both.out;
    EXPECT_NE(both.out.find("\nNinja:\nHai, shadow.\n"), std::string::npos) << both.out;

    const ToolRun unknown = Run({"try", "more.json", "Pirate"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(
        unknown.err.starts_with("razzlewick-data try: no style \"Pirate\"; the styles are: "))
        << unknown.err;

    work.WriteFile("bad.json", R"({"styles": [{"key": "A", "template": "\u4e2d %0"}]})");
    const ToolRun bad = Run({"try", "bad.json"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
}

}  // namespace
