#pragma once

#include "ui/DialogBuilder.h"

#include <QDialog>

#include <functional>
#include <string>

namespace razzlewick {

// What happens when a dialog lacks a control its code relies on. The builder makes every
// control a template lists, so this is a programming error: by default the program stops
// with the message. Tests put in a handler that throws, to read the message.
using ControlFailureHandler = std::function<void(const std::string& message)>;

// Replaces the handler (an empty function restores the default); returns the old one.
ControlFailureHandler SetControlFailureHandler(ControlFailureHandler handler);

// A dialog built from a dialog template, with a one-time hook that runs just before the
// dialog is first shown (whether by exec, open or show). Derived dialogs override
// BeforeFirstShow and call their base's version first.
class TemplateDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TemplateDialog)

public:
    TemplateDialog(int templateId, QWidget* parent);
    ~TemplateDialog() override;

    int TemplateId() const { return templateId_; }
    // False for a window without a sizing frame, which the user cannot resize.
    bool HasSizingFrame() const { return sizingFrame_; }

    // The template's control with that id as a T. A control that is missing or of another
    // kind goes to the control failure handler, which does not come back.
    template <class T>
    T* RequireControl(int id) const
    {
        QWidget* control = FindControlWidget(this, id);
        if (auto* wanted = qobject_cast<T*>(control)) {
            return wanted;
        }
        FailRequiredControl(id, T::staticMetaObject.className(), control);
    }

    // Runs BeforeFirstShow now if it has not run yet (tests use it to set a dialog up
    // without showing it).
    void PrepareFirstShow();

    void setVisible(bool visible) override;

protected:
    virtual void BeforeFirstShow() {}
    // Keeps the menu bar as wide as the window.
    void resizeEvent(QResizeEvent* event) override;
    // A dialog placed inside another leaves Escape and Return to the window around it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A window with an owner comes up centred over it, on the owner's screen.
    void CentreOverOwner();
    [[noreturn]] void FailRequiredControl(int id, const char* wantedClass,
                                          const QWidget* found) const;

    int templateId_ = 0;
    bool firstShowPrepared_ = false;
    bool sizingFrame_ = true;
    bool foreground_ = false;  // raised and activated whenever shown
};

}  // namespace razzlewick
