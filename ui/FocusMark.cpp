#include "ui/FocusMark.h"

#include "ui/Contrast.h"

namespace razzlewick {

QColor FocusMarkColour(const QPalette& palette, QColor outside, QColor inside)
{
    QColor colour = WithContrast(palette.color(QPalette::Highlight), outside, kEdgeContrast);
    // Outside and inside are alike in every palette at hand, so meeting one nearly always
    // meets the other; where it does not, the inside wins.
    if (ContrastRatio(colour, inside) < kEdgeContrast)
        colour = WithContrast(colour, inside, kEdgeContrast);
    return colour;
}

}  // namespace razzlewick
