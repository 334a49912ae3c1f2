#pragma once

#include <QIcon>
#include <QPixmap>

namespace razzlewick {

// Pictures compiled in under their resource numbers (":/images/<number>.svg"), drawn at
// their own size in logical pixels with that many device pixels to each (the screen's
// pixel density, so they stay sharp on a scaled screen); a null pixmap for a number
// without a picture. Every picture of the program comes through here: rendering the SVG
// ourselves keeps the program independent of image plugins.
QPixmap LoadPicture(int resourceId, qreal pixelRatio = 1.0);

// The program icon (resource 128) at the sizes window managers ask for.
QIcon ProgramIcon();

}  // namespace razzlewick
