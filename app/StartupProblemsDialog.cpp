#include "app/StartupProblemsDialog.h"

#include "about/ProductInfo.h"
#include "platform/qt/WaitCursor.h"
#include "resources/templates/ResourceIds.h"
#include "ui/DisplayText.h"
#include "ui/DrawnButton.h"
#include "ui/Pictures.h"
#include "ui/ShowControl.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <utility>

namespace razzlewick {

StartupProblemsDialog::StartupProblemsDialog(const std::vector<LoadResult>& report, QWidget* parent,
                                             Reload reload)
    : ResizableDialog(IDD_STARTUP_PROBLEMS, parent), reload_(std::move(reload))
{
    TakeReport(report);
    connect(RequireControl<DrawnButton>(IDC_ABOUT), &QAbstractButton::clicked, this,
            &StartupProblemsDialog::OnAbout);
    connect(RequireControl<DrawnButton>(IDC_TRY_AGAIN), &QAbstractButton::clicked, this,
            &StartupProblemsDialog::OnTryAgain);
    connect(RequireControl<DrawnButton>(IDOK), &QAbstractButton::clicked, this, &QDialog::accept);
    connect(RequireControl<DrawnButton>(IDCANCEL), &QAbstractButton::clicked, this,
            &QDialog::reject);
}

StartupProblemsDialog::~StartupProblemsDialog() = default;

void StartupProblemsDialog::TakeReport(const std::vector<LoadResult>& report)
{
    reportText_ = FormatReport(report);
    successCount_ = 0;
    for (const LoadResult& line : report) {
        if (!line.failed)
            ++successCount_;
    }
}

std::string StartupProblemsDialog::FormatReport(const std::vector<LoadResult>& report)
{
    std::string text;
    for (const LoadResult& line : report) {
        if (!line.fileName.empty())
            text += ReportPath(line) + " - ";
        text += line.message;
        if (!line.hint.empty())
            text += ". " + line.hint;
        text += "\r\n";
    }
    return text;
}

void StartupProblemsDialog::BeforeFirstShow()
{
    ResizableDialog::BeforeFirstShow();
    for (int id : {IDOK, IDCANCEL, IDC_ABOUT, IDC_TRY_AGAIN}) {
        RequireControl<DrawnButton>(id)->SetOutline(OutlineKind::Capsule);
    }
    setWindowIcon(ProgramIcon());
    auto* report = RequireControl<QPlainTextEdit>(IDC_REPORT);
    // The caption above the report names it for screen readers.
    RequireControl<QLabel>(IDC_STATIC)->setBuddy(report);
    // A multi-line box without horizontal scrolling wraps long lines at its width.
    report->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    report->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ShowReport();
}

void StartupProblemsDialog::ShowReport()
{
    RequireControl<QPlainTextEdit>(IDC_REPORT)->setPlainText(FileSystemTextToDisplay(reportText_));
    auto* continueButton = RequireControl<DrawnButton>(IDOK);
    auto* tryAgainButton = RequireControl<DrawnButton>(IDC_TRY_AGAIN);
    const bool offerAgain = successCount_ == 0 && reload_;
    continueButton->setEnabled(successCount_ > 0);
    // Enter tries again while there is nothing to continue with.
    continueButton->setDefault(!offerAgain);
    tryAgainButton->setDefault(offerAgain);
    if (!offerAgain && tryAgainButton->hasFocus())
        continueButton->setFocus();
    ShowControl(tryAgainButton, offerAgain);
}

void StartupProblemsDialog::OnTryAgain()
{
    std::vector<LoadResult> report;
    bool clean = false;
    {
        const platform::WaitCursor waitCursor;
        clean = reload_(report);
    }
    if (clean) {
        accept();
        return;
    }
    TakeReport(report);
    ShowReport();
}

void StartupProblemsDialog::OnAbout()
{
    TheProductInfo().ShowAbout();
}

}  // namespace razzlewick
