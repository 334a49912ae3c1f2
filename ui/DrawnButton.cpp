#include "ui/DrawnButton.h"

#include "ui/ButtonColours.h"
#include "ui/ColourBehind.h"
#include "ui/FocusMark.h"
#include "ui/PixelPen.h"

#include <QEvent>
#include <QPainter>

#include <cmath>
#include <functional>
#include <numbers>

namespace razzlewick {

namespace {

// An edge line: each segment drawn from point i + 1 back to point i, both ends painted.
void EdgeLine(QPainter& painter, const std::vector<QPoint>& ring, std::size_t count, QColor colour)
{
    painter.setPen(PixelPen(colour));
    for (std::size_t i = 0; i + 1 < count; ++i)
        painter.drawLine(ring[i + 1], ring[i]);
}

// The two shadings of the bevel: a ring's edge in the soft colours (shadow to 3-D light)
// or in the hard ones (dark shadow to highlight).
QColor SoftShade(const ButtonColours& colours, QPoint a, QPoint b)
{
    return DrawnButton::Shade(a, b, colours.shadow, colours.light);
}

QColor HardShade(const ButtonColours& colours, QPoint a, QPoint b)
{
    return DrawnButton::Shade(a, b, colours.darkShadow, colours.highlight);
}

QColor OutlineColour(const ButtonColours& colours)
{
    return colours.Outline(colours.darkShadow, colours.window);
}

// What the focused and pressed images share around their bevel: a dark outline on ring 0
// and a line along ring 3, halfway between shadow and face.
void OuterEdges(QPainter& painter, const ButtonOutline& outline, const ButtonColours& colours)
{
    const auto& r0 = outline.Ring(0);
    painter.setBrush(Qt::NoBrush);
    EdgeLine(painter, r0, r0.size(), OutlineColour(colours));
    EdgeLine(painter, outline.Ring(3), r0.size(),
             colours.Outline(DrawnButton::Blend(colours.shadow, colours.face), colours.face));
}

// On a scaled screen the window mask, still in logical pixels, cuts steps out of ring 0's
// finer line where it runs along the mask's edge, leaving gaps that the unscaled drawing
// does not have. Drawn first, a line twice as wide fills the mask out to its edge in the
// outer edge's colour; the bevel then covers it from ring 1 inwards.
void UnderlayOuterEdge(QPainter& painter, const ButtonOutline& outline,
                       const std::function<QColor(std::size_t)>& colourOf)
{
    if (painter.device()->devicePixelRatioF() == 1.0)
        return;
    const auto& r0 = outline.Ring(0);
    for (std::size_t i = 0; i + 1 < r0.size(); ++i) {
        QPen pen = PixelPen(colourOf(i));
        pen.setWidth(2);
        painter.setPen(pen);
        painter.drawLine(r0[i], r0[i + 1]);
    }
}

QRegion Eroded(const QRegion& region)
{
    return region & region.translated(1, 0) & region.translated(-1, 0) & region.translated(0, 1) &
           region.translated(0, -1);
}

// Paints the band `depth` pixels deep along the inside of the window mask, each stretch in
// the colour of the ring-0 edge it follows. The mask, a polygon through ring 0, keeps only
// some of ring 0's pixels: none along its lower and right edges, every other one where it
// slants, so whatever the bevel put next to them borders the window. Painted through the
// band, every side shows the colour meant for the edge.
void PaintMaskEdge(QPainter& painter, const ButtonOutline& outline, int depth,
                   const std::function<QColor(std::size_t)>& colourOf)
{
    const QRegion mask = outline.RingRegion(0);
    QRegion inner = mask;
    for (int step = 0; step < depth; ++step)
        inner = Eroded(inner);
    const auto& r0 = outline.Ring(0);
    painter.save();
    // The region is in whole logical pixels; lines are drawn half a pixel in (see
    // CentreOnPixels), the clip is not.
    const QTransform lines = painter.worldTransform();
    painter.resetTransform();
    painter.setClipRegion(mask - inner);
    painter.setWorldTransform(lines);
    for (std::size_t i = 0; i + 1 < r0.size(); ++i) {
        // Wide enough to reach the kept pixels on either side of the ring.
        QPen pen = PixelPen(colourOf(i));
        pen.setWidth(2 * depth + 1);
        painter.setPen(pen);
        painter.drawLine(r0[i], r0[i + 1]);
    }
    painter.restore();
}

// The same band in one colour, filled outright.
void FillMaskBand(QPainter& painter, const ButtonOutline& outline, int depth, QColor colour)
{
    const QRegion mask = outline.RingRegion(0);
    QRegion inner = mask;
    for (int step = 0; step < depth; ++step)
        inner = Eroded(inner);
    painter.save();
    painter.resetTransform();
    for (const QRect& rect : mask - inner)
        painter.fillRect(rect, colour);
    painter.restore();
}

QPolygon Quad(QPoint a, QPoint b, QPoint c, QPoint d)
{
    return QPolygon({a, b, c, d});
}

}  // namespace

DrawnButton::DrawnButton(QWidget* parent) : QPushButton(parent) {}

DrawnButton::DrawnButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    // Screen readers would read the caption's leading blank (the templates centre some
    // captions with one) and Qt keeps it; the name is the caption as a person says it.
    setAccessibleName(QString(text).remove(QLatin1Char('&')).trimmed());
}

