#pragma once

#include "data/InsultGenerator.h"

#include <QString>
#include <QTemporaryDir>

#include <string>
#include <vector>

// Shared set-up of the main-window and start-up tests: a private settings folder and
// styles made in code, in an engine or written to a data file.
namespace apptest {

// Points XDG_CONFIG_HOME at a fresh temporary folder for the life of the object.
class TempSettings final {
public:
    TempSettings();
    ~TempSettings();
    TempSettings(const TempSettings&) = delete;
    TempSettings& operator=(const TempSettings&) = delete;

    // Writes an integer to section "settings" of Razzlewick.ini.
    void Set(const char* key, int value) const;
    int Get(const char* key, int defaultValue) const;

private:
    QTemporaryDir folder_;
    QByteArray previous_;
    bool hadPrevious_ = false;
};

struct StyleFixture final {
    std::string name;
    std::string templateText;
    std::vector<std::vector<std::string>> lists;  // list k fills placeholder %k
};

// Adds the styles to the engine, with their combination counts.
void AddStyles(InsultGenerator& engine, const std::vector<StyleFixture>& styles);

// Writes a data file holding the styles; false when it could not be written.
bool WriteDataFile(const std::string& path, const std::vector<StyleFixture>& styles);

// Two small styles named like the first two tabs and two like the coarser ones.
std::vector<StyleFixture> FourStyles();

// The Windows-1252 engine text as the text box and clipboard show it (CR LF kept).
QString FromEngineText(const std::string& text);

}  // namespace apptest
