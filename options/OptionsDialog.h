#pragma once

#include "settings/UserOptions.h"
#include "ui/TemplateDialog.h"

#include <QString>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace razzlewick {

class DrawnButton;
class SpinArrows;
class ToolTipControl;

// The preferences: offensiveness level, insults per press and four switches. It starts
// from the settings file, not from the main window. The dialog itself never writes: on OK
// the caller applies the values and then calls Save; cancelling leaves the file alone.
class OptionsDialog final : public TemplateDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsDialog)

public:
    static constexpr int kMinimumCount = SettingsKeys::kMinimumInsultCount;
    static constexpr int kMaximumCount = SettingsKeys::kMaximumInsultCount;

    // Reads the six values from the settings file.
    explicit OptionsDialog(QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // The values as the controls last gave them (or as read, before the user changed any).
    const UserOptions& Options() const { return options_; }

    // Writes the six values to the settings file in a fixed order.
    void Save() const;

    // Copies every control into the values, in the order count, always on top, level,
    // tooltips, auto copy, the count's label, capitalise; then checks the count's range. A
    // failure is shown, moves the focus, and returns false with the values after the failing
    // step left as they were.
    bool ReadControls();
    // Fills the controls from the values.
    void WriteControls();

    bool ToolTipsActive() const;

    // OK closes only with a valid count.
    void accept() override;

protected:
    void BeforeFirstShow() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool ReadCount();
    void WriteCount();
    static int32_t ReadCheck(const QCheckBox& check);
    static void WriteCheck(QCheckBox& check, int32_t value);

    void OnCountChanged();
    void OnLevelChanged();
    void OnToolTipsClicked();

    // Controls, owned by the dialog through Qt parenting.
    DrawnButton* cancelButton_;
    DrawnButton* okButton_;
    SpinArrows* spin_;
    QLineEdit* countEdit_;
    QCheckBox* onTopCheck_;
    QComboBox* levelList_;
    QCheckBox* toolTipsCheck_;
    QCheckBox* autoCopyCheck_;
    QLabel* countLabelControl_;
    QCheckBox* capitaliseCheck_;
    ToolTipControl* toolTipControl_;

    UserOptions options_;
    QString countLabel_;  // "insult each time" or "insults each time", as the count asks
    bool initialising_ = true;
    // Set while the values are written to the controls, so that filling the level list is
    // not taken for the user's choice.
    bool writingControls_ = false;
};

}  // namespace razzlewick
