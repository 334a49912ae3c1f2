#pragma once

class QWidget;

namespace razzlewick {

// Shows or hides a control that takes the focus by Tab. A hidden control cannot take the
// focus anyway, but unless its policy says so too, screen readers still offer it.
void ShowControl(QWidget* control, bool shown);

}  // namespace razzlewick
