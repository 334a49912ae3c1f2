#include "app/DataFilesDialog.h"

#include "app/AuthorPicture.h"
#include "app/OpenFolder.h"
#include "cli/StyleTabs.h"
#include "data/DataFolders.h"
#include "data/InsultGenerator.h"
#include "data/SearchReport.h"
#include "data/Windows1252.h"
#include "generate/FormatCombinations.h"
#include "platform/FileSystem.h"
#include "platform/qt/MessageBox.h"
#include "resources/templates/ResourceIds.h"
#include "ui/DisplayText.h"
#include "ui/DrawnButton.h"
#include "ui/Pictures.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>

#include <algorithm>
#include <utility>

namespace razzlewick {

DataFilesDialog::DataFilesDialog(const InsultGenerator& engine, int32_t level, QWidget* parent,
                                 Reload reload)
    : ResizableDialog(IDD_DATA_FILES, parent),
      engine_(engine),
      level_(level),
      reload_(std::move(reload)),
      report_(RequireControl<QPlainTextEdit>(IDC_DATA_REPORT)),
      text_(ReportText(engine, level))
{
    auto* reloadButton = RequireControl<DrawnButton>(IDC_RELOAD_DATA);
    reloadButton->setEnabled(static_cast<bool>(reload_));
    connect(reloadButton, &QAbstractButton::clicked, this, &DataFilesDialog::OnReload);
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
    if (engine.Styles().empty())
        text += "  none\n";
    for (const auto& [key, style] : engine.Styles()) {
        const std::string name = Windows1252ToUtf8(key);
        text += "  " + name + " - " + FormatCombinations(style.CombinationCount());
        const bool builtIn = std::any_of(StyleTabs::kNames.begin(), StyleTabs::kNames.end(),
                                         [&](const char* tab) { return key == tab; });
        if (StyleTabs::Withholds(level, key))
            text += "; withheld until the offensiveness level is raised";
        // The styles of the user's own tell where they come from and where their picture goes.
        if (!builtIn) {
            std::string files;
            for (const std::string& file : style.Files())
                files += (files.empty() ? "" : ", ") + platform::AbsolutePath(file);
            if (!files.empty())
                text += "; from " + files;
            const std::string picture = AuthorPicture(style, key);
            text += picture.empty() ? "; no picture of its own (" + name + ".svg or " + name +
                                          ".png beside its data file)"
                                    : "; picture " + platform::AbsolutePath(picture);
        }
        text += "\n";
    }
    return text;
}

void DataFilesDialog::BeforeFirstShow()
{
    ResizableDialog::BeforeFirstShow();
    for (int id : {IDC_COPY_REPORT, IDC_OPEN_STYLES_FOLDER, IDC_RELOAD_DATA, IDCANCEL})
        RequireControl<DrawnButton>(id)->SetOutline(OutlineKind::Capsule);
    setWindowIcon(ProgramIcon());
    report_->setPlainText(FileSystemTextToDisplay(text_));
    report_->setAccessibleName(QStringLiteral("Data files report"));
    AddAnchor(IDC_DATA_REPORT, StretchWidth | StretchHeight);
    AddAnchor(IDC_COPY_REPORT, MoveDown);
    AddAnchor(IDC_OPEN_STYLES_FOLDER, MoveDown);
    AddAnchor(IDC_RELOAD_DATA, MoveDown);
    AddAnchor(IDCANCEL, MoveRight | MoveDown);
}

void DataFilesDialog::OnReload()
{
    reload_();
    text_ = ReportText(engine_, level_);
    report_->setPlainText(FileSystemTextToDisplay(text_));
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
    MakeAndOpenFolder(this, folder);
}

}  // namespace razzlewick
