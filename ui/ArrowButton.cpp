#include "ui/ArrowButton.h"

#include "ui/HairlinePen.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace razzlewick {

namespace {

// Draws a chain of lines pixel by pixel, each line leaving out its end pixel. A dotted
// chain paints every other pixel, the pattern running on across the chain's lines.
void DrawChain(QPainter& painter, std::initializer_list<QPoint> points, bool dotted = false)
{
    bool on = true;
    const QPoint* previous = nullptr;
    for (const QPoint& point : points) {
        if (previous != nullptr) {
            int x = previous->x();
            int y = previous->y();
            const int dx = std::abs(point.x() - x);
            const int dy = -std::abs(point.y() - y);
            const int sx = x < point.x() ? 1 : -1;
            const int sy = y < point.y() ? 1 : -1;
            int error = dx + dy;
            while (x != point.x() || y != point.y()) {
                if (on)
                    painter.drawPoint(x, y);
                if (dotted)
                    on = !on;
                const int twice = 2 * error;
                if (twice >= dy) {
                    error += dy;
                    x += sx;
                }
                if (twice <= dx) {
                    error += dx;
                    y += sy;
                }
            }
        }
        previous = &point;
    }
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

void ArrowButton::paintEvent(QPaintEvent*)
{
    const int side = std::min(width(), height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, side, side, palette().color(QPalette::Button));

    const int W = side - 1;
    const int H = side - 1;
    const int M = H / 2;
    const QPen highlight = HairlinePen(palette().color(QPalette::Light));
    const QPen darkShadow = HairlinePen(palette().color(QPalette::Shadow));
    const QPen shadow = HairlinePen(palette().color(QPalette::Dark));
    const bool pressed = isDown();

    switch (direction_) {
        case ArrowDirection::Right:
            if (!pressed) {
                painter.setPen(shadow);
                DrawChain(painter, {{0, H}, {W, M}});
                painter.setPen(darkShadow);
                DrawChain(painter, {{0, H + 1}, {W, M + 1}});
                painter.setPen(highlight);
                DrawChain(painter, {{0, H}, {0, 0}, {W, M}});
            } else {
                painter.setPen(shadow);
                DrawChain(painter, {{0, H}, {0, 0}, {W, M}});
                painter.setPen(darkShadow);
                DrawChain(painter, {{1, H - 2}, {1, 1}});
                DrawChain(painter, {{W - 3, M}, {0, 1}});
                painter.setPen(highlight);
                DrawChain(painter, {{0, H}, {W, M}});
            }
            break;
        case ArrowDirection::Left:
            if (!pressed) {
                painter.setPen(shadow);
                DrawChain(painter, {{W, 0}, {W, H}, {0, M}});
                DrawChain(painter, {{1, M + 1}, {6, M + 4}});
                painter.setPen(darkShadow);
                DrawChain(painter, {{W, 1}, {W, H}, {2, M + 2}});
                painter.setPen(highlight);
                DrawChain(painter, {{0, M}, {W, 0}});
            } else {
                painter.setPen(shadow);
                DrawChain(painter, {{W, 0}, {0, M}});
                painter.setPen(darkShadow);
                DrawChain(painter, {{W, 1}, {2, M}});
                painter.setPen(highlight);
                DrawChain(painter, {{W, 0}, {W, H}, {0, M}});
            }
            break;
        // Up and down follow the same light: edges facing up or left are lit.
        case ArrowDirection::Up:
            if (!pressed) {
                painter.setPen(shadow);
                DrawChain(painter, {{M, 0}, {W, H}});
                painter.setPen(darkShadow);
                DrawChain(painter, {{W, H}, {0, H}});
                painter.setPen(highlight);
                DrawChain(painter, {{0, H}, {M, 0}});
            } else {
                painter.setPen(shadow);
                DrawChain(painter, {{0, H}, {M, 0}});
                painter.setPen(darkShadow);
                DrawChain(painter, {{1, H - 1}, {M, 2}});
                painter.setPen(highlight);
                DrawChain(painter, {{M, 0}, {W, H}, {0, H}});
            }
            break;
        case ArrowDirection::Down:
            if (!pressed) {
                painter.setPen(shadow);
                DrawChain(painter, {{M, H}, {W, 0}});
                painter.setPen(darkShadow);
                DrawChain(painter, {{M + 1, H}, {W + 1, 0}});
                painter.setPen(highlight);
                DrawChain(painter, {{W, 0}, {0, 0}, {M, H}});
            } else {
                painter.setPen(shadow);
                DrawChain(painter, {{W, 0}, {0, 0}, {M, H}});
                painter.setPen(darkShadow);
                DrawChain(painter, {{1, 1}, {M, H - 2}});
                painter.setPen(highlight);
                DrawChain(painter, {{M, H}, {W, 0}});
            }
            break;
    }

    if (hasFocus()) {
        painter.setClipRect(QRect(0, 0, W, H));
        painter.setPen(HairlinePen(Qt::black));
        switch (direction_) {
            case ArrowDirection::Right:
                DrawChain(painter, {{6, 9}, {W - 12, M}, {6, H - 9}, {6, 9}}, true);
                break;
            case ArrowDirection::Left:
                DrawChain(painter, {{12, M}, {W - 6, 9}, {W - 6, H - 9}, {12, M}}, true);
                break;
            case ArrowDirection::Up:
                DrawChain(painter, {{M, 12}, {W - 9, H - 6}, {9, H - 6}, {M, 12}}, true);
                break;
            case ArrowDirection::Down:
                DrawChain(painter, {{M, H - 12}, {9, 6}, {W - 9, 6}, {M, H - 12}}, true);
                break;
        }
    }
}

}  // namespace razzlewick
