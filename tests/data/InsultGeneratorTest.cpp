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
void Read(InsultGenerator& engine, const std::string& bytes)
{
    TempFolder folder;
    const int fd = open(folder.WriteFile("in.dat", bytes).c_str(), O_RDONLY);
    struct Closer {
        int fd;
        ~Closer() { close(fd); }
    } closer{fd};
    Archive archive(fd, Archive::Mode::Loading);
    engine.Serialize(archive);
}

std::vector<std::string> Words(const InsultGenerator& engine, const std::string& style,
                               int32_t list)
{
    return engine.styles.at(style)->wordLists.at(list)->Words();
}

TEST(InsultGeneratorSerialize, ReadsTheSmallestFileWithOneStyle)
{
    const std::string bytes =
        DataFileWriter().Version().Int32(1).Style("Modern", "Modern", "", 0).bytes();
    ASSERT_EQ(bytes.size(), 27u);
    InsultGenerator engine;
    Read(engine, bytes);
    EXPECT_TRUE(engine.loadedOk);
    ASSERT_EQ(engine.styles.size(), 1u);
    const InsultStyle& style = *engine.styles.at("Modern");
    EXPECT_EQ(style.name, "Modern");
    EXPECT_EQ(style.templateText, "");
    EXPECT_TRUE(style.wordLists.empty());
    EXPECT_EQ(style.combinationCount, 0);
}

TEST(InsultGeneratorSerialize, AnotherVersionIsNotReadAndLeavesTheStylesAlone)
{
    InsultGenerator engine;
    Read(engine, DataFileWriter().Version().Int32(1).Style("Modern", "Modern", "t", 0).bytes());
    ASSERT_TRUE(engine.loadedOk);
    // 3.0, then a record that would add a style if anything read past the version.
    Read(engine,
         DataFileWriter().Float32(3.0f).Int32(1).Style("Arabian", "Arabian", "x", 0).bytes());
    EXPECT_FALSE(engine.loadedOk);
    EXPECT_EQ(engine.styles.size(), 1u);
    EXPECT_EQ(engine.styles.at("Modern")->templateText, "t");
}

