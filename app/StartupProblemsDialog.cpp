#include "app/StartupProblemsDialog.h"

#include "about/ProductInfo.h"
#include "resources/templates/ResourceIds.h"
#include "ui/DisplayText.h"
#include "ui/DrawnButton.h"
#include "ui/Pictures.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace razzlewick {

StartupProblemsDialog::StartupProblemsDialog(const std::vector<LoadResult>& report, QWidget* parent)
    : ResizableDialog(IDD_STARTUP_PROBLEMS, parent), reportText_(FormatReport(report))
{
    for (const LoadResult& line : report) {
        if (!line.failed)
            ++successCount_;
    }
    connect(RequireControl<DrawnButton>(IDC_ABOUT), &QAbstractButton::clicked, this,
            &StartupProblemsDialog::OnAbout);
    connect(RequireControl<DrawnButton>(IDOK), &QAbstractButton::clicked, this, &QDialog::accept);
    connect(RequireControl<DrawnButton>(IDCANCEL), &QAbstractButton::clicked, this,
            &QDialog::reject);
}

StartupProblemsDialog::~StartupProblemsDialog() = default;

std::string StartupProblemsDialog::FormatReport(const std::vector<LoadResult>& report)
{
    std::string text;
    for (const LoadResult& line : report) {
        if (!line.fileName.empty())
            text += line.fileName + " - ";
        text += line.message + "\r\n";
    }
    return text;
}

void StartupProblemsDialog::BeforeFirstShow()
{
    ResizableDialog::BeforeFirstShow();
    for (int id : {IDOK, IDCANCEL, IDC_ABOUT}) {
        RequireControl<DrawnButton>(id)->SetOutline(OutlineKind::Capsule);
    }
    setWindowIcon(ProgramIcon());
    auto* report = RequireControl<QPlainTextEdit>(IDC_REPORT);
    // The caption above the report names it for screen readers.
    RequireControl<QLabel>(IDC_STATIC)->setBuddy(report);
    // A multi-line box without horizontal scrolling wraps long lines at its width.
    report->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    report->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    report->setPlainText(FileSystemTextToDisplay(reportText_));
    RequireControl<DrawnButton>(IDOK)->setEnabled(successCount_ > 0);
}

void StartupProblemsDialog::OnAbout()
{
    TheProductInfo().ShowAbout();
}

}  // namespace razzlewick
