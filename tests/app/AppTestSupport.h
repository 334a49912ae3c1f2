#pragma once

#include "data/InsultGenerator.h"
#include "tests/support/ConfigHome.h"

#include <QString>

#include <string>
#include <vector>

// Shared set-up of the main-window and start-up tests: a private settings folder and
// styles made in code, in an engine or written to a data file.
namespace apptest {

// A settings folder of the test's own (see ScopedConfigHome), read and written an integer
// of section "settings" of Razzlewick.ini at a time.
class TempSettings final {
public:
    void Set(const char* key, int value) const;
    // Replaces the whole settings file, for values the program itself would never write.
    void WriteFile(const std::string& contents) const;
    int Get(const char* key, int defaultValue) const;

private:
    ScopedConfigHome configHome_;
};

struct StyleFixture final {
    std::string name;
    std::string templateText;
    std::vector<std::vector<std::string>> lists;  // list k fills placeholder %k
    std::string key{};                            // when it differs from the name
};

// Adds the styles to the engine, with their combination counts.
void AddStyles(razzlewick::InsultGenerator& engine, const std::vector<StyleFixture>& styles);

// Writes a data file holding the styles; false when it could not be written.
bool WriteDataFile(const std::string& path, const std::vector<StyleFixture>& styles);

// Two small styles named like the first two tabs and two like the coarser ones.
std::vector<StyleFixture> FourStyles();

// The Windows-1252 engine text in Unicode (CR LF kept).
QString FromEngineText(const std::string& text);
// The engine text as the clipboard receives it: LF line ends, no break after the last line.
QString AsCopied(const std::string& text);

}  // namespace apptest