DrawnButton::~DrawnButton() = default;

void DrawnButton::SetOutline(OutlineKind kind)
{
    outline_.Build(kind, rect());
    if (outline_.IsValid()) {
        setMask(outline_.RingRegion(0));
    } else {
        clearMask();
    }
    dirty_ = true;
    update();
}

QColor DrawnButton::Shade(QPoint a, QPoint b, QColor dark, QColor light)
{
    constexpr double kPi = std::numbers::pi;
    double theta =
        std::atan2(static_cast<double>(a.x() - b.x()), static_cast<double>(b.y() - a.y()));
    if (theta < 0)
        theta += 2.0 * kPi;
    const double t = (1.0 + std::cos(std::abs(3.0 * kPi / 4.0 - (2.0 * kPi - theta)))) / 2.0;
    const auto mix = [t](int d, int l) { return static_cast<int>((1.0 - t) * d + t * l); };
    return QColor(mix(dark.red(), light.red()), mix(dark.green(), light.green()),
                  mix(dark.blue(), light.blue()));
}

QColor DrawnButton::Blend(QColor c, QColor e)
{
    const auto half = [](int x, int y) { return static_cast<int>(0.5 * x + 0.5 * y); };
    return QColor(half(c.red(), e.red()), half(c.green(), e.green()), half(c.blue(), e.blue()));
}

DrawnButton::RenderState DrawnButton::CurrentState() const
{
    return {.enabled = isEnabled(),
            .isDefault = isDefault(),
            .colourGroup = palette().currentColorGroup(),
            .pixelRatio = devicePixelRatioF()};
}

void DrawnButton::EnsureRendered()
{
    if (!outline_.IsValid())
        SetOutline(OutlineKind::Rectangle);
    if (dirty_ || CurrentState() != renderedState_)
        Render();
}

void DrawnButton::paintEvent(QPaintEvent*)
{
    EnsureRendered();
    const QPixmap& image = isDown() ? pressedImage_ : (hasFocus() ? focusImage_ : normalImage_);
    QPainter painter(this);
    painter.drawPixmap(0, 0, image);
}

void DrawnButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        dirty_ = true;  // a theme switched while the program runs
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange)
        update();
}

