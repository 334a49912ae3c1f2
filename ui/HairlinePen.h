#pragma once

#include <QColor>
#include <QPen>

namespace razzlewick {

// A one-pixel pen that stays one pixel under any painter scale, for the drawn buttons' edges.
inline QPen HairlinePen(QColor colour)
{
    QPen pen(colour);
    pen.setWidth(1);
    pen.setCosmetic(true);
    return pen;
}

}  // namespace razzlewick
