#pragma once

class QLabel;

namespace razzlewick {

// Keeps a one-line label's whole text in view: when the text is wider than the label, its
// font shrinks, never below three quarters of the font it would otherwise have, instead of the
// text being cut off. A label it fits goes back to the inherited font as soon as the text
// fits again. Works on any label, whatever sets its text or size, by checking before each
// paint.
void KeepTextInView(QLabel* label);

}  // namespace razzlewick
