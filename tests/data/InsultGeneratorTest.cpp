#include "data/InsultGenerator.h"

#include "data/ArchiveError.h"
#include "tests/support/DataFileWriter.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

// Reads `bytes` into `engine` through Serialize, as OpenDataFile would, without catching.
bool Read(InsultGenerator& engine, const std::string& bytes)
{
    TempFolder folder;
    const int fd = open(folder.WriteFile("in.dat", bytes).c_str(), O_RDONLY);
    struct Closer {
        int fd;
        ~Closer() { close(fd); }
    } closer{fd};
    Archive archive(fd, Archive::Mode::Loading);
    return engine.Serialize(archive);
}

std::vector<std::string> Words(const InsultGenerator& engine, const std::string& style,
                               int32_t list)
{
    return engine.Styles().at(style).WordLists().at(list).Words();
}

TEST(InsultGeneratorSerialize, ReadsTheSmallestFileWithOneStyle)
{
    const std::string bytes =
        DataFileWriter().Version().Int32(1).Style("Modern", "Modern", "", 0).bytes();
    ASSERT_EQ(bytes.size(), 27u);
    InsultGenerator engine;
    EXPECT_TRUE(Read(engine, bytes));
    ASSERT_EQ(engine.Styles().size(), 1u);
    const InsultStyle& style = engine.Styles().at("Modern");
    EXPECT_EQ(style.Name(), "Modern");
    EXPECT_EQ(style.TemplateText(), "");
    EXPECT_TRUE(style.WordLists().empty());
    EXPECT_EQ(style.CombinationCount(), 0);
}

TEST(InsultGeneratorSerialize, AnotherVersionIsNotReadAndLeavesTheStylesAlone)
{
    InsultGenerator engine;
    ASSERT_TRUE(Read(
        engine, DataFileWriter().Version().Int32(1).Style("Modern", "Modern", "t", 0).bytes()));
    // 3.0, then a record that would add a style if anything read past the version.
    EXPECT_FALSE(
        Read(engine,
             DataFileWriter().Float32(3.0f).Int32(1).Style("Arabian", "Arabian", "x", 0).bytes()));
    EXPECT_EQ(engine.Styles().size(), 1u);
    EXPECT_EQ(engine.Styles().at("Modern").TemplateText(), "t");
}

TEST(InsultGeneratorSerialize, ZeroAndNegativeCountsReadAsNothing)
{
    InsultGenerator engine;
    EXPECT_TRUE(Read(engine, DataFileWriter().Version().Int32(0).bytes()));
    EXPECT_TRUE(Read(engine, DataFileWriter().Version().Int32(-5).bytes()));
    EXPECT_TRUE(Read(engine, DataFileWriter().Version().Int32(1).Style("M", "M", "", -1).bytes()));
    Read(engine,
         DataFileWriter().Version().Int32(1).Style("M", "M", "", 1).Int32(4).Int32(-3).bytes());
    ASSERT_EQ(engine.Styles().size(), 1u);
    ASSERT_EQ(engine.Styles().at("M").WordLists().size(), 1u);
    EXPECT_EQ(engine.Styles().at("M").WordLists().at(4).size(), 0u);
}

TEST(InsultGeneratorSerialize, StylesFromTwoFilesMerge)
{
    InsultGenerator engine;
    Read(engine, DataFileWriter()
                     .Version()
                     .Int32(1)
                     .Style("Modern", "Modern", "You %0", 1)
                     .List(0, {"Oaf", "lout"})
                     .bytes());
    Read(engine, DataFileWriter()
                     .Version()
                     .Int32(1)
                     .Style("Modern", "Renamed", "You %0 %1", 2)
                     .List(0, {"OAF", "dolt", "Lout"})
                     .List(7, {"x"})
                     .bytes());
    const InsultStyle& style = engine.Styles().at("Modern");
    EXPECT_EQ(style.Name(), "Renamed");
    EXPECT_EQ(style.TemplateText(), "You %0 %1");
    EXPECT_EQ(Words(engine, "Modern", 0), (std::vector<std::string>{"Oaf", "lout", "dolt"}));
    EXPECT_EQ(Words(engine, "Modern", 7), (std::vector<std::string>{"x"}));
    EXPECT_EQ(style.CombinationCount(), 2);
    // Keys compare with case: this is a second style.
    Read(engine, DataFileWriter().Version().Int32(1).Style("modern", "modern", "", 0).bytes());
    EXPECT_EQ(engine.Styles().size(), 2u);
}

