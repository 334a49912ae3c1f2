// Writes the table of figures the README shows, from the results the benchmark programs of
// `make bench` have just left (Google Benchmark's JSON, one file a program), between the
// README's two marker lines, headed by the machine and the date: the figures there are always
// those of the last run. A figure no program gave says so instead of keeping an old one.
//
// Usage: bench_table RESULTS_FOLDER README.md

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

constexpr std::string_view kStart = "<!-- make bench writes the table below; do not edit it -->";
constexpr std::string_view kEnd = "<!-- end of the table make bench writes -->";
constexpr std::string_view kNotMeasured = "not measured in the last run";

// Every benchmark of every program, by its name.
class Results final {
public:
    explicit Results(const std::filesystem::path& folder)
    {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() == ".json")
                files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            std::ifstream in(file);
            const json results = json::parse(in, nullptr, false);
            if (results.is_discarded() || !results.contains("benchmarks"))
                continue;
            if (context_.is_null())
                context_ = results["context"];
            for (const json& benchmark : results["benchmarks"])
                byName_[benchmark.value("name", "")] = benchmark;
        }
    }

    // The first whose name begins with `prefix`: the name's tail ("/iterations:1/")
    // follows from how the program registers it.
    const json* Find(const std::string& prefix) const
    {
        const auto found = byName_.lower_bound(prefix);
        return found == byName_.end() || !found->first.starts_with(prefix) ? nullptr
                                                                           : &found->second;
    }

    // Those whose names begin with `prefix`, in name order.
    std::vector<const json*> Starting(const std::string& prefix) const
    {
        std::vector<const json*> found;
        for (auto at = byName_.lower_bound(prefix);
             at != byName_.end() && at->first.starts_with(prefix); ++at)
            found.push_back(&at->second);
        return found;
    }

    const json& Context() const { return context_; }

private:
    std::map<std::string, json> byName_;
    json context_;
};

// A benchmark's time in milliseconds, wall clock or CPU.
double Milliseconds(const json& benchmark, const char* which = "real_time")
{
    const std::string unit = benchmark.value("time_unit", "ns");
    const double scale = unit == "s" ? 1e3 : unit == "ms" ? 1.0 : unit == "us" ? 1e-3 : 1e-6;
    return benchmark.value(which, 0.0) * scale;
}

double Counter(const json& benchmark, const char* name)
{
    return benchmark.value(name, 0.0);
}

