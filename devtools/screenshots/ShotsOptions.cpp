#include "devtools/screenshots/Shots.h"
#include "options/OptionsDialog.h"
#include "platform/qt/MessageBox.h"
#include "resources/templates/ResourceIds.h"
#include "ui/DialogBuilder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>

#include <functional>
#include <memory>

namespace razzlewick {

QPixmap OptionsShot(int level, int count)
{
    return WithOwnSettings(level, count, [] {
        OptionsDialog dialog;
        return GrabShown(dialog);
    });
}

namespace {

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
            dialog.PrepareFirstShow();
            action(dialog);
        }
        shown.parent = nullptr;  // the dialog that asked is gone
        const std::unique_ptr<QMessageBox> box = platform::CreateMessageBox(shown);
        return GrabShown(*box);
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

}  // namespace razzlewick