TEST(InsultGeneratorSerialize, AKeyRepeatedInOneFileMerges)
{
    InsultGenerator engine;
    Read(engine, DataFileWriter()
                     .Version()
                     .Int32(2)
                     .Style("A", "A", "first", 1)
                     .List(0, {"a", "b"})
                     .Style("A", "A", "second", 1)
                     .List(0, {"B", "c"})
                     .bytes());
    EXPECT_EQ(engine.Styles().at("A").TemplateText(), "second");
    EXPECT_EQ(Words(engine, "A", 0), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(InsultGeneratorSerialize, ABrokenOffFileKeepsWhatWasCompleteOnly)
{
    InsultGenerator engine;
    Read(engine,
         DataFileWriter().Version().Int32(1).Style("Old", "Old", "", 1).List(0, {"a"}).bytes());
    const std::string broken = DataFileWriter()
                                   .Version()
                                   .Int32(2)
                                   .Style("Done", "Done", "t", 1)
                                   .List(0, {"one", "two"})
                                   .Style("Old", "Old2", "new", 2)
                                   .List(0, {"b"})
                                   .Int32(1)
                                   .Int32(2)
                                   .Raw("\x05x")  // a word that breaks off
                                   .bytes();
    EXPECT_THROW(Read(engine, broken), ArchiveError);
    EXPECT_EQ(Words(engine, "Done", 0), (std::vector<std::string>{"one", "two"}));
    // The existing style keeps its update up to the break, its count is not recomputed.
    EXPECT_EQ(engine.Styles().at("Old").Name(), "Old2");
    EXPECT_EQ(Words(engine, "Old", 0), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(engine.Styles().at("Old").CombinationCount(), 0);

    const std::string brokenNew = DataFileWriter()
                                      .Version()
                                      .Int32(1)
                                      .Style("New", "New", "t", 2)
                                      .List(0, {"w"})
                                      .Int32(1)
                                      .bytes();
    EXPECT_THROW(Read(engine, brokenNew), ArchiveError);
    EXPECT_EQ(engine.Styles().count("New"), 0u);
}

TEST(InsultGeneratorSerialize, AListThatBreaksOffKeepsEveryWordReadBeforeTheBreak)
{
    InsultGenerator engine;
    Read(engine,
         DataFileWriter().Version().Int32(1).Style("Old", "Old", "", 1).List(0, {"a"}).bytes());
    // Five words declared, three there (one already in the list), then the file ends.
    DataFileWriter broken;
    broken.Version().Int32(1).Style("Old", "Old", "", 1).Int32(0).Int32(5);
    for (const std::string word : {"b", "A", "c"}) {
        broken.String(WordCipher().Encode(word));
    }
    EXPECT_THROW(Read(engine, broken.bytes()), ArchiveError);
    EXPECT_EQ(Words(engine, "Old", 0), (std::vector<std::string>{"a", "b", "c"}));
}

// The most memory this process has held at once, in KiB; first lowered to what it holds
// now where the system allows, so each test measures its own peak.
long PeakKiBFromNow()
{
    if (FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Files whose counts or lengths promise more than they hold, whose apparent size is mostly
// sparse, or whose records cost far more memory than bytes: records are read one by one and
// each complete one is kept, and memory follows the bytes really there.
struct CostlyFile {
    const char* name;
    std::string bytes;
    uint64_t sparseSize;  // the file's apparent size, 0 for the bytes alone
    bool loads;
    size_t styles;  // styles in the engine afterwards
    long peakKiB;   // the most the reading may add to the peak
};

TEST(InsultGeneratorSerialize, CostsMemoryAndTimeForWhatAFileReallyHolds)
{
    DataFileWriter emptyLists;
    emptyLists.Version().Int32(1).Style("Lists", "Lists", "%0", 300'000);
    for (int32_t i = 0; i < 300'000; ++i)
        emptyLists.Int32(i).Int32(0);
    DataFileWriter smallStyles;
    smallStyles.Version().Int32(40'000);
    for (int32_t i = 0; i < 40'000; ++i)
        smallStyles.Style("S" + std::to_string(i), "", "", 0);
    const auto header = [](int32_t styles) { return DataFileWriter().Version().Int32(styles); };
    const CostlyFile rows[] = {
        {"ImpossibleStyleCount",
         header(INT32_MAX).Style("One", "One", "%0", 1).List(0, {"word"}).bytes(), 0, false, 1,
         16 * 1024},
        {"LyingWordCount", header(1).Style("Big", "Big", "", 1).Int32(0).Int32(20'000'000).bytes(),
         0, false, 0, 16 * 1024},
        {"TwoBillionWordsOfZeros",
         header(1).Style("Big", "Big", "", 1).Int32(0).Int32(INT32_MAX).bytes(), uint64_t{1} << 20,
         false, 0, 16 * 1024},
        {"TwoBillionStylesOfZeros", header(INT32_MAX).bytes(), uint64_t{1} << 20, false, 1,
         16 * 1024},
        {"ManyEmptyWords", header(1).Style("Big", "Big", "", 1).Int32(0).Int32(1'000'000).bytes(),
         uint64_t{2} << 20, true, 1, 16 * 1024},
        {"AGigabyteWord",
         header(1)
             .Style("Big", "Big", "", 1)
             .Int32(0)
             .Int32(1)
             .Bytes({0xFF, 0xFF, 0xFF})
             .Int32(1'000'000'000)
             .bytes(),
         uint64_t{1} << 30, false, 0, 16 * 1024},
        {"EmptyListsPastWhatTheirBytesJustify", emptyLists.bytes(), 0, false, 0,
         static_cast<long>(8 * emptyLists.size() / 1024) + 32 * 1024},
        {"FortyThousandSmallStyles", smallStyles.bytes(), 0, true, 40'000,
         static_cast<long>(8 * smallStyles.size() / 1024) + 32 * 1024},
    };
    for (const CostlyFile& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        const std::string path = folder.WriteFile("costly.dat", row.bytes);
        if (row.sparseSize != 0) {
            ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(row.sparseSize)), 0);
        }

        const long before = PeakKiBFromNow();
        InsultGenerator engine;
        const DataFileOutcome outcome = engine.OpenDataFile(Archive::Mode::Loading, &path);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        EXPECT_EQ(outcome.Succeeded(), row.loads);
        EXPECT_EQ(engine.Styles().size(), row.styles);
        EXPECT_LT(usage.ru_maxrss - before, row.peakKiB);
    }
}

// A word is cut to what an insult can hold; a string longer than a style's parts can be is
// refused before its text is read.
TEST(InsultGeneratorSerialize, LongWordsAreCutAndOverlongStringsRefused)
{
    struct Row {
        const char* name;
        size_t wordLength;
        size_t templateLength;
        bool loads;
        size_t keptLength;
    };
    for (const Row& row :
         {Row{"WordOfAnInsult", 4096, 2, true, 4096}, Row{"WordOneLonger", 4097, 2, true, 4096},
          Row{"WordNearTheFormatsLimit", 30000, 2, true, 4096},
          Row{"LongestTemplate", 1, 65535, true, 1}, Row{"TemplateTooLong", 1, 65536, false, 0}}) {
        SCOPED_TRACE(row.name);
        InsultGenerator engine;
        const std::string word(row.wordLength, 'w');
        const std::string bytes = DataFileWriter()
                                      .Version()
                                      .Int32(1)
                                      .Style("S", "S", std::string(row.templateLength, 't'), 1)
                                      .List(0, {word})
                                      .bytes();
        if (row.loads) {
            Read(engine, bytes);
            EXPECT_EQ(Words(engine, "S", 0),
                      (std::vector<std::string>{word.substr(0, row.keptLength)}));
        } else {
            EXPECT_THROW(Read(engine, bytes), ArchiveError);
            EXPECT_TRUE(engine.Styles().empty());
        }
    }
}

TEST(InsultGeneratorSerialize, StoringAndReadingBackGivesTheSameEngine)
{
    InsultGenerator written;
    Read(written, DataFileWriter()
                      .Version()
                      .Int32(2)
                      .Style("Arabian", "Arabian", "May %0 %1", 2)
                      .List(0, {"fleas", "camels", "\xADw3=\xFF", std::string(300, 'z')})
                      .List(-4, {})
                      .Style("Modern", "Modern name", "", 1)
                      .List(9, {"b", "a"})
                      .bytes());
    TempFolder folder;
    const std::string path = folder / "round.dat";
    ASSERT_TRUE(written.OpenDataFile(Archive::Mode::Storing, &path).Succeeded());

    InsultGenerator read;
    ASSERT_TRUE(read.OpenDataFile(Archive::Mode::Loading, &path).Succeeded());
    ASSERT_EQ(read.Styles().size(), written.Styles().size());
    for (const auto& [key, style] : written.Styles()) {
        const InsultStyle& copy = read.Styles().at(key);
        EXPECT_EQ(copy.Name(), style.Name());
        EXPECT_EQ(copy.TemplateText(), style.TemplateText());
        EXPECT_EQ(copy.CombinationCount(), style.CombinationCount());
        ASSERT_EQ(copy.WordLists().size(), style.WordLists().size());
        for (const auto& [number, list] : style.WordLists()) {
            EXPECT_EQ(copy.WordLists().at(number).Words(), list.Words()) << key << " " << number;
        }
    }
}

TEST(InsultGenerator, SelectStyleTakesExactNamesAndRemoveAllForgetsTheCurrentStyle)
{
    InsultGenerator engine("given.dat");
    EXPECT_EQ(engine.FileName(), "given.dat");
    Read(engine, DataFileWriter()
                     .Version()
                     .Int32(2)
                     .Style("Modern", "M", "", 0)
                     .Style("Arabian", "A", "", 0)
                     .bytes());
    engine.SelectStyle("Modern");
    ASSERT_EQ(engine.CurrentStyle(), engine.FindStyle("Modern"));
    engine.SelectStyle("modern");
    EXPECT_EQ(engine.CurrentStyle(), engine.FindStyle("Modern"));
    engine.RemoveAll();
    EXPECT_TRUE(engine.Styles().empty());
    EXPECT_EQ(engine.CurrentStyle(), nullptr);
}

}  // namespace
