#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace razzlewick {

// Runs a clipboard copy for a window at once, or, where the window system takes a new
// selection only from the window with keyboard focus (Wayland compositors), as soon as
// the window is next activated. Copying again before then still copies once.
class CopyWhenActive final : public QObject {
public:
    // `window` is watched, not owned; it is also this object's parent.
    CopyWhenActive(QWidget* window, std::function<void()> copy);

    void Request();

    // True where a selection set by an inactive window is ignored.
    static bool NeedsFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<void()> copy_;
    bool pending_ = false;
};

}  // namespace razzlewick