void DrawnButton::Render()
{
    renderedState_ = CurrentState();
    ++renderCount_;
    // Drawn at the screen's pixel density, in logical pixels: crisp text and edges on a
    // scaled screen, the same pixels as ever at scale 1.
    const qreal ratio = renderedState_.pixelRatio;
    const ButtonColours colours = ButtonColours::From(palette(), ColourBehind(*this));
    for (QPixmap* image : {&normalImage_, &focusImage_, &pressedImage_}) {
        *image = QPixmap(size() * ratio);
        image->setDevicePixelRatio(ratio);
        image->fill(colours.face);
        QPainter painter(image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setFont(font());
        painter.save();
        CentreOnPixels(painter);
        if (image == &normalImage_) {
            RenderNormal(painter, colours);
        } else if (image == &focusImage_) {
            RenderFocused(painter, colours);
        } else {
            RenderPressed(painter, colours);
        }
        painter.restore();
        RenderText(painter, colours, image == &pressedImage_);
    }
    dirty_ = false;
}

void DrawnButton::RenderNormal(QPainter& painter, const ButtonColours& colours) const
{
    const auto& r0 = outline_.Ring(0);
    const auto& r1 = outline_.Ring(1);
    UnderlayOuterEdge(painter, outline_, [&](std::size_t i) {
        return colours.ShadedEdge(HardShade(colours, r0[i], r0[i + 1]));
    });
    for (std::size_t i = 0; i + 1 < r0.size(); ++i) {
        const QColor c1 = SoftShade(colours, r1[i], r1[i + 1]);
        const QColor c0 = colours.ShadedEdge(HardShade(colours, r0[i], r0[i + 1]));
        const QColor m = Blend(c0, c1);
        painter.setPen(PixelPen(m));
        painter.setBrush(m);
        painter.drawPolygon(Quad(r1[i], r1[i + 1], r0[i + 1], r0[i]));
        painter.setPen(PixelPen(c1));
        painter.drawLine(r1[i + 1], r1[i]);
        painter.setPen(PixelPen(c0));
        painter.drawLine(r0[i], r0[i + 1]);
    }
    // In a dark window a bevel next to the window would melt into it.
    if (colours.darkWindow) {
        PaintMaskEdge(painter, outline_, 1, [&](std::size_t i) {
            return colours.ShadedEdge(HardShade(colours, r0[i], r0[i + 1]));
        });
    }
}

void DrawnButton::RenderFocused(QPainter& painter, const ButtonColours& colours) const
{
    UnderlayOuterEdge(painter, outline_, [&](std::size_t) { return OutlineColour(colours); });
    const auto& r0 = outline_.Ring(0);
    const auto& r1 = outline_.Ring(1);
    const auto& r2 = outline_.Ring(2);
    for (std::size_t i = 0; i + 1 < r0.size(); ++i) {
        const QColor c2 = SoftShade(colours, r2[i], r2[i + 1]);
        const QColor c1 = HardShade(colours, r1[i], r1[i + 1]);
        const QColor m = Blend(c1, c2);
        painter.setPen(PixelPen(m));
        painter.setBrush(m);
        painter.drawPolygon(Quad(r2[i], r2[i + 1], r0[i + 1], r0[i]));
        painter.setPen(PixelPen(c2));
        painter.drawLine(r2[i + 1], r2[i]);
        painter.setPen(PixelPen(c1));
        painter.drawPolygon(Quad(r1[i], r1[i + 1], r0[i + 1], r0[i]));
    }
    OuterEdges(painter, outline_, colours);
    // The focus shows as the dark outline two pixels deep, on every side.
    FillMaskBand(painter, outline_, kFocusMarkDepth, OutlineColour(colours));
}

void DrawnButton::RenderPressed(QPainter& painter, const ButtonColours& colours) const
{
    const auto& r0 = outline_.Ring(0);
    const auto& r1 = outline_.Ring(1);
    UnderlayOuterEdge(painter, outline_, [&](std::size_t) { return OutlineColour(colours); });
    const QColor p = Blend(colours.darkShadow, colours.shadow);
    painter.setBrush(p);
    for (std::size_t i = 0; i + 1 < r0.size(); ++i) {
        painter.setPen(PixelPen(p));
        painter.drawPolygon(Quad(r1[i], r1[i + 1], r0[i + 1], r0[i]));
        painter.setPen(PixelPen(colours.shadow));
        painter.drawLine(r1[i + 1], r1[i]);
    }
    OuterEdges(painter, outline_, colours);
    if (colours.darkWindow)
        FillMaskBand(painter, outline_, 1, OutlineColour(colours));
}

void DrawnButton::RenderText(QPainter& painter, const ButtonColours& colours, bool pressed) const
{
    const QString label = text();
    if (label.isEmpty())
        return;
    const QFontMetrics metrics(font());
    const int w = metrics.horizontalAdvance(label);
    const int h = metrics.height();
    int textX = width() / 2 - w / 2 - 1;
    int textY = height() / 2 - h / 2 - 1;
    if (pressed) {
        ++textX;
        ++textY;
    }
    const QRect textRect(textX, textY, w, h);
    constexpr int kFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    painter.save();
    painter.setClipRegion(outline_.RingRegion(3));
    if (!renderedState_.enabled) {
        // Embossed: a light copy one pixel down and right under a shadow-coloured one.
        painter.setPen(colours.highlight);
        painter.drawText(textRect.translated(1, 1), kFlags, label);
        painter.setPen(colours.shadow);
        painter.drawText(textRect, kFlags, label);
    } else {
        painter.setPen(colours.text);
        painter.drawText(textRect, kFlags, label);
    }
    painter.restore();
}

}  // namespace razzlewick
