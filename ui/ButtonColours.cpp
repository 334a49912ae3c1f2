#include "ui/ButtonColours.h"

#include "ui/Contrast.h"

namespace razzlewick {

ButtonColours ButtonColours::From(const QPalette& palette, QColor behind)
{
    ButtonColours colours;
    colours.face = palette.color(QPalette::Button);
    colours.highlight = palette.color(QPalette::Light);
    colours.light = palette.color(QPalette::Midlight);
    colours.shadow = palette.color(QPalette::Dark);
    colours.darkShadow = palette.color(QPalette::Shadow);
    colours.window = behind;
    colours.darkWindow = IsDarkColour(colours.window);
    colours.text = colours.darkWindow ? WithContrast(palette.color(QPalette::ButtonText),
                                                     colours.face, kButtonLabelContrast)
                                      : QColor(Qt::black);
    return colours;
}

QColor ButtonColours::ShadedEdge(QColor colour) const
{
    return darkWindow ? WithContrast(colour, window, kEdgeContrast) : colour;
}

QColor ButtonColours::Outline(QColor colour, QColor against) const
{
    return darkWindow ? WithContrast(colour, against, kEdgeContrast) : colour;
}

}  // namespace razzlewick
