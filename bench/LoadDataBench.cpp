// How long reading a data file takes and how much memory it needs: generated files of
// styles x lists holding the given number of distinct words in all, and the shipped file.
// Each is read in this process through OpenDataFile into a fresh engine, and as a whole
// `razzlewick-data check` process, whose peak memory is reported. The run ends with the
// ratio of the 2M-word time to the 1M-word time.
#include "bench/ProcessTiming.h"
#include "data/Archive.h"
#include "data/InsultGenerator.h"
#include "data/WordCipher.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

using namespace razzlewick;

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
void WriteDataFile(const Shape& shape, const std::string& path)
{
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
}

// Each file is written once per run into a private folder, removed when the program ends.
class DataFiles final {
public:
    ~DataFiles()
    {
        if (!folder_.empty()) {
            std::filesystem::remove_all(folder_);
        }
    }
    const std::string& For(const Shape& shape)
    {
        auto& path = paths_[shape];
        if (path.empty()) {
            path = Folder() + "/" + std::to_string(shape.totalWords) + "-" +
                   std::to_string(shape.styles) + "x" + std::to_string(shape.listsPerStyle) +
                   ".dat";
            WriteDataFile(shape, path);
        }
        return path;
    }

private:
    const std::string& Folder()
    {
        if (folder_.empty()) {
            std::string pattern =
                (std::filesystem::temp_directory_path() / "razzlewick-bench-XXXXXX").string();
            if (mkdtemp(pattern.data()) == nullptr) {
                std::abort();
            }
            folder_ = pattern;
        }
        return folder_;
    }

    std::string folder_;
    std::map<Shape, std::string> paths_;
};

DataFiles& Files()
{
    static DataFiles files;
    return files;
}

Shape ShapeOf(const benchmark::State& state)
{
    return Shape{state.range(0), static_cast<int32_t>(state.range(1)),
                 static_cast<int32_t>(state.range(2))};
}

// Seconds per load of the last measured run of each benchmark, for the closing ratios.
std::map<std::string, double>& Seconds()
{
    static std::map<std::string, double> seconds;
    return seconds;
}

std::string Key(const char* kind, const Shape& shape)
{
    return std::string(kind) + " " + std::to_string(shape.totalWords) + " " +
           std::to_string(shape.styles) + "x" + std::to_string(shape.listsPerStyle);
}

// Shipped data: no shape, so no entry for the ratios.
constexpr Shape kShipped{0, 0, 0};

void LoadInProcess(benchmark::State& state, const std::string& path, const Shape& shape)
{
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        InsultGenerator engine;
        if (!engine.OpenDataFile(Archive::Mode::Loading, &path).Succeeded()) {
            state.SkipWithError("the data file did not load");
            break;
        }
        benchmark::DoNotOptimize(engine.Styles().size());
        // The engine is destroyed inside the timing, as the program does at exit.
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (state.iterations() > 0) {
        Seconds()[Key("load", shape)] = elapsed.count() / static_cast<double>(state.iterations());
    }
}

// Whole `razzlewick-data check` processes: the fastest and the median of several, since
// other work on the machine only ever adds time; the peak memory of the largest.
void CheckProcess(benchmark::State& state, const std::string& path, const Shape& shape)
{
    const std::vector<std::string> argv = {std::string(RAZZLEWICK_BIN_FOLDER) + "/razzlewick-data",
                                           "check", path};
    std::vector<TimedRun> runs;
    for (auto _ : state) {
        runs = RunSorted(argv, 15);
        state.SetIterationTime(runs.front().seconds);
    }
    long peakKiB = 0;
    for (const TimedRun& run : runs) {
        peakKiB = std::max(peakKiB, run.peakKiB);
    }
    state.counters["median_ms"] = runs[runs.size() / 2].seconds * 1000;
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
    Seconds()[Key("check", shape)] = runs.front().seconds;
}

void BM_Load(benchmark::State& state)
{
    LoadInProcess(state, Files().For(ShapeOf(state)), ShapeOf(state));
}

void BM_Check(benchmark::State& state)
{
    CheckProcess(state, Files().For(ShapeOf(state)), ShapeOf(state));
}

void BM_LoadShipped(benchmark::State& state)
{
    LoadInProcess(state, RAZZLEWICK_DATA_FILE, kShipped);
}

void BM_CheckShipped(benchmark::State& state)
{
    CheckProcess(state, RAZZLEWICK_DATA_FILE, kShipped);
}

// 2M words against 1M words, both in 4 styles x 4 lists.
void PrintRatio(const char* what, const char* kind)
{
    const auto& seconds = Seconds();
    const auto one = seconds.find(Key(kind, Shape{1'000'000, 4, 4}));
    const auto two = seconds.find(Key(kind, Shape{2'000'000, 4, 4}));
    if (one != seconds.end() && two != seconds.end() && one->second > 0) {
        std::printf("2M/1M words, %s: %.2f\n", what, two->second / one->second);
    }
}

}  // namespace

// Arguments: total words, styles, lists per style. The whole processes run first, while
// this process is still small.
BENCHMARK(BM_Check)
    ->ArgNames({"words", "styles", "lists"})
    ->Args({1'000'000, 4, 4})
    ->Args({2'000'000, 4, 4})
    ->Args({1'000'000, 1, 1})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckShipped)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)
    ->ArgNames({"words", "styles", "lists"})
    ->Args({1'000'000, 4, 4})
    ->Args({2'000'000, 4, 4})
    ->Args({1'000'000, 1, 1})
    ->Args({1'000'000, 10, 100})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_LoadShipped)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintRatio("in this process", "load");
    PrintRatio("whole check process", "check");
    return 0;
}
