#pragma once

#include <QProxyStyle>

class QImage;

namespace razzlewick {

// The style in force, with the edges that show where a control is (check boxes, text
// boxes, spin arrows, drop-down lists, tab headers and their page) standing out at 3:1
// from what the control stands on. Styles draw those edges a shade off the window colour,
// which in a dark palette all but vanishes; there the outermost pixels of what the style
// drew are pulled in colour until they stand out, so the style's own shapes stay. In a
// light palette everything is drawn as the style draws it. A widget that wants a style of
// its own derives from this one rather than wrapping it: Qt loses an outer proxy's metrics
// behind a proxy within.
class EdgeContrastStyle : public QProxyStyle {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EdgeContrastStyle)

public:
    // Over a new copy of the application's style.
    EdgeContrastStyle();
    ~EdgeContrastStyle() override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;

    // Puts the application's style under this proxy, unless it is there already.
    static void Install();
    // The name of the application's style, under the proxy or not.
    static QString ApplicationStyleName();

    // The edge of what was drawn on a transparent `layer`: the opaque pixels within `depth`
    // pixels of transparency (or of the layer's border, except on the `open` side, where
    // the drawing runs on into something else), each pulled to 3:1 against `behind`.
    static void PullEdge(QImage& layer, QColor behind, int depth, Qt::Edges open = {});
};

}  // namespace razzlewick
