#pragma once

#include "ui/ResizableDialog.h"

#include <cstdint>
#include <functional>
#include <string>

class QPlainTextEdit;

namespace razzlewick {

class InsultGenerator;

// Help > Data files...: what the last search found, folder by folder and file by file,
// then every style with its combination count and whether the offensiveness level withholds
// it, to read and to copy; the way to the user's own folder for styles; and a new search.
class DataFilesDialog final : public ResizableDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataFilesDialog)

public:
    // Reads the data files again into the engine (the main window's, which also renews its
    // tabs).
    using Reload = std::function<void()>;

    // The text is made from the engine and the level in force, and again after each reload.
    // Without `reload` the Reload button is disabled.
    DataFilesDialog(const InsultGenerator& engine, int32_t level, QWidget* parent,
                    Reload reload = {});
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
    void OnReload();

    const InsultGenerator& engine_;
    int32_t level_;
    Reload reload_;
    QPlainTextEdit* report_;
    std::string text_;
};

}  // namespace razzlewick
