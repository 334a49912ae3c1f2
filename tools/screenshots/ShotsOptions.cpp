#include "tools/screenshots/Shots.h"

#include "options/OptionsDialog.h"
#include "platform/qt/MessageBox.h"
#include "resources/templates/ResourceIds.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsKeys.h"
#include "ui/DialogBuilder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include <functional>

namespace {

// Runs `work` with a settings folder of its own, so the user's settings are neither read
// nor changed.
QPixmap WithOwnSettings(int level, int count, const std::function<QPixmap()>& work)
{
    QTemporaryDir settingsFolder;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", settingsFolder.path().toLocal8Bit());
    const ProfileFile& settings = SettingsFile();
    settings.WriteInteger(SettingsKeys::section, SettingsKeys::level, level);
    settings.WriteInteger(SettingsKeys::section, SettingsKeys::insultCount, count);
    QPixmap picture = work();
    qputenv("XDG_CONFIG_HOME", previous);
    return picture;
}

QPixmap OptionsShot(int level, int count)
{
    return WithOwnSettings(level, count, [] {
        OptionsDialog dialog;
        return GrabShown(dialog);
    });
}

// The message box a user action raises, drawn by a real box that is shown, not run.
QPixmap MessageShot(const std::function<void(OptionsDialog&)>& action)
{
    return WithOwnSettings(0, 4, [&] {
        platform::MessageBoxRequest shown;
        const platform::ScopedMessageBoxHandler recorder(
            [&shown](const platform::MessageBoxRequest& request) {
                shown = request;
                return platform::MessageResult::Ok;
            });
        {
            OptionsDialog dialog;
            dialog.EnsureInitialised();
            action(dialog);
        }
        QMessageBox box(QMessageBox::Warning, shown.caption, shown.text, QMessageBox::Ok);
        return GrabShown(box);
    });
}

}  // namespace

void AddOptionsShots(ShotList& shots)
{
    shots.Add(QStringLiteral("options-level0.png"), [] { return OptionsShot(0, 1); });
    shots.Add(QStringLiteral("options-level1.png"), [] { return OptionsShot(1, 12); });
    shots.Add(QStringLiteral("options-count-range-message.png"), [] {
        return MessageShot([](OptionsDialog& dialog) {
            FindControl<QLineEdit>(&dialog, IDC_COUNT)->setText(QStringLiteral("501"));
        });
    });
    shots.Add(QStringLiteral("options-count-empty-message.png"), [] {
        return MessageShot(
            [](OptionsDialog& dialog) { FindControl<QLineEdit>(&dialog, IDC_COUNT)->clear(); });
    });
    shots.Add(QStringLiteral("options-level-warning.png"), [] {
        return MessageShot([](OptionsDialog& dialog) {
            FindControl<QComboBox>(&dialog, IDC_LEVEL)->setCurrentIndex(1);
        });
    });
}
