#include "settings/FavouritesFile.h"

#include "settings/FavouriteLine.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

struct RoundTripRow {
    const char* name;
    Favourite favourite;
};

// Whatever engine text holds comes back from its line unchanged, and the line stays one line
// of visible text.
TEST(FavouriteLine, EveryInsultSurvivesItsLine)
{
    const std::vector<RoundTripRow> rows = {
        {"Plain", {"2026-12-08", "Shakespearean", "Thou art a beetle-headed flap-ear!"}},
        {"TabAndBreaks", {"2026-01-31", "Modern", "a\tb\nc\r\nd"}},
        {"Controls",
         {"2026-02-01", "Modern", std::string("bell\x07 esc\x1b del\x7f nul\0end", 23)}},
        {"UnassignedByte", {"2026-02-01", "Arabian", "x\x9d y \x81"}},
        {"Backslashes", {"2026-02-01", "Arabian", "C:\\x41 \\t \\\\ \\"}},
        {"BracketsInStyle", {"2026-02-01", "a] [b\\", "text [with] brackets"}},
        {"Windows1252",
         {"2026-02-01",
          "M\xe9"
          "diterran\xe9"
          "e",
          "\x80 \x93quoted\x94 caf\xe9"}},
    };
    for (const RoundTripRow& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string line = FormatFavouriteLine(row.favourite);
        EXPECT_TRUE(std::none_of(line.begin(), line.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
        })) << line;
        const ParsedFavouriteLine parsed = ParseFavouriteLine(line);
        ASSERT_EQ(parsed.kind, FavouriteLineKind::Favourite) << line << ": " << parsed.problem;
        EXPECT_EQ(parsed.favourite, row.favourite);
    }
    EXPECT_EQ(FormatFavouriteLine({"2026-12-08", "Modern", "a\tb"}), "2026-12-08 [Modern] a\\tb");
}

struct HandEditRow {
    const char* line;
    FavouriteLineKind kind;
    const char* style;
    const char* text;
};

TEST(FavouriteLine, ReadsWhatAPersonTypes)
{
    using Kind = FavouriteLineKind;
    const std::vector<HandEditRow> rows = {
        {"", Kind::Note, "", ""},
        {"   ", Kind::Note, "", ""},
        {"# my best", Kind::Note, "", ""},
        {"2026-12-08   [Modern]   spaced out  ", Kind::Favourite, "Modern", "spaced out"},
        {"2026-12-08 [Modern] a \\q typed backslash", Kind::Favourite, "Modern",
         "a \\q typed backslash"},
        {"2026-12-08 [Modern] caf\xc3\xa9 \xe2\x82\xac", Kind::Favourite, "Modern", "caf\xe9 \x80"},
        {"Thou art a fool", Kind::Damaged, "", ""},
        {"2026-13-08 [Modern] bad month", Kind::Damaged, "", ""},
        {"2026-12-08 Modern no brackets", Kind::Damaged, "", ""},
        {"2026-12-08 [Modern no close", Kind::Damaged, "", ""},
        {"2026-12-08 [] no style", Kind::Damaged, "", ""},
        {"2026-12-08 [Modern]", Kind::Damaged, "", ""},
        {"2026-12-08 [Modern]glued", Kind::Damaged, "", ""},
        {"2026-12-08 [Modern] latin-1 caf\xe9", Kind::Damaged, "", ""},
        {"2026-12-08 [Modern] outside \xf0\x9f\x98\x80", Kind::Damaged, "", ""},
    };
    for (const HandEditRow& row : rows) {
        SCOPED_TRACE(row.line);
        const ParsedFavouriteLine parsed = ParseFavouriteLine(row.line);
        EXPECT_EQ(parsed.kind, row.kind);
        EXPECT_EQ(parsed.problem.empty(), row.kind != Kind::Damaged);
        if (row.kind == Kind::Favourite) {
            EXPECT_EQ(parsed.favourite.style, row.style);
            EXPECT_EQ(parsed.favourite.text, row.text);
        }
    }
}

class FavouritesFileTest : public ::testing::Test {
protected:
    TempFolder home;
    std::string path = home.path() + "razzlewick/favourites.txt";
    FavouritesFile file{path};

    void Write(const std::string& text) const
    {
        ::mkdir((home.path() + "razzlewick").c_str(), 0700);
        home.WriteFile("razzlewick/favourites.txt", text);
    }
    std::string Contents() const { return ReadWholeFile(path); }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const Favourite& favourite : file.Read().favourites) {
            texts.push_back(favourite.text);
        }
        return texts;
    }
};

