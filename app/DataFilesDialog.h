#pragma once

#include "ui/ResizableDialog.h"

#include <cstdint>
#include <string>

class QPlainTextEdit;

namespace razzlewick {

class InsultGenerator;

// Help > Data files...: what the start-up search found, folder by folder and file by file,
// then every style with its combination count and whether the offensiveness level withholds
// it, to read and to copy; and the way to the user's own folder for styles.
class DataFilesDialog final : public ResizableDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataFilesDialog)

public:
    // The text is made once, from the engine and the level in force.
    DataFilesDialog(const InsultGenerator& engine, int32_t level, QWidget* parent);
    ~DataFilesDialog() override;

    // The search report and the styles, with "\n" breaks: paths as the file system holds
    // them, style keys in UTF-8.
    static std::string ReportText(const InsultGenerator& engine, int32_t level);

protected:
    void BeforeFirstShow() override;

private:
    void OnCopy();
    // Makes the user's folder when it is missing and opens it as a link would be opened.
    void OnOpenStylesFolder();

    QPlainTextEdit* report_;
    std::string text_;
};

}  // namespace razzlewick
