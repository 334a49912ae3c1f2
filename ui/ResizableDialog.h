#pragma once

#include "ui/TemplateDialog.h"

#include <QSize>

#include <cstdint>
#include <vector>

namespace razzlewick {

// How an anchored control follows a change of the dialog's client size.
enum AnchorFlags : std::uint16_t {
    MoveRight = 1,
    MoveDown = 2,
    StretchWidth = 4,
    StretchHeight = 8,
};

// A template dialog that moves and stretches registered controls as it is resized, never
// gets smaller than its creation size, and restores and saves its outer size ("CX", "CY")
// in the window-size profile section named by the template id in lower-case hex.
class ResizableDialog : public TemplateDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResizableDialog)

public:
    ResizableDialog(int templateId, QWidget* parent);
    ~ResizableDialog() override;

    // Registers a control by id; flags 0 registers nothing, duplicates move twice.
    void AddAnchor(int controlId, int flags);

    // The profile section of this dialog's size entries ("66" for template 102).
    QString ProfileSection() const;

    // 1 after construction; when set, the size is restored at initialisation and saved
    // when the dialog is destroyed after having been resized.
    int restoreSize = 1;

protected:
    // Restores a saved size; derived dialogs call it first from their own.
    void BeforeFirstShow() override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplySizeChange(QSize clientSize);
    void SaveSize();

    QSize minSize_;   // client size at creation, the floor for resizing
    QSize lastSize_;  // client size at the last (non-minimising) size change
    bool resized_ = false;
    std::vector<std::uint32_t> anchors_;  // id in the low 16 bits, flags in the high
};

}  // namespace razzlewick
