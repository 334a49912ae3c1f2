#pragma once

#include "data/LoadResult.h"
#include "ui/ResizableDialog.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace razzlewick {

// Shown before the main window when the data files did not all load: lists the load
// report, one line per file and the closing line, and lets the user go on with what did
// load (only when something did), leave the program, or open the About box. When nothing
// loaded it also offers to load again, as a file that was locked may be free by now.
class StartupProblemsDialog final : public ResizableDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartupProblemsDialog)

public:
    // Loads the data files afresh into a new report; true when every file was read.
    using Reload = std::function<bool(std::vector<LoadResult>& report)>;

    // Keeps only the text and the number of files read, not the report itself. Without
    // `reload` there is nothing to try again.
    StartupProblemsDialog(const std::vector<LoadResult>& report, QWidget* parent,
                          Reload reload = {});
    ~StartupProblemsDialog() override;

    // "path - message" per file line (the file with the folder it was found in, and the
    // hint when there is one), the bare message for a closing line; each line ends in CR LF.
    static std::string FormatReport(const std::vector<LoadResult>& report);

    const std::string& ReportText() const { return reportText_; }
    int32_t SuccessCount() const { return successCount_; }

protected:
    void BeforeFirstShow() override;

private:
    void OnAbout();
    // Loads again: a clean load goes on at once, anything else shows the new report.
    void OnTryAgain();
    void TakeReport(const std::vector<LoadResult>& report);
    // The report in the box and the buttons that fit it.
    void ShowReport();

    Reload reload_;
    int32_t successCount_ = 0;
    std::string reportText_;
};

}  // namespace razzlewick
