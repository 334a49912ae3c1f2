#include "app/DataFilesDialog.h"

#include "about/CHyperLink.h"
#include "about/ShellOpen.h"
#include "cli/StyleTabs.h"
#include "data/DataFolders.h"
#include "data/InsultGenerator.h"
#include "data/SearchReport.h"
#include "data/Windows1252.h"
#include "generate/FormatCombinations.h"
#include "platform/FileSystem.h"
#include "platform/LaunchCodes.h"
#include "platform/qt/MessageBox.h"
#include "resources/templates/ResourceIds.h"
#include "ui/DisplayText.h"
#include "ui/DrawnButton.h"
#include "ui/Pictures.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace razzlewick {

DataFilesDialog::DataFilesDialog(const InsultGenerator& engine, int32_t level, QWidget* parent)
    : ResizableDialog(IDD_DATA_FILES, parent),
      report_(RequireControl<QPlainTextEdit>(IDC_DATA_REPORT)),
      text_(ReportText(engine, level))
{
    connect(RequireControl<DrawnButton>(IDC_COPY_REPORT), &QAbstractButton::clicked, this,
            &DataFilesDialog::OnCopy);
    connect(RequireControl<DrawnButton>(IDC_OPEN_STYLES_FOLDER), &QAbstractButton::clicked, this,
            &DataFilesDialog::OnOpenStylesFolder);
    connect(RequireControl<DrawnButton>(IDCANCEL), &QAbstractButton::clicked, this,
            &QDialog::reject);
}

DataFilesDialog::~DataFilesDialog() = default;

std::string DataFilesDialog::ReportText(const InsultGenerator& engine, int32_t level)
{
    std::string text = FormatSearchReport(engine) + "\nStyles:\n";
    if (engine.styles.empty())
        text += "  none\n";
    for (const auto& [key, style] : engine.styles) {
        const std::string name = Windows1252ToUtf8(key);
        text += "  " + name + " - " + FormatCombinations(style->combinationCount);
        const bool onTab = std::any_of(StyleTabs::kNames.begin(), StyleTabs::kNames.end(),
                                       [&](const char* tab) { return key == tab; });
        if (StyleTabs::Withholds(level, key))
            text += "; withheld until the offensiveness level is raised";
        else if (!onTab)
            text += "; no tab shows it: razzlewick --print --style \"" + name + "\"";
        text += "\n";
    }
    return text;
}

void DataFilesDialog::BeforeFirstShow()
{
    ResizableDialog::BeforeFirstShow();
    for (int id : {IDC_COPY_REPORT, IDC_OPEN_STYLES_FOLDER, IDCANCEL})
        RequireControl<DrawnButton>(id)->SetOutline(OutlineKind::Capsule);
    setWindowIcon(ProgramIcon());
    report_->setPlainText(FileSystemTextToDisplay(text_));
    report_->setAccessibleName(QStringLiteral("Data files report"));
    AddAnchor(IDC_DATA_REPORT, StretchWidth | StretchHeight);
    AddAnchor(IDC_COPY_REPORT, MoveDown);
    AddAnchor(IDC_OPEN_STYLES_FOLDER, MoveDown);
    AddAnchor(IDCANCEL, MoveRight | MoveDown);
}

void DataFilesDialog::OnCopy()
{
    // Paths need not fit the program's 8-bit text, so the text goes as it is shown.
    QGuiApplication::clipboard()->setText(report_->toPlainText());
}

void DataFilesDialog::OnOpenStylesFolder()
{
    const std::string folder = UserDataFolder();
    if (folder.empty()) {
        platform::ShowMessageBox(this,
                                 QStringLiteral("No home folder is known, so there is no folder "
                                                "for styles of your own."),
                                 platform::MessageIcon::Exclamation);
        return;
    }
    if (!platform::MakeFolders(folder)) {
        const int error = errno;
        platform::ShowMessageBox(
            this,
            QStringLiteral("Cannot create the folder %1:\n%2")
                .arg(FileSystemTextToDisplay(folder), QString::fromLocal8Bit(std::strerror(error))),
            platform::MessageIcon::Exclamation);
        return;
    }
    if (const int code = ShellOpenResult(folder, false); !platform::LaunchSucceeded(code))
        CHyperLink::ShowOpenError(code);
}

}  // namespace razzlewick
