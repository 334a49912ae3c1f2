#include "app/InsultApp.h"

#include "app/MainDialog.h"
#include "app/StartupProblemsDialog.h"
#include "data/LoadResult.h"
#include "platform/ProgramFolder.h"
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
    QApplication::setFont(DialogFont());

    MainDialog mainDialog;
    std::vector<LoadResult> report;
    bool loaded = false;
    {
        const platform::WaitCursor waitCursor;
        loaded = mainDialog.Engine().LoadDataFiles(&report, programFolder_);
    }
    if (!loaded) {
        StartupProblemsDialog problems(report, nullptr);
        if (runModal_(problems) == QDialog::Rejected)
            return;
    }
    runModal_(mainDialog);
}

}  // namespace razzlewick
