#pragma once

#include <QColor>

namespace razzlewick {

// Legibility of one colour on another, by the usual rules for screen text and controls:
// relative luminance and the contrast ratio (1:1 to 21:1).

// What text needs against what is behind it, and what a control's edge needs against the
// window around it.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kEdgeContrast = 3.0;
// What edges pulled away from a dark window are pulled to: a little past the bare minimum,
// so that rounding, or a neighbouring surface a shade off the window, never leaves them
// below it.
inline constexpr double kEdgeContrastAim = 3.2;
// What text colours are pulled to: the antialiased strokes of small letters never quite
// reach their full colour on screen, so a colour tuned to the bare minimum reads below it.
inline constexpr double kTextContrastAim = 5.0;
// What a button's label reaches in a dark window: the stricter level for small text, which
// the desktop's own labels there meet too, so no button looks dimmed beside them.
inline constexpr double kButtonLabelContrast = 7.0;

double RelativeLuminance(QColor colour);
double ContrastRatio(QColor a, QColor b);

// True for a background on which light text reads better than dark text.
bool IsDarkColour(QColor colour);

// The colour itself when it reaches `minimum` against `background`; otherwise the least
// mix towards white or black that does, first in the direction the colour already lies
// from the background. Where neither extreme reaches it, the extreme that comes closest.
QColor WithContrast(QColor colour, QColor background, double minimum);

}  // namespace razzlewick
