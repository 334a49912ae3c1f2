#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

namespace razzlewick::platform {

// Sets the Wayland clipboard with the serial of the keyboard focus the program's window
// received. The toolkit offers the compositor the serial of the last key or button press
// instead, which is none until the user touches the window, and a compositor keeps the
// selection of another program against a request that is not newer than it: a copy made
// as the window first comes up was lost whenever something else was on the clipboard.
// Inert, and Available() false, where the program does not run on Wayland.
class WaylandFocusSelection final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WaylandFocusSelection)

public:
    explicit WaylandFocusSelection(QObject* parent = nullptr);
    ~WaylandFocusSelection() override;

    // True once the keyboard focus has come to one of the program's windows, so that a
    // selection can be set with its serial.
    bool Available();
    // Offers the text as the selection, as plain text in UTF-8; false when not Available.
    bool SetText(const QString& text);

private:
    struct Connection;
    void Dispatch();

    std::unique_ptr<Connection> connection_;
};

}  // namespace razzlewick::platform
