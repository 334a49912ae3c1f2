// How long reading a large data file takes: styles x lists holding the given number of
// distinct words in all, read through OpenDataFile into a fresh engine.
#include "data/Archive.h"
#include "data/InsultGenerator.h"
#include "data/WordCipher.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace {

struct Shape {
    int64_t totalWords;
    int32_t styles;
    int32_t listsPerStyle;
    auto operator<=>(const Shape&) const = default;
};

// Distinct, word-like, 5 to 12 letters, with capitals so the case-folded index has work.
std::string MakeWord(uint64_t index)
{
    static constexpr char kLetters[] = "etaoinshrdlucmfwypvbgkqjxz";
    std::string word;
    uint64_t rest = index;
    do {
        word.push_back(kLetters[rest % 26]);
        rest /= 26;
    } while (rest != 0);
    while (word.size() < 5 + index % 8) {
        word.push_back('-');
    }
    if (index % 3 == 0) {
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
    }
    return word;
}

// Writes the file value by value so the writer itself stays small in memory.
std::string WriteDataFile(const Shape& shape)
{
    const std::string path =
        (std::filesystem::temp_directory_path() /
         ("razzlewick-bench-" + std::to_string(getpid()) + "-" + std::to_string(shape.totalWords) +
          "-" + std::to_string(shape.styles) + "x" + std::to_string(shape.listsPerStyle) + ".dat"))
            .string();
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        std::abort();
    }
    const WordCipher cipher;
    Archive archive(fd, Archive::Mode::Storing);
    archive.WriteFloat32(3.2f);
    archive.WriteInt32(shape.styles);
    const int64_t perList = shape.totalWords / (int64_t{shape.styles} * shape.listsPerStyle);
    uint64_t next = 0;
    for (int32_t s = 0; s < shape.styles; ++s) {
        const std::string name = "Style" + std::to_string(s);
        archive.WriteString(name);
        archive.WriteString(name);
        archive.WriteString("Thou %0 %1 %2 %3");
        archive.WriteInt32(shape.listsPerStyle);
        for (int32_t l = 0; l < shape.listsPerStyle; ++l) {
            archive.WriteInt32(l);
            archive.WriteInt32(static_cast<int32_t>(perList));
            for (int64_t w = 0; w < perList; ++w) {
                archive.WriteString(cipher.Encode(MakeWord(next++)));
            }
        }
    }
    archive.Close();
    close(fd);
    return path;
}

// Each file is written once per run and removed when the program ends.
class DataFiles final {
public:
    ~DataFiles()
    {
        for (const auto& entry : paths_) {
            std::filesystem::remove(entry.second);
        }
    }
    const std::string& For(const Shape& shape)
    {
        auto& path = paths_[shape];
        if (path.empty()) {
            path = WriteDataFile(shape);
        }
        return path;
    }

private:
    std::map<Shape, std::string> paths_;
};

void BM_OpenDataFile(benchmark::State& state)
{
    static DataFiles files;
    const std::string& path = files.For(Shape{state.range(0), static_cast<int32_t>(state.range(1)),
                                              static_cast<int32_t>(state.range(2))});
    for (auto _ : state) {
        InsultGenerator engine;
        const int32_t opened = engine.OpenDataFile(Archive::Mode::Loading, &path, nullptr);
        if (opened == -1 || !engine.loadedOk) {
            state.SkipWithError("the data file did not load");
            break;
        }
        benchmark::DoNotOptimize(engine.styles.size());
        // The engine is destroyed inside the timing, as the program does at exit.
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

// Arguments: total words, styles, lists per style.
BENCHMARK(BM_OpenDataFile)
    ->ArgNames({"words", "styles", "lists"})
    ->Args({1'000'000, 4, 4})
    ->Args({2'000'000, 4, 4})
    ->Args({1'000'000, 1, 1})
    ->Args({1'000'000, 10, 100})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

BENCHMARK_MAIN();
