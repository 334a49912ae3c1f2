#pragma once

#include "data/LoadResult.h"
#include "ui/ResizableDialog.h"

#include <cstdint>
#include <string>
#include <vector>

namespace razzlewick {

// Shown before the main window when the data files did not all load: lists the load
// report, one line per file and the closing line, and lets the user go on with what did
// load (only when something did), leave the program, or open the About box.
class StartupProblemsDialog final : public ResizableDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartupProblemsDialog)

public:
    // Keeps only the text and the number of files read, not the report itself.
    StartupProblemsDialog(const std::vector<LoadResult>& report, QWidget* parent);
    ~StartupProblemsDialog() override;

    // "name - message" per file line, the bare message for a closing line; each line
    // ends in CR LF.
    static std::string FormatReport(const std::vector<LoadResult>& report);

    const std::string& ReportText() const { return reportText_; }
    int32_t SuccessCount() const { return successCount_; }

protected:
    void BeforeFirstShow() override;

private:
    void OnAbout();

    int32_t successCount_ = 0;
    std::string reportText_;
};

}  // namespace razzlewick
