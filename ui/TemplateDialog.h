#pragma once

#include <QDialog>

// A dialog built from a dialog template, with a one-time initialisation hook that runs
// just before the dialog is first shown (whether by exec, open or show). Derived dialogs
// override OnInitDialog and call their base's version first.
class TemplateDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TemplateDialog)

public:
    TemplateDialog(int templateId, QWidget* parent);
    ~TemplateDialog() override;

    int TemplateId() const { return templateId_; }
    bool IsInitialised() const { return initialised_; }
    // False for a window without a sizing frame, which the user cannot resize.
    bool HasSizingFrame() const { return sizingFrame_; }

    // Runs OnInitDialog now if it has not run yet (tests use it to initialise without showing).
    void EnsureInitialised();

    void setVisible(bool visible) override;

protected:
    virtual void OnInitDialog() {}
    // Keeps the menu bar as wide as the window.
    void resizeEvent(QResizeEvent* event) override;
    // A dialog placed inside another leaves Escape and Return to the window around it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int templateId_ = 0;
    bool initialised_ = false;
    bool sizingFrame_ = true;
    bool foreground_ = false;  // raised and activated whenever shown
};