TEST(InsultGeneratorSerialize, ZeroAndNegativeCountsReadAsNothing)
{
    InsultGenerator engine;
    Read(engine, DataFileWriter().Version().Int32(0).bytes());
    EXPECT_TRUE(engine.loadedOk);
    Read(engine, DataFileWriter().Version().Int32(-5).bytes());
    EXPECT_TRUE(engine.loadedOk);
    Read(engine, DataFileWriter().Version().Int32(1).Style("M", "M", "", -1).bytes());
    EXPECT_TRUE(engine.loadedOk);
    Read(engine,
         DataFileWriter().Version().Int32(1).Style("M", "M", "", 1).Int32(4).Int32(-3).bytes());
    ASSERT_EQ(engine.styles.size(), 1u);
    ASSERT_EQ(engine.styles.at("M")->wordLists.size(), 1u);
    EXPECT_EQ(engine.styles.at("M")->wordLists.at(4)->size(), 0u);
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
    const InsultStyle& style = *engine.styles.at("Modern");
    EXPECT_EQ(style.name, "Renamed");
    EXPECT_EQ(style.templateText, "You %0 %1");
    EXPECT_EQ(Words(engine, "Modern", 0), (std::vector<std::string>{"Oaf", "lout", "dolt"}));
    EXPECT_EQ(Words(engine, "Modern", 7), (std::vector<std::string>{"x"}));
    EXPECT_EQ(style.combinationCount, 2);
    // Keys compare with case: this is a second style.
    Read(engine, DataFileWriter().Version().Int32(1).Style("modern", "modern", "", 0).bytes());
    EXPECT_EQ(engine.styles.size(), 2u);
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
    EXPECT_EQ(engine.styles.at("A")->templateText, "second");
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
    EXPECT_EQ(engine.styles.at("Old")->name, "Old2");
    EXPECT_EQ(Words(engine, "Old", 0), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(engine.styles.at("Old")->combinationCount, 0);

    const std::string brokenNew = DataFileWriter()
                                      .Version()
                                      .Int32(1)
                                      .Style("New", "New", "t", 2)
                                      .List(0, {"w"})
                                      .Int32(1)
                                      .bytes();
    EXPECT_THROW(Read(engine, brokenNew), ArchiveError);
    EXPECT_EQ(engine.styles.count("New"), 0u);
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

TEST(InsultGeneratorSerialize, ALyingWordCountReservesNoMoreThanTheFileCanHold)
{
    // 20 million words declared in a file of a few dozen bytes.
    const std::string bytes = DataFileWriter()
                                  .Version()
                                  .Int32(1)
                                  .Style("Big", "Big", "", 1)
                                  .Int32(0)
                                  .Int32(20'000'000)
                                  .String(WordCipher().Encode("only"))
                                  .bytes();
    const long before = PeakKiBFromNow();
    InsultGenerator engine;
    EXPECT_THROW(Read(engine, bytes), ArchiveError);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // Sized by the declared count, the index alone would fill some 240 MB.
    EXPECT_LT(usage.ru_maxrss - before, 32 * 1024);
    EXPECT_EQ(engine.styles.count("Big"), 0u);
}

// A sparse file's apparent size is no promise of words. A count it cannot hold fails before
// anything is read; one it can hold (zero bytes read as empty words, all one word) costs the
// memory of the words kept, not of the words declared or the bytes the file seems to have.
TEST(InsultGeneratorSerialize, ASparseFileCostsMemoryForWhatItReallyHolds)
{
    struct Row {
        const char* name;
        int32_t styles;
        int32_t words;
        uint64_t size;
        bool loads;
    };
    for (const Row& row : {Row{"TwoBillionWords", 1, INT32_MAX, uint64_t{200} << 20, false},
                           Row{"TwoBillionStyles", INT32_MAX, 0, uint64_t{200} << 20, false},
                           Row{"ManyEmptyWords", 1, 4'000'000, uint64_t{8} << 20, true}}) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        DataFileWriter header;
        header.Version().Int32(row.styles);
        if (row.words > 0) {
            header.Style("Big", "Big", "", 1).Int32(0).Int32(row.words);
        }
        const std::string path = folder.WriteFile("sparse.dat", header.bytes());
        ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(row.size)), 0);

        const long before = PeakKiBFromNow();
        InsultGenerator engine;
        ASSERT_EQ(engine.OpenDataFile(Archive::Mode::Loading, &path, nullptr), 0);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        EXPECT_EQ(engine.loadedOk, row.loads);
        EXPECT_LT(usage.ru_maxrss - before, 16 * 1024);
        if (row.loads) {
            EXPECT_EQ(engine.styles.at("Big")->wordLists.at(0)->size(), 1u);
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
    ASSERT_EQ(written.OpenDataFile(Archive::Mode::Storing, &path, nullptr), 0);
    EXPECT_TRUE(written.loadedOk);

    InsultGenerator read;
    ASSERT_EQ(read.OpenDataFile(Archive::Mode::Loading, &path, nullptr), 0);
    ASSERT_TRUE(read.loadedOk);
    ASSERT_EQ(read.styles.size(), written.styles.size());
    for (const auto& [key, style] : written.styles) {
        const InsultStyle& copy = *read.styles.at(key);
        EXPECT_EQ(copy.name, style->name);
        EXPECT_EQ(copy.templateText, style->templateText);
        EXPECT_EQ(copy.combinationCount, style->combinationCount);
        ASSERT_EQ(copy.wordLists.size(), style->wordLists.size());
        for (const auto& [number, list] : style->wordLists) {
            EXPECT_EQ(copy.wordLists.at(number)->Words(), list->Words()) << key << " " << number;
        }
    }
}

TEST(InsultGenerator, SelectStyleTakesExactNamesAndRemoveAllForgetsTheCurrentStyle)
{
    InsultGenerator engine("given.dat");
    EXPECT_EQ(engine.fileName, "given.dat");
    EXPECT_FALSE(engine.loadedOk);
    Read(engine, DataFileWriter()
                     .Version()
                     .Int32(2)
                     .Style("Modern", "M", "", 0)
                     .Style("Arabian", "A", "", 0)
                     .bytes());
    engine.SelectStyle("Modern");
    ASSERT_EQ(engine.currentStyle, engine.styles.at("Modern").get());
    engine.SelectStyle("modern");
    EXPECT_EQ(engine.currentStyle, engine.styles.at("Modern").get());
    engine.RemoveAll();
    EXPECT_TRUE(engine.styles.empty());
    EXPECT_EQ(engine.currentStyle, nullptr);
}

}  // namespace
