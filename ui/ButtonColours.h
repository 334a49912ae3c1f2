#pragma once

#include <QColor>
#include <QPalette>

namespace razzlewick {

// The colours the drawn and arrow buttons paint with, read from the palette at render
// time. In a light window they are the palette's own 3-D colours and black text, as the
// buttons have always been drawn. In a dark window black text and dark outlines vanish,
// so there the text takes the palette's button text, pulled until it reads at 7:1, and the
// edges that border the window are pulled away from it until they stand out.
struct ButtonColours final {
    QColor face;        // Button
    QColor highlight;   // Light: edges facing the light
    QColor light;       // Midlight: inner edges facing the light
    QColor shadow;      // Dark: inner edges facing away
    QColor darkShadow;  // Shadow: edges facing away, outlines
    QColor text;
    QColor window;  // what the button stands on
    bool darkWindow = false;

    // `behind` is what the button stands on: the window, or a tab page.
    static ButtonColours From(const QPalette& palette, QColor behind);

    // An outer edge shaded by its direction. In a dark window, where a dark edge vanishes,
    // every edge is pulled away from the window until it stands out, the side facing away
    // too, so the button's whole shape shows.
    QColor ShadedEdge(QColor colour) const;
    // A line meant to show all round (an outline, a focus line) against what it borders.
    QColor Outline(QColor colour, QColor against) const;
};

}  // namespace razzlewick