TEST_F(FavouritesFileTest, KeepsEachTextOnceAndRemovesOnlyWhatIsAsked)
{
    EXPECT_EQ(file.Read().state, FavouritesContents::State::Missing);
    const std::vector<Favourite> first = {{"2026-12-01", "Modern", " one "},
                                          {"2026-12-01", "Arabian", "two"},
                                          {"2026-12-01", "Arabian", "one"}};
    EXPECT_EQ(file.Add(first).changed, 2u);
    const Favourite again{"2026-12-09", "Modern", "two"};
    const FavouritesChange twice = file.Add(std::span(&again, 1));
    EXPECT_TRUE(twice.Succeeded());
    EXPECT_EQ(twice.changed, 0u);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"one", "two"}));

    const std::string removed = "one";
    EXPECT_EQ(file.Remove(std::span(&removed, 1)).changed, 1u);
    EXPECT_EQ(Texts(), std::vector<std::string>{"two"});
    EXPECT_TRUE(Contents().starts_with("# Razzlewick's favourites")) << Contents();
}

TEST_F(FavouritesFileTest, DamagedLinesAreReportedOnceAndKeptByteForByte)
{
    const std::string original =
        "\xEF\xBB\xBF# mine\r\n2026-12-01 [Modern] good one\r\nnot a favourite at all\r\n"
        "2026-12-02 [Arabian] good two\n2026-99-01 [x] bad date\n\n2026-12-03 [Modern] last";
    Write(original);
    const FavouritesContents read = file.Read();
    EXPECT_EQ(read.state, FavouritesContents::State::Read);
    ASSERT_EQ(read.favourites.size(), 3u);
    EXPECT_EQ(read.favourites[0].text, "good one");
    EXPECT_EQ(read.damagedLines, 2u);
    EXPECT_EQ(read.problem, path +
                                " line 3: no date (YYYY-MM-DD) at its start; the line is "
                                "skipped, and 1 more line");

    const Favourite added{"2026-12-04", "Modern", "new"};
    ASSERT_TRUE(file.Add(std::span(&added, 1)).Succeeded());
    EXPECT_EQ(Contents(), original + "\n2026-12-04 [Modern] new\n");
    const std::string removed = "good two";
    ASSERT_TRUE(file.Remove(std::span(&removed, 1)).Succeeded());
    EXPECT_EQ(Contents(),
              "\xEF\xBB\xBF# mine\r\n2026-12-01 [Modern] good one\r\nnot a favourite at "
              "all\r\n2026-99-01 [x] bad date\n\n2026-12-03 [Modern] last\n"
              "2026-12-04 [Modern] new\n");
}

TEST_F(FavouritesFileTest, AFileTooLargeIsReadAsFarAsTheLimitAndNeverChanged)
{
    std::string big;
    const std::string line = "2026-12-01 [Modern] " + std::string(100, 'x') + "\n";
    while (big.size() <= FavouritesFile::kLargestFile) {
        big += line;
    }
    Write(big);
    const FavouritesContents read = file.Read();
    EXPECT_EQ(read.state, FavouritesContents::State::TooLarge);
    EXPECT_EQ(read.favourites.size(), FavouritesFile::kLargestFile / line.size());
    EXPECT_EQ(read.damagedLines, 0u);
    EXPECT_NE(read.problem.find(path + " is larger than 16 MiB"), std::string::npos);

    const Favourite added{"2026-12-04", "Modern", "new"};
    const FavouritesChange change = file.Add(std::span(&added, 1));
    EXPECT_FALSE(change.Succeeded());
    EXPECT_NE(change.error.find(path), std::string::npos);
    EXPECT_EQ(Contents().size(), big.size());
}

TEST_F(FavouritesFileTest, AReadOnlyFileIsNotReplaced)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes anything";
    }
    Write("2026-12-01 [Modern] mine\n");
    ::chmod(path.c_str(), 0444);
    const Favourite added{"2026-12-04", "Modern", "new"};
    EXPECT_EQ(file.Add(std::span(&added, 1)).error, path + " is read-only");
    EXPECT_EQ(Contents(), "2026-12-01 [Modern] mine\n");
}

// Two hundred scripts and a window keeping at once: each kept once, none lost.
TEST_F(FavouritesFileTest, WritersAtOnceLoseNothing)
{
    constexpr int kWriters = 200;
    std::vector<pid_t> children;
    for (int i = 0; i < kWriters; ++i) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const Favourite favourite{"2026-12-08", "Modern", "script " + std::to_string(i)};
            ::_exit(file.Add(std::span(&favourite, 1)).changed == 1 ? 0 : 1);
        }
        children.push_back(child);
        const Favourite mine{"2026-12-08", "Arabian", "window " + std::to_string(i)};
        ASSERT_TRUE(file.Add(std::span(&mine, 1)).Succeeded());
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::vector<std::string> texts = Texts();
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(std::unique(texts.begin(), texts.end()), texts.end());
    EXPECT_EQ(texts.size(), 2u * kWriters);
}

TEST(FavouritesOrder, NewestFirstByDateThenLastKept)
{
    const std::vector<Favourite> inFile = {
        {"2026-12-01", "s", "a"}, {"2026-12-03", "s", "b"}, {"2026-12-01", "s", "c"}};
    std::vector<std::string> texts;
    for (const Favourite& favourite : NewestFirst(inFile)) {
        texts.push_back(favourite.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"b", "c", "a"}));
}

}  // namespace
