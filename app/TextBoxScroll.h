#pragma once

class QPlainTextEdit;

namespace razzlewick {

// Line-wise scrolling of a multi-line text box, counting wrapped lines as the box shows
// them. Only meaningful once the box has its on-screen width (it is laid out on show).

// Lines the box's text takes at the box's width, the empty line after a final line
// break included.
int TextBoxLineCount(QPlainTextEdit& textBox);

// Scrolls the box by that many lines from where it is (negative: up), within its range.
void ScrollTextBox(QPlainTextEdit& textBox, int lines);

// Scrolls the box down by its line count less `shown`, so that its last `shown` lines are
// at the top. Only the blocks at the end are laid out for it: laying out a large text whole
// takes far longer than showing its end, and the box lays out the rest when it comes into
// view, keeping the lines on show where they are.
void ScrollToLastLines(QPlainTextEdit& textBox, int shown);

}  // namespace razzlewick
