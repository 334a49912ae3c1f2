#include "app/InsultApp.h"

#include "app/MainDialog.h"
#include "app/StartupProblemsDialog.h"
#include "data/LoadResult.h"
#include "platform/ProgramFolder.h"
#include "platform/qt/ClipboardAfterExit.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/WaitCursor.h"
#include "ui/DialogBuilder.h"

#include <QApplication>

#include <vector>

namespace razzlewick {

InsultApp::InsultApp(std::string programFolder, ModalRunner runModal)
    : programFolder_(programFolder.empty() ? platform::ProgramFolder() : std::move(programFolder)),
      runModal_(runModal ? std::move(runModal) : [](QDialog& dialog) { return dialog.exec(); })
{
}

void InsultApp::Run()
{
    QApplication::setApplicationName(QStringLiteral("Razzlewick"));
    // Names the desktop file, so docks and the Wayland app id match the installed entry.
    QApplication::setDesktopFileName(QStringLiteral("example.tallowfern.Razzlewick"));
    QApplication::setFont(DialogFont());

    MainDialog mainDialog;
    std::vector<LoadResult> report;
    bool loaded = false;
    {
        const platform::WaitCursor waitCursor;
        loaded = mainDialog.Engine().LoadDataFiles(&report, programFolder_);
    }
    if (!loaded) {
        // A fresh engine each time, so a file read before does not merge in twice.
        StartupProblemsDialog problems(
            report, nullptr, [this, &mainDialog](std::vector<LoadResult>& again) {
                mainDialog.Engine().RemoveAll();
                return mainDialog.Engine().LoadDataFiles(&again, programFolder_);
            });
        if (runModal_(problems) == QDialog::Rejected)
            return;
    }
    if (!mainDialog.SettingsProblem().isEmpty())
        platform::ShowMessageBox(nullptr, mainDialog.SettingsProblem(),
                                 platform::MessageIcon::Exclamation);
    runModal_(mainDialog);
    if (const std::string problem = platform::KeepClipboardAfterExit(); !problem.empty())
        qWarning("razzlewick: cannot keep the clipboard after exit: %s", problem.c_str());
}

}  // namespace razzlewick
