#pragma once

#include "ui/TemplateDialog.h"

#include <QString>

#include <cstdint>

class DrawnButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class ToolTipControl;
class UpDown;

// The preferences: offensiveness level, insults per press and four switches. It starts
// from the settings file, not from the main window. The dialog itself never writes: on OK
// the caller applies the values and then calls Save; cancelling leaves the file alone.
class OptionsDialog final : public TemplateDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsDialog)

public:
    static constexpr int kMinimumCount = 1;
    static constexpr int kMaximumCount = 500;

    // Reads the six values from the settings file.
    explicit OptionsDialog(QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // Writes the six values to the settings file in a fixed order.
    void Save() const;

    // Field exchange. Reading (true) copies every control into its member and then checks
    // the count's range; a failure is shown, moves the focus, and returns false with the
    // members after the failing step left as they were. Writing (false) fills the controls.
    bool UpdateData(bool saveAndValidate = true);

    bool ToolTipsActive() const;

    // OK closes only with a valid count.
    void accept() override;

    // The values, in exchange order.
    int16_t count = 1;
    int32_t alwaysOnTop = 0;
    int32_t level = 0;
    int32_t toolTips = 1;
    int32_t autoCopy = 0;
    QString countLabel;
    int32_t capitalise = 1;

protected:
    void OnInitDialog() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ReadSettings();

    bool ReadCount();
    void WriteCount();
    static int32_t ReadCheck(const QCheckBox* check);
    static void WriteCheck(QCheckBox* check, int32_t value);

    void OnCountChanged();
    void OnLevelChanged();
    void OnToolTipsClicked();

    // Controls, owned by the dialog through Qt parenting.
    DrawnButton* cancelButton = nullptr;
    DrawnButton* okButton = nullptr;
    UpDown* spin = nullptr;
    QLineEdit* countEdit = nullptr;
    QCheckBox* onTopCheck = nullptr;
    QComboBox* levelList = nullptr;
    QCheckBox* toolTipsCheck = nullptr;
    QCheckBox* autoCopyCheck = nullptr;
    QLabel* countLabelControl = nullptr;
    QCheckBox* capitaliseCheck = nullptr;
    ToolTipControl* toolTipControl = nullptr;

    bool initialising = true;
    // Set while members are written to the controls, so that filling the level list is
    // not taken for the user's choice.
    bool writingControls = false;
};