// Three significant figures, no exponent: 0.142, 4.2, 85.3, 1234.
std::string Figure(double value)
{
    char text[32];
    const int decimals = value >= 100 ? 0 : value >= 10 ? 1 : value >= 1 ? 2 : 3;
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// "3.6 to 4.1" over values, or the one value.
std::string Range(std::vector<double> values)
{
    if (values.empty())
        return {};
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const std::string from = Figure(*low);
    const std::string to = Figure(*high);
    return from == to ? from : from + " to " + to;
}

struct Row {
    std::string what;
    std::string goal;
    // The figure, or nothing when the run did not measure it.
    std::function<std::optional<std::string>(const Results&)> figure;
};

std::optional<std::string> CheckFigure(const Results& results, const std::string& name,
                                       bool withMedian)
{
    const json* run = results.Find(name);
    if (run == nullptr)
        return std::nullopt;
    std::string text = Figure(Milliseconds(*run)) + " ms";
    if (withMedian)
        text += " (median " + Figure(Counter(*run, "median_ms")) + " ms)";
    return text + ", " + Figure(Counter(*run, "peak_MiB")) + " MiB peak";
}

const std::string kCheck1M = "BM_Check/words:1000000/styles:4/lists:4/";
const std::string kCheck2M = "BM_Check/words:2000000/styles:4/lists:4/";

std::optional<std::string> StartupFigure(const Results& results, const std::string& name)
{
    const json* run = results.Find(name);
    if (run == nullptr)
        return std::nullopt;
    return Figure(Counter(*run, "program_ms")) + " ms against " + Figure(Counter(*run, "bare_ms")) +
           " ms for a bare Qt dialog with one text box: " + Figure(Counter(*run, "time_ratio")) +
           " times";
}

// The range of the times, in µs, of the benchmarks whose names begin with `prefix` and end
// with `suffix`, followed by `unit`.
std::optional<std::string> MicrosecondRange(const Results& results, const std::string& prefix,
                                            const std::string& suffix, const char* which,
                                            const std::string& unit)
{
    std::vector<double> times;
    for (const json* run : results.Starting(prefix)) {
        if (run->value("name", "").ends_with(suffix))
            times.push_back(Milliseconds(*run, which) * 1e3);
    }
    if (times.empty())
        return std::nullopt;
    return Range(times) + unit;
}

std::vector<Row> Rows()
{
    return {
        {"`razzlewick-data check` of a data file of 1,000,000 words (4 styles x 4 lists), whole "
         "process, its content checks included: fastest of 15",
         "under 120 ms, under 60 MiB",
         [](const Results& r) { return CheckFigure(r, kCheck1M, true); }},
        {"the same with 2,000,000 words", "at most 2.1 times",
         [](const Results& r) -> std::optional<std::string> {
             const json* one = r.Find(kCheck1M);
             const json* two = r.Find(kCheck2M);
             if (one == nullptr || two == nullptr)
                 return std::nullopt;
             return Figure(Milliseconds(*two)) + " ms (" +
                    Figure(Milliseconds(*two) / Milliseconds(*one)) + " times the above), " +
                    Figure(Counter(*two, "peak_MiB")) + " MiB peak";
         }},
        {"the same with 1,000,000 words in one list", "under 150 ms",
         [](const Results& r) {
             return CheckFigure(r, "BM_Check/words:1000000/styles:1/lists:1/", false);
         }},
        {"the same with the shipped data file", "",
         [](const Results& r) { return CheckFigure(r, "BM_CheckShipped/", false); }},
        {"`razzlewick --print` of 3 insults from the shipped data, whole process: median of 20 "
         "runs interleaved with `razzlewick-data generate` of the same and `fortune` (Debian's, "
         "with `fortunes-min`)",
         "at most 1.5 times `generate`, 2 times `fortune`",
         [](const Results& r) -> std::optional<std::string> {
             const json* run = r.Find("BM_PrintAgainstGenerateAndFortune/");
             if (run == nullptr)
                 return std::nullopt;
             std::string text = Figure(Counter(*run, "print_ms")) + " ms against " +
                                Figure(Counter(*run, "generate_ms")) + " ms for `generate` (" +
                                Figure(Counter(*run, "to_generate")) + " times)";
             if (!run->contains("fortune_ms"))
                 return text + "; `fortune` is not installed";
             return text + " and " + Figure(Counter(*run, "fortune_ms")) + " ms for `fortune` (" +
                    Figure(Counter(*run, "to_fortune")) + " times)";
         }},
        {"peak memory of the same", "at most 2 times `fortune`",
         [](const Results& r) -> std::optional<std::string> {
             const json* run = r.Find("BM_PrintAgainstGenerateAndFortune/");
             if (run == nullptr)
                 return std::nullopt;
             std::string text = Figure(Counter(*run, "print_MiB")) + " MiB";
             if (!run->contains("fortune_MiB"))
                 return text;
             return text + " against " + Figure(Counter(*run, "fortune_MiB")) +
                    " MiB for `fortune` (" + Figure(Counter(*run, "memory_to_fortune")) + " times)";
         }},
        {"composing a batch of 500 insults from the shipped data, the four styles", "under 1 ms",
         [](const Results& r) {
             return MicrosecondRange(r, "BM_ComposeBatchOf500/", "Allowed", "real_time", " µs");
         }},
        {"the same as the window and `--print` compose it, drawing again while a word is recent",
         "under 1 ms",
         [](const Results& r) {
             return MicrosecondRange(r, "BM_ComposeBatchOf500/", "AvoidRecent", "cpu_time",
                                     " µs of CPU");
         }},
        {"counting the combinations of the four shipped styles, as every start does; of a list "
         "of a million words without placeholders",
         "",
         [](const Results& r) -> std::optional<std::string> {
             const json* shipped = r.Find("BM_CountShippedStyles");
             const json* million = r.Find("BM_CountMillionPlainWords");
             if (shipped == nullptr || million == nullptr)
                 return std::nullopt;
             return Figure(Milliseconds(*shipped)) + " ms; " + Figure(Milliseconds(*million)) +
                    " ms";
         }},
        {"a press of 500 and of 32,767 insults from a chain of 50,000 lists whose every word "
         "names the next",
         "250 ms a press of 500",
         [](const Results& r) -> std::optional<std::string> {
             const json* small = r.Find("BM_ComposeChainedLists/500");
             const json* large = r.Find("BM_ComposeChainedLists/32767");
             if (small == nullptr || large == nullptr)
                 return std::nullopt;
             return Figure(Milliseconds(*small)) + " ms; " + Figure(Milliseconds(*large)) + " ms";
         }},
        {"composing the largest batch (32,767 insults) from a style of 50,000 empty lists", "",
         [](const Results& r) -> std::optional<std::string> {
             const json* run = r.Find("BM_ComposeManyEmptyLists");
             if (run == nullptr)
                 return std::nullopt;
             return Figure(Milliseconds(*run)) + " ms";
         }},
        {"a favourites file of 100,000 insults (9.4 MB): the Favourites window from its "
         "construction to its first paint (offscreen), mean of 5",
         "under 0.5 s",
         [](const Results& r) -> std::optional<std::string> {
             const json* run = r.Find("BM_FavouritesWindowOpens");
             if (run == nullptr)
                 return std::nullopt;
             return Figure(Milliseconds(*run)) + " ms";
         }},
        {"the same file: `razzlewick --print --favourite`, whole process, mean of 20",
         "under 20 ms",
         [](const Results& r) -> std::optional<std::string> {
             const json* run = r.Find("BM_PrintFavourite");
             if (run == nullptr)
                 return std::nullopt;
             return Figure(Milliseconds(*run)) + " ms, " +
                    Figure(Counter(*run, "peak_KiB") / 1024) + " MiB peak";
         }},
        {"the combination label", "",
         [](const Results& r) -> std::optional<std::string> {
             const json* run = r.Find("BM_FormatCombinations");
             if (run == nullptr)
                 return std::nullopt;
             return Figure(Milliseconds(*run) * 1e3) + " µs";
         }},
        {"one press of Again at 500 insults, composed and shown in the main window (offscreen): "
         "the shipped Arabian / with a 21-level nested file merged in / those nested words "
         "alone, every insult stopped at its bound / every insult a line of words as long as "
         "the bound",
         "under 100 ms",
         [](const Results& r) -> std::optional<std::string> {
             std::vector<std::string> figures;
             for (const char* name :
                  {"BM_ShowBatch/ShippedArabian", "BM_ShowBatch/NestedFileMerged",
                   "BM_ShowBatch/NestedWordsOnly", "BM_ShowBatch/EveryInsultAtTheBound"}) {
                 const json* run = r.Find(name);
                 if (run == nullptr)
                     return std::nullopt;
                 figures.push_back(Figure(Milliseconds(*run)));
             }
             return figures[0] + " / " + figures[1] + " / " + figures[2] + " / " + figures[3] +
                    " ms";
         }},
        {"start-up to the first painted main window (offscreen, fastest of ten)", "1.3 times",
         [](const Results& r) { return StartupFigure(r, "BM_StartupToFirstPaint/"); }},
        {"the same at 200 % (`QT_SCALE_FACTOR=2`)", "1.5 times",
         [](const Results& r) { return StartupFigure(r, "BM_StartupToFirstPaintAt200Percent/"); }},
        {"peak memory at start-up, against the bare dialog plus the data", "1.3 times",
         [](const Results& r) -> std::optional<std::string> {
             const json* run = r.Find("BM_StartupToFirstPaint/");
             if (run == nullptr)
                 return std::nullopt;
             return Figure(Counter(*run, "program_MiB")) + " MiB against " +
                    Figure(Counter(*run, "bare_MiB")) +
                    " MiB: " + Figure(Counter(*run, "memory_ratio")) + " times";
         }},
        {"the window's start-up begun by `razzlewick`, which loads the window library, against "
         "a launcher with the window built in",
         "at most 2 ms",
         [](const Results& r) -> std::optional<std::string> {
             const json* run = r.Find("BM_StartupToFirstPaint/");
             if (run == nullptr)
                 return std::nullopt;
             return Figure(Counter(*run, "handover_ms")) + " ms more";
         }},
    };
}

// The large and hostile inputs, one row each: what each program took and held, as a user
// starts it with the input in its data folder.
std::vector<std::string> LargeInputLines(const Results& results)
{
    std::vector<std::string> lines;
    std::string input;
    for (const char* prefix : {"SparseGigabyteWord/", "EmptyLists8MB/", "Styles", "Impossible",
                               "Settings1GiB/", "Settings100GiB/"}) {
        for (const json* run : results.Starting(prefix)) {
            const std::string name = run->value("name", "");
            const std::string thisInput = name.substr(0, name.find('/'));
            const auto whatEnd = name.find('/', thisInput.size() + 1);
            const std::string what =
                name.substr(thisInput.size() + 1, whatEnd - thisInput.size() - 1);
            if (thisInput != input) {
                input = thisInput;
                lines.push_back("| " + input + " (" + Figure(Counter(*run, "data_MiB")) +
                                " MiB of data) |");
            }
            lines.back() += " " + what + ": " + Figure(Milliseconds(*run)) + " ms, " +
                            Figure(Counter(*run, "peak_MiB")) + " MiB;";
        }
    }
    for (std::string& line : lines) {
        line.pop_back();
        line += " |";
    }
    return lines;
}

std::string CpuModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.starts_with("model name")) {
            const auto colon = line.find(':');
            return colon == std::string::npos ? std::string() : line.substr(colon + 2);
        }
    }
    return "an unknown processor";
}

