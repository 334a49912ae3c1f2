#pragma once

#include <QColor>
#include <QPainter>
#include <QPen>

namespace razzlewick {

// Lines one logical pixel wide for the drawn and arrow buttons, the same at every scale.
// At scale 1 Qt draws a 1-pixel pen on the pixels right of and below its coordinates; a
// scaled painter centres the pen on them instead, so there the painter is moved by half a
// logical pixel and the line covers exactly the logical pixels it would cover at scale 1,
// continuous at 150 % and 200 % where one device pixel per logical pixel would leave gaps.
inline QPen PixelPen(QColor colour)
{
    QPen pen(colour);
    pen.setWidth(1);
    pen.setCosmetic(false);
    return pen;
}

inline void CentreOnPixels(QPainter& painter)
{
    if (painter.device()->devicePixelRatioF() != 1.0)
        painter.translate(0.5, 0.5);
}

}  // namespace razzlewick
