#include "app/MainDialog.h"
#include "app/StartupProblemsDialog.h"
#include "data/LoadMessages.h"
#include "devtools/screenshots/Shots.h"
#include "platform/ProgramFolder.h"
#include "platform/qt/MessageBox.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsKeys.h"

#include <QMessageBox>

#include <unistd.h>

#include <memory>
#include <vector>

namespace razzlewick {

// The main window over the shipped data, at the given tab.
QPixmap MainWindowShot(int tab, int level, int count)
{
    return WithOwnSettings(level, count, [tab] {
        SettingsFile().WriteInteger(SettingsKeys::kSection, SettingsKeys::kTab, tab);
        MainDialog window;
        std::vector<LoadResult> report;
        window.Engine().LoadDataFiles(&report, platform::ProgramFolder());
        return GrabShown(window);
    });
}

namespace {

// With a way to load again, as at start-up, so "Try again" shows when nothing loaded.
QPixmap ProblemsShot(std::vector<LoadResult> report)
{
    StartupProblemsDialog dialog(report, nullptr, [](std::vector<LoadResult>&) { return false; });
    return GrabShown(dialog);
}

}  // namespace

void AddAppShots(ShotList& shots)
{
    const char* const tabNames[] = {"arabian", "shakespearean", "modern", "mediterranean"};
    for (int level = 0; level < 2; ++level) {
        for (int tab = 0; tab < MainDialog::kStyleCount; ++tab) {
            // Level 0 on the coarser styles is the disabled state.
            shots.Add(
                QStringLiteral("main-%1-level%2.png").arg(QLatin1String(tabNames[tab])).arg(level),
                [tab, level] { return MainWindowShot(tab, level, 1); });
        }
    }
    shots.Add(QStringLiteral("main-window.png"), [] { return MainWindowShot(1, 0, 3); });
    shots.Add(QStringLiteral("main-long-batch.png"), [] { return MainWindowShot(0, 0, 9); });

    const std::string corrupted(kLoadCorrupted);
    shots.Add(QStringLiteral("problems-one-failed.png"), [corrupted] {
        return ProblemsShot({{"insltdat.dat", std::string(kLoadSucceeded), false},
                             {"oldwords.dat", corrupted, true}});
    });
    shots.Add(QStringLiteral("problems-all-failed.png"), [corrupted] {
        return ProblemsShot({{"insltdat.dat", std::string(kLoadLocked), true},
                             {"oldwords.dat", corrupted, true},
                             {"", std::string(kLoadNoneLoaded), true}});
    });
    shots.Add(QStringLiteral("problems-none-found.png"), [] {
        return ProblemsShot({{"", std::string(kLoadNoFilesFound), true}});
    });
    // What the window says before it opens when the settings file is too large to read.
    shots.Add(QStringLiteral("settings-too-large-message.png"), [] {
        return WithOwnSettings(0, 1, [] {
            const std::string path = ProfileFile::Folder() + SettingsFile().FileName();
            if (truncate(path.c_str(), off_t{2} << 20) != 0)
                return QPixmap();
            const MainDialog window;
            const std::unique_ptr<QMessageBox> box = platform::CreateMessageBox(
                {nullptr, QString::fromLatin1(platform::kMessageBoxCaption),
                 window.SettingsProblem(), platform::MessageIcon::Exclamation});
            return GrabShown(*box);
        });
    });
}

}  // namespace razzlewick
