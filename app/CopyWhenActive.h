#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace razzlewick {

namespace platform {
class WaylandFocusSelection;
}

// Runs a clipboard copy for a window at once, or, where the window system takes a new
// selection only from the window with keyboard focus (Wayland compositors), as soon as
// the window is next activated. Copying again before then still copies once. That copy
// goes out with the serial of the focus itself where it can, as no key or click has come
// yet that the toolkit could name.
class CopyWhenActive final : public QObject {
public:
    // `window` is watched, not owned; it is also this object's parent. `copy` copies
    // through the toolkit; `text` is what it copies, as it goes on the clipboard.
    CopyWhenActive(QWidget* window, std::function<void()> copy, std::function<QString()> text);

    void Request();

    // True where a selection set by an inactive window is ignored.
    static bool NeedsFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<void()> copy_;
    std::function<QString()> text_;
    platform::WaylandFocusSelection* focusSelection_;  // owned through Qt parenting
    bool pending_ = false;
};

}  // namespace razzlewick
