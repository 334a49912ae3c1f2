#pragma once

#include <QColor>
#include <QPalette>

namespace razzlewick {

// How the program's own controls show that they have the keyboard focus where a dotted
// line of one pixel would be lost: a band this many logical pixels deep in the palette's
// highlight colour, pulled until it stands out at 3:1 from `outside`, what the control
// stands on, and from `inside`, what the band borders within it.
inline constexpr int kFocusMarkDepth = 2;

QColor FocusMarkColour(const QPalette& palette, QColor outside, QColor inside);

}  // namespace razzlewick
