// Data folders and settings files that are large, sparse or hostile, each met by the
// programs as a user starts them: `razzlewick --print`, `razzlewick-data check` (or dump) and
// the window to its first painted dialog (offscreen), one file at a time in a data folder of
// its own. Reports the fastest of three runs and the peak memory, against the goals of at
// most 8 times the files' size and 32 MiB besides, and 64 MiB and 1 s for sparse files.
#include "bench/ProcessTiming.h"
#include "data/WordCipher.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

namespace fs = std::filesystem;

// Data-file bytes value by value, as the reader takes them.
class Bytes final {
public:
    Bytes& Int32(int32_t value)
    {
        const auto bits = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            data_.push_back(static_cast<char>(bits >> shift));
        return *this;
    }
    Bytes& Version()
    {
        data_.append("\xCD\xCC\x4C\x40");
        return *this;
    }
    // Short strings only: one length byte.
    Bytes& String(const std::string& text)
    {
        data_.push_back(static_cast<char>(text.size()));
        data_.append(text);
        return *this;
    }
    Bytes& Raw(const std::string& bytes)
    {
        data_.append(bytes);
        return *this;
    }
    const std::string& Data() const { return data_; }

private:
    std::string data_;
};

// One input: a data file (or none), a settings file (or none), and the sparse size either
// is stretched to.
struct Input {
    std::string name;
    std::string data;
    uint64_t dataSparseSize = 0;
    uint64_t settingsSparseSize = 0;
};

std::string Key(const char* prefix, int i)
{
    char key[16];
    std::snprintf(key, sizeof key, "%s%06d", prefix, i);
    return key;
}

std::vector<Input> Inputs()
{
    std::vector<Input> inputs;
    {
        Bytes word;
        word.Version().Int32(1).String("Big").String("Big").String("%0").Int32(1);
        word.Int32(0).Int32(1).Raw("\xFF\xFF\xFF").Int32(1'000'000'000);
        inputs.push_back({"SparseGigabyteWord", word.Data(), word.Data().size() + 1'000'000'000});
    }
    {
        Bytes lists;
        lists.Version().Int32(1).String("Lists").String("Lists").String("%0").Int32(1'000'000);
        for (int32_t i = 0; i < 1'000'000; ++i)
            lists.Int32(i).Int32(0);
        inputs.push_back({"EmptyLists8MB", lists.Data()});
    }
    for (const int count : {20'000, 40'000, 1'000'000}) {
        Bytes styles;
        styles.Version().Int32(count);
        for (int i = 0; i < count; ++i)
            styles.String(Key("S", i)).String("").String("").Int32(0);
        inputs.push_back({"Styles" + std::to_string(count), styles.Data()});
    }
    {
        Bytes impossible;
        impossible.Version().Int32(INT32_MAX).String("One").String("One").String("%0 here");
        impossible.Int32(1).Int32(0).Int32(1).String(WordCipher().Encode("word"));
        inputs.push_back({"ImpossibleStyleCount", impossible.Data()});
    }
    inputs.push_back({"Settings1GiB", {}, 0, uint64_t{1} << 30});
    inputs.push_back({"Settings100GiB", {}, 0, uint64_t{100} << 30});
    return inputs;
}

// The input laid out in a folder of its own, with an empty current folder to run in.
RunPlace Prepare(const fs::path& root, const Input& input, uint64_t& dataSize)
{
    const fs::path folder = root / input.name;
    fs::create_directories(folder / "data/razzlewick");
    fs::create_directories(folder / "config/razzlewick");
    fs::create_directories(folder / "none");
    fs::create_directories(folder / "cwd");
    dataSize = fs::file_size(fs::path(RAZZLEWICK_BIN_FOLDER) / "insltdat.dat");
    if (!input.data.empty()) {
        const fs::path file = folder / "data/razzlewick/input.dat";
        std::ofstream(file, std::ios::binary) << input.data;
        if (input.dataSparseSize != 0 &&
            truncate(file.c_str(), static_cast<off_t>(input.dataSparseSize)) != 0)
            std::abort();
        dataSize += fs::file_size(file);
    }
    if (input.settingsSparseSize != 0) {
        const fs::path file = folder / "config/razzlewick/Razzlewick.ini";
        std::ofstream(file) << "[settings]\nnum=3\n";
        if (truncate(file.c_str(), static_cast<off_t>(input.settingsSparseSize)) != 0)
            std::abort();
    }
    return {{"XDG_DATA_HOME=" + (folder / "data").string(),
             "XDG_DATA_DIRS=" + (folder / "none").string(),
             "XDG_CONFIG_HOME=" + (folder / "config").string(), "QT_QPA_PLATFORM=offscreen"},
            (folder / "cwd").string()};
}

void Measure(benchmark::State& state, const std::vector<std::string>& argv, const RunPlace& place,
             uint64_t dataSize)
{
    TimedRun best{1e9, 0};
    for (auto _ : state) {
        for (int i = 0; i < 3; ++i) {
            const TimedRun run = RunOnceIn(argv, place);
            best.seconds = std::min(best.seconds, run.seconds);
            best.peakKiB = std::max(best.peakKiB, run.peakKiB);
        }
        state.SetIterationTime(best.seconds);
    }
    state.counters["peak_MiB"] = static_cast<double>(best.peakKiB) / 1024.0;
    state.counters["data_MiB"] = static_cast<double>(dataSize) / (1 << 20);
}

fs::path& Scratch()
{
    static fs::path root = [] {
        std::string pattern = (fs::temp_directory_path() / "razzlewick-large-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        return fs::path(pattern);
    }();
    return root;
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const std::string bin = RAZZLEWICK_BIN_FOLDER;
    const std::string print = bin + "/razzlewick";
    const std::string tool = bin + "/razzlewick-data";
    const std::string window = bin + "/bench_startup_razzlewick";
    for (const Input& input : Inputs()) {
        uint64_t dataSize = 0;
        const RunPlace place = Prepare(Scratch(), input, dataSize);
        const std::string file = Scratch() / input.name / "data/razzlewick/input.dat";
        std::vector<std::pair<std::string, std::vector<std::string>>> runs;
        if (input.name == "ImpossibleStyleCount") {
            runs.push_back({"dump", {tool, "dump", file}});
        } else {
            runs.push_back({"print", {print, "--print", "--style", "Arabian"}});
            if (!input.data.empty())
                runs.push_back({"check", {tool, "check", file}});
            runs.push_back({"window", {window}});
        }
        for (const auto& [what, command] : runs) {
            benchmark::RegisterBenchmark(
                (input.name + "/" + what).c_str(),
                [command = command, place, dataSize](benchmark::State& state) {
                    Measure(state, command, place, dataSize);
                })
                ->UseManualTime()
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(Scratch());
    return 0;
}