std::string Table(const Results& results)
{
    const json& context = results.Context();
    std::string load;
    if (context.contains("load_avg") && !context["load_avg"].empty())
        load = ", at a load of " + Figure(context["load_avg"][0].get<double>());
    std::ostringstream out;
    std::string date = context.value("date", "an unknown date");
    std::replace(date.begin(), date.end(), 'T', ' ');
    out << kStart << "\n\nMeasured by `make bench` on " << date << ", on " << CpuModel() << " ("
        << context.value("num_cpus", 0) << " cores" << load << "), " << RAZZLEWICK_BUILD_TYPE
        << " build:\n\n"
        << "| what | figure | goal |\n|---|---|---|\n";
    for (const Row& row : Rows()) {
        const std::optional<std::string> figure = row.figure(results);
        out << "| " << row.what << " | " << figure.value_or(std::string(kNotMeasured)) << " | "
            << row.goal << " |\n";
    }
    if (const std::vector<std::string> lines = LargeInputLines(results); !lines.empty()) {
        out << "\nLarge, sparse and hostile inputs in a data folder of their own, met by "
               "`razzlewick --print`, `razzlewick-data check` (or `dump`) and the window to its "
               "first paint (fastest of three; goal: at most 8 times the data and 32 MiB "
               "besides, 64 MiB and 1 s for a sparse file):\n\n"
            << "| input | time and peak memory |\n|---|---|\n";
        for (const std::string& line : lines)
            out << line << '\n';
    }
    out << '\n' << kEnd;
    return out.str();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: bench_table RESULTS_FOLDER README.md\n";
        return 2;
    }
    std::ifstream in(argv[2]);
    std::stringstream text;
    text << in.rdbuf();
    std::string readme = text.str();
    const auto start = readme.find(kStart);
    const auto end = readme.find(kEnd);
    if (start == std::string::npos || end == std::string::npos || end < start) {
        std::cerr << "bench_table: " << argv[2] << " has no marker lines for the table\n";
        return 1;
    }
    readme.replace(start, end + kEnd.size() - start, Table(Results(argv[1])));
    const std::string temporary = std::string(argv[2]) + ".bench";
    std::ofstream(temporary) << readme;
    std::filesystem::rename(temporary, argv[2]);
    std::cout << "bench_table: the table in " << argv[2] << " now shows this run's figures\n";
    return 0;
}
