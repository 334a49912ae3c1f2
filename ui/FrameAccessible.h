#pragma once

class QWidget;

namespace razzlewick {

// Shows `window` to assistive tools as an application's main window (the frame role), not
// as the dialog its class makes it: screen readers call a dialog one each time the focus
// comes back to it. Call before anything asks for the window's accessible interface (in
// its constructor); its name stays its title.
void ShowAsFrame(QWidget& window);

}  // namespace razzlewick
