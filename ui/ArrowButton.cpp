#include "ui/ArrowButton.h"

#include "ui/ButtonColours.h"
#include "ui/ColourBehind.h"
#include "ui/Contrast.h"
#include "ui/FocusMark.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace razzlewick {

namespace {

// One side of the triangle as the set of points p with normal . p >= offset, the normal
// unit length and pointing into the triangle.
struct Side final {
    QPointF normal;
    qreal offset = 0;
};

qreal Dot(QPointF a, QPointF b)
{
    return a.x() * b.x() + a.y() * b.y();
}

// The sides of the triangle where the window mask ends, measured at pixel centres. The
// mask takes a logical pixel when its top-left corner lies inside the triangle. At scale 1
// that puts its edge, along a slanted side, further in where the side faces up or left and
// further out where it faces down or right. On a scaled screen a logical pixel holds
// device pixels anywhere from its corner to its far side, so there a side starts as far
// in as a corner can lie from a device pixel of its own. Along a level or upright side the
// edge is the side itself, which keeps every band's border between two rows of pixels.
std::array<Side, 3> MaskSides(const QPolygon& triangle, qreal pixelRatio)
{
    const QPointF centre = (QPointF(triangle[0]) + triangle[1] + triangle[2]) / 3.0;
    std::array<Side, 3> sides;
    for (int k = 0; k < 3; ++k) {
        const QPointF from = triangle[k];
        const QPointF along = QPointF(triangle[(k + 1) % 3]) - from;
        QPointF normal = QPointF(-along.y(), along.x()) / std::hypot(along.x(), along.y());
        if (Dot(normal, centre - from) < 0)
            normal = -normal;
        qreal inset = 0;
        if (normal.x() != 0 && normal.y() != 0) {
            inset = pixelRatio == 1.0
                        ? 0.5 * (normal.x() + normal.y())
                        : std::max<qreal>(normal.x(), 0) + std::max<qreal>(normal.y(), 0);
        }
        sides[k] = {normal, Dot(normal, from) + inset};
    }
    return sides;
}

// The triangle whose sides lie `depth` logical pixels inside the mask's; corner k is where
// sides k - 1 and k meet.
QPolygonF Inset(const std::array<Side, 3>& sides, qreal depth)
{
    QPolygonF corners;
    for (int k = 0; k < 3; ++k) {
        const Side& a = sides[(k + 2) % 3];
        const Side& b = sides[k];
        const qreal ca = a.offset + depth;
        const qreal cb = b.offset + depth;
        const qreal determinant = a.normal.x() * b.normal.y() - a.normal.y() * b.normal.x();
        corners << QPointF((ca * b.normal.y() - cb * a.normal.y()) / determinant,
                           (a.normal.x() * cb - b.normal.x() * ca) / determinant);
    }
    return corners;
}

// A side faces the light when it faces up or left, as on every 3-D control.
bool FacesLight(const Side& side)
{
    return side.normal.x() + side.normal.y() > 0;
}

}  // namespace

ArrowButton::ArrowButton(QWidget* parent) : QPushButton(parent) {}

ArrowButton::~ArrowButton() = default;

void ArrowButton::SetDirection(ArrowDirection direction)
{
    direction_ = direction;
    Shape();
}

QPolygon ArrowButton::Triangle() const
{
    const int a = width();
    switch (direction_) {
        case ArrowDirection::Up:
            return QPolygon({QPoint(a / 2, 0), QPoint(a, a), QPoint(0, a)});
        case ArrowDirection::Down:
            return QPolygon({QPoint(a / 2, a), QPoint(0, 0), QPoint(a, 0)});
        case ArrowDirection::Left:
            return QPolygon({QPoint(0, a / 2), QPoint(a, 0), QPoint(a, a)});
        case ArrowDirection::Right:
            break;
    }
    return QPolygon({QPoint(a, a / 2), QPoint(0, a), QPoint(0, 0)});
}

void ArrowButton::Shape()
{
    const int a = std::min(width(), height()) & ~1;
    resize(a, a);
    clearMask();
    setMask(QRegion(Triangle(), Qt::OddEvenFill));
    update();
}

QColor ArrowButton::OutlineColour() const
{
    const ButtonColours colours = ButtonColours::From(palette(), ColourBehind(*this));
    // Dark against a light window, light against a dark one: either way the whole
    // triangle shows, not only its shaded sides.
    return WithContrast(colours.darkWindow ? colours.highlight : colours.darkShadow, colours.window,
                        kEdgeContrast);
}

void ArrowButton::paintEvent(QPaintEvent*)
{
    // Three bands from the mask's edge inwards: an outline all round, a bevel lit from the
    // upper left (from the lower right when pressed), the face. Filled shapes rather than
    // lines, so no band has gaps at any scale. With the focus the outline deepens to the
    // focus mark: a dotted triangle inside an arrow this small would be a dot or two.
    const ButtonColours colours = ButtonColours::From(palette(), ColourBehind(*this));
    const std::array<Side, 3> sides = MaskSides(Triangle(), devicePixelRatioF());
    const bool focused = hasFocus();
    const qreal outlineDepth = focused ? kFocusMarkDepth : 1.0;
    const QPolygonF bevel = Inset(sides, outlineDepth);
    const QPolygonF face = Inset(sides, outlineDepth + 1.0);
    const bool pressed = isDown();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(focused ? FocusMarkColour(palette(), colours.window, colours.face)
                             : OutlineColour());
    painter.drawPolygon(Inset(sides, 0.0));
    for (int k = 0; k < 3; ++k) {
        const int next = (k + 1) % 3;
        painter.setBrush(FacesLight(sides[k]) != pressed ? colours.highlight : colours.shadow);
        painter.drawPolygon(QPolygonF({bevel[k], bevel[next], face[next], face[k]}));
    }
    painter.setBrush(colours.face);
    painter.drawPolygon(face);
}

}  // namespace razzlewick
