#pragma once

#include <string>
#include <vector>

class QPlainTextEdit;

namespace razzlewick {

// What Keep this insult takes from the main window's text box, one insult a line: every line
// the selection touches (not one it merely reaches at its very start), or without a selection
// the line the cursor is on (the nearest above, from a blank line), so that a batch of one
// insult is that one wherever the cursor is. Engine text (Windows-1252); blank lines are left
// out.
std::vector<std::string> InsultsToKeep(const QPlainTextEdit& textBox);

}  // namespace razzlewick
