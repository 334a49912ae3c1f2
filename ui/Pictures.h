#pragma once

#include <QIcon>
#include <QPixmap>

namespace razzlewick {

// Pictures compiled in under their resource numbers (":/images/<number>.svg"), drawn at
// their own size in logical pixels with that many device pixels to each (the screen's
// pixel density, so they stay sharp on a scaled screen); a null pixmap for a number
// without a picture. Every picture of the program comes through here: rendering the SVG
// ourselves keeps the program independent of image plugins (PNG, which the small program
// icons are drawn in, is built into Qt).
QPixmap LoadPicture(int resourceId, qreal pixelRatio = 1.0);

// A picture from a file of the user's, SVG or PNG (by its name's ending), scaled to fit
// `box` (logical pixels) with its proportions kept, drawn at `pixelRatio`; a null pixmap when
// the file is missing, larger than kLargestPictureFile, or no picture of either kind.
QPixmap LoadPictureFile(const QString& path, QSize box, qreal pixelRatio = 1.0);

// Far beyond any picture meant for the window, and a bound on what a stray file costs.
inline constexpr qint64 kLargestPictureFile = qint64{8} << 20;

// The program icon (resource 128) at the sizes window managers ask for: drawn pixel by
// pixel at 16, 22, 24 and 32, from its picture at any other size.
QIcon ProgramIcon();

}  // namespace razzlewick
