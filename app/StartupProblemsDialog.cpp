#include "app/StartupProblemsDialog.h"

#include "app/DisplayText.h"
#include "app/ProgramIcon.h"
#include "about/ProductInfo.h"
#include "resources/templates/ResourceIds.h"
#include "ui/DialogBuilder.h"
#include "ui/DrawnButton.h"

#include <QAbstractButton>
#include <QPlainTextEdit>

StartupProblemsDialog::StartupProblemsDialog(const std::vector<LoadResult>& report, QWidget* parent)
    : ResizableDialog(IDD_STARTUP_PROBLEMS, parent), reportText(FormatReport(report))
{
    for (const LoadResult& line : report) {
        if (!line.failed)
            ++successCount;
    }
    if (auto* about = FindControl<QAbstractButton>(this, IDC_ABOUT)) {
        connect(about, &QAbstractButton::clicked, this, &StartupProblemsDialog::OnAbout);
    }
    if (auto* continueButton = FindControl<QAbstractButton>(this, IDOK)) {
        connect(continueButton, &QAbstractButton::clicked, this, &QDialog::accept);
    }
    if (auto* exitButton = FindControl<QAbstractButton>(this, IDCANCEL)) {
        connect(exitButton, &QAbstractButton::clicked, this, &QDialog::reject);
    }
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

void StartupProblemsDialog::OnInitDialog()
{
    ResizableDialog::OnInitDialog();
    for (int id : {IDOK, IDCANCEL, IDC_ABOUT}) {
        if (auto* button = FindControl<DrawnButton>(this, id))
            button->SetOutline(OutlineKind::Capsule);
    }
    setWindowIcon(ProgramIcon());
    if (auto* report = FindControl<QPlainTextEdit>(this, IDC_REPORT)) {
        // A multi-line box without horizontal scrolling wraps long lines at its width.
        report->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        report->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    SetEditText(FindControlWidget(this, IDC_REPORT), FileSystemTextToDisplay(reportText));
    if (auto* continueButton = FindControl<QAbstractButton>(this, IDOK)) {
        continueButton->setEnabled(successCount > 0);
    }
}

void StartupProblemsDialog::OnAbout()
{
    TheProductInfo().ShowAbout();
}
