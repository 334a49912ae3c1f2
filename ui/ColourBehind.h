#pragma once

#include <QColor>

class QWidget;

namespace razzlewick {

// The colour a control stands on: the page of a tab control it lies over, or the window's.
// Colours made to stand out are measured against this, not against the window colour,
// which styles often give tab pages a shade away from.
QColor ColourBehind(const QWidget& control);

}  // namespace razzlewick
